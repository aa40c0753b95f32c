# The Wine environment of the tests and the virtual display they run on.
# Sourced by the scripts; expects $build.

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""

# Starts Xvfb on the first free display number and a persistent wineserver.
start_virtual_display() {
  local n
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
      wineserver -p
      # Wine's services and desktop start once, here, not inside a test.
      wine cmd /c exit >/dev/null 2>&1
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  echo "no free display for Xvfb" >&2
  return 1
}

stop_virtual_display() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  xvfb_pid=""
}
