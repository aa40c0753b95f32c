#!/usr/bin/env bash
# What the player costs while nothing happens: the CPU ticks (user and system,
# in the host's clock ticks) its process takes over a minute, against those of
# Wine's own Notepad in the same prefix and the same minute; prints both and
# their ratio. Not a test: it takes a minute and a half.
#   bash tests/bench/idle_bench.sh [folder of Tavrol.exe] [seconds]
# (the folder of the build this machine runs by default, 60 seconds).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-"$root/build"}
source "$root/scripts/lib/environment.sh"
bin=${1:-$windows_build/bin}
seconds=${2:-60}
settle_seconds=10  # both programs past their start

work=$(mktemp -d)
player="" notepad=""
finish() {
  # Only the two processes started here; then the session of the display.
  [ -n "$player" ] && kill "$player" 2>/dev/null
  [ -n "$notepad" ] && kill "$notepad" 2>/dev/null
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT
start_virtual_display || exit 1

# The player on a library of its own (made with its system macros), without
# its editor; the Wine loader's process is the Windows program's.
"$wine" "$bin/Tavrol.exe" "/FZ:${work//\//\\}\\IDLE.ORN" /EN >/dev/null 2>&1 &
player=$!
"$wine" notepad >/dev/null 2>&1 &
notepad=$!
sleep "$settle_seconds"

# ticks <pid>: user plus system time so far (fields 14 and 15 of its stat,
# after the parenthesised name).
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
for pid in "$player" "$notepad"; do
  [ -r "/proc/$pid/stat" ] || { echo "idle bench: a program ended at its start" >&2; exit 1; }
done
player_before=$(ticks "$player") notepad_before=$(ticks "$notepad")
sleep "$seconds"
player_ticks=$(($(ticks "$player") - player_before))
notepad_ticks=$(($(ticks "$notepad") - notepad_before))
# Wine's Notepad can take no tick at all in a minute: the ratio counts it as 1.
awk -v p="$player_ticks" -v n="$notepad_ticks" -v s="$seconds" 'BEGIN {
  printf "idle for %d s: Tavrol.exe %d CPU ticks, Notepad %d; ratio %.2f\n", s, p, n, p / (n > 0 ? n : 1)
}'
