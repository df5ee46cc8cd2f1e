#!/usr/bin/env bash
# Builds everything and runs every test (unit and end-to-end) under Wine on a virtual display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/setup.sh"
. "$here/lib.sh"
build_all
make_prefix
trap stop_all EXIT
start_display
start_wineserver
mkdir -p "$BUILD_DIR/test-results"
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
echo "Screenshots and logs: $BUILD_DIR/test-results"
