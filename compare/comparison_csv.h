// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <string>
#include <string_view>

namespace compare {

// Every payment of both ways in the schedules' CSV (schedule::paymentsCsv): "Keep: loan 1", "Keep: loan 2" where
// there is a loan 2, then "Offer", each payment with its share of the extra. Where there are fees at signing, the
// offer starts with a row numbered 0 in the month before its first payment: the fees as the payment amount, no
// interest or principal, and the offer's amount as the balance. Empty for a refused comparison.
std::string comparisonCsv(const Comparison &comparison, const ComparisonInputs &inputs,
                          std::string_view localeDecimalMark);

} // namespace compare
