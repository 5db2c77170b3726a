#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: exports_only.sh LIBRARY SYMBOL...: passes when LIBRARY defines exactly these dynamic symbols (besides the
# linker's own section markers).
library=$1
shift
found=$(nm -D --defined-only "$library" | awk '{print $3}' | grep -v -x -E '__bss_start|_edata|_end|_init|_fini' | sort)
expected=$(printf '%s\n' "$@" | sort)
[ "$found" = "$expected" ] && exit 0
printf 'exported:\n%s\nexpected:\n%s\n' "$found" "$expected"
exit 1
