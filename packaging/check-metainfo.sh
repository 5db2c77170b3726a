#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the metainfo as strictly as appstreamcli can (--pedantic, without the network). The one note let
# through is cid-contains-uppercase-letter: the id is the desktop entry's reverse-DNS name, which desktops
# already know the program by, so renaming it would lose more than it gains.
# Usage: check-metainfo.sh METAINFO
set -euo pipefail
status=0
report=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || status=$?
echo "$report"
[ $status -eq 0 ] || exit $status
others=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ' cid-contains-uppercase-letter ' || true)
if [ -n "$others" ]; then
    echo "issues besides the id's upper-case letters:"
    echo "$others"
    exit 1
fi
