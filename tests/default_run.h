// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "commands/plans_reached.h"

#include <array>
#include <string_view>

// The inputs the window starts with: 355000 at 2.99 % and 140000 at 4 %, both over 20 years.
inline const loan::LoanTerms defaultLoan1{355000, 2.99, 20};
inline const loan::LoanTerms defaultLoan2{140000, 4, 20};

inline loan::LoanOutcome outcomeOf(const loan::LoanTerms &terms)
{
    return {terms, loan::computeLoanFigures(terms)};
}

// The plans a Calculate of these terms reaches; loan 2 runs over loan 1's period.
inline schedule::CalculatedPlans plansOf(const loan::LoanTerms &loan1, const loan::LoanTerms &loan2)
{
    return commands::plansReached(commands::calculate(commands::CalculationTerms{loan1, loan2}));
}

struct FieldText {
    std::string_view field;
    std::string_view text; // in the "," grouping, "." decimal notation
};

// Every text Calculate writes with the starting inputs, in the order it writes them.
inline constexpr std::array<FieldText, 26> defaultRunTexts{{
    {"Text4", "$1,967.04"},    {"Text8", "$117,090.76"}, {"Text21", "3.0313"},      {"Text22", "$645,079.79"},
    {"Text10", "$848.37"},     {"Text12", "$63,609.39"}, {"Text66", "4.0742"},      {"Text13", "$311,161.49"},
    {"Text14", "3.495"},       {"Text11", "3.2757"},     {"Text15", "3.3471"},      {"Text5", "3.2968"},
    {"Text16", "$495,000.00"}, {"Text17", "3.2968"},     {"Text19", "$2,819.38"},   {"Text20", "$181,651.21"},
    {"Text23", "$181,651.21"}, {"Text26", "$2,815.42"},  {"Text27", "$180,700.15"}, {"Text31", "$2,819.38"},
    {"Text32", "$2,815.42"},   {"Text33", "$2,815.42"},  {"Text24", "$199,671.42"}, {"Text29", "20.56"},
    {"Text25", "$180,242.18"}, {"Text30", "19.99"},
}};
