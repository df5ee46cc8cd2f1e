# Sourced by run.sh and test.sh: build, Wine prefix, virtual display and Wine server.
# shellcheck source=/dev/null
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Paths under the tree reach ccache relative, so another checkout can reuse its results.
export CCACHE_BASEDIR="$ROOT"

# Packages, build and Wine prefix: what both the run and the test command begin with. Arguments go
# to the build (`--target Tockle Memo` builds only the programs).
prepare() {
  # The Japanese locale may not exist yet while the packages install.
  LANG=C.UTF-8 LC_ALL=C.UTF-8 bash "$ROOT/scripts/setup.sh"
  # Wine is there now: decide the programs' word size for this machine.
  . "$ROOT/scripts/wine-env.sh"
  build_all "$@"
  make_prefix
}

build_all() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" >/dev/null
  cmake --build "$BUILD_DIR" "$@"
  build_32bit "$@"
}

# Where the tests run as 64-bit programs, the word size we ship is compiled all the same, with the
# same targets (the programs for the run command, everything, test programs too, for the test
# command): what only the 32-bit compiler refuses, such as a lambda where a CALLBACK is due, fails
# the build. These 32-bit programs are built, not run.
build_32bit() {
  [ "$WINEARCH" = win64 ] || return 0
  cmake -S "$ROOT" -B "$BUILD_DIR/i686" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw32.cmake" >/dev/null
  cmake --build "$BUILD_DIR/i686" "$@"
}

# The prefix is made once per build tree: 32-bit, unmanaged windows (without a window manager Wine
# otherwise waits ~2 s whenever a top-level window hides), Marlett for the caption buttons.
make_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "Making the Wine prefix in $WINEPREFIX ..."
  mkdir -p "$WINEPREFIX"
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # A test program that crashes ends and fails, instead of waiting behind Wine's crash box.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
}

# Starts Xvfb on a free display number and exports DISPLAY; XVFB_PID names it. Xvfb picks the
# number itself (-displayfd): runs started at the same moment never share one display.
start_display() {
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 200); do
    if [ -s "$numfile" ]; then
      export DISPLAY=":$(tr -dc '0-9' <"$numfile")"
      if xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
        rm -f "$numfile"
        return 0
      fi
    fi
    sleep 0.05
  done
  rm -f "$numfile"
  echo "Xvfb did not start" >&2
  return 1
}

start_wineserver() {
  # A run that was interrupted can leave its persistent server behind, which would refuse a new one.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p 9>&- >/dev/null 2>&1 </dev/null
}

stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null || true
}
