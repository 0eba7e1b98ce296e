#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything with the tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DDAZZLEWICK_TESTS=ON -DDAZZLEWICK_WERROR="$werror"
cmake --build build -j2
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
