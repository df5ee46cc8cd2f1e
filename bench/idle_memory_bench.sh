#!/usr/bin/env bash
# Idle resident memory of Tockle.exe beside a bare Win32 window drawing the same clock, both run
# from fresh folders under Wine: bash bench/idle_memory_bench.sh [idle seconds [Setting=Number ...]]
# (default 20 s; settings such as InTray=0 are stored for the run)
here=$(cd "$(dirname "$0")" && pwd)
exec bash "$here/run_under_wine.sh" idle_memory_bench "$@"
