// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace numtext {

enum class ReadErrorKind {
    Empty, // nothing but blanks
    NotANumber, // letters, a stray sign or mark, anything that is not one number in the locale's notation
    OutOfRange, // a number too large for a double, such as "1e999"
};

// Thrown by readStrict.
class ReadError : public std::runtime_error {
public:
    explicit ReadError(ReadErrorKind kind)
        : std::runtime_error(kind == ReadErrorKind::Empty            ? "the text is empty"
                                 : kind == ReadErrorKind::OutOfRange ? "the number is too large"
                                                                     : "the text is not a number")
        , m_kind(kind)
    { }

    ReadErrorKind kind() const noexcept { return m_kind; }

private:
    ReadErrorKind m_kind;
};

} // namespace numtext
