#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as scripts run it, with no display: `loanblend calculate --format json` of a scenario against the
# floor, a Qt Core program that only parses the same arguments and prints a line (bench/core_floor_probe). Medians
# of RUNS runs of each, interleaved. Target: calculate within 1.3 times the floor.
# Usage: bench/cli.sh [build-dir]   (default build/release)
set -euo pipefail
build=${1:-build/release}
runs=${RUNS:-50}
program=$build/app/loanblend
floor=$build/bench/core_floor_probe
scenario=$(dirname "$0")/../tests/scenarios/offer.loanblend
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

elapsed_us() {
    local start
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    echo $((($(date +%s%N) - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

calculate=() bare=()
for ((i = 0; i < runs; i++)); do
    calculate+=("$(elapsed_us "$program" calculate "$scenario" --rate2 3 --format json)")
    bare+=("$(elapsed_us "$floor" calculate "$scenario" --rate2 3 --format json)")
done
c=$(printf '%s\n' "${calculate[@]}" | median)
f=$(printf '%s\n' "${bare[@]}" | median)
awk -v c="$c" -v f="$f" -v runs="$runs" 'BEGIN {
    printf "%d runs each: calculate --format json %.2f ms, Qt Core floor %.2f ms, ratio %.3f (target 1.3)\n",
           runs, c / 1000, f / 1000, c / f }'
