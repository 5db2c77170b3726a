#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian 12's archive, whatever the build, the tests and the program need and this machine lacks.
set -euo pipefail

packages=(
    cmake ninja-build g++                 # the build
    clang libclang-rt-14-dev              # libFuzzer and clang's sanitizer runtimes, for the fuzz run
    libgtest-dev libbenchmark-dev         # tests and benchmarks
    qt6-base-dev                          # the window: Qt 6 Widgets and Qt Test
    qt6-charts-dev libqt6opengl6-dev      # the schedules chart (Qt Charts' CMake package needs Qt OpenGL's)
    qt6-tools-dev qt6-l10n-tools          # Qt Linguist's tools, which build the translations
    qt6-translations-l10n                 # Qt's own dialogs in the user's language
    fonts-liberation2                     # the closest faces to the ones the window was drawn with
    adwaita-qt6                           # a desktop style with thicker frames than Fusion, for the window's tests
    desktop-file-utils appstream          # validating the desktop entry and the metainfo
    shared-mime-info                      # checking the scenario file's type as the desktop would take it
    dpkg-dev file                         # building the .deb (dpkg-shlibdeps, and file for CPack)
    lintian man-db groff-base             # judging the .deb as Debian would, and rendering the manual page
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
