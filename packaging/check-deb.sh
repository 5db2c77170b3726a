#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build tree and checks that it holds the program, its desktop
# entry, metainfo, icon, manual page, documentation, window module and report module; that it depends on its Qt
# runtime and fonts; that the program as unpacked finds its modules where they are installed; and that the package,
# its changelog and its metainfo all name the project's version; and that it holds each catalog of the program's
# words, which the installed program finds.
# Usage: check-deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
cd "$build"
rm -f loanblend_*.deb
cpack -G DEB >/dev/null
deb=$(echo loanblend_"$version"_*.deb)
[ -f "$deb" ] || { echo "cpack made no loanblend_${version}_*.deb"; exit 1; }

contents=$(dpkg-deb --contents "$deb")
depends=$(dpkg-deb --field "$deb" Depends)
status=0
for path in ./usr/bin/loanblend \
            ./usr/share/applications/org.loanblend.LoanBlend.desktop \
            ./usr/share/mime/packages/org.loanblend.LoanBlend.xml \
            ./usr/share/metainfo/org.loanblend.LoanBlend.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.loanblend.LoanBlend.svg \
            ./usr/share/man/man1/loanblend.1.gz \
            ./usr/share/doc/loanblend/copyright \
            ./usr/share/doc/loanblend/changelog.gz; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from $deb: $path"; status=1; }
done
# The window module and the schedules and report module, each loaded when it is used, from the library folder.
for module in window report; do
    grep -q " ./usr/lib/.*loanblend/loanblend-$module.so\$" <<<"$contents" \
        || { echo "missing from $deb: the $module module"; status=1; }
done
for package in libqt6widgets6 libqt6gui6 libqt6charts6 libqt6printsupport6 fonts-liberation2; do
    grep -q "$package" <<<"$depends" || { echo "$deb does not depend on $package: $depends"; status=1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
# `report` runs in the window module and draws through the report module: both found by the installed program.
if ! env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$unpacked/config" \
    "$unpacked/usr/bin/loanblend" report "$(dirname "$0")/../tests/scenarios/offer.loanblend" --rate2 3 \
    -o "$unpacked/report.pdf" >/dev/null; then
    echo "the unpacked program could not draw a report through its installed modules"
    status=1
fi
for ts in "$(dirname "$0")"/../translations/*.ts; do
    qm=$(basename "$ts" .ts).qm
    grep -q " ./usr/share/loanblend/translations/$qm\$" <<<"$contents" || { echo "missing from $deb: $qm"; status=1; }
done
help=$(env -u LANGUAGE -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=de_DE.UTF-8 "$unpacked/usr/bin/loanblend" --help) || true
if ! grep -q '^Befehle:' <<<"$help"; then
    echo "the unpacked program does not speak German under de_DE"
    status=1
fi
package_version=$(dpkg-deb --field "$deb" Version)
changelog_version=$(gzip -dc "$unpacked/usr/share/doc/loanblend/changelog.gz" | sed -n '1s/^loanblend (\([^)]*\)).*/\1/p')
metainfo_version=$(grep -o -m 1 '<release version="[^"]*"' "$unpacked/usr/share/metainfo/org.loanblend.LoanBlend.metainfo.xml" |
                   cut -d '"' -f 2)
for found in "package:$package_version" "changelog:$changelog_version" "metainfo:$metainfo_version"; do
    [ "${found#*:}" = "$version" ] || { echo "the ${found%%:*} says version '${found#*:}', not $version"; status=1; }
done

[ $status -eq 0 ] && echo "$deb: complete, version $version throughout; Depends: $depends"
exit $status
