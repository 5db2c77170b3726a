#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A library preloaded to stand in for one of the system's stands in for it in the window module's libraries too:
# the modules are bound to their own libraries first only where nothing is preloaded.
# Usage: preload_test.sh PROGRAM STAND_IN SCENARIOS
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen STAND_IN_MARK=$work/called
# The address sanitizer's runtime would otherwise insist on coming first.
export ASAN_OPTIONS=verify_asan_link_order=0
if ! LD_PRELOAD=$2 timeout 60 "$1" report "$3/no-comparison.loanblend" -o "$work/report.pdf" 2>"$work/err"; then
    echo "FAILED: report with a library preloaded"; sed 's/^/  err: /' "$work/err" | head -5
    exit 1
fi
[ -e "$work/called" ] || { echo "FAILED: the preloaded library was passed over"; exit 1; }
