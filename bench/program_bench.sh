#!/usr/bin/env bash
# Start-up figures of the real programs under Wine on a virtual display: the clock's first window,
# a second start's hand-over, the memo's window on a document.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/lib.sh"
build_all --target program_bench >/dev/null
make_prefix
trap stop_all EXIT
start_display
start_wineserver
wine "$BUILD_DIR/bin/program_bench.exe" </dev/null 2>/dev/null | tr -d '\r'
