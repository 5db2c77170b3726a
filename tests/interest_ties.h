// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/cents.h"

// A first month's interest that is exactly half a cent over whole cents, as a lender works it out in decimal;
// half away from zero takes it up. Both the schedules and the comparison must give it.
struct FirstInterest {
    const char *name;
    schedule::Cents balance;
    double ratePercent; // as typed
    schedule::Cents interest;
};

// The first two are 2,969.995 and Regulation Z Appendix J's 40.375. The others were found by a search over
// balances of whole units from 1,000 to 1,000,000 and rates of 1.00 % to 25.00 % for products that are exact half
// cents: the first six rounded down by the comparison's doubles (balance × (rate / 1200)), the last six by the
// schedules' ((rate / 100) / 12).
inline constexpr FirstInterest firstInterests[] = {
    {"678856_at_5_25_percent", 67'885'600, 5.25, 297'000},     {"5000_at_9_69_percent", 500'000, 9.69, 4'038},
    {"195595_at_20_4_percent", 19'559'500, 20.4, 332'512},     {"445350_at_3_32_percent", 44'535'000, 3.32, 123'214},
    {"504450_at_6_52_percent", 50'445'000, 6.52, 274'085},     {"607380_at_6_3_percent", 60'738'000, 6.3, 318'875},
    {"645500_at_19_14_percent", 64'550'000, 19.14, 1'029'573}, {"875034_at_23_percent", 87'503'400, 23, 1'677'149},
    {"99636_at_7_5_percent", 9'963'600, 7.5, 62'273},          {"227775_at_4_88_percent", 22'777'500, 4.88, 92'629},
    {"323460_at_10_5_percent", 32'346'000, 10.5, 283'028},     {"421832_at_14_25_percent", 42'183'200, 14.25, 500'926},
    {"703800_at_15_61_percent", 70'380'000, 15.61, 915'527},   {"831482_at_15_percent", 83'148'200, 15, 1'039'353},
};
