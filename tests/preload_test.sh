#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A library preloaded to stand in for one of the system's stands in for it in the window module's libraries too,
# whether LD_PRELOAD or /etc/ld.so.preload names it: the modules are bound to their own libraries first only where
# nothing is preloaded.
# Usage: preload_test.sh PROGRAM STAND_IN SCENARIOS
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen STAND_IN_MARK=$work/called
# The address sanitizer's runtime would otherwise insist on coming first.
export ASAN_OPTIONS=verify_asan_link_order=0
report=("$1" report "$3/no-comparison.loanblend" -o "$work/report.pdf")
failures=0

check() { # how the stand-in was preloaded, then the command that runs the report with it
    local how=$1; shift
    rm -f "$STAND_IN_MARK"
    if ! "$@" 2>"$work/err"; then
        echo "FAILED: report with a library preloaded by $how"; sed 's/^/  err: /' "$work/err" | head -5
        failures=$((failures + 1))
    elif [ ! -e "$STAND_IN_MARK" ]; then
        echo "FAILED: the library preloaded by $how was passed over"
        failures=$((failures + 1))
    fi
}

check LD_PRELOAD env LD_PRELOAD="$2" timeout 60 "${report[@]}"
# /etc/ld.so.preload, where a private mount namespace can be had: inside one, /etc is replaced by a folder of links
# to its files and a preload list of its own.
if unshare -rm true 2>/dev/null; then
    check /etc/ld.so.preload unshare -rm bash -c '
        set -e
        mkdir "$1/etc" "$1/system-etc"
        mount --bind /etc "$1/system-etc"
        for entry in "$1"/system-etc/* "$1"/system-etc/.[!.]*; do [ -e "$entry" ] && ln -s "$entry" "$1/etc/"; done
        echo "$2" >"$1/etc/ld.so.preload"
        mount --bind "$1/etc" /etc
        shift 2
        timeout 60 "$@"' _ "$work" "$2" "${report[@]}"
else
    echo "/etc/ld.so.preload not tried: no private mount namespace here"
fi
exit $((failures > 0))
