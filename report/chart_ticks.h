// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QString>
#include <vector>

class QCategoryAxis;
class QLocale;

// Where the schedule chart's axes carry labels, and what they say.
namespace report {

struct Tick {
    QString label;
    double value;
};

// Ticks along a time axis whose value k is the point just after payment k, payment 1 falling in `firstPayment`
// and `lastValue` the longest schedule's payment count. Years at their January payments when the range spans
// enough of them; otherwise months. At most `most` ticks (about eight unless fewer are asked for), every label
// distinct.
std::vector<Tick> timeTicks(schedule::Month firstPayment, int lastValue, const QLocale &locale, int most = 8);

// Money ticks from 0 to at least `maximum` (currency units) in round steps of 1, 2, 2.5 or 5 times a power of
// ten, in the user's notation; from ten million up, in millions, billions or trillions ("$250M", "$3,000bn"). The
// last tick is the axis's top.
std::vector<Tick> moneyTicks(double maximum, const numtext::LocaleMarks &marks);

// A chart's time axis from 0 to `lastValue`, labelled as labelTimeAxis does.
void setTimeAxis(QCategoryAxis &axis, schedule::Month firstPayment, int lastValue, const QLocale &locale, double width);

// The time axis's labels alone, by timeTicks, no more of them than a plot `width` pixels wide shows side by side
// (the most timeTicks gives when the width is not known yet, 0): a narrow chart shows fewer years, never "2…".
void labelTimeAxis(QCategoryAxis &axis, schedule::Month firstPayment, int lastValue, const QLocale &locale,
                   double width);

// A chart's money axis from 0 to the first round step at or above `maximum`, labelled by moneyTicks and at 0.
void setMoneyAxis(QCategoryAxis &axis, double maximum, const numtext::LocaleMarks &marks);

} // namespace report
