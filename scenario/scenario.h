// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/repayment_schedule.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// A loan scenario as a document keeps it: the calculator's five inputs, the first-payment month, and every input
// of the comparison with an offer where there is one. Numbers are the values the windows use, whatever notation
// they were typed in (the comparison's amounts to the cent, its terms in whole months); an empty input is none.
namespace scenario {

using Number = std::optional<double>;

struct ScenarioLoan {
    Number balance;
    Number rate; // percent
    Number termMonths; // kept where a payment is typed, but then not used
    Number payment; // none where the term sets it
    Number earlyRepaymentCharge;

    friend bool operator==(const ScenarioLoan &, const ScenarioLoan &) = default;
};

struct ScenarioOffer {
    Number rate;
    Number termMonths;
    Number feesAtSigning;
    Number feesAdded;
    Number points; // percent of the offer's amount
    std::string name; // empty for none

    friend bool operator==(const ScenarioOffer &, const ScenarioOffer &) = default;
};

struct ScenarioComparison {
    std::vector<ScenarioLoan> loans; // one or two
    std::vector<ScenarioOffer> offers; // one to three
    Number extra;
    Number savingsRate;
    Number horizonMonths; // none: to the end of every way

    friend bool operator==(const ScenarioComparison &, const ScenarioComparison &) = default;
};

struct Scenario {
    // Text1, Text2, Text3, Text6 and Text7: loan 1's principal, rate and period, loan 2's principal and rate.
    std::array<Number, 5> inputs;
    schedule::Month firstMonth;
    std::optional<ScenarioComparison> comparison;

    friend bool operator==(const Scenario &, const Scenario &) = default;
};

} // namespace scenario
