// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for translation where it is written; it is translated where it is shown, through
// translate with the same context. The translation tools read it as QT_TRANSLATE_NOOP.
#define WORDING_NOOP(context, text) text

// The plain libraries' words in the user's language. They stay as written until the program installs a translator
// (the window, and the command line's text output, do; JSON, CSV and scenario files never take one, since scripts
// read them).
namespace wording {

// Translates `source` of `context`: `disambiguation` tells apart two uses of the same words, and `n`, from 0 up,
// picks the plural form and takes the place of %n. Written as one call with literal texts, so that the
// translation tools find it. Untranslated, a plural's "(s)" reads "s" unless n is 1, as the English catalog has it.
std::string translate(const char *context, const char *source, const char *disambiguation = nullptr, int n = -1);

// `pattern` with %1, %2, ... replaced by `values` in that order, each place by its number, so that a translation
// may put them in any order.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

using Translator = std::string (*)(const char *context, const char *source, const char *disambiguation, int n);

// What translate calls from now on; none puts the texts back as written.
void installTranslator(Translator translator);

} // namespace wording
