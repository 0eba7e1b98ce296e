#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the game in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target dazzlewick
exec build/dazzlewick "$@"
