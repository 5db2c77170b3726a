#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build tree and checks that it holds the program, its desktop
# entry, metainfo, icon, manual page, documentation and report module; that it depends on its Qt runtime and fonts; and that
# the package, its changelog and its metainfo all name the project's version.
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
# The schedules and report module, loaded on first use from the library folder.
grep -q " ./usr/lib/.*loanblend/loanblend-report.so\$" <<<"$contents" || { echo "missing from $deb: the report module"; status=1; }
for package in libqt6widgets6 libqt6gui6 libqt6charts6 libqt6printsupport6 fonts-liberation2; do
    grep -q "$package" <<<"$depends" || { echo "$deb does not depend on $package: $depends"; status=1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
package_version=$(dpkg-deb --field "$deb" Version)
changelog_version=$(gzip -dc "$unpacked/usr/share/doc/loanblend/changelog.gz" | sed -n '1s/^loanblend (\([^)]*\)).*/\1/p')
metainfo_version=$(grep -o -m 1 '<release version="[^"]*"' "$unpacked/usr/share/metainfo/org.loanblend.LoanBlend.metainfo.xml" |
                   cut -d '"' -f 2)
for found in "package:$package_version" "changelog:$changelog_version" "metainfo:$metainfo_version"; do
    [ "${found#*:}" = "$version" ] || { echo "the ${found%%:*} says version '${found#*:}', not $version"; status=1; }
done

[ $status -eq 0 ] && echo "$deb: complete, version $version throughout; Depends: $depends"
exit $status
