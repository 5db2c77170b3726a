// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording.h"

#include <atomic>

namespace wording {

namespace {

std::atomic<Translator> installed{nullptr};

} // namespace

std::string translate(const char *context, const char *source, const char *disambiguation, int n)
{
    if (const Translator translator = installed.load(std::memory_order_acquire))
        return translator(context, source, disambiguation, n);
    std::string text{source};
    if (n < 0)
        return text;
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
        text.replace(at, 2, std::to_string(n));
    // The English plural, as the English catalog spells it: "%1 month(s)" reads "1 month", "2 months".
    for (std::size_t at = text.find("(s)"); at != std::string::npos; at = text.find("(s)", at))
        text.replace(at, 3, n == 1 ? "" : "s");
    return text;
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t index = i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : values.size();
        if (pattern[i] == '%' && index < values.size() && index < 9) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

void installTranslator(Translator translator)
{
    installed.store(translator, std::memory_order_release);
}

} // namespace wording
