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

    // Plan names stay in English whatever the language or the names typed, for the scripts that read them.
    constexpr std::string_view offerNames[] = {"Offer 1", "Offer 2", "Offer 3"};
    const bool several = comparison.offers.size() > 1;
    // The plans only view their payments: each offer's are kept here until the CSV is written.
    std::vector<std::vector<schedule::Payment>> offerPayments(comparison.offers.size());
    for (std::size_t o = 0; o < comparison.offers.size() && o < std::size(offerNames); ++o) {
        const OfferComparison &compared = comparison.offers[o];
        if (compared.refusal)
            continue;
        std::vector<schedule::Payment> &offer = offerPayments[o];
        if (compared.way.paidAtSigning > 0)
            offer.push_back(
                {0, schedule::addMonths(inputs.firstPayment, -1), compared.way.paidAtSigning, 0, 0, compared.amount});
        for (const auto &payments : compared.way.schedules)
            offer.insert(offer.end(), payments.begin(), payments.end());
        plans.push_back({several ? offerNames[o] : std::string_view("Offer"), offer});
    }
    return schedule::paymentsCsv(plans, localeDecimalMark);
}

} // namespace compare
