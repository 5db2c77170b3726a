// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedules_csv.h"

#include "month_text.h"

#include <array>
#include <charconv>
#include <vector>

namespace schedule {

namespace {

class CsvWriter {
public:
    CsvWriter(std::string &out, char separator)
        : m_out(out)
        , m_separator(separator)
        , m_specials{separator, '"', '\r', '\n'}
    { }

    void field(std::string_view text)
    {
        separate();
        if (text.find_first_of(std::string_view{m_specials.data(), m_specials.size()}) == std::string_view::npos) {
            m_out += text;
            return;
        }
        m_out += '"';
        for (const char c : text) {
            if (c == '"')
                m_out += '"';
            m_out += c;
        }
        m_out += '"';
    }

    void endRow()
    {
        m_out += "\r\n";
        m_rowStarted = false;
    }

private:
    void separate()
    {
        if (m_rowStarted)
            m_out += m_separator;
        m_rowStarted = true;
    }

    std::string &m_out;
    char m_separator;
    std::array<char, 4> m_specials;
    bool m_rowStarted = false;
};

// Appends `value` in decimal, its magnitude with at least `width` digits.
void appendInteger(std::string &out, std::int64_t value, int width = 1)
{
    if (value < 0)
        out += '-';
    // The magnitude in unsigned arithmetic, which holds even the most negative value.
    const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    char buffer[24];
    char *end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    const auto length = int(end - buffer);
    if (length < width)
        out.append(std::size_t(width - length), '0');
    out.append(buffer, std::size_t(length));
}

std::string amountText(Cents cents, std::string_view mark)
{
    std::string text;
    appendInteger(text, cents / 100);
    if (cents < 0 && cents / 100 == 0)
        text.insert(0, 1, '-'); // -0.50 has no sign in its integer part
    text += mark;
    appendInteger(text, cents < 0 ? -(cents % 100) : cents % 100, 2);
    return text;
}

} // namespace

std::string paymentsCsv(std::span<const NamedPayments> plans, std::string_view localeDecimalMark)
{
    const bool decimalComma = localeDecimalMark == ",";
    const std::string_view mark = decimalComma ? "," : ".";
    std::size_t rows = 1;
    for (const NamedPayments &plan : plans)
        rows += plan.payments.size();

    std::string out;
    out.reserve(rows * 96);
    CsvWriter csv{out, decimalComma ? ';' : ','};
    for (const std::string_view name :
         {"Plan", "Payment", "Month", "Payment amount", "Interest", "Principal", "Balance"})
        csv.field(name);
    csv.endRow();

    std::string number;
    for (const NamedPayments &plan : plans) {
        for (const Payment &payment : plan.payments) {
            csv.field(plan.plan);
            number.clear();
            appendInteger(number, payment.number);
            csv.field(number);
            csv.field(monthText(payment.month));
            for (const Cents amount : {payment.amount, payment.interest, payment.principal, payment.balance})
                csv.field(amountText(amount, mark));
            csv.endRow();
        }
    }
    return out;
}

std::string schedulesCsv(std::span<const Schedule> schedules, std::string_view localeDecimalMark)
{
    std::vector<NamedPayments> plans;
    for (const Plan plan : allPlans)
        for (const Schedule &schedule : schedules)
            if (schedule.plan == plan && schedule.listed())
                plans.push_back({planName(plan), schedule.payments});
    return paymentsCsv(plans, localeDecimalMark);
}

} // namespace schedule
