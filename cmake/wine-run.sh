#!/bin/sh
# Runs a Windows program under Wine for ctest. The output goes through a file:
# Wine's helper processes started on the way inherit the program's output, and
# would otherwise hold ctest's pipe open long after the program ended.
#
# A fault inside the program ends it with a Windows exception status. A status
# above 128 means the Wine loader process itself was killed by a signal, which
# happens rarely on a loaded machine; such a run is repeated once, and said so.
wine="$(dirname "$0")/../scripts/wine"
run() {
  out=$(mktemp)
  "$wine" "$@" >"$out" 2>&1
  status=$?
  cat "$out"
  rm -f "$out"
}

run "$@"
if [ "$status" -gt 128 ]; then
  echo "wine-run: Wine itself ended by signal $((status - 128)); running again"
  run "$@"
fi
exit $status
