#!/usr/bin/env bash
# Runs the large-tab benchmark (sizes in MB as arguments, default 1 and 10) under Wine: the memo's
# first screen, whole text and caret status beside the rich-edit control's floor; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_large_bench "$@"
