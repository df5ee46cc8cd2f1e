#!/usr/bin/env bash
# Builds and runs the memo caret-status benchmark under Wine (10 MB tab); prints its figures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/lib.sh"
build_all >/dev/null
make_prefix
trap stop_all EXIT
start_display
start_wineserver
wine "$BUILD_DIR/bin/memo_caret_bench.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'
