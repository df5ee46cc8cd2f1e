#!/usr/bin/env bash
# Builds everything and runs every test (unit and end-to-end) under Wine on a virtual display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
prepare
trap stop_all EXIT
start_display
start_wineserver
mkdir -p "$BUILD_DIR/test-results"
cd "$BUILD_DIR"
# Every test program runs once: a failure is a fault to find, never something to run again.
ctest --output-on-failure --timeout 300 "$@"
echo "Screenshots and logs: $BUILD_DIR/test-results"
