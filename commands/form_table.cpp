// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_table.h"

#include <algorithm>
#include <stdexcept>

namespace commands::form {

namespace {

// The banner keeps its spacing and spelling exactly as it has always been shown.
constexpr std::string_view banner
    = "Quarrystone.exe                                       Blended Loans with  monthly conpounding";

constexpr std::string_view note
    = "The default data, which appear when you first click Calculate, come from a worked example "
      "of blended loans dated Jan 6th 2014. Use the mouse or Tab key to enter your own data.";

constexpr Rgb lightYellow{0xFF, 0xFF, 0x80};
constexpr Rgb lightGreen{0xC0, 0xFF, 0xC0};
constexpr Rgb lightCyan{0xC0, 0xFF, 0xFF};
constexpr Rgb cyan{0x80, 0xFF, 0xFF};
constexpr Rgb yellow{0xFF, 0xFF, 0x00};
constexpr Rgb lightMagenta{0xFF, 0xC0, 0xFF};
constexpr Rgb lightRed{0xFF, 0xC0, 0xC0};

constexpr std::optional<Rgb> none = std::nullopt;

// The colours tie equal quantities together: both principals light yellow, the period and its three notes light
// green, the loans' payments light cyan, the combined payment cyan, the blended payment light red, the blended
// rate light magenta.
constexpr TextBoxSpec textBoxTable[] = {
    {Field::Text1,
     "Text1",
     Role::Input,
     {2520, 720, 1215, 285},
     lightYellow,
     "355000",
     10,
     "Principal1",
     "loan 1 principal"},
    {Field::Text2,
     "Text2",
     Role::Input,
     {2520, 1080, 1215, 285},
     none,
     "2.99",
     12,
     "AIR1 (%)",
     "loan 1 annual interest rate in percent"},
    {Field::Text3,
     "Text3",
     Role::Input,
     {2520, 1440, 1215, 285},
     lightGreen,
     "20",
     14,
     "Amortization Period (years)",
     "for both loans"},
    {Field::Text6,
     "Text6",
     Role::Input,
     {7200, 720, 1215, 285},
     lightYellow,
     "140000",
     11,
     "Principal2",
     "loan 2 principal"},
    {Field::Text7,
     "Text7",
     Role::Input,
     {7200, 1080, 1215, 285},
     none,
     "4",
     13,
     "AIR2 (%)",
     "loan 2 annual interest rate in percent"},
    {Field::Text21,
     "Text21",
     Role::Result,
     {3840, 1080, 735, 285},
     none,
     "",
     5,
     "Effective annual rate 1 (%)",
     "loan 1"},
    {Field::Text4,
     "Text4",
     Role::Result,
     {2520, 1800, 1215, 285},
     lightCyan,
     "",
     15,
     "Monthly Payment 1",
     "loan 1 monthly payment"},
    {Field::Text8,
     "Text8",
     Role::Result,
     {2520, 2160, 1215, 285},
     none,
     "",
     0,
     "Total Interest 1",
     "loan 1 total interest"},
    {Field::Text22, "Text22", Role::Result, {2520, 2520, 1215, 285}, none, "", 9, "FV1", "loan 1 accumulated value"},
    {Field::Text66,
     "Text66",
     Role::Result,
     {8520, 1080, 735, 285},
     none,
     "",
     4,
     "Effective annual rate 2 (%)",
     "loan 2"},
    {Field::Text9,
     "Text9",
     Role::Note,
     {7200, 1440, 1215, 285},
     lightGreen,
     "same as loan1",
     1,
     "Amortization Period (years)",
     "loan 2"},
    {Field::Text10,
     "Text10",
     Role::Result,
     {7200, 1800, 1215, 285},
     lightCyan,
     "",
     16,
     "Monthly Payment 2",
     "loan 2 monthly payment"},
    {Field::Text12,
     "Text12",
     Role::Result,
     {7200, 2160, 1215, 285},
     none,
     "",
     3,
     "Total Interest 2",
     "loan 2 total interest"},
    {Field::Text13, "Text13", Role::Result, {7200, 2520, 1215, 285}, none, "", 2, "FV2", "loan 2 accumulated value"},
    {Field::Text26,
     "Text26",
     Role::Result,
     {7080, 3000, 1335, 285},
     cyan,
     "",
     54,
     "Combined monthly payment 1 and payment 2",
     ""},
    {Field::Text27,
     "Text27",
     Role::Result,
     {7080, 3360, 1335, 285},
     none,
     "",
     56,
     "Total Interest cost of loan1 and loan 2",
     ""},
    {Field::Text16,
     "Text16",
     Role::Result,
     {2520, 4320, 1215, 285},
     yellow,
     "",
     38,
     "Principal",
     "blended loan principal"},
    {Field::Text17,
     "Text17",
     Role::Result,
     {2520, 4680, 1215, 285},
     lightMagenta,
     "",
     39,
     "AIR (%)",
     "blended loan rate"},
    {Field::Text15,
     "Text15",
     Role::Result,
     {3840, 4680, 735, 285},
     none,
     "",
     36,
     "Effective annual rate (%)",
     "blended loan"},
    {Field::Text18,
     "Text18",
     Role::Note,
     {2520, 5040, 1215, 285},
     lightGreen,
     "same as loan1",
     40,
     "Amortization Period",
     "blended loan"},
    {Field::Text19,
     "Text19",
     Role::Result,
     {2520, 5400, 1215, 285},
     lightRed,
     "",
     41,
     "Monthly Payment",
     "blended loan monthly payment"},
    {Field::Text20,
     "Text20",
     Role::Result,
     {2520, 5760, 1215, 285},
     none,
     "",
     42,
     "Total Interest",
     "blended loan total interest"},
    {Field::Text5,
     "Text5",
     Role::Result,
     {2520, 7320, 1215, 285},
     lightMagenta,
     "",
     8,
     "AIR (%), Blended Rate",
     "comparison"},
    {Field::Text14,
     "Text14",
     Role::Result,
     {3960, 7320, 1215, 285},
     none,
     "",
     7,
     "AIR (%), Average Rate",
     "comparison"},
    {Field::Text11,
     "Text11",
     Role::Result,
     {5400, 7320, 1335, 285},
     none,
     "",
     6,
     "AIR (%), Weighted Average Rate",
     "comparison"},
    {Field::Text23,
     "Text23",
     Role::Result,
     {2520, 7680, 1215, 285},
     none,
     "",
     50,
     "Total Interest, Blended Rate",
     "comparison"},
    {Field::Text24,
     "Text24",
     Role::Result,
     {3960, 7680, 1215, 285},
     none,
     "",
     51,
     "Total Interest, Average Rate",
     "combined payment repaying both principals"},
    {Field::Text25,
     "Text25",
     Role::Result,
     {5400, 7680, 1335, 285},
     none,
     "",
     52,
     "Total Interest, Weighted Average Rate",
     "combined payment repaying both principals"},
    {Field::Text28,
     "Text28",
     Role::Note,
     {2520, 8040, 1215, 285},
     lightGreen,
     "same as loan1",
     57,
     "Amortization Period, Blended Rate",
     "comparison"},
    {Field::Text29,
     "Text29",
     Role::Result,
     {3960, 8040, 1215, 285},
     none,
     "",
     58,
     "Amortization Period (years), Average Rate",
     "years for the combined payment to repay both principals"},
    {Field::Text30,
     "Text30",
     Role::Result,
     {5400, 8040, 1335, 285},
     none,
     "",
     59,
     "Amortization Period (years), Weighted Average Rate",
     "years for the combined payment to repay both principals"},
    {Field::Text31,
     "Text31",
     Role::Result,
     {2520, 8400, 1215, 285},
     lightRed,
     "",
     62,
     "Monthly Payment, Blended Rate",
     "comparison"},
    {Field::Text32,
     "Text32",
     Role::Result,
     {3960, 8400, 1215, 285},
     cyan,
     "",
     63,
     "Monthly Payment, Average Rate",
     "the combined payment"},
    {Field::Text33,
     "Text33",
     Role::Result,
     {5400, 8400, 1335, 285},
     cyan,
     "",
     64,
     "Monthly Payment, Weighted Average Rate",
     "the combined payment"},
};

constexpr LabelSpec labelTable[] = {
    {"Label7", banner, {-720, 0, 9972, 372}, Align::Centre, LabelFont::Banner},
    {"Label5", "LOAN 1", {2520, 360, 1215, 255}, Align::Left, LabelFont::Heading},
    {"Label8", "LOAN2", {7200, 360, 1335, 255}, Align::Left, LabelFont::Heading},
    {"Label1", "Principal1", {480, 720, 1935, 255}, Align::Right, LabelFont::Window, Field::Text1},
    {"Label2", "AIR1 (%)", {480, 1080, 1935, 255}, Align::Right, LabelFont::Window, Field::Text2},
    // As wide as its twin Label30, so the caption fits in faces a little wider than the one it was drawn with.
    {"Label3", "Amortization Period (years)", {360, 1440, 2055, 255}, Align::Right, LabelFont::Window, Field::Text3},
    {"Label4", " Monthly Payment 1", {480, 1800, 1935, 255}, Align::Right, LabelFont::Window, Field::Text4},
    {"Label6", "Total Interest 1", {1320, 2280, 1095, 255}, Align::Right, LabelFont::Window, Field::Text8},
    {"Label20", "FV1", {1800, 2640, 615, 255}, Align::Right, LabelFont::Window, Field::Text22},
    {"Label9", "Principal2", {5760, 720, 1335, 375}, Align::Right, LabelFont::Window, Field::Text6},
    {"Label10", "AIR2 (%)", {6480, 1080, 735, 255}, Align::Left, LabelFont::Window, Field::Text7},
    {"Label30", "Amortization Period (years)", {5040, 1440, 2055, 255}, Align::Right, LabelFont::Window, Field::Text9},
    {"Label13", "Monthly Payment 2", {5640, 1800, 1455, 255}, Align::Right, LabelFont::Window, Field::Text10},
    {"Label11", "Total Interest 2", {5760, 2280, 1335, 375}, Align::Right, LabelFont::Window, Field::Text12},
    {"Label12", "FV2", {6120, 2640, 975, 255}, Align::Right, LabelFont::Window, Field::Text13},
    {"Label26",
     "Combined monthly payment 1 and payment 2",
     {2880, 3000, 4095, 255},
     Align::Right,
     LabelFont::Window,
     Field::Text26},
    {"Label27",
     "Total Interest cost of loan1 and loan 2",
     {4080, 3360, 2895, 255},
     Align::Right,
     LabelFont::Window,
     Field::Text27},
    {"Label25", "THE NEW BLENDED LOAN with the BLENDED RATE", {2520, 4080, 4095, 255}, Align::Left},
    {"Label18", "Principal", {1200, 4320, 1215, 255}, Align::Right, LabelFont::Window, Field::Text16},
    {"Label19", "AIR (%)", {1200, 4680, 1215, 255}, Align::Right, LabelFont::Window, Field::Text17},
    {"Label21", "Amortization Period", {960, 5040, 1455, 255}, Align::Right, LabelFont::Window, Field::Text18},
    {"Label22", "Monthly Payment", {960, 5400, 1452, 252}, Align::Left, LabelFont::Window, Field::Text19},
    {"Label23", "Total Interest", {1200, 5760, 1215, 255}, Align::Right, LabelFont::Window, Field::Text20},
    {"Label17", "Comparison of the NEW BLENDED LOAN", {2520, 6600, 5415, 255}, Align::Left},
    {"Label14", "Blended Rate", {2520, 6960, 1095, 255}, Align::Left},
    {"Label15", "Average Rate", {3960, 6960, 1095, 255}, Align::Left},
    {"Label16", "Weighted Average Rate", {5280, 6960, 2055, 255}, Align::Left},
    {"AIR", "AIR (%)", {1320, 7320, 975, 255}, Align::Right, LabelFont::Window, Field::Text5},
    {"Label24", "Total Interest", {1200, 7680, 1215, 255}, Align::Right, LabelFont::Window, Field::Text23},
    {"Label28", "Amortization Period", {720, 8040, 1695, 255}, Align::Right, LabelFont::Window, Field::Text28},
    {"Label29", "Monthly Payment", {840, 8520, 1575, 255}, Align::Left, LabelFont::Window, Field::Text31},
    {"Label31", note, {6960, 7320, 2292, 1692}, Align::Left},
};

constexpr ButtonSpec buttonTable[] = {
    {"Command1", "&Calculate", {6960, 5040, 1575, 975}, 18, "Calculate"},
    {"cmdExit", "E&xit", {7560, 4320, 975, 495}, 19, "Exit"},
};

constexpr bool everyFieldHasARow()
{
    for (std::size_t field = 0; field < fieldCount; ++field)
        if (std::none_of(std::begin(textBoxTable), std::end(textBoxTable),
                         [field](const TextBoxSpec &spec) { return std::size_t(spec.field) == field; }))
            return false;
    return true;
}

static_assert(std::size(textBoxTable) == fieldCount && everyFieldHasARow(), "every field has exactly one row");

} // namespace

std::span<const TextBoxSpec> textBoxes()
{
    return textBoxTable;
}

std::span<const LabelSpec> labels()
{
    return labelTable;
}

std::span<const ButtonSpec> buttons()
{
    return buttonTable;
}

std::string shown(std::string_view tableText)
{
    return tableText.empty() ? std::string() : wording::translate("FormTable", std::string(tableText).c_str());
}

std::string accessibleName(const TextBoxSpec &spec)
{
    std::string name = shown(spec.caption);
    if (!spec.detail.empty())
        name.append(", ").append(shown(spec.detail));
    return name;
}

const TextBoxSpec &textBox(Field field)
{
    const auto row = std::find_if(std::begin(textBoxTable), std::end(textBoxTable),
                                  [field](const TextBoxSpec &spec) { return spec.field == field; });
    if (row == std::end(textBoxTable)) // cannot happen while the static_assert above holds
        throw std::out_of_range("no text box for this field");
    return *row;
}

} // namespace commands::form
