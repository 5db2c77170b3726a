#include "decimal_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace numtext::detail {

namespace {

// The power of ten of the leading significant digit, saturated far beyond the double range so that no text,
// however long, can overflow the count.
long decimalMagnitude(std::string_view number)
{
    constexpr long limit = 1'000'000'000L;
    long exponent = 0;
    if (const auto e = number.find('e'); e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        for (const char c : digits)
            if (c >= '0' && c <= '9')
                exponent = std::min(limit, exponent * 10 + (c - '0'));
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const auto point = std::min(number.find('.'), number.size());
    const auto first = number.find_first_of("123456789");
    if (first == std::string_view::npos)
        return -limit;
    const long position = first < point ? long(point - first) - 1 : -long(first - point);
    return exponent + position;
}

} // namespace

double decimalValue(std::string_view number)
{
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc::result_out_of_range)
        return value;
    const double magnitude = decimalMagnitude(number) >= 0 ? HUGE_VAL : 0.0;
    return number.front() == '-' ? -magnitude : magnitude;
}

} // namespace numtext::detail
