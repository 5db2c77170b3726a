// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_error.h"

#include "wording/wording.h"

#include <string>

namespace loan {

// The names a failure message shows are marked for translation (the steps behind a payment are shown as the
// payment): each stands inside a sentence, "Loan 1's monthly payment could not be calculated".
std::string_view figureName(Figure figure)
{
    switch (figure) {
    case Figure::AnnualRate:
        return "annual rate";
    case Figure::PaymentCount:
        return "number of payments";
    case Figure::MonthlyRate:
        return "monthly rate";
    case Figure::Growth:
        return "growth factor";
    case Figure::Payment:
        return WORDING_NOOP("Figures", "monthly payment");
    case Figure::TotalInterest:
        return WORDING_NOOP("Figures", "total interest");
    case Figure::EffectiveRate:
        return WORDING_NOOP("Figures", "effective annual rate");
    case Figure::AccumulatedValue:
        return WORDING_NOOP("Figures", "accumulated value");
    case Figure::AverageRate:
        return WORDING_NOOP("Figures", "average rate");
    case Figure::WeightedRate:
        return WORDING_NOOP("Figures", "weighted average rate");
    case Figure::TotalPrincipal:
        return WORDING_NOOP("Figures", "total principal");
    case Figure::TotalAccumulated:
        return WORDING_NOOP("Figures", "total accumulated value");
    case Figure::BlendedEffectiveRate:
        return WORDING_NOOP("Figures", "blended effective rate");
    case Figure::BlendedNominalRate:
        return WORDING_NOOP("Figures", "blended rate");
    case Figure::BlendedLoanTerms:
        return "blended loan's monthly rate and number of payments";
    case Figure::CombinedPayment:
        return WORDING_NOOP("Figures", "combined monthly payment");
    case Figure::CombinedInterest:
        return WORDING_NOOP("Figures", "combined total interest");
    case Figure::AveragePayoff:
        return WORDING_NOOP("Figures", "payoff period at the average rate");
    case Figure::WeightedPayoff:
        return WORDING_NOOP("Figures", "payoff period at the weighted average rate");
    }
    return "figure";
}

std::string_view kindName(CalcErrorKind kind)
{
    switch (kind) {
    case CalcErrorKind::DivisionByZero:
        return "division by zero";
    case CalcErrorKind::Overflow:
        return "overflow";
    case CalcErrorKind::InvalidArgument:
        return "invalid argument";
    }
    return "arithmetic error";
}

CalcError::CalcError(CalcErrorKind kind, Figure figure)
    : std::runtime_error(std::string(kindName(kind)) + " while computing the " + std::string(figureName(figure)))
    , m_kind(kind)
    , m_figure(figure)
{ }

} // namespace loan
