#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to first paint) and peak memory of the program's window, started as users start it
# (the program, then its window module), against a bare Qt window holding the same widgets; bench/first_paint, a
# Qt plugin loaded into both, reports the first paint. Medians of RUNS runs of each, run in pairs, and the median of
# the pairs' ratios: a difference of 2 % needs 100 pairs or more on a busy machine. Uses the offscreen platform
# unless QT_QPA_PLATFORM says otherwise (run under a display or Xvfb with QT_QPA_PLATFORM=xcb).
# Usage: bench/startup.sh [build-dir]   (default build/release)
set -euo pipefail
build=${1:-build/release}
runs=${RUNS:-101}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The window's settings and recovery in a folder of the run's own: nothing of the user's is read or changed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export QT_PLUGIN_PATH=$(realpath "$build/bench/plugins") QT_QPA_GENERIC_PLUGINS=firstpaint

measure() {
    local start out
    start=$(date +%s%N)
    out=$("$1" 2>/dev/null)
    echo "$(( ($(awk '/painted_ns/ {print $2}' <<<"$out") - start) / 1000 )) $(awk '/peak_kib/ {print $2}' <<<"$out")"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Run in pairs, each pair in the order the last one was not, so that neither gains from coming second.
ours=() bare=() ratios=()
for ((i = 0; i < runs; i++)); do
    if ((i % 2)); then
        bare+=("$(measure "$build/bench/bare_window_probe")")
        ours+=("$(measure "$build/app/loanblend")")
    else
        ours+=("$(measure "$build/app/loanblend")")
        bare+=("$(measure "$build/bench/bare_window_probe")")
    fi
    ratios+=("$(awk -v o="${ours[i]%% *}" -v b="${bare[i]%% *}" 'BEGIN { print o / b }')")
done
report() {
    local name=$1; shift
    local us kib
    us=$(printf '%s\n' "$@" | cut -d' ' -f1 | median)
    kib=$(printf '%s\n' "$@" | cut -d' ' -f2 | median)
    awk -v name="$name" -v us="$us" -v kib="$kib" \
        'BEGIN { printf "%-10s start-up median %7.1f ms   peak memory median %7d KiB\n", name, us / 1000, kib }'
}
echo "platform $QT_QPA_PLATFORM, $runs runs each"
report "program" "${ours[@]}"
report "bare Qt" "${bare[@]}"
# Pairs run seconds apart share the machine's state, so their ratio drifts less than two medians do.
printf '%s\n' "${ratios[@]}" | median | awk '{ printf "program / bare Qt, median of the pairs %.3f (target 1.02)\n", $1 }'
