#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test: the optimised build, the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded libFuzzer run over the number readers and renderer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in release asan-ubsan fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
