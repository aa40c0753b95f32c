#!/bin/sh
# Runs a Windows program under Wine for ctest. The output goes through a file:
# Wine's helper processes started on the way inherit the program's output, and
# would otherwise hold ctest's pipe open long after the program ended.
out=$(mktemp)
wine "$@" >"$out" 2>&1
status=$?
cat "$out"
rm -f "$out"
exit $status
