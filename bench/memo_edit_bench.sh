#!/usr/bin/env bash
# Runs the large-tab editing benchmark (argument: the number of runs, default 3) under Wine: replace-all,
# a tab with a link on every line and typing into a loading tab, beside the control's floor; prints its figures.
exec bash "$(dirname "$0")/run_under_wine.sh" memo_edit_bench "$@"
