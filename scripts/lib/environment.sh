# The Wine environment of the tests and the virtual display they run on.
# Sourced by the scripts after scripts/setup; expects $root and $build.

source "$root/scripts/lib/windows_build.sh"

ORVANE_WINDOWS_ARCH=$(windows_arch)
[ -n "$ORVANE_WINDOWS_ARCH" ] || { echo "no Windows build chosen: run scripts/setup first" >&2; exit 1; }
export ORVANE_WINDOWS_ARCH
wine="$root/scripts/wine"
windows_build=$(windows_tree "$ORVANE_WINDOWS_ARCH")

# The tests' prefix; each architecture has its own.
test_wine_prefix() { [ "$ORVANE_WINDOWS_ARCH" = x86_64 ] && echo "$build/wineprefix64" || echo "$build/wineprefix"; }
export WINEPREFIX
WINEPREFIX=$(test_wine_prefix)

# configure_and_build <folder> <target> [cmake options...]: a tree of the
# build folder, configured (its log in <folder>.configure.log) and built.
configure_and_build() {
  local tree=$1 target=$2; shift 2
  cmake -S "$root" -B "$build/$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$build/$tree.configure.log" 2>&1 ||
    { cat "$build/$tree.configure.log"; return 1; }
  cmake --build "$build/$tree" --target "$target" -j "$build_jobs"
}

# Windows a window manager would manage wait up to two seconds for it each
# time they are hidden; where there is none, the prefix ($WINEPREFIX) has Wine
# manage none.
unmanaged_windows() {
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wine" --server -w
}

# Wine's own fonts (fonts-wine: Marlett for the title-bar buttons, Tahoma for
# dialogs) into the prefix's Fonts folder: this Wine looks for them in a data
# folder Debian does not install them to, but loads every font of
# C:\windows\Fonts. Links, so a newer fonts-wine is used at once.
wine_fonts_into_prefix() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  [ -d "$fonts" ] || return 0
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -e "$font" ] && ln -sf "$font" "$fonts/"
  done
}

# The tests' screen rests at 96 DPI (100 %); a DPI test killed midway
# (tests/support/ui/forms_at_dpi.sh) leaves its own in the prefix.
screen_at_96_dpi() {
  local set
  set=$(awk '/^\[/ { desktop = ($0 ~ /^\[Control Panel\\\\Desktop\]/) }
             desktop && /^"LogPixels"=/' "$WINEPREFIX/user.reg" 2>/dev/null)
  [ -z "$set" ] || [ "$set" = '"LogPixels"=dword:00000060' ] && return 0
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  "$wine" --server -w
}

xvfb_pid=""

# Starts Xvfb on the first free display number and a wineserver that stays
# when its last program ends: for good (the tests'), or that many seconds.
#   start_virtual_display [seconds]
start_virtual_display() {
  local n persistence=${1:-}
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local waited=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ $waited -lt 100 ]; do
      sleep 0.1; waited=$((waited + 1))
    done
    if [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      "$wine" --server "-p$persistence"
      # Wine's services and desktop start once, here, not inside a test.
      "$wine" cmd /c exit >/dev/null 2>&1
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  echo "no free display for Xvfb" >&2
  return 1
}

# Ends every program of the prefix, its wineserver and the display.
stop_virtual_display() {
  "$wine" --server -k 2>/dev/null
  "$wine" --server -w 2>/dev/null
  end_display
}

# Ends the display alone: the windows on it end with it, the prefix's other
# programs and its wineserver go on.
end_display() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  xvfb_pid=""
}
