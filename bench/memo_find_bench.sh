#!/usr/bin/env bash
# Runs the memo find benchmark (a failing find through 100 tabs) under Wine; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_find_bench "$@"
