#!/usr/bin/env bash
# Starts the game under a virtual X display, optionally types keys into it, and saves a
# screenshot.  Usage: scripts/screenshot.sh OUT.png [xdotool key names, e.g. "m 1 2 d"]
# A word "shot:NAME" among the keys saves NAME.png beside OUT.png at that moment; "wait:S"
# waits S more seconds; "click:X,Y" clicks the window at X,Y; "size:W,H" resizes the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1"); shift || true
keys=${1:-}
for tool in xdotool openbox; do
  command -v $tool >/dev/null || { echo "$tool is needed: apt-get install $tool" >&2; exit 1; }
done
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 ${SCREEN:-800x700}x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
# A window manager, so the game's windows become active, stand side by side and its menu
# shortcuts work.
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY=$display build/dazzlewick >/dev/null 2>&1 &
game=$!
sleep 3
for k in $keys; do
  case "$k" in
    shot:*) DISPLAY=$display import -window root "$(dirname "$out")/${k#shot:}.png"; continue ;;
    wait:*) sleep "${k#wait:}"; continue ;;
    size:*) wh=${k#size:}
            main=$(DISPLAY=$display xdotool search --onlyvisible --name '^Dazzlewick' 2>/dev/null | head -1 || true)
            [ -n "$main" ] && DISPLAY=$display xdotool windowmove "$main" 0 0 windowsize "$main" "${wh%,*}" "${wh#*,}" ;;
    click:*) xy=${k#click:}
             DISPLAY=$display xdotool mousemove "${xy%,*}" "${xy#*,}" click 1 ;;
    *) # Keys go to the game's newest visible window (a dialog when one is open).
       wins=$(DISPLAY=$display xdotool search --onlyvisible --pid $game 2>/dev/null || true)
       active=$(DISPLAY=$display xdotool getactivewindow 2>/dev/null || true)
       if [ -n "$wins" ] && [ -z "$active" ]; then
         DISPLAY=$display xdotool windowactivate --sync "$(tail -1 <<<"$wins")" 2>/dev/null || true
       fi
       DISPLAY=$display xdotool key --delay 100 "$k" ;;
  esac
  sleep 1.5
done
DISPLAY=$display import -window root "$out"
echo "saved $out"
