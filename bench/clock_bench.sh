#!/usr/bin/env bash
# Idle cost of the clock under Wine: CPU time per minute and private memory of Tockle.exe, side
# by side with a bare window that draws the same clock text every 500 ms. (Resident memory of an
# idle clock with its system menu file: bench/idle_memory_bench.sh.)
# Usage: bash bench/clock_bench.sh [seconds]   (default 60)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/lib.sh"
secs=${1:-60}
build_all >/dev/null
make_prefix
trap stop_all EXIT
start_display
start_wineserver
work=$(mktemp -d)
cp "$BUILD_DIR/bin/Tockle.exe" "$BUILD_DIR/bin/bare_window.exe" "$work/"
wine reg delete 'HKCU\Software\Quorvane\Tockle3' /f >/dev/null 2>&1 || true
(cd "$work" && wine ./Tockle.exe >/dev/null 2>&1 &)
(cd "$work" && wine ./bare_window.exe >/dev/null 2>&1 &)
sleep 8  # start-up, "Starting..." and the first clock minutes' warm-up

# Only this run's processes (other clocks may run on the machine): their command lines name $work.
pid_of() { pgrep -f "$(basename "$work").*$1" | head -n 1; }
# CPU time in ns of every thread of the process (schedstat is exact where stat counts 10 ms ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s}'; }
private_kib() { awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$1/smaps_rollup"; }

tockle=$(pid_of 'Tockle.exe') bare=$(pid_of 'bare_window.exe')
t0=$(cpu_ns "$tockle") b0=$(cpu_ns "$bare")
sleep "$secs"
t1=$(cpu_ns "$tockle") b1=$(cpu_ns "$bare")
python3 - "$t0" "$t1" "$b0" "$b1" 1e9 "$secs" "$(private_kib "$tockle")" "$(private_kib "$bare")" <<'PY'
import sys
t0, t1, b0, b1, hz, secs, tp, bp = map(float, sys.argv[1:])
tc = (t1 - t0) / hz * 60 / secs
bc = (b1 - b0) / hz * 60 / secs
print(f"CPU per idle minute: Tockle {tc*1000:.0f} ms, bare window {bc*1000:.0f} ms, ratio {tc / bc if bc else float('nan'):.2f}")
print(f"Private memory: Tockle {tp/1024:.1f} MiB, bare window {bp/1024:.1f} MiB, Tockle's own {(tp-bp)/1024:.1f} MiB above the bare window")
PY
wine reg delete 'HKCU\Software\Quorvane\Tockle3' /f >/dev/null 2>&1 || true
rm -rf "$work"
