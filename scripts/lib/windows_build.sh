# Which Windows build this machine runs: "i686" (the 32-bit programs we ship)
# where it can execute 32-bit programs, else "x86_64", a 64-bit build of the
# same sources for the tests. scripts/setup decides once and records it in
# $build/windows-arch; ORVANE_WINDOWS_ARCH=i686|x86_64 forces either.
# Sourced by the scripts; expects $build.

windows_arch_record="$build/windows-arch"
# How many jobs a build runs at once: all the machine's cores unless
# ORVANE_JOBS bounds them (on a shared machine, say).
build_jobs=${ORVANE_JOBS:-$(nproc)}
# cmake would refuse a bad count only after setup, amid its usage text.
[[ $build_jobs =~ ^[0-9]+$ ]] && ((10#$build_jobs > 0)) ||
  { echo "ORVANE_JOBS must be a number of jobs above 0, not '$build_jobs'" >&2; exit 1; }
windows_arch_forced=${ORVANE_WINDOWS_ARCH:+yes}

# Runs a 93-byte static i386 Linux program that only exits: a kernel without
# 32-bit support refuses it ("Exec format error"), whatever uname says.
machine_runs_32bit_programs() {
  local probe
  probe=$(mktemp) || return 1
  echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A' |
    base64 -d >"$probe" && chmod +x "$probe"
  "$probe" 2>/dev/null
  local status=$?
  rm -f "$probe"
  return "$status"
}

# The forced choice, else the recorded one; empty before the first setup.
windows_arch() {
  if [ -n "${ORVANE_WINDOWS_ARCH:-}" ]; then
    echo "$ORVANE_WINDOWS_ARCH"
  else
    cat "$windows_arch_record" 2>/dev/null
  fi
}

# The build tree and toolchain file of an architecture.
windows_tree() { [ "$1" = x86_64 ] && echo "$build/win64" || echo "$build/win32"; }
windows_toolchain() { echo "$root/cmake/mingw-$1.cmake"; }

# A sentence about which build the Windows tests and programs run on, and why.

windows_arch_reason() {
  case "$(windows_arch)" in
    x86_64)
      if [ -n "$windows_arch_forced" ]; then
        echo "64-bit build (chosen by ORVANE_WINDOWS_ARCH)"
      else
        echo "64-bit build (this machine cannot run 32-bit programs)"
      fi ;;
    *) echo "32-bit build" ;;
  esac
}
