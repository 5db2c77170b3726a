#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the optimised program and its report module (nothing else: not the tests, not
# the benchmarks) and opens its window. Arguments go to the program: a scenario file, or a command.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Configured once. After that the build tree keeps its own settings, so that running this after the test command
# (which CI runs with warnings as errors) builds nothing afresh.
[ -f build/release/CMakeCache.txt ] || cmake --preset release >/dev/null
cmake --build --preset release --target loanblend report_module
exec build/release/app/loanblend "$@"
