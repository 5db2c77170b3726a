#pragma once

#include "loan/blend_figures.h"

// The inputs the window starts with: 355000 at 2.99 % and 140000 at 4 %, both over 20 years.
inline const loan::LoanTerms defaultLoan1{355000, 2.99, 20};
inline const loan::LoanTerms defaultLoan2{140000, 4, 20};

inline loan::LoanOutcome outcomeOf(const loan::LoanTerms &terms)
{
    return {terms, loan::computeLoanFigures(terms)};
}
