#!/usr/bin/env bash
# Runs the memo link benchmark (converter, editor, tab switch) under Wine; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_link_bench "$@"
