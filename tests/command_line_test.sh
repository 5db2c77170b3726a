#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as scripts use it, with no display and no Qt platform named: each case gives the exit status it
# must end with and a text its standard output, then its standard error, must hold ("" holds always); no message
# ends in a doubled full stop. Usage: command_line_test.sh PROGRAM SCENARIO_FOLDER. `locale=NAME expect ...` runs a
# case under that locale, `from=FILE` with FILE on standard input, `to=FILE` with standard output written to FILE.
set -u
program=$1
scenarios=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
failures=0

expect() {
    local status=$1 out=$2 err=$3
    shift 3
    : >"$work/out"
    timeout 20 env LC_ALL="${locale:-C.UTF-8}" "$program" "$@" >"${to:-$work/out}" 2>"$work/err" <"${from:-/dev/null}"
    local got=$?
    if [ "$got" != "$status" ] || { [ -n "$out" ] && ! grep -qF -- "$out" "$work/out"; } \
        || { [ -n "$err" ] && ! grep -qF -- "$err" "$work/err"; } || { [ "$status" = 2 ] && [ -s "$work/out" ]; } \
        || grep -q '\.\.$' "$work/err"; then
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
# Each input's value under its own name.
for input in '"Text1": 355000' '"Text2": 2.99' '"Text3": 20' '"Text6": 140000' '"Text7": 4'; do
    expect 0 "$input" "" calculate --format json
done
expect 0 "Monthly Payment 2${tab}\$210.80" "" calculate "$scenarios/offer.loanblend" --rate2 3
expect 0 "Monthly Payment 1${tab}\$2,216.39" "" calculate --principal1 400000
locale=de_DE.UTF-8 expect 0 "${tab}\$1.967,04" "" calculate --rate1 2,99
# A figure that cannot be calculated: those before it, and the window's message.
expect 1 "FV1${tab}\$645,079.79" "Loan 2's monthly payment could not be calculated" calculate --rate2 0
expect 1 "\"field\": \"Text10\"" "" calculate --rate2 0 --format json
# Usage, files and inputs the checks refuse: a message on standard error, nothing on standard output.
expect 2 "" "enter a Principal between \$1 and \$10000,000" calculate --principal1 0
expect 2 "" "enter an Amortization Period between 1 and 50 years" calculate --years 51
expect 2 "" "The loan 2 annual interest rate \"abc\" is not a number" calculate --rate2 abc
expect 2 "" "Unknown option 'bogus'" calculate --bogus
expect 2 "" "could not be opened: no such file or directory" calculate "$work/none.loanblend"
expect 2 "" "it is not a scenario" calculate "$scenarios/../screens/1366x768.json"
expect 2 "" "has no comparison" compare "$scenarios/no-comparison.loanblend"
expect 2 "" "schedules needs -o" schedules
expect 2 "" "\"2\\u00079\" is not a number" calculate --rate1 $'2\a9'
# Each command takes its own options alone, and refuses a bad value of one in every format.
expect 2 "" "--first-month is a month" calculate --first-month 2027-13
expect 2 "" "--first-month is a month" calculate --first-month 2027-13 --format json
expect 2 "" "compare takes no --principal1" compare "$scenarios/offer.loanblend" --principal1 5
expect 2 "" "compare takes no --rate1" compare "$scenarios/offer.loanblend" --rate1 99 -o "$work/x"
expect 2 "" "calculate takes no -o" calculate -o "$work/x"
expect 2 "" "schedules takes no --format" schedules --format json -o -
# Without a display, anything but a command lists the commands; with one, a word that is neither is no file either.
expect 2 "" "no such command: “calcualte”" calcualte
expect 2 "" "report FILE -o OUT.pdf" bogus
expect 2 "" "no display to open the window on" 
expect 2 "" "no display to open “$scenarios/offer.loanblend” on" "$scenarios/offer.loanblend"
QT_QPA_PLATFORM=offscreen expect 2 "" "no such command or file: “calcualte”" calcualte
# The scenario's comparison, its schedules, and its report, without a display.
expect 0 "Rate as an APR${tab}4.36 %${tab}4.67 %" "" compare "$scenarios/offer.loanblend"
# Its figures, and keeping the loans, which costs least there, marked so.
for figure in '"apr": 4.356734835075901' '"feesCents": 500000' '"financeChargeCents": 21349035' '"cheapest": true'; do
    expect 0 "$figure" "" compare "$scenarios/offer.loanblend" --format json
done
# Points, a loan's early repayment charge and a horizon: 1 % of 253,000, the charge paid at signing, and the cost
# of each way over 84 months.
for figure in '"pointsCents": 253000' '"earlyRepaymentChargeCents": 200000' '"horizonMonths": 84' \
    '"costOverHorizonCents": 8438730' '"costOverHorizonCents": 11763420'; do
    expect 0 "$figure" "" compare "$scenarios/offers-v2.loanblend" --format json
done
expect 0 "Cost over the years you keep it${tab}\$117,634.20${tab}\$84,387.30${tab}-\$33,246.90" "" \
    compare "$scenarios/offers-v2.loanblend"
# Three offers: each named as given, the one that costs least over the horizon the only way marked so.
expect 0 '"name": "Harbour Bank"' "" compare "$scenarios/three-offers.loanblend" --format json
cheapest=$(grep -c '"cheapest": true' "$work/out")
[ "$cheapest" = 1 ] || { echo "FAILED: $cheapest ways cheapest, not one"; failures=$((failures + 1)); }
expect 0 "Over 7 years, Offer 3 costs least: \$42,933.02 less than keeping your loans and \$9,686.12 less than the next cheapest, Offer 1." "" \
    compare "$scenarios/three-offers.loanblend"
expect 0 "${tab}Harbour Bank${tab}The difference${tab}Offer 3 (costs least)${tab}" "" compare "$scenarios/three-offers.loanblend"
expect 0 "Loan 1,1,2030-05,843.21,500.00,343.21,199656.79" "" schedules "$scenarios/offer.loanblend" --rate2 3 --first-month 2030-05 -o -
expect 0 "" "" report "$scenarios/offer.loanblend" --rate2 3 -o "$work/report.pdf"
head -c 5 "$work/report.pdf" | grep -q '%PDF-' || { echo "FAILED: report wrote no PDF"; failures=$((failures + 1)); }
expect 1 "Loan 1,1,2027-01,1967.04" "Loan 2's monthly payment could not be calculated" schedules --rate2 0 -o -
expect 0 "" "" schedules --output "$work/long-option.csv"
expect 2 "" "the folder does not exist" report "$scenarios/offer.loanblend" -o /nonexistent/x.pdf
# Scenarios the window refuses: an offer term of -1 years or 2 years 6.5 months, 101 %, an old version.
scenario() { sed "s/$1/$2/" "$scenarios/offer.loanblend" >"$work/$3.loanblend"; }
scenario '"4.5", "termMonths": "360"' '"4.5", "termMonths": "-12"' negative-term
scenario '"4.5", "termMonths": "360"' '"4.5", "termMonths": "30.5"' part-month
scenario '"rate": "4.5"' '"rate": "101"' rate-101
scenario '"version": 1' '"version": 0' version-0
scenario '"version": 1' '"version": -1' version-minus-1
expect 2 "" "Term in years, the offer: Enter a whole number." compare "$work/negative-term.loanblend"
expect 2 "" "Months beyond the years, the offer: Enter a whole number." compare "$work/part-month.loanblend" --format json
expect 2 "" "Annual rate (%), the offer: Must be between 0 % and 100 %." compare "$work/rate-101.loanblend"
# People read the help, a calculation and the messages in their language, the C library's reasons too.
nbsp=$'\u00a0'
while IFS='|' read -r language help results message; do
    locale=$language expect 0 "$help" "" --help
    locale=$language expect 0 "$results" "" calculate
    locale=$language expect 2 "" "$message" compare "$scenarios/offer.loanblend" --principal1 5
    reason=$(LC_ALL=$language cat "$work/none.loanblend" 2>&1) # as the C library words it, its capital aside
    locale=$language expect 2 "" "${reason##*: ?}" calculate "$work/none.loanblend"
done <<EOF
de_DE.UTF-8|Befehle:|Monatsrate|compare akzeptiert kein --principal1, sondern --format, --first-month
fr_FR.UTF-8|Commandes${nbsp}:|ensualité|compare n’accepte pas --principal1, seulement --format, --first-month
C.UTF-8|Commands:|Monthly Payment 1|compare takes no --principal1; it takes --format, --first-month
EOF
# The language is gettext's choice: LC_ALL, else LC_MESSAGES, else LANG naming the C locale means English whatever
# LANGUAGE says; otherwise the first of LANGUAGE's languages that has a catalog. Qt's own words ("Usage:") follow.
while IFS='|' read -r all messages lang language usage; do
    env -u LC_ALL -u LC_MESSAGES -u LANG ${all:+LC_ALL=$all} ${messages:+LC_MESSAGES=$messages} ${lang:+LANG=$lang} \
        ${language:+LANGUAGE=$language} "$program" --help >"$work/out" 2>&1 </dev/null
    grep -qF -- "$usage" "$work/out" || {
        echo "FAILED: --help under LC_ALL=$all LC_MESSAGES=$messages LANG=$lang LANGUAGE=$language lacks $usage"
        failures=$((failures + 1))
    }
done <<EOF
C.UTF-8|||de:fr|Usage:
POSIX|||de|Usage:
|C|de_DE.UTF-8|fr|Usage:
|fr_FR.UTF-8|C.UTF-8||Utilisation :
||de_DE.UTF-8||Aufruf:
||de_DE.UTF-8|es:fr:de|Utilisation :
||fr_FR.UTF-8|de:fr|Aufruf:
EOF
# Scripts read the JSON and the CSV, which stay English in every language: each is, messages and all, what the
# same locale writes with English messages.
alike() {
    local language=$1
    shift
    env -u LC_ALL LANG="$language" "$program" "$@" >"$work/theirs" 2>&1 </dev/null
    local status=$?
    env -u LC_ALL LANG="$language" LC_MESSAGES=C "$program" "$@" >"$work/english" 2>&1 </dev/null
    if [ $? != "$status" ] || ! cmp -s "$work/theirs" "$work/english"; then
        echo "FAILED: loanblend $* under $language differs from its English"
        diff "$work/english" "$work/theirs" | head -5
        failures=$((failures + 1))
    fi
}
for language in de_DE.UTF-8 fr_FR.UTF-8; do
    alike "$language" calculate "$scenarios/offer.loanblend" --format json
    alike "$language" calculate --rate2 0 --format json
    alike "$language" calculate "$work/rate-101.loanblend" --format json
    alike "$language" compare "$work/rate-101.loanblend" --format json
    alike "$language" calculate --format json --bogus
    alike "$language" calculate "$work/none.loanblend" --format json
    alike "$language" schedules "$scenarios/offer.loanblend" --rate2 3 -o -
done
# A comparison that cannot be made is an answer, which names the loan that stops it in every format.
scenario '"50000", "payment": null' '"50000", "payment": "1"' loan2-never-repaid
never="for loan 2, the monthly payment never covers a month's interest"
expect 0 "The comparison cannot be made: $never" "" compare "$work/loan2-never-repaid.loanblend"
expect 0 "\"refused\": \"$never" "" compare "$work/loan2-never-repaid.loanblend" --format json
expect 2 "" "its version, 0, is no scenario version" calculate "$work/version-0.loanblend"
expect 2 "" "its version, -1, is no scenario version" calculate "$work/version-minus-1.loanblend"
# Only a regular file is read as a scenario; a FIFO is never opened, so nothing waits on it.
mkfifo "$work/fifo.loanblend"
expect 2 "" "is a FIFO" compare "$work/fifo.loanblend"
expect 2 "" "is a folder" calculate "$work"
expect 2 "" "is a device" calculate /dev/null
expect 2 "" "from a file, not from standard input" compare -
# Standard input is read to its end, however it comes, and then held to the 1 MiB limit.
{ cat "$scenarios/offer.loanblend"; head -c $((1024 * 1024 - $(wc -c <"$scenarios/offer.loanblend"))) /dev/zero | tr '\0' ' '; } \
    >"$work/largest.loanblend"
{ cat "$work/largest.loanblend"; echo; } >"$work/over.loanblend"
from=<({ head -c 1 "$scenarios/offer.loanblend"; sleep 0.3; tail -c +2 "$scenarios/offer.loanblend"; }) \
    expect 0 "Monthly Payment 1${tab}\$843.21" "" calculate - --rate2 3
from=<(for piece in $(seq 0 15); do dd if="$work/largest.loanblend" bs=65536 skip="$piece" count=1 status=none; \
    sleep 0.02; done) expect 0 "Loan 1,1,2027-01,843.21" "" schedules - --rate2 3 -o -
from=<(cat "$work/over.loanblend") expect 2 "" "larger than 1 MiB" calculate -
expect 2 "" "larger than 1 MiB" calculate "$work/over.loanblend"
# Output that cannot be written fails the command.
to=/dev/full expect 2 "" "the output could not be written" calculate
to=/dev/full expect 2 "" "the output could not be written" schedules -o -
to=/dev/full expect 2 "" "the output could not be written" compare "$scenarios/offer.loanblend" --format json
to=/dev/full expect 2 "" "the output could not be written" --version
# A FIFO or a device named by -o is written in place and stays what it is; one that cannot take the bytes fails.
mkfifo "$work/out.fifo"
expect 2 "" "nothing is reading from it" schedules -o "$work/out.fifo"
cat "$work/out.fifo" >"$work/from-fifo" &
expect 0 "" "" schedules -o "$work/out.fifo"
wait
{ [ -p "$work/out.fifo" ] && grep -q "^Loan 1,1," "$work/from-fifo"; } || { echo "FAILED: schedules -o FIFO"; failures=$((failures + 1)); }
# A full device of the test's own where the test may make one, so that a fault cannot take the system's.
full=/dev/full
[ "$(id -u)" = 0 ] && mknod "$work/full" c 1 7 2>/dev/null && full=$work/full
expect 2 "" "no space left on device" schedules -o "$full"
[ -c "$full" ] || { echo "FAILED: schedules -o $full replaced the device"; failures=$((failures + 1)); }
# A scenario on standard input, and none read where - is not given.
"$program" calculate - --rate2 3 <"$scenarios/offer.loanblend" 2>/dev/null | grep -qF "Monthly Payment 1${tab}\$843.21" \
    || { echo "FAILED: calculate - read no scenario"; failures=$((failures + 1)); }
echo garbage | "$program" calculate >/dev/null 2>&1 || { echo "FAILED: calculate read standard input"; failures=$((failures + 1)); }
# Nothing is written over the scenario it was made from; the file stays as it was.
cp "$scenarios/offer.loanblend" "$work/mine.loanblend"
expect 2 "" "is the scenario read" schedules "$work/mine.loanblend" -o "$work/mine.loanblend"
expect 2 "" "is the scenario read" report "$work/mine.loanblend" -o "$work/mine.loanblend"
cmp -s "$scenarios/offer.loanblend" "$work/mine.loanblend" || { echo "FAILED: a scenario was written over"; failures=$((failures + 1)); }
expect 2 "" "not standard output" report "$scenarios/offer.loanblend" -o -
# A closed or empty standard input is an empty scenario, never a wait.
timeout 10 "$program" calculate - <&- 2>"$work/err"
[ $? = 2 ] && grep -qF "it is empty" "$work/err" || { echo "FAILED: calculate - with standard input closed"; failures=$((failures + 1)); }
expect 2 "" "it is empty" calculate -
# report draws offscreen, whatever display is named; the window refuses what is no Qt option and no FILE.
DISPLAY=:99 expect 0 "" "" report "$scenarios/offer.loanblend" --rate2 3 -o "$work/stale-display.pdf"
QT_QPA_PLATFORM=offscreen expect 2 "" "Unknown option 'bogus'" --bogus
# Neither calculate nor --version loads a platform plugin: one that does not exist would stop them.
QT_QPA_PLATFORM=nonexistent expect 0 "\"failure\": null" "" calculate --format json
QT_QPA_PLATFORM=nonexistent expect 0 "loanblend 1.0.0" "" --version
exit $((failures > 0))
