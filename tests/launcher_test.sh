#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program apart from its modules: a copy of it in a folder of its own, with neither module beside it, still
# runs a command, and where a display is named, says why the window cannot open and fails rather than draw nothing;
# beside a window module of another build, it refuses that module in plain words and never runs it.
# Usage: launcher_test.sh PROGRAM STALE_WINDOW_MODULE
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cp "$1" "$work/bin/loanblend"
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset DISPLAY WAYLAND_DISPLAY
failures=0

if ! QT_QPA_PLATFORM=offscreen timeout 20 "$work/bin/loanblend" calculate --format json >"$work/out" 2>"$work/err" \
    || ! grep -q '"failure": null' "$work/out"; then
    echo "FAILED: calculate without the modules"; cat "$work/err"
    failures=$((failures + 1))
fi
for case in "the window could not be opened:" \
    "the report could not be drawn:report $(dirname "$0")/scenarios/offer.loanblend -o $work/report.pdf"; do
    said=${case%%:*} arguments=${case#*:}
    # shellcheck disable=SC2086 # the arguments are words
    QT_QPA_PLATFORM=offscreen timeout 20 "$work/bin/loanblend" $arguments >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" != 2 ] || ! grep -q "$said: its part of the program could not be loaded" "$work/err" \
        || ! grep -q "It is not installed beside the program" "$work/err"; then
        echo "FAILED: loanblend $arguments without the window module (exit $status, expected 2)"
        sed 's/^/  err: /' "$work/err" | head -5
        failures=$((failures + 1))
    fi
done
mkdir -p "$work/lib/loanblend"
cp "$2" "$work/lib/loanblend/loanblend-window.so"
QT_QPA_PLATFORM=offscreen timeout 20 "$work/bin/loanblend" >"$work/out" 2>"$work/err"
status=$?
if [ "$status" != 2 ] || ! grep -q "loanblend-window.so belongs to another build of the program (0.9.0+" "$work/err"; then
    echo "FAILED: loanblend beside a window module of another build (exit $status, expected 2)"
    sed 's/^/  err: /' "$work/err" | head -5
    failures=$((failures + 1))
fi
exit $((failures > 0))
