// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc_error.h"

#include <string>

namespace loan {

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
        return "monthly payment";
    case Figure::TotalInterest:
        return "total interest";
    case Figure::EffectiveRate:
        return "effective annual rate";
    case Figure::AccumulatedValue:
        return "accumulated value";
    case Figure::AverageRate:
        return "average rate";
    case Figure::WeightedRate:
        return "weighted average rate";
    case Figure::TotalPrincipal:
        return "total principal";
    case Figure::TotalAccumulated:
        return "total accumulated value";
    case Figure::BlendedEffectiveRate:
        return "blended effective rate";
    case Figure::BlendedNominalRate:
        return "blended rate";
    case Figure::BlendedLoanTerms:
        return "blended loan's monthly rate and number of payments";
    case Figure::CombinedPayment:
        return "combined monthly payment";
    case Figure::CombinedInterest:
        return "combined total interest";
    case Figure::AveragePayoff:
        return "payoff period at the average rate";
    case Figure::WeightedPayoff:
        return "payoff period at the weighted average rate";
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
