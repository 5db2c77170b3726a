#!/usr/bin/env bash
# Builds the Debian package from a configured build tree and checks that it holds the program, its desktop
# entry, metainfo and icon, and that it depends on its Qt runtime and fonts.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t loanblend_*.deb | head -n 1)

contents=$(dpkg-deb --contents "$deb")
depends=$(dpkg-deb --field "$deb" Depends)
status=0
for path in ./usr/bin/loanblend \
            ./usr/share/applications/org.loanblend.LoanBlend.desktop \
            ./usr/share/metainfo/org.loanblend.LoanBlend.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.loanblend.LoanBlend.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from $deb: $path"; status=1; }
done
for package in libqt6widgets6 libqt6gui6 fonts-liberation2; do
    grep -q "$package" <<<"$depends" || { echo "$deb does not depend on $package: $depends"; status=1; }
done
[ $status -eq 0 ] && echo "$deb: complete; Depends: $depends"
exit $status
