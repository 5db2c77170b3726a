// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numtext::detail {

// `mark` without the invisible bidi controls (U+200E, U+200F, U+061C) some locales wrap their marks in.
std::string withoutBidiControls(std::string_view mark);

// The ways people type one of a locale's marks: the mark itself and the mark without the invisible bidi controls
// some locales wrap it in (Arabic writes its minus as U+061C "-", and nobody types the U+061C). Longest first,
// so a reader tries the full mark before a part of it; an empty mark gives none.
std::vector<std::string> typedVariants(std::string_view mark);

// The same for a grouping mark, with its look-alikes: any of U+0020, U+00A0 and U+202F where the mark is one of
// them, and ASCII "'" where it is U+2019 (and the reverse), since a keyboard offers only one of each pair.
std::vector<std::string> groupingVariants(std::string_view mark);

} // namespace numtext::detail
