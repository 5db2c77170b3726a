// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_json.h"

#include "commands/comparison_results.h"
#include "commands/failure_messages.h"
#include "commands/form_table.h"
#include "commands/report_rows.h"
#include "commands/result_map.h"
#include "localtext/display_text.h"

#include <QJsonArray>

namespace cli {

namespace {

using localtext::toQString;

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue cents(std::int64_t value)
{
    return QJsonValue(qint64(value));
}

QJsonObject wayJson(const compare::Way &way)
{
    const auto rate = [&way](double compare::SolvedRate::*percent) {
        return way.rate ? QJsonValue((*way.rate).*percent) : QJsonValue(QJsonValue::Null);
    };
    return {{"paymentCents", cents(way.firstPayment)},
            {"payments", way.payments},
            {"totalPaidCents", cents(way.totalPaid)},
            {"totalInterestCents", cents(way.totalInterest)},
            {"apr", rate(&compare::SolvedRate::nominalPercent)},
            {"effectiveRate", rate(&compare::SolvedRate::effectivePercent)},
            {"presentValueCents", cents(way.presentValue)},
            {"costOverHorizonCents", way.costOverHorizon ? cents(*way.costOverHorizon) : QJsonValue(QJsonValue::Null)},
            {"presentValueOverHorizonCents",
             way.presentValueOverHorizon ? cents(*way.presentValueOverHorizon) : QJsonValue(QJsonValue::Null)}};
}

QJsonValue monthOrNull(const std::optional<int> &month)
{
    return month ? QJsonValue(*month) : QJsonValue(QJsonValue::Null);
}

QJsonObject offerJson(const compare::OfferComparison &offer, bool cheapest)
{
    if (const auto &refusal = offer.refusal)
        return {{"name", toQString(offer.name)},
                {"refused", toQString(commands::refusalReason(*refusal))},
                {"cheapest", false}};
    QJsonObject json = wayJson(offer.way);
    json.insert("name", toQString(offer.name));
    json.insert("feesCents", cents(offer.way.fees));
    json.insert("pointsCents", cents(offer.way.points));
    json.insert("earlyRepaymentChargeCents", cents(offer.way.earlyRepaymentCharges));
    json.insert("financeChargeCents", cents(offer.way.financeCharge));
    json.insert("breakEvenMonth", monthOrNull(offer.breakEvenMonth));
    json.insert("cheapest", cheapest);
    return json;
}

} // namespace

QJsonObject calculationJson(const commands::CalculationOutcome &outcome,
                            const std::vector<schedule::Schedule> &schedules,
                            const std::optional<QJsonObject> &comparison, const numtext::LocaleMarks &marks)
{
    QJsonObject inputs;
    for (const commands::Field field : commands::inputFields)
        inputs.insert(toQString(commands::form::textBox(field).name),
                      outcome.inputText(field).empty() ? QJsonValue(QJsonValue::Null)
                                                       : QJsonValue(outcome.inputValue(field)));

    QJsonArray results;
    for (const commands::ReportGroup &group : commands::reportGroups(outcome, marks))
        for (const commands::CaptionedText &row : group.rows)
            if (commands::form::textBox(row.field).role == commands::form::Role::Result)
                results.append(QJsonObject{{"field", toQString(commands::form::textBox(row.field).name)},
                                           {"caption", toQString(row.caption)},
                                           {"value", number(commands::resultValue(outcome, row.field))},
                                           {"text", toQString(row.text)}});

    QJsonValue failure = QJsonValue::Null;
    if (const auto &stop = outcome.stop)
        failure = QJsonObject{{"field", toQString(commands::form::textBox(commands::firstFieldOf(stop->step)).name)},
                              {"message", toQString(commands::calculationFailureMessage(*stop))}};

    QJsonArray plans;
    for (const schedule::Schedule &plan : schedules) {
        const QString name = toQString(schedule::planName(plan.plan));
        if (!plan.listed()) {
            plans.append(QJsonObject{{"plan", name}, {"notListed", toQString(plan.notListedReason)}});
            continue;
        }
        plans.append(QJsonObject{{"plan", name},
                                 {"payments", qint64(plan.payments.size())},
                                 {"finalPaymentCents", cents(schedule::finalPayment(plan).value_or(0))},
                                 {"totalInterestCents", cents(plan.totalInterest)}});
    }
    return {{"inputs", inputs},
            {"results", results},
            {"failure", failure},
            {"plans", plans},
            {"comparison", comparison ? QJsonValue(*comparison) : QJsonValue(QJsonValue::Null)}};
}

QJsonObject comparisonFigures(const compare::Comparison &comparison)
{
    if (const auto &refusal = comparison.refusal)
        return {{"refused", toQString(commands::refusalReason(*refusal))}};
    QJsonArray offers;
    for (std::size_t o = 0; o < comparison.offers.size(); ++o)
        offers.append(offerJson(comparison.offers[o], comparison.cheapestOffer == o));
    QJsonObject keep = wayJson(comparison.keep);
    keep.insert("cheapest", !comparison.cheapestOffer);
    // "offer" and "breakEvenMonth" are the first offer's, as before there were several.
    return {{"keep", keep},
            {"offers", offers},
            {"offer", offers.first()},
            {"breakEvenMonth", monthOrNull(comparison.firstOffer().breakEvenMonth)},
            {"horizonMonths", monthOrNull(comparison.horizonMonths)}};
}

} // namespace cli
