#!/usr/bin/env bash
# scripts/run, the README's command, as a new user starts it: on the display
# given (scripts/with-display) and in a fresh Wine prefix, the player's window,
# the editor's window and the editor's first-time setup all appear. Whatever
# happens, everything it started is stopped again.
#   scripts/with-display bash tests/e2e/run_script_test.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no display: run it under scripts/with-display" >&2; exit 1; }
# A fresh prefix is filled at the first start, which takes a while under load.
timeout_seconds=${ORVANE_RUN_TEST_TIMEOUT:-300}

work=$(mktemp -d)
export ORVANE_RUN_PREFIX="$work/prefix"
mkdir -p "$ORVANE_RUN_PREFIX"
# A library /F names that does not exist: the player passes over it.
library="Z:${work//\//\\}\\RUN.ORN"

setsid bash "$root/scripts/run" "/F$library" >"$work/run.log" 2>&1 &
run=$!

stop_everything() {
  # scripts/run ends its player and the Wine session of its prefix itself.
  kill -TERM "$run" 2>/dev/null
  local waited=0
  while kill -0 "$run" 2>/dev/null && [ $waited -lt 300 ]; do
    sleep 0.1; waited=$((waited + 1))
  done
  kill -KILL -- "-$run" 2>/dev/null
  WINEPREFIX="$ORVANE_RUN_PREFIX" "$root/scripts/wine" --server -k 2>/dev/null
  rm -rf "$work"
}
trap stop_everything EXIT
trap 'exit 143' TERM INT

deadline=$((SECONDS + timeout_seconds))
# Waits for a window of exactly that title, mapped or not.
wait_for_window() {
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
    kill -0 "$run" 2>/dev/null || { echo "scripts/run ended early"; return 1; }
    sleep 0.5
  done
  echo "no window \"$1\" within ${timeout_seconds} s"
  return 1
}

failed=0
for title in "Orvane 99" "Orvane Editor.*" \
  "Quick Wizard: Set Up The Program For The First Time"; do
  wait_for_window "$title" || failed=1
done
grep -q "The player opens the editor (Brindel.exe)" "$work/run.log" ||
  { echo "scripts/run does not say that the editor opens"; failed=1; }
grep -q "first-time setup" "$work/run.log" ||
  { echo "scripts/run does not mention the first-time setup"; failed=1; }
grep -qF "not $library, which /F names: there is no such file" "$work/run.log" ||
  { echo "scripts/run does not say that the player passes over the missing library /F names"; failed=1; }
# The display given has no window manager: Wine must wait for none.
grep -q '"Managed"="N"' "$ORVANE_RUN_PREFIX/user.reg" ||
  { echo "the run prefix has Wine manage its windows"; failed=1; }
if [ $failed -ne 0 ]; then
  echo "--- scripts/run printed:"
  cat "$work/run.log"
  exit 1
fi
echo "scripts/run started the player, the editor and the first-time setup."
