#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: qt_core_alone.sh PROGRAM: passes when PROGRAM loads Qt Core and no other Qt library (no Widgets, Gui or
# D-Bus), as the dynamic linker resolves them.
libraries=$(ldd "$1") || exit 1
qt=$(printf '%s\n' "$libraries" | awk '/libQt6/ {print $1}' | sort)
[ "$qt" = "libQt6Core.so.6" ] && exit 0
printf 'Qt libraries loaded:\n%s\nexpected: libQt6Core.so.6 alone\n' "$qt"
exit 1
