// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_colour.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// `colour` with its transparency painted over `base`.
QColor over(const QColor &colour, const QColor &base)
{
    const double alpha = colour.alphaF();
    const auto mix = [alpha](double top, double bottom) { return top * alpha + bottom * (1 - alpha); };
    return QColor::fromRgbF(float(mix(colour.redF(), base.redF())), float(mix(colour.greenF(), base.greenF())),
                            float(mix(colour.blueF(), base.blueF())));
}

QColor mixed(const QColor &text, const QColor &base, double share)
{
    const auto mix = [share](double a, double b) { return a * share + b * (1 - share); };
    return QColor::fromRgbF(float(mix(text.redF(), base.redF())), float(mix(text.greenF(), base.greenF())),
                            float(mix(text.blueF(), base.blueF())));
}

constexpr double leastContrast = 4.5; // what small text needs to be read
constexpr double fainter = 1.5; // typed text's contrast over a placeholder's, at least, for the two to read apart

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor placeholderColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = over(palette.color(QPalette::Active, QPalette::Text), base);
    const QColor given = over(palette.color(QPalette::Active, QPalette::PlaceholderText), base);
    const double textContrast = contrastRatio(text, base);
    // Where typed text itself reads at less than 4.5:1 nothing fainter can; the placeholder then matches it.
    const double low = std::min(leastContrast, textContrast);
    const double high = std::max(low, textContrast / fainter);
    const double contrast = contrastRatio(given, base);
    if (contrast >= low && contrast <= high)
        return given;
    // A little above the least, for a plain grey, found by bisection along the line from base to text, on which
    // contrast grows.
    const double wanted = std::min(high, low + 1.5);
    double fromBase = 0;
    double fromText = 1;
    for (int step = 0; step < 30; ++step) {
        const double share = (fromBase + fromText) / 2;
        (contrastRatio(mixed(text, base, share), base) < wanted ? fromBase : fromText) = share;
    }
    return mixed(text, base, fromText);
}

} // namespace report
