#!/usr/bin/env bash
# Shows every form of the given test programs (their FormPictures tests) with
# the screen at <dpi> dots per inch (120 is 125 %, 144 is 150 %), so each
# form's layout is checked (LayoutFaults) as a user of a scaled screen sees
# it. Wine takes the DPI from LogPixels under HKCU\Control Panel\Desktop when
# a program starts. The prefix rests at 96 DPI, whatever the DPI found (a run
# killed midway, by a time-out, leaves its own): set back to it when the run
# ends; without programs, that alone (ctest's clean-up after these tests;
# scripts/setup does the same before every run).
#   forms_at_dpi.sh <dpi> [<tests.exe>...]    (WINEPREFIX and DISPLAY set)
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
wine="$root/scripts/wine"
dpi=${1:?usage: forms_at_dpi.sh <dpi> <tests.exe>...}
shift
key='HKCU\Control Panel\Desktop'

screen_at() { "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'screen_at 96' EXIT
screen_at "$dpi" ||
  { echo "cannot set the DPI to $dpi"; exit 1; }

status=0
for tests in "$@"; do
  "$wine" "$tests" --gtest_filter='FormPictures.*:*.FormPicture:*.FormPictures' --gtest_brief=1 ||
    { echo "$(basename "$tests"): forms at $dpi DPI have faults"; status=1; }
done
exit $status
