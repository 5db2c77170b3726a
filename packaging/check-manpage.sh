#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a manual page the way lintian does and fails on any warning from man or groff.
# Usage: check-manpage.sh PAGE
set -euo pipefail
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null) || {
    echo "man could not render $1: $warnings"
    exit 1
}
if [ -n "$warnings" ]; then
    echo "$warnings"
    exit 1
fi
echo "$1 renders without warnings"
