#!/usr/bin/env bash
# Builds and runs the memo find benchmark under Wine (a failing find through 100 tabs); prints its
# figures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/lib.sh"
build_all >/dev/null
make_prefix
trap stop_all EXIT
start_display
start_wineserver
wine "$BUILD_DIR/bin/memo_find_bench.exe" </dev/null 2>/dev/null | tr -d '\r'
