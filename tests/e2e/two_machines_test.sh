#!/usr/bin/env bash
# Two machines on one shared library: this machine (the test prefix) runs the
# player and its editor; the other machine is a second prefix with its own
# wineserver, which changes the library under the lock, counts it, takes the
# lock again and dies holding it. Whatever happens, the second prefix's Wine
# session is ended and its folder removed.
#   scripts/with-display bash tests/e2e/two_machines_test.sh build/win64/bin/e2e_tests.exe
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tests=$1
[ -n "${DISPLAY:-}" ] || { echo "no display: run it under scripts/with-display" >&2; exit 1; }
: "${WINEPREFIX:?the test prefix}"

work=$(mktemp -d)
other_prefix="$work/other-machine"
mkdir -p "$other_prefix"
winpath() { echo "Z:${1//\//\\}"; }
export ORVANE_SHARED_FOLDER=$(winpath "$work")
export ORVANE_SHARED_LIBRARY="$ORVANE_SHARED_FOLDER\\SHARED.ORN"
filter=--gtest_filter='TwoMachines.*'

ORVANE_MACHINE_B=1 "$root/scripts/wine" "$tests" "$filter" &
this_machine=$!

stop_everything() {
  kill -TERM "$this_machine" 2>/dev/null
  WINEPREFIX="$other_prefix" "$root/scripts/wine" --server -k 2>/dev/null
  rm -rf "$work"
}
trap stop_everything EXIT
trap 'exit 143' TERM INT

deadline=$((SECONDS + 300))
while [ ! -f "$work/B-READY" ]; do
  kill -0 "$this_machine" 2>/dev/null || { wait "$this_machine"; exit $?; }
  [ $SECONDS -lt $deadline ] || { echo "this machine's editor did not come up" >&2; exit 1; }
  sleep 0.2
done
# The other machine's first start fills its prefix.
WINEPREFIX="$other_prefix" ORVANE_MACHINE_A=1 timeout 300 "$root/scripts/wine" "$tests" "$filter"
other=$?
WINEPREFIX="$other_prefix" "$root/scripts/wine" --server -k 2>/dev/null
[ $other -eq 0 ] || { echo "the other machine's part failed ($other)" >&2; exit 1; }
: >"$work/A-DONE"
wait "$this_machine"
