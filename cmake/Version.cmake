# SPDX-License-Identifier: GPL-3.0-or-later
# The program's version, from project(), as `#include "loanblend_version.h"`: link loanblend_version.
#
# With it, a fingerprint of the interface the program and its modules (the window and the report) share: a module
# answers the program with its own, and one built from other headers, such as an older installed package's, is
# never taken.
set(_module_interface_headers
    app/window_module.h modules/module_loader.h
    report/report_module.h report/report_content.h report/schedules_view.h report/comparison_view.h
    commands/comparison_form.h compare/comparison.h
    schedule/repayment_schedule.h schedule/cents.h numtext/locale_marks.h)
set(_module_interface_text "${PROJECT_VERSION}")
foreach(header IN LISTS _module_interface_headers)
    file(READ ${PROJECT_SOURCE_DIR}/${header} _header_text)
    string(APPEND _module_interface_text "${_header_text}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${header})
endforeach()
string(SHA256 _module_interface_hash "${_module_interface_text}")
string(SUBSTRING ${_module_interface_hash} 0 16 _module_interface_hash)
set(LOANBLEND_MODULE_INTERFACE "${PROJECT_VERSION}+${_module_interface_hash}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/loanblend_version.h.in ${PROJECT_BINARY_DIR}/generated/loanblend_version.h
               @ONLY)
add_library(loanblend_version INTERFACE)
target_include_directories(loanblend_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
