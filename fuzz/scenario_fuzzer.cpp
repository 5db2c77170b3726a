// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the scenario reader: whatever the bytes, reading them neither crashes, hangs nor reaches
// undefined behaviour; a file it takes is written and read back to the very same scenario, and its texts in the
// C notation save to the same inputs again (refused only for a comparison the window would mark).
#include "scenario/scenario_file.h"
#include "scenario/scenario_texts.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = scenario::readScenario(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto *opened = std::get_if<scenario::Scenario>(&read);
    if (!opened)
        return 0;
    const auto again = scenario::readScenario(scenario::writeScenario(*opened));
    if (!std::holds_alternative<scenario::Scenario>(again) || std::get<scenario::Scenario>(again) != *opened)
        std::abort();
    const numtext::LocaleMarks c;
    const auto saved = scenario::scenarioOf(scenario::textsOf(*opened, c), c);
    const auto *resaved = std::get_if<scenario::Scenario>(&saved);
    if ((!resaved && !opened->comparison) || (resaved && resaved->inputs != opened->inputs))
        std::abort();
    return 0;
}
