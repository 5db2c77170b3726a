// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_csv.h"

#include "schedule/schedules_csv.h"

namespace compare {

std::string comparisonCsv(const Comparison &comparison, const ComparisonInputs &inputs,
                          std::string_view localeDecimalMark)
{
    if (comparison.refusal)
        return {};
    constexpr std::string_view keepNames[] = {"Keep: loan 1", "Keep: loan 2"};
    std::vector<schedule::NamedPayments> plans;
    for (std::size_t l = 0; l < comparison.keep.schedules.size() && l < std::size(keepNames); ++l)
        plans.push_back({keepNames[l], comparison.keep.schedules[l]});

    std::vector<schedule::Payment> offer;
    if (inputs.offer.feesAtSigning > 0)
        offer.push_back({0, schedule::addMonths(inputs.firstPayment, -1), inputs.offer.feesAtSigning, 0, 0,
                         comparison.offerAmount});
    for (const auto &payments : comparison.offer.schedules)
        offer.insert(offer.end(), payments.begin(), payments.end());
    plans.push_back({"Offer", offer});
    return schedule::paymentsCsv(plans, localeDecimalMark);
}

} // namespace compare
