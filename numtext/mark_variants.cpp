// SPDX-License-Identifier: GPL-3.0-or-later
#include "mark_variants.h"

#include <algorithm>
#include <array>

namespace numtext::detail {

namespace {

// U+200E LEFT-TO-RIGHT MARK, U+200F RIGHT-TO-LEFT MARK, U+061C ARABIC LETTER MARK.
constexpr std::array<std::string_view, 3> kBidiControls = {"\u200E", "\u200F", "\u061C"};

constexpr std::array<std::string_view, 3> kSpaces = {" ", "\u00A0", "\u202F"};
constexpr std::array<std::string_view, 2> kApostrophes = {"\u2019", "'"};

void addVariant(std::vector<std::string> &variants, std::string variant)
{
    if (!variant.empty() && std::find(variants.begin(), variants.end(), variant) == variants.end())
        variants.push_back(std::move(variant));
}

template<std::size_t N>
void addLookAlikes(std::vector<std::string> &variants, std::string_view mark,
                   const std::array<std::string_view, N> &family)
{
    if (std::find(family.begin(), family.end(), mark) == family.end())
        return;
    for (const auto member : family)
        addVariant(variants, std::string(member));
}

void longestFirst(std::vector<std::string> &variants)
{
    std::stable_sort(variants.begin(), variants.end(),
                     [](const std::string &a, const std::string &b) { return a.size() > b.size(); });
}

} // namespace

std::string withoutBidiControls(std::string_view mark)
{
    std::string out;
    for (std::size_t pos = 0; pos < mark.size();) {
        const auto control = std::find_if(kBidiControls.begin(), kBidiControls.end(),
                                          [&](std::string_view c) { return mark.substr(pos).starts_with(c); });
        if (control != kBidiControls.end()) {
            pos += control->size();
        } else {
            out += mark[pos++];
        }
    }
    return out;
}

std::vector<std::string> typedVariants(std::string_view mark)
{
    std::vector<std::string> variants;
    addVariant(variants, std::string(mark));
    addVariant(variants, withoutBidiControls(mark));
    longestFirst(variants);
    return variants;
}

std::vector<std::string> groupingVariants(std::string_view mark)
{
    std::vector<std::string> variants = typedVariants(mark);
    const std::string bare = withoutBidiControls(mark);
    addLookAlikes(variants, bare, kSpaces);
    addLookAlikes(variants, bare, kApostrophes);
    longestFirst(variants);
    return variants;
}

} // namespace numtext::detail
