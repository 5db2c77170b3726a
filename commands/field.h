// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace commands {

// The window's text boxes, by the names every command uses for them.
enum class Field {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15,
    Text16,
    Text17,
    Text18,
    Text19,
    Text20,
    Text21,
    Text22,
    Text23,
    Text24,
    Text25,
    Text26,
    Text27,
    Text28,
    Text29,
    Text30,
    Text31,
    Text32,
    Text33,
    Text66,
};

inline constexpr std::size_t fieldCount = std::size_t(Field::Text66) + 1;

} // namespace commands
