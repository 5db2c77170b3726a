// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "wording/wording.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the calculator window holds and where, in twips (1440 to the inch) on a client area of
// clientWidth x clientHeight. Plain data, so the Qt form and the tests' fake form are built from the same table.
namespace commands::form {

inline constexpr int clientWidth = 11076;
inline constexpr int clientHeight = 9336;

struct Twips {
    int left, top, width, height;
};

struct Rgb {
    std::uint8_t red, green, blue;
};

enum class Role {
    Input, // typed by the user, read by Calculate
    Result, // written by Calculate
    Note, // a fixed text nobody reads or writes
};

struct TextBoxSpec {
    Field field;
    std::string_view name;
    Role role;
    Twips geometry;
    std::optional<Rgb> colour; // none: the platform's field background
    std::string_view initialText;
    int tabIndex;
    // The field's name for people: the words beside it, with the column where the window sets fields in a grid
    // ("AIR (%), Blended Rate"). The report and the copied results name it so, and a screen reader's name for it
    // starts so.
    std::string_view caption;
    std::string_view detail; // what a screen reader adds after the caption, such as whose figure it is; may be empty
};

// A text of these tables (a caption, a detail, a button's caption or name, the title) as the user reads it: in the
// user's language where the program has installed a translator. The tables hold the English, which files keep.
std::string shown(std::string_view tableText);

// The caption and, after a comma, the detail, as the user reads them.
std::string accessibleName(const TextBoxSpec &spec);

enum class Align { Left, Right, Centre };

enum class LabelFont {
    Window, // the window's default font
    Heading, // the two loan headings: the default face at 7.8 pt, bold
    Banner, // the title banner: a black display face at 8.4 pt, weight 900
};

struct LabelSpec {
    std::string_view name;
    std::string_view caption;
    Twips geometry;
    Align alignment;
    LabelFont font = LabelFont::Window;
    std::optional<Field> captions = std::nullopt; // the field this label names, linked for assistive technology
};

struct ButtonSpec {
    std::string_view name;
    std::string_view caption; // "&" marks the access key
    Twips geometry;
    int tabIndex;
    std::string_view accessibleName;
};

std::span<const TextBoxSpec> textBoxes();
std::span<const LabelSpec> labels();
std::span<const ButtonSpec> buttons();

const TextBoxSpec &textBox(Field field);

// The program's title: the window caption and the caption of its message boxes.
inline constexpr std::string_view programTitle = "Blended Loan Calculator";

} // namespace commands::form
