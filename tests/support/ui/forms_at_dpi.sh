#!/usr/bin/env bash
# Shows every form of the given test programs (their FormPictures tests) with
# the screen at <dpi> dots per inch (120 is 125 %, 144 is 150 %), so each
# form's layout is checked (LayoutFaults) as a user of a scaled screen sees
# it. Wine takes the DPI from LogPixels under HKCU\Control Panel\Desktop when
# a program starts; the value goes back as it was, whatever happens.
#   forms_at_dpi.sh <dpi> <tests.exe>...    (WINEPREFIX and DISPLAY set)
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
wine="$root/scripts/wine"
dpi=${1:?usage: forms_at_dpi.sh <dpi> <tests.exe>...}
shift
key='HKCU\Control Panel\Desktop'

before=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | grep -o '0x[0-9a-fA-F]*')
restore() {
  if [ -n "$before" ]; then
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d $((before)) /f >/dev/null 2>&1
  else
    "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
  fi
}
trap restore EXIT
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
  { echo "cannot set the DPI to $dpi"; exit 1; }

status=0
for tests in "$@"; do
  "$wine" "$tests" --gtest_filter='FormPictures.*:*.FormPicture:*.FormPictures' --gtest_brief=1 ||
    { echo "$(basename "$tests"): forms at $dpi DPI have faults"; status=1; }
done
exit $status
