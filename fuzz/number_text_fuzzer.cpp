// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the readers and every value they produce to the renderer. Besides crashes, hangs and
// undefined behaviour it checks these properties, under notations that include native digits and Indian
// grouping:
// - what the renderer writes, readStrict and readNumber read back to the value rounded to the pattern's decimals;
// - readNumber gives a finite value or a ReadError, and the value readStrict gives where readStrict reads;
// - where only its second reading takes an ASCII text, readNumber gives what readLenient gives;
// - localizedNumber of a value's shortest text reads back to that value exactly.
#include "numtext/display_patterns.h"
#include "fuzz/lenient_reader.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "numtext/render.h"
#include "numtext/strict_reader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

const std::array<numtext::LocaleMarks, 6> notations = {{
    {".", ",", "$"},
    {",", ".", "\u20AC"},
    {",", "\u202F", "kr"},
    {".", "\u2019", "CHF"},
    {.currency = "\u20B9", .zeroDigit = "\u0966", .primaryGroup = 3, .secondaryGroup = 2},
    {.decimal = "\u066B",
     .grouping = "\u066C",
     .currency = "\u062C.\u0645.\u200F",
     .zeroDigit = "\u0660",
     .percent = "\u066A\u061C",
     .minus = "\u061C-"},
}};

constexpr std::array<std::string_view, 5> patterns
    = {numtext::pattern::LoanMoney, numtext::pattern::AccumulatedMoney, numtext::pattern::BlendMoney,
       numtext::pattern::Rate, numtext::pattern::Years};

template<class Read> std::optional<double> attempt(Read read)
{
    try {
        return read();
    } catch (const numtext::ReadError &) {
        return std::nullopt;
    }
}

void renderAndReadBack(double value, const numtext::LocaleMarks &marks)
{
    if (!std::isfinite(value))
        return;
    for (const auto pattern : patterns) {
        const std::string text = numtext::render(value, pattern, marks);
        if (pattern == numtext::pattern::Rate && text == marks.decimal)
            continue; // "." is what "####.####" shows for a value that rounds to zero: not a number to read back
        const double decimals = pattern == numtext::pattern::Rate ? 4 : 2;
        const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-15;
        if (std::fabs(numtext::readStrict(text, marks) - value) > tolerance)
            std::abort();
        if (std::fabs(numtext::readNumber(text, marks) - value) > tolerance)
            std::abort();
    }
}

void localizeAndReadBack(double value, const numtext::LocaleMarks &marks)
{
    if (!std::isfinite(value))
        return;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string text = numtext::localizedNumber({buffer, std::size_t(end - buffer)}, marks);
    if (numtext::readNumber(text, marks) != value)
        std::abort();
}

bool isAscii(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto &marks = notations[data[0] % notations.size()];
    const std::string_view text{reinterpret_cast<const char *>(data + 1), size - 1};

    const double lenient = numtext::readLenient(text);
    renderAndReadBack(lenient, marks);
    const auto strict = attempt([&] { return numtext::readStrict(text, marks); });
    if (strict) {
        if (!std::isfinite(*strict))
            std::abort();
        renderAndReadBack(*strict, marks);
    }
    const auto number = attempt([&] { return numtext::readNumber(text, marks); });
    if (number) {
        if (!std::isfinite(*number) || (strict && *number != *strict))
            std::abort();
        if (!strict && isAscii(text) && *number != lenient)
            std::abort();
        renderAndReadBack(*number, marks);
        localizeAndReadBack(*number, marks);
    }
    return 0;
}
