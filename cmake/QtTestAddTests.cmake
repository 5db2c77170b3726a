# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake -P` after a Qt Test executable is built (see QtTestDiscovery.cmake): writes one add_test per test
# function. Inputs: executable, prefix, environment (a list of VAR=value), output.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${executable} -functions
    OUTPUT_VARIABLE listing
    ERROR_VARIABLE errors
    RESULT_VARIABLE status
    TIMEOUT 60)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Listing the test functions of ${executable} failed (${status}):\n${errors}")
endif()

# Qt prints one "name()" line per test function; init, cleanup and the *_data functions are not among them.
string(REGEX MATCHALL "(^|\n)[A-Za-z_][A-Za-z0-9_]*\\(\\)" functions "${listing}")
if(NOT functions)
    message(FATAL_ERROR "${executable} -functions listed no test function:\n${listing}")
endif()
set(script "")
foreach(function IN LISTS functions)
    string(REGEX REPLACE "^\n?([A-Za-z0-9_]+)\\(\\)$" "\\1" name "${function}")
    string(APPEND script
        "add_test([==[${prefix}.${name}]==] [==[${executable}]==] [==[${name}]==])\n"
        "set_tests_properties([==[${prefix}.${name}]==] PROPERTIES ENVIRONMENT [==[${environment}]==])\n")
endforeach()
file(WRITE ${output} "${script}")
