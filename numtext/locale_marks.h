#pragma once

#include <string>

namespace numtext {

// The user's number notation, as UTF-8. Passed to the strict reader and the renderer rather than read from a
// global locale, so both behave the same in every test and every thread.
struct LocaleMarks {
    std::string decimal = ".";
    std::string grouping = ",";
    std::string currency = "$";
};

} // namespace numtext
