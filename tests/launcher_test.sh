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
# Its catalogs where the program looks for them, so that it says so in the user's language.
mkdir -p "$work/share/loanblend"
cp -r "$(dirname "$1")/../share/loanblend/translations" "$work/share/loanblend/"
report="report $(dirname "$0")/scenarios/offer.loanblend -o $work/report.pdf"
while IFS='|' read -r locale said arguments; do
    # shellcheck disable=SC2086 # the arguments are words
    LC_ALL=$locale QT_QPA_PLATFORM=offscreen timeout 20 "$work/bin/loanblend" $arguments >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" != 2 ] || ! grep -qF "loanblend: $said" "$work/err" \
        || ! grep -q "It is not installed beside the program" "$work/err"; then
        echo "FAILED: loanblend $arguments under $locale without the window module (exit $status, expected 2)"
        sed 's/^/  err: /' "$work/err" | head -5
        failures=$((failures + 1))
    fi
done <<EOF
C.UTF-8|the window could not be opened: its part of the program could not be loaded.|
C.UTF-8|the report could not be drawn: its part of the program could not be loaded.|$report
de_DE.UTF-8|das Fenster konnte nicht geöffnet werden: Sein Teil des Programms ließ sich nicht laden.|
fr_FR.UTF-8|le rapport n’a pas pu être dessiné : sa partie du programme n’a pas pu être chargée.|$report
EOF
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
