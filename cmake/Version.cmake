# SPDX-License-Identifier: GPL-3.0-or-later
# The program's version, from project(), as `#include "loanblend_version.h"`: link loanblend_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/loanblend_version.h.in ${PROJECT_BINARY_DIR}/generated/loanblend_version.h
               @ONLY)
add_library(loanblend_version INTERFACE)
target_include_directories(loanblend_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
