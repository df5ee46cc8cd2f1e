#!/usr/bin/env bash
# Builds everything, then runs one benchmark program of the build under Wine on a virtual display and
# prints its figures: bench/run_under_wine.sh <program> [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/lib.sh"
program=$1
shift
build_all >/dev/null
make_prefix
trap stop_all EXIT
start_display
start_wineserver
wine "$BUILD_DIR/bin/$program.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'
