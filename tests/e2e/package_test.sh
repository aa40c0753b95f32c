#!/usr/bin/env bash
# Checks a zip scripts/package made, as a Windows user gets it: it unpacks into
# one folder holding each shipped file, the help file (a page for every help
# keyword), the tutorial and README.TXT, every program in it is a Windows
# program of the zip's kind (PE32 for win32, PE32+ for win64) without debug
# sections or symbol table but with a link to its debug file, fit for a clean
# Windows 7 and carrying its manifest; and where this machine runs the
# zip's kind, the player started from the unpacked folder in a fresh Wine
# prefix plays a hot key into a window (package_check.exe).
#   scripts/with-display bash tests/e2e/package_test.sh <zip>
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVANE_BUILD:-"$root/build"}
source "$root/scripts/lib/environment.sh"
zip=${1:?usage: package_test.sh <zip>}

case "$zip" in
  *-win32.zip) arch=i686 kind='PE32 executable' ;;
  *-win64.zip) arch=x86_64 kind='PE32+ executable' ;;
  *) echo "not a zip of scripts/package: $zip" >&2; exit 1 ;;
esac
tree=$(windows_tree "$arch")

work=$(mktemp -d)
finish() {
  [ -d "$work/prefix" ] && WINEPREFIX="$work/prefix" "$wine" --server -k 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

unzip -q "$zip" -d "$work/unpacked" || { echo "cannot unpack $zip"; exit 1; }
folder="$work/unpacked/$(basename "$zip" .zip)"
[ -d "$folder" ] || { echo "the zip holds no folder $(basename "$folder")"; exit 1; }

# --- What a user reads: the help file, the tutorial, README.TXT ----------------
# Each is in the folder; the help file, read back, holds a page for every
# keyword the programs open it at (<tree>/help/topics.txt, written with it from
# the programs' topic table) and the script language's page for every command.
check_user_documents() {
  local document ok=0 pages page keyword
  for document in ORVHELP.CHM OVTUT.PDF README.TXT; do
    [ -s "$folder/$document" ] || { echo "missing from the zip: $document"; ok=1; }
  done
  [ $ok -eq 0 ] || return 1
  head -c 5 "$folder/OVTUT.PDF" | grep -q '%PDF-' || { echo "OVTUT.PDF is no PDF document"; ok=1; }
  grep -q $'\r$' "$folder/README.TXT" || { echo "README.TXT has no Windows line ends"; ok=1; }
  for keyword in Tavrol.exe ORVAN.ORN ORVAN.INI Unblock Ctrl+Alt+Shift+W Ctrl+Alt+Shift+V administrator; do
    grep -q "$keyword" "$folder/README.TXT" || { echo "README.TXT does not mention $keyword"; ok=1; }
  done
  pages="$work/help-pages"
  extract_chmLib "$folder/ORVHELP.CHM" "$pages" >/dev/null 2>&1 ||
    { echo "ORVHELP.CHM cannot be read back"; return 1; }
  while IFS=$'\t' read -r page keyword; do
    grep -qi '<h1>' "$pages/$page" 2>/dev/null ||
      { echo "ORVHELP.CHM has no page $page for the keyword \"$keyword\""; ok=1; }
  done <"$tree/help/topics.txt"
  # Every command has its row with a token or a word on where it is written;
  # a token's fields show their real widths and separators (the native test
  # HelpPatterns reads every pattern back as its token).
  local number
  for number in $(seq 1 117); do
    grep -Eq "<tr><td>$number</td><td>[^<]+</td><td>(<code>&lt;|the text itself|a format token)" \
      "$pages/script_language.htm" 2>/dev/null ||
      { echo "ORVHELP.CHM's script language page has no token for command $number"; ok=1; }
  done
  for pattern in '&lt;DELAY:ss.hh&gt;' '&lt;REP:cccc:ssssss:tttttt&gt;' '&lt;MMS:xxxxx,yyyyy&gt;'; do
    grep -qF "$pattern" "$pages/script_language.htm" 2>/dev/null ||
      { echo "ORVHELP.CHM's script language page does not show $pattern"; ok=1; }
  done
  # The contents, the index and the full-text search of the viewer.
  for part in ORVHELP.hhc ORVHELP.hhk '$FIftiMain'; do
    [ -s "$pages/$part" ] || { echo "ORVHELP.CHM has no $part"; ok=1; }
  done
  [ $ok -eq 0 ] && echo "The zip holds the help file with a page for each of" \
    "$(wc -l <"$tree/help/topics.txt") keywords, the tutorial and README.TXT."
  return $ok
}
# --- end of the user's documents ----------------------------------------------

failed=0
check_user_documents || failed=1
while read -r built; do
  [ -f "$folder/$(basename "$built")" ] || { echo "missing from the zip: $(basename "$built")"; failed=1; }
done <"$tree/shipped.txt"
for program in "$folder"/*; do
  case "${program,,}" in *.exe|*.dll) ;; *) continue ;; esac
  name=$(basename "$program")
  file "$program" | grep -q "$kind" || { echo "$name is not a $kind"; failed=1; }
  sections=$("$arch-w64-mingw32-objdump" -h "$program")
  grep -q ' \.debug_' <<<"$sections" && { echo "$name keeps debug sections"; failed=1; }
  "$arch-w64-mingw32-objdump" -f "$program" | grep -q HAS_SYMS && { echo "$name keeps its symbol table"; failed=1; }
  grep -q ' \.gnu_debuglink' <<<"$sections" || { echo "$name has no link to its debug file"; failed=1; }
done
# What a clean Windows 7 to 11 needs of them (tests/e2e/package/windows_rules.py):
# GUI programs, imports Windows 7 has, each program's manifest. The check
# itself must refuse a program without one (the test target has none) for
# that very fault, not for any other (a target never built).
rules="$root/tests/e2e/package/windows_rules.py"
python3 "$rules" "$folder"/*.[eEdD][xXlL][eElL] || failed=1
# (Read whole first: the check's own refusal must not fail the pipeline.)
target_faults=$(python3 "$rules" "$tree/bin/e2e_target.exe")
grep -qx 'e2e_target\.exe carries no manifest' <<<"$target_faults" ||
  { echo "windows_rules.py does not find e2e_target.exe without a manifest"; failed=1; }
# A run's short delays hold a 1 ms timer period.
python3 "$rules" --imports "$folder/Tavrol.exe" | grep -qix 'winmm.dll!timeBeginPeriod' ||
  { echo "Tavrol.exe does not ask for the 1 ms timer period"; failed=1; }
[ $failed -eq 0 ] || exit 1
echo "$(basename "$zip"): every program is a $kind, stripped, with a debug link," \
  "for Windows 7 to 11 and with its manifest."

if [ "$arch" != "$ORVANE_WINDOWS_ARCH" ]; then
  echo "This machine runs the $ORVANE_WINDOWS_ARCH build: the $(basename "$zip") programs are not started here."
  exit 0
fi
[ -n "${DISPLAY:-}" ] || { echo "no display: run it under scripts/with-display" >&2; exit 1; }
export WINEPREFIX="$work/prefix"
mkdir -p "$WINEPREFIX"
winearch=win32
[ "$arch" = x86_64 ] && winearch=win64
WINEARCH=$winearch "$wine" wineboot --init >/dev/null 2>&1
"$wine" --server -w
unmanaged_windows
setxkbmap us
"$wine" "$tree/bin/package_check.exe" "Z:${folder//\//\\}"
