# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the warning flags every target of ours gets.
function(loanblend_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
    if(LOANBLEND_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
