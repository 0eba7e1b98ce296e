#!/usr/bin/env bash
# The wave files the machine plays: all 25 there by name, 44.1 kHz mono 16-bit, none silent, and Velmora's
# lines within 3 dB (RMS) of each other, so no line is heard much louder than the next.
# Usage: wave_check.sh BUILD_DIR
set -euo pipefail
build=$1
fail=0
count=0
levels=()
for name in Welcome.Wav exit.wav deal.wav cashier.wav Juicy.wav youwin1.wav rylflush.wav strflush.wav fivekind.wav \
  fourkind.wav fullhous.wav flush.wav straight.wav threeknd.wav three2.wav twopair1.wav twopair2.wav jacks1.wav \
  jacks2.wav jacks3.wav tens1.wav tens2.wav tens3.wav Kings1.wav sixes.wav; do
  wav="$build/$name"
  [ -f "$wav" ] || { echo "$name is missing"; fail=1; continue; }
  count=$((count + 1))
  format="$(soxi -r "$wav") $(soxi -c "$wav") $(soxi -b "$wav")"
  [ "$format" = "44100 1 16" ] || { echo "$name: rate, channels, bits are $format"; fail=1; }
  rms=$(sox "$wav" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
  awk -v r="$rms" 'BEGIN {exit !(r > -35)}' || { echo "$name: silent ($rms dB RMS)"; fail=1; }
  case "$name" in deal.wav|cashier.wav|Juicy.wav) ;; *) levels+=("$rms") ;; esac
done
[ "$count" -eq 25 ] || { echo "$count wave files, not 25"; fail=1; }
spread=$(printf '%s\n' "${levels[@]}" | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {print hi - lo}')
awk -v s="$spread" 'BEGIN {exit !(s <= 3)}' || { echo "the lines' loudness spreads over $spread dB"; fail=1; }
exit $fail
