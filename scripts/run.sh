#!/usr/bin/env bash
# Builds the two programs (not the tests) and starts the clock and the memo under Wine from a
# folder that holds only them and their shipped files (build/run). With no $DISPLAY they run on a
# virtual display: one screenshot per program, cropped to its window, then both are ended.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
prepare --target Tockle Memo
bin="$BUILD_DIR/bin"
run="$BUILD_DIR/run"

# The programs as installed: the two programs and the clock's command list. What the programs
# write beside themselves (settings files, the memo's document) stays from one run to the next,
# except on the virtual display, which always shows a first start.
install_programs() {
  mkdir -p "$run"
  cp -f "$bin/Tockle.exe" "$bin/Memo.exe" "$bin/_command" "$run/"
}

if [ -n "${DISPLAY:-}" ]; then
  install_programs
  cd "$run"
  wine ./Tockle.exe "$@" >/dev/null 2>&1 &
  wine ./Memo.exe >/dev/null 2>&1 &
  wait
  exit 0
fi

trap stop_all EXIT
rm -rf "$run"
install_programs
start_display
start_wineserver

# The first visible window whose title matches the pattern, waited for up to 60 s.
window_titled() {
  for _ in $(seq 300); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && echo "$id" && return 0
    sleep 0.2
  done
  return 1
}

# Saves the screen's part under the window.
shoot() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
  echo "Screenshot: $2"
}

(cd "$run" && wine ./Tockle.exe "$@" >/dev/null 2>&1 &)

# A first start reports the missing system menu file and opens the settings; nobody is there to
# answer, so answer both with Enter (the settings' OK), after which the clock shows itself. The memo
# starts after that: its window would cover them and take the keys.
clock_title='^Tockle 3 for Windows 9x/NT by Ruxel$'
for _ in 1 2 3; do
  shown=$(window_titled "^システムメニュー設定エラー\$|^環境設定 - Tockle 3\$|$clock_title") || break
  name=$(xdotool getwindowname "$shown")
  [[ $name =~ $clock_title ]] && break
  xdotool windowfocus --sync "$shown" key Return 2>/dev/null || true
  echo "Answered the first start's window \"$name\"."
  # The next window comes once this one is gone (up to 30 s).
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | grep -qx "$shown" || break
    sleep 0.2
  done
done
clock=$(window_titled "$clock_title") || { echo "The clock did not show." >&2; exit 1; }
# "Starting..." stays two seconds before the clock shows the time; the memo's window, which may
# lie over the clock, comes after the clock's picture.
sleep 3
shoot "$clock" "$BUILD_DIR/tockle-screenshot.png"

(cd "$run" && wine ./Memo.exe >/dev/null 2>&1 &)
# A new user meets the memo through its new-document wizard, which opens over the memo's window.
memo=$(window_titled '^Tavelo 3 powered by Tockle 3 for Windows 9x/NT$') || { echo "The memo did not show." >&2; exit 1; }
window_titled '^新規作成ウィザード$' >/dev/null || echo "The memo's wizard did not show." >&2
shoot "$memo" "$BUILD_DIR/memo-screenshot.png"
echo "The clock and the memo ran on the virtual display $DISPLAY and are ended now."
