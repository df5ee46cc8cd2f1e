#!/usr/bin/env bash
# Runs the memo caret-status benchmark (sizes in MB as arguments, default 1 and 10) under Wine; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_caret_bench "$@"
