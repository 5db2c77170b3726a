# SPDX-License-Identifier: GPL-3.0-or-later
# Registers every test function of a Qt Test executable as a CTest test of its own, so `ctest -N` lists each
# and a failure names it. As gtest_discover_tests does, the list comes from the built executable (`-functions`)
# after each build, so a new test slot needs no change here.
set(_loanblend_qt_test_lister ${CMAKE_CURRENT_LIST_DIR}/QtTestAddTests.cmake)

# loanblend_discover_qt_tests(<target> [PREFIX <name>] [ENVIRONMENT <VAR=value>...])
# Tests are named <name>.<function>, <name> defaulting to the target; ENVIRONMENT applies to listing and runs.
# Call it again with another PREFIX to run the same functions under another environment.
function(loanblend_discover_qt_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "ENVIRONMENT")
    set(prefix ${target})
    if(arg_PREFIX)
        set(prefix ${arg_PREFIX})
    endif()
    set(listed ${CMAKE_CURRENT_BINARY_DIR}/${prefix}_tests.cmake)
    set(loader ${CMAKE_CURRENT_BINARY_DIR}/${prefix}_include.cmake)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -D executable=$<TARGET_FILE:${target}> -D prefix=${prefix}
                "-D environment=${arg_ENVIRONMENT}" -D output=${listed} -P ${_loanblend_qt_test_lister}
        BYPRODUCTS ${listed}
        VERBATIM)
    # Until the first build there is nothing to list; a placeholder test says so instead of an empty run.
    file(WRITE ${loader}
        "if(EXISTS [==[${listed}]==])\n"
        "    include([==[${listed}]==])\n"
        "else()\n"
        "    add_test(${prefix}_NOT_BUILT ${prefix}_NOT_BUILT)\n"
        "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${loader})
endfunction()
