#!/usr/bin/env bash
# Runs the memo document benchmark under Wine; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_bench "$@"
