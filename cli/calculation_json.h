// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "compare/comparison.h"
#include "numtext/locale_marks.h"

#include <QJsonObject>
#include <optional>
#include <vector>

// The command line's JSON, a contract scripts rely on (the README documents it). Every figure is a JSON number: a
// double as the shortest text that reads back to it, money in whole cents as an integer.
namespace cli {

// {"inputs": {"Text1": 355000, ...}, "results": [{"field", "caption", "value", "text"}, ... the 26 results in the
// order of Edit > Copy results], "failure": null or {"field", "message"}, "plans": [{"plan", "payments",
// "finalPaymentCents", "totalInterestCents"} or {"plan", "notListed"}, ... the five plans],
// "comparison": `comparison` or null}.
QJsonObject calculationJson(const commands::CalculationOutcome &outcome,
                            const std::vector<schedule::Schedule> &schedules,
                            const std::optional<QJsonObject> &comparison, const numtext::LocaleMarks &marks);

// {"keep": {"paymentCents", "payments", "totalPaidCents", "totalInterestCents", "apr", "effectiveRate",
// "presentValueCents", "costOverHorizonCents", "presentValueOverHorizonCents", "cheapest"}, "offers": [{the same,
// "name", "feesCents", "pointsCents", "earlyRepaymentChargeCents", "financeChargeCents", "breakEvenMonth": 0, n or
// null} or {"refused": "reason", "cheapest": false}, ...], "offer": the first of "offers", "breakEvenMonth": the
// first offer's, "horizonMonths": n or null}, or {"refused": "reason"}. Rates in percent; null where a rate is not
// defined, and the figures over a horizon where there is none. Exactly one way is "cheapest".
QJsonObject comparisonFigures(const compare::Comparison &comparison);

} // namespace cli
