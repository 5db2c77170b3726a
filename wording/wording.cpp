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
    if (n < 0)
        return source;
    // %n takes the count; "(s)" is the English plural as the English catalog spells it: "%n month(s)" reads
    // "1 month", "2 months". Written out afresh rather than replaced in place, in one pass.
    const std::string_view written{source};
    std::string text;
    text.reserve(written.size() + 8);
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written.compare(i, 2, "%n") == 0) {
            text += std::to_string(n);
            i += 1;
        } else if (written.compare(i, 3, "(s)") == 0) {
            if (n != 1)
                text += 's';
            i += 2;
        } else {
            text += written[i];
        }
    }
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
