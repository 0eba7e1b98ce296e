#!/usr/bin/env bash
# Measures how clearly Velmora's built lines are heard: each line is passed through Debian's
# offline recogniser (pocketsphinx) and its words are compared with the line's text.  Prints each
# line, what was heard and the word errors, then the format and loudness of every wave file, and
# last the word error rate over all lines.
# Usage: scripts/voice-check.sh [BUILD_DIR]     (needs: apt-get install pocketsphinx pocketsphinx-en-us sox)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
model=/usr/share/pocketsphinx/model/en-us
for tool in pocketsphinx_continuous sox python3; do
  command -v $tool >/dev/null || { echo "$tool is needed: apt-get install pocketsphinx pocketsphinx-en-us sox python3" >&2; exit 1; }
done
[ -d "$model" ] || { echo "the recogniser's model is needed: apt-get install pocketsphinx-en-us" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

: > "$tmp/heard"
for txt in assets/sounds/*.txt; do
  name=$(basename "$txt" .txt)
  wav="$build/$name.wav"
  [ "$name" = Welcome ] && wav="$build/Welcome.Wav"
  [ -f "$wav" ] || { echo "missing $wav: build first" >&2; exit 1; }
  # The recogniser listens at 16 kHz; a little silence either side helps it find the words.
  sox -R "$wav" -r 16000 -c 1 -b 16 "$tmp/$name.wav" pad 0.3 0.3
  heard=$(pocketsphinx_continuous -infile "$tmp/$name.wav" -hmm "$model/en-us" \
            -lm "$model/en-us.lm.bin" -dict "$model/cmudict-en-us.dict" 2>/dev/null | tr '\n' ' ')
  printf '%s\t%s\t%s\n' "$name" "$(tr '\n' ' ' < "$txt")" "$heard" >> "$tmp/heard"
done

# Format and loudness of every wave file the machine plays.
for wav in "$build"/*.wav "$build"/Welcome.Wav; do
  printf '%s\t%s\t%s\t%s\t' "$(basename "$wav")" "$(soxi -r "$wav")" "$(soxi -c "$wav")" "$(soxi -b "$wav")"
  sox "$wav" -n stats 2>&1 | awk '/^RMS lev dB/ {rms=$4} /^Pk lev dB/ {pk=$4} END {print rms "\t" pk}'
done > "$tmp/levels"

python3 - "$tmp/heard" "$tmp/levels" <<'PY'
import re, sys

def words(text):
    return re.sub(r"[^a-z' ]", " ", text.lower().replace("-", " ")).split()

def distance(a, b):
    row = list(range(len(b) + 1))
    for i, x in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, y in enumerate(b, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (x != y))
    return row[len(b)]

total = errors = 0
for line in open(sys.argv[1]):
    name, said, heard = (line.rstrip("\n").split("\t") + [""])[:3]
    ref, hyp = words(said), words(heard)
    e = distance(ref, hyp)
    total += len(ref)
    errors += e
    print(f"{name:10} {e}/{len(ref)}  said: {said.strip()}\n{'':15}heard: {heard.strip()}")

print()
print(f"{'file':14} {'rate':>6} {'ch':>3} {'bits':>4} {'RMS dB':>7} {'peak dB':>8}")
spoken = set()
rms_of = {}
for line in open(sys.argv[2]):
    f, rate, ch, bits, rms, pk = line.rstrip("\n").split("\t")
    print(f"{f:14} {rate:>6} {ch:>3} {bits:>4} {rms:>7} {pk:>8}")
    rms_of[f] = float(rms)
lines = {f: v for f, v in rms_of.items() if f not in ("deal.wav", "cashier.wav", "Juicy.wav")}
loud = max(lines, key=lines.get)
quiet = min(lines, key=lines.get)
print(f"\nloudest line {loud} {lines[loud]:.1f} dB RMS, quietest {quiet} {lines[quiet]:.1f} dB RMS: "
      f"{lines[loud] - lines[quiet]:.1f} dB apart")
print(f"word error rate: {errors} of {total} words ({100 * errors / total:.0f} %)")
PY
