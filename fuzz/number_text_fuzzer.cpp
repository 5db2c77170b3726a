// Feeds arbitrary text to both readers and every value they produce to the renderer. Besides crashes, hangs and
// undefined behaviour it checks one property: what the renderer writes, the strict reader reads back to the
// value rounded to the pattern's decimals.
#include "numtext/display_patterns.h"
#include "numtext/lenient_reader.h"
#include "numtext/render.h"
#include "numtext/strict_reader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const std::array<numtext::LocaleMarks, 3> notations = {{
    {".", ",", "$"},
    {",", ".", "\u20AC"},
    {",", "\u202F", "kr"},
}};

constexpr std::array<std::string_view, 5> patterns
    = {numtext::pattern::LoanMoney, numtext::pattern::AccumulatedMoney, numtext::pattern::BlendMoney,
       numtext::pattern::Rate, numtext::pattern::Years};

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
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto &marks = notations[data[0] % notations.size()];
    const std::string_view text{reinterpret_cast<const char *>(data + 1), size - 1};

    renderAndReadBack(numtext::readLenient(text), marks);
    try {
        const double value = numtext::readStrict(text, marks);
        if (!std::isfinite(value))
            std::abort();
        renderAndReadBack(value, marks);
    } catch (const numtext::ReadError &) { }
    return 0;
}
