#!/usr/bin/env bash
# What the player costs while nothing happens: the CPU ticks (user and system,
# in the host's clock ticks) its process takes over a minute, against those of
# Wine's own Notepad in the same prefix and the same minute; prints both and
# their ratio. Several folders are measured in the same minute, each player
# with its Notepad in a copy of the prefix of its own (a second player in one
# Wine session would hand over to the first). Not a test: it takes a minute
# and a half.
#   bash tests/bench/idle_bench.sh [folder of Tavrol.exe]... [seconds]
# (the folder of the build this machine runs by default, 60 seconds).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-"$root/build"}
source "$root/scripts/lib/environment.sh"
folders=() seconds=60
for arg in "$@"; do
  if [[ $arg =~ ^[0-9]+$ ]]; then
    seconds=$arg
  else
    [ -f "$arg/Tavrol.exe" ] || { echo "idle bench: no Tavrol.exe in $arg" >&2; exit 1; }
    folders+=("$(cd "$arg" && pwd)")
  fi
done
[ ${#folders[@]} -gt 0 ] || folders=("$windows_build/bin")
settle_seconds=10  # the programs past their start

work=$(mktemp -d)
prefixes=() players=() notepads=()
finish() {
  # Only the processes started here, each prefix's server; then the display.
  local pid prefix
  for pid in "${players[@]}" "${notepads[@]}"; do kill "$pid" 2>/dev/null; done
  for prefix in "${prefixes[@]:1}"; do WINEPREFIX=$prefix "$wine" --server -k 2>/dev/null; done
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT
# The copies are made while no server writes to the prefix.
prefixes[0]=$WINEPREFIX
for n in "${!folders[@]}"; do
  [ "$n" -eq 0 ] && continue
  prefixes[n]=$work/prefix$n
  cp -a "$WINEPREFIX" "${prefixes[n]}" || exit 1
done
start_virtual_display || exit 1

# start <n>: the player of folder n on a library of its own (made with its
# system macros), without its editor, and Notepad beside it; the Wine
# loader's process is the Windows program's.
start() {
  local n=$1 prefix=${prefixes[$1]}
  if [ "$n" -gt 0 ]; then
    WINEPREFIX=$prefix "$wine" --server -p
    WINEPREFIX=$prefix "$wine" cmd /c exit >/dev/null 2>&1
  fi
  WINEPREFIX=$prefix "$wine" "${folders[n]}/Tavrol.exe" "/FZ:${work//\//\\}\\IDLE$n.ORN" /EN \
    >/dev/null 2>&1 &
  players[n]=$!
  WINEPREFIX=$prefix "$wine" notepad >/dev/null 2>&1 &
  notepads[n]=$!
}
for n in "${!folders[@]}"; do start "$n" || exit 1; done
sleep "$settle_seconds"

# ticks <pid>: user plus system time so far (fields 14 and 15 of its stat,
# after the parenthesised name).
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
for pid in "${players[@]}" "${notepads[@]}"; do
  [ -r "/proc/$pid/stat" ] || { echo "idle bench: a program ended at its start" >&2; exit 1; }
done
before=()
for n in "${!folders[@]}"; do before[n]="$(ticks "${players[n]}") $(ticks "${notepads[n]}")"; done
sleep "$seconds"
for n in "${!folders[@]}"; do
  read -r player_before notepad_before <<<"${before[n]}"
  # Wine's Notepad can take no tick at all in a minute: the ratio counts it as 1.
  awk -v f="${folders[n]}" -v s="$seconds" -v p=$(($(ticks "${players[n]}") - player_before)) \
    -v n=$(($(ticks "${notepads[n]}") - notepad_before)) 'BEGIN {
    printf "%s: idle for %d s: Tavrol.exe %d CPU ticks, Notepad %d; ratio %.2f\n", f, s, p, n, p / (n > 0 ? n : 1)
  }'
done
