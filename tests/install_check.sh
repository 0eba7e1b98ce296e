#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop expects.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.velmora.Dazzlewick
missing=0
for f in bin/dazzlewick bin/dazzlewick-odds share/dazzlewick/POKER.HLP share/dazzlewick/Welcome.Wav \
         share/dazzlewick/deal.wav share/dazzlewick/Juicy.wav share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/128x128/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/man/man6/dazzlewick-odds.6; do
  [ -s "$prefix/$f" ] || { echo "missing: $f"; missing=1; }
done
[ "$(ls "$prefix/share/dazzlewick"/*.wav "$prefix/share/dazzlewick"/*.Wav | wc -l)" -eq 25 ] || { echo "not 25 wave files"; missing=1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
"$prefix/bin/dazzlewick-odds" chart 1 | grep -q "Winning Hands for Jacks or Better" || { echo "odds tool does not run"; missing=1; }
QT_QPA_PLATFORM=offscreen "$prefix/bin/dazzlewick" --version | grep -q "3.0" || { echo "no --version"; missing=1; }
exit $missing
