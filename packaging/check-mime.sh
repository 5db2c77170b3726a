#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a MIME database of the scenario type alone, as shared-mime-info does on install, and checks that it gives
# a *.loanblend file the type application/x-loanblend-scenario, described in German and French too.
# Usage: check-mime.sh MIME_XML
set -euo pipefail
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
mkdir -p "$database/mime/packages"
cp "$1" "$database/mime/packages/"
XDG_DATA_HOME="$database" update-mime-database "$database/mime"
grep -q '^application/x-loanblend-scenario:\*\.loanblend$' "$database/mime/globs" \
    || { echo "the database has no *.loanblend glob:"; cat "$database/mime/globs"; exit 1; }
for comment in '"de">Darlehensszenario<' '"fr">Scénario de prêt<'; do
    grep -qF "xml:lang=$comment" "$database/mime/application/x-loanblend-scenario.xml" \
        || { echo "the database has no comment xml:lang=$comment"; exit 1; }
done
echo "*.loanblend is application/x-loanblend-scenario"
