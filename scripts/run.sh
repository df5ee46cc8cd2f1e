#!/usr/bin/env bash
# Builds the programs and starts the clock under Wine. With no $DISPLAY it runs on a virtual
# display, saves a screenshot after a few seconds and ends the clock.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
prepare
bin="$BUILD_DIR/bin"
if [ -n "${DISPLAY:-}" ]; then
  cd "$bin" && exec wine ./Tockle.exe "$@"
fi
trap stop_all EXIT
start_display
start_wineserver
(cd "$bin" && wine ./Tockle.exe "$@" >/dev/null 2>&1 &)
sleep 6
shot="$BUILD_DIR/tockle-screenshot.png"
import -display "$DISPLAY" -window root "$shot"
echo "The clock ran on the virtual display $DISPLAY; screenshot: $shot"
