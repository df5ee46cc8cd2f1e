#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest.
# Wine's helper processes inherit the stdio of the first wine command, and ctest waits for every
# holder of its pipe; so the persistent server is started with its stdio on /dev/null, and the
# program's own output goes through files that are printed afterwards.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=/dev/null
. "$here/../scripts/wine-env.sh"
mkdir -p "$WINEPREFIX"
(
  flock 9
  wineserver -p 9>&- >/dev/null 2>&1 </dev/null
) 9>"$WINEPREFIX/.server.lock"
out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" | grep -v -E '^[0-9a-f]{4}:(fixme|err):' >&2
rm -f "$out" "$err"
exit $rc
