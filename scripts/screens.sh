#!/usr/bin/env bash
# Saves screenshots of the main window for a person to look at: every game's chart, a hand with a
# joker and a wild deuce in both card styles at scale 1 and 2, and a paid hand with its marks.
# Usage: scripts/screens.sh [OUTDIR]   (a build with the tests: ./test.sh, or cmake -DDAZZLEWICK_TESTS=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screens}
cmake --build build --target dazzlewick_screens -j2 >/dev/null
QT_QPA_PLATFORM=offscreen build/dazzlewick_screens "$out" 2>/dev/null
# The cards of one hand, fancy above plain, as the README shows them.
if command -v convert >/dev/null; then
  convert "$out/wild-fancy-x1.png" -crop 443x110+118+342 +repage "$out/fancy.png"
  convert "$out/wild-plain-x1.png" -crop 443x110+118+342 +repage "$out/plain.png"
  convert "$out/fancy.png" "$out/plain.png" -append -strip "$out/cards.png"
fi
