// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <string>
#include <string_view>

namespace compare {

// Every payment of every way in the schedules' CSV (schedule::paymentsCsv): "Keep: loan 1", "Keep: loan 2" where
// there is a loan 2, then "Offer" (or "Offer 1" to "Offer 3" where there are several; one refused alone is left
// out), each payment with its share of the extra. Where something is paid at signing (fees, points, the loans'
// early repayment charges), the offer starts with a row numbered 0 in the month before its first payment: that
// sum as the payment amount, no interest or principal, and the offer's amount as the balance. Empty for a refused
// comparison.
std::string comparisonCsv(const Comparison &comparison, const ComparisonInputs &inputs,
                          std::string_view localeDecimalMark);

} // namespace compare
