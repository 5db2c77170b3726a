// SPDX-License-Identifier: GPL-3.0-or-later
#include "failure_messages.h"

#include "numtext/render.h"
#include "wording/wording.h"

#include <cstdio>

namespace commands {

namespace {

using loan::CalcErrorKind;
using loan::Figure;

bool isPayoff(Figure figure)
{
    return figure == Figure::AveragePayoff || figure == Figure::WeightedPayoff;
}

// The figure as the user sees it: the steps behind a payment (rates, counts, growth) are reported as the payment.
Figure shownFigure(Figure figure)
{
    const bool behindPayment = figure == Figure::AnnualRate || figure == Figure::PaymentCount
        || figure == Figure::MonthlyRate || figure == Figure::Growth || figure == Figure::BlendedLoanTerms;
    return behindPayment ? Figure::Payment : figure;
}

// One sentence for each owner of the figure, so that a translation may place the figure's name as its grammar needs.
std::string failureSentence(Figure figure, Subject subject, const std::string &reason)
{
    const std::string name = wording::translate("Figures", loan::figureName(figure).data());
    const char *pattern = nullptr;
    switch (subject) {
    case Subject::Loan1:
        //: %1 is a figure's name, such as "monthly payment"; %2 says why, as a clause.
        pattern = WORDING_NOOP("FailureMessages", "Loan 1's %1 could not be calculated: %2. The results that depend "
                                                  "on it are left empty.");
        break;
    case Subject::Loan2:
        pattern = WORDING_NOOP("FailureMessages", "Loan 2's %1 could not be calculated: %2. The results that depend "
                                                  "on it are left empty.");
        break;
    case Subject::Blend:
        pattern = figure == Figure::Payment || figure == Figure::TotalInterest
            ? WORDING_NOOP("FailureMessages", "The new blended loan's %1 could not be calculated: %2. The results "
                                              "that depend on it are left empty.")
            : WORDING_NOOP("FailureMessages", "The %1 could not be calculated: %2. The results that depend on it are "
                                              "left empty.");
        break;
    }
    return wording::arg(wording::translate("FailureMessages", pattern), {name, reason});
}

std::string reason(CalcErrorKind kind, Figure figure)
{
    if (figure == Figure::AveragePayoff && kind == CalcErrorKind::InvalidArgument)
        return wording::translate("FailureMessages",
                                  "the combined monthly payment never repays the total principal at the average "
                                  "rate, because a month's interest on the total principal at that rate is at least "
                                  "the payment");
    if (figure == Figure::WeightedPayoff && kind == CalcErrorKind::InvalidArgument)
        return wording::translate("FailureMessages",
                                  "the combined monthly payment never repays the total principal at the weighted "
                                  "average rate, because a month's interest on the total principal at that rate is "
                                  "at least the payment");
    if (isPayoff(figure) && kind == CalcErrorKind::DivisionByZero)
        return wording::translate("FailureMessages", "a rate of 0% cannot be calculated");
    if (figure == Figure::WeightedRate && kind == CalcErrorKind::DivisionByZero)
        return wording::translate("FailureMessages", "the two principals add up to 0, so they cannot weight the rates");
    if (kind == CalcErrorKind::DivisionByZero)
        return wording::translate("FailureMessages", "a rate of 0% or a period of 0 years cannot be calculated (the "
                                                     "payment would be 0 divided by 0)");
    if (kind == CalcErrorKind::Overflow)
        return wording::translate("FailureMessages", "the numbers involved are too large to calculate with");
    if (figure == Figure::BlendedEffectiveRate)
        return wording::translate("FailureMessages", "the total accumulated value and the total principal have "
                                                     "opposite signs, so no rate of growth joins them");
    return wording::translate("FailureMessages", "the inputs give it no real value (such as a negative number raised "
                                                 "to a fractional power)");
}

// The input as the start of a sentence.
std::string fieldDescription(Field field)
{
    switch (field) {
    case Field::Text1:
        return wording::translate("FailureMessages", "The loan 1 principal");
    case Field::Text2:
        return wording::translate("FailureMessages", "The loan 1 annual interest rate");
    case Field::Text3:
        return wording::translate("FailureMessages", "The amortization period");
    case Field::Text6:
        return wording::translate("FailureMessages", "The loan 2 principal");
    case Field::Text7:
        return wording::translate("FailureMessages", "The loan 2 annual interest rate");
    default:
        return wording::translate("FailureMessages", "The field");
    }
}

// An example in the user's own notation, so the hint shows the marks and digits the reader expects.
std::string example(Field field, const numtext::LocaleMarks &marks)
{
    switch (field) {
    case Field::Text1:
        return numtext::render(355000, "#,##0", marks);
    case Field::Text6:
        return numtext::render(140000, "#,##0", marks);
    case Field::Text2:
        return numtext::render(2.99, "0.00", marks);
    case Field::Text7:
        return numtext::render(4.5, "0.0", marks);
    default:
        return numtext::render(20, "0", marks);
    }
}

std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 40;
    std::size_t cut = text.size();
    if (cut > longest) {
        // Cut on a character boundary: never inside a UTF-8 sequence.
        cut = longest;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string out{"\""};
    out.append(visibleText(text.substr(0, cut)));
    if (cut < text.size())
        out.append("\u2026");
    out.append("\"");
    return out;
}

} // namespace

std::string visibleText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        // Control characters, and the marks that turn the direction of what follows, which would reorder the
        // message around them.
        const bool hidden = code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x200E || code == 0x200F
            || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
        if (hidden) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(code));
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string calculationFailureMessage(const CalculationStop &stop)
{
    const loan::CalcError &error = stop.error;
    return failureSentence(shownFigure(error.figure()), subjectOf(stop.step), reason(error.kind(), error.figure()));
}

std::string unreadableInputMessage(numtext::ReadErrorKind kind, Field field, std::string_view text,
                                   const numtext::LocaleMarks &marks)
{
    const std::string subject = fieldDescription(field);
    switch (kind) {
    case numtext::ReadErrorKind::Empty:
        //: %1 names the input, such as "The loan 1 principal"; %2 is an example number.
        return wording::arg(wording::translate("FailureMessages", "%1 is empty. Enter a number such as %2."),
                            {subject, example(field, marks)});
    case numtext::ReadErrorKind::OutOfRange:
        //: %1 names the input, such as "The loan 1 principal"; %2 is its text in quotes; %3 is an example number.
        return wording::arg(wording::translate("FailureMessages",
                                               "%1 %2 is too large to be a number. Enter a number such as %3."),
                            {subject, quoted(text), example(field, marks)});
    case numtext::ReadErrorKind::NotANumber:
        break;
    }
    //: %1 names the input, such as "The loan 1 principal"; %2 is its text in quotes; %3 is an example number.
    return wording::arg(wording::translate("FailureMessages", "%1 %2 is not a number. Enter a number such as %3."),
                        {subject, quoted(text), example(field, marks)});
}

} // namespace commands
