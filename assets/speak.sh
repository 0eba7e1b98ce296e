#!/usr/bin/env bash
# Speaks one of Velmora's lines into the wave file the machine plays (44.1 kHz, mono, 16 bits):
# Festival's HTS voice where it is installed, espeak-ng otherwise.  The silence before and after
# the words is trimmed to a short lead-in, and every line is brought to the same loudness so no
# line is heard louder than another.
# Usage: speak.sh festival|espeak TEXT_FILE OUT.wav [SAY_FILE]
# SAY_FILE, when given and present, is what the synthesiser reads instead of TEXT_FILE: a
# spelling it pronounces better; the text on screen stays the one in TEXT_FILE.
set -euo pipefail
engine=$1 text=$2 out=$3 say=${4:-}
[ -n "$say" ] && [ -f "$say" ] && text=$say
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

case "$engine" in
  festival)
    text2wave -eval "(voice_cmu_us_slt_arctic_hts)" -o "$tmp/raw.wav" "$text" ;;
  espeak)
    espeak-ng -v en-us+f3 -s 150 -p 60 -w "$tmp/raw.wav" -f "$text" ;;
  *) echo "speak.sh: unknown engine $engine" >&2; exit 2 ;;
esac

# Trim the silence at both ends, then keep a 100 ms lead-in and a 150 ms tail.  The threshold is
# low so that soft onsets and final consonants (the "t" of "Straight!") are kept.
sox -R "$tmp/raw.wav" -r 44100 -c 1 -b 16 "$tmp/trim.wav" \
    silence 1 0.01 0.1% reverse silence 1 0.01 0.1% reverse pad 0.1 0.15
# Bring the line's loudness (RMS) to 22 dB below full scale, near the machine sounds; the limiter
# keeps the peaks of a short loud word from clipping.
rms=$(sox "$tmp/trim.wav" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
gain=$(awk -v r="$rms" -v t="${VELMORA_LEVEL:--22}" 'BEGIN {printf "%.2f", t - r}')
sox -R "$tmp/trim.wav" "$out" gain -l "$gain"
