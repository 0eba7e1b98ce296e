#!/usr/bin/env bash
# Measures the game's resident memory after one hand of each of the 25 games, played with the
# keyboard under a virtual X display, with a fresh records folder.
#   scripts/memory.sh           # the trainer off (the default)
#   scripts/memory.sh trainer   # the best hold and the mistake alert on
# Needs a build (build/dazzlewick); prints the resident memory after every game and the largest.
# SHOTS=DIR saves a screenshot after each game there.
set -euo pipefail
cd "$(dirname "$0")/.."
records=$(mktemp -d)
if [ "${1:-}" = trainer ]; then printf 'T\r\nT\r\n 2\r\nF\r\n' > "$records/TRAINER1.VPK"; fi
# The progressive and the royals on; the double up and the side bet off, so no window but the
# machine's asks for the keys.
printf 'T\r\nT\r\nF\r\nF\r\nPlayer 1\r\nPlayer 2\r\nPlayer 3\r\nPlayer 4\r\n' > "$records/CONFIG.VPK"
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $wm $xvfb 2>/dev/null || true; rm -rf "$records"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY=$display build/dazzlewick --records "$records" >/dev/null 2>&1 &
game=$!
sleep 4
key() {
  local active
  active=$(DISPLAY=$display xdotool getactivewindow 2>/dev/null || true)
  [ -n "$active" ] || DISPLAY=$display xdotool windowactivate --sync \
    "$(DISPLAY=$display xdotool search --onlyvisible --pid $game | tail -1)" 2>/dev/null || true
  DISPLAY=$display xdotool key --delay 80 "$@"
  sleep 0.6
}
rss() { awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$game/status"; }
key Return   # the player
peak=0
games=(F2 ctrl+F2 shift+F2 F3 ctrl+F3 shift+F3 F4 ctrl+F4 shift+F4 shift+ctrl+F4 F5 ctrl+F5 shift+F5
       shift+ctrl+F5 F6 ctrl+F6 shift+F6 shift+ctrl+F6 F7 ctrl+F7 shift+F7 shift+ctrl+F7 F8 ctrl+F8 shift+ctrl+F8)
for g in "${!games[@]}"; do
  key "${games[$g]}"
  key v Return   # forty credits from the cashier
  key m
  sleep 1.5      # the deal
  case $((g + 1)) in
    22) key 1 1 1 1 1 d alt+d ;;                     # Pick Five: the picks, the draw
    24) key alt+s; sleep 1; key alt+s ;;            # Double Down Stud: stand pat, the fifth card
    25) key alt+l alt+s; sleep 1; key alt+l alt+s ;; # Let It Ride: ride to the fifth card
    23) key d alt+d; sleep 1; key d alt+d ;;        # Double Down Draw: a winning deal doubles first
    *) key d alt+d ;;                                # the draw (and "Draw Anyway" at an alert)
  esac
  sleep 1
  key Escape
  now=$(rss)
  [ "$now" -gt "$peak" ] && peak=$now
  echo "game $((g + 1)): ${now} MB"
  [ -n "${SHOTS:-}" ] && DISPLAY=$display import -window root "$SHOTS/game$((g + 1)).png"
done
echo "largest resident memory: ${peak} MB"
