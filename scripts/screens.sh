#!/usr/bin/env bash
# Saves screenshots of the main window for a person to look at: every game's chart, a hand with a
# joker and a wild deuce in both card styles at scale 1 and 2, a paid hand with its marks, and the
# double-up, payout editor and Pick Five dialogs over the cabinet at scale 1 and 1.5.
# Usage: scripts/screens.sh [OUTDIR]   (a build with the tests: ./test.sh, or cmake -DDAZZLEWICK_TESTS=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screens}
cmake --build build --target dazzlewick_screens -j2 >/dev/null
# A screen large enough for the dialogs beside a cabinet at one and a half times its size.
config=$(mktemp)
trap 'rm -f "$config"' EXIT
echo '{"screens":[{"name":"big","x":0,"y":0,"width":1600,"height":1200,"logicalDpiX":96,"logicalDpiY":96}]}' > "$config"
QT_QPA_PLATFORM="offscreen:configfile=$config" build/dazzlewick_screens "$out" 2>/dev/null
# The cards of one hand, fancy above plain, as the README shows them.
if command -v convert >/dev/null; then
  convert "$out/wild-fancy-x1.png" -crop 443x110+118+342 +repage "$out/fancy.png"
  convert "$out/wild-plain-x1.png" -crop 443x110+118+342 +repage "$out/plain.png"
  convert "$out/fancy.png" "$out/plain.png" -append -strip "$out/cards.png"
fi
