# SPDX-License-Identifier: GPL-3.0-or-later
# LOANBLEND_SANITIZE builds everything under AddressSanitizer and UndefinedBehaviorSanitizer. Set for the whole
# tree rather than per target: every object linked into one program must use the same sanitizer runtime, and a
# target that forgot the flags would hide its faults.
if(LOANBLEND_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
