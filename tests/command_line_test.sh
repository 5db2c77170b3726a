#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as scripts use it, with no display and no Qt platform named: each case gives the exit status it
# must end with and a text its standard output, then its standard error, must hold ("" holds always).
# Usage: command_line_test.sh PROGRAM SCENARIO_FOLDER. `locale=NAME expect ...` runs a case under that locale.
set -u
program=$1
scenarios=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
failures=0

expect() {
    local status=$1 out=$2 err=$3
    shift 3
    env LC_ALL="${locale:-C.UTF-8}" "$program" "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$?
    if [ "$got" != "$status" ] || { [ -n "$out" ] && ! grep -qF -- "$out" "$work/out"; } \
        || { [ -n "$err" ] && ! grep -qF -- "$err" "$work/err"; } || { [ "$status" = 2 ] && [ -s "$work/out" ]; }; then
        echo "FAILED: loanblend $* (exit $got, expected $status)"
        sed 's/^/  out: /' "$work/out" | head -5
        sed 's/^/  err: /' "$work/err" | head -5
        failures=$((failures + 1))
    fi
}

tab=$'\t'
# The starting inputs, and each way of giving others.
expect 0 "Monthly Payment 1${tab}\$1,967.04" "" calculate
expect 0 "\"text\": \"19.99\"" "" calculate --format json
expect 0 "Monthly Payment 2${tab}\$210.80" "" calculate "$scenarios/offer.loanblend" --rate2 3
expect 0 "Monthly Payment 1${tab}\$2,216.39" "" calculate --principal1 400000
locale=de_DE.UTF-8 expect 0 "Monthly Payment 1${tab}\$1.967,04" "" calculate --rate1 2,99
# A figure that cannot be calculated: those before it, and the window's message.
expect 1 "FV1${tab}\$645,079.79" "Loan 2's monthly payment could not be calculated" calculate --rate2 0
expect 1 "\"field\": \"Text10\"" "" calculate --rate2 0 --format json
# Usage, files and inputs the checks refuse: a message on standard error, nothing on standard output.
expect 2 "" "enter a Principal between \$1 and \$10000,000" calculate --principal1 0
expect 2 "" "enter an Amortization Period between 1 and 50 years" calculate --years 51
expect 2 "" "The loan 2 annual interest rate \"abc\" is not a number" calculate --rate2 abc
expect 2 "" "Unknown option 'bogus'" calculate --bogus
expect 2 "" "could not be read" calculate "$work/none.loanblend"
expect 2 "" "it is not a scenario" calculate "$scenarios/../screens/1366x768.json"
expect 2 "" "has no comparison" compare "$scenarios/no-comparison.loanblend"
expect 2 "" "schedules needs -o" schedules
# The scenario's comparison, its schedules, and its report, without a display.
expect 0 "Rate as an APR${tab}4.36 %${tab}4.67 %" "" compare "$scenarios/offer.loanblend"
expect 0 "\"apr\": 4.356734835075901" "" compare "$scenarios/offer.loanblend" --format json
expect 0 "Loan 1,1,2030-05,843.21,500.00,343.21,199656.79" "" schedules "$scenarios/offer.loanblend" --rate2 3 --first-month 2030-05 -o -
expect 0 "" "" report "$scenarios/offer.loanblend" --rate2 3 -o "$work/report.pdf"
head -c 5 "$work/report.pdf" | grep -q '%PDF-' || { echo "FAILED: report wrote no PDF"; failures=$((failures + 1)); }
# A scenario on standard input, and none read where - is not given.
"$program" calculate - --rate2 3 <"$scenarios/offer.loanblend" 2>/dev/null | grep -qF "Monthly Payment 1${tab}\$843.21" \
    || { echo "FAILED: calculate - read no scenario"; failures=$((failures + 1)); }
echo garbage | "$program" calculate >/dev/null 2>&1 || { echo "FAILED: calculate read standard input"; failures=$((failures + 1)); }
# Neither calculate nor --version loads a platform plugin: one that does not exist would stop them.
QT_QPA_PLATFORM=nonexistent expect 0 "\"failure\": null" "" calculate --format json
QT_QPA_PLATFORM=nonexistent expect 0 "loanblend 1.0.0" "" --version
exit $((failures > 0))
