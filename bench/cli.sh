#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as scripts run it, with no display: `loanblend calculate --format json` of a scenario against
# `loanblend --version`, both whole processes under QCoreApplication. Medians of RUNS runs of each, interleaved.
# Target: calculate within 1.2 times --version.
# Usage: bench/cli.sh [build-dir]   (default build/release)
set -euo pipefail
build=${1:-build/release}
runs=${RUNS:-50}
program=$build/app/loanblend
scenario=$(dirname "$0")/../tests/scenarios/offer.loanblend
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

elapsed_us() {
    local start
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    echo $((($(date +%s%N) - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

calculate=() version=()
for ((i = 0; i < runs; i++)); do
    calculate+=("$(elapsed_us "$program" calculate "$scenario" --rate2 3 --format json)")
    version+=("$(elapsed_us "$program" --version)")
done
c=$(printf '%s\n' "${calculate[@]}" | median)
v=$(printf '%s\n' "${version[@]}" | median)
awk -v c="$c" -v v="$v" -v runs="$runs" 'BEGIN {
    printf "%d runs each: calculate --format json %.2f ms, --version %.2f ms, ratio %.3f (target 1.2)\n",
           runs, c / 1000, v / 1000, c / v }'
