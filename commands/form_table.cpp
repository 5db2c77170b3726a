// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_table.h"

#include <algorithm>
#include <stdexcept>

namespace commands::form {

namespace {

// The banner keeps its spacing and spelling exactly as it has always been shown.
constexpr std::string_view banner
    = WORDING_NOOP("FormTable", "Quarrystone.exe                                       Blended Loans with  monthly conpounding");

constexpr std::string_view note
    = WORDING_NOOP("FormTable", "The default data, which appear when you first click Calculate, come from a worked "
                                "example of blended loans dated Jan 6th 2014. Use the mouse or Tab key to enter your "
                                "own data.");

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
     WORDING_NOOP("FormTable", "Principal1"),
     WORDING_NOOP("FormTable", "loan 1 principal")},
    {Field::Text2,
     "Text2",
     Role::Input,
     {2520, 1080, 1215, 285},
     none,
     "2.99",
     12,
     WORDING_NOOP("FormTable", "AIR1 (%)"),
     WORDING_NOOP("FormTable", "loan 1 annual interest rate in percent")},
    {Field::Text3,
     "Text3",
     Role::Input,
     {2520, 1440, 1215, 285},
     lightGreen,
     "20",
     14,
     WORDING_NOOP("FormTable", "Amortization Period (years)"),
     WORDING_NOOP("FormTable", "for both loans")},
    {Field::Text6,
     "Text6",
     Role::Input,
     {7200, 720, 1215, 285},
     lightYellow,
     "140000",
     11,
     WORDING_NOOP("FormTable", "Principal2"),
     WORDING_NOOP("FormTable", "loan 2 principal")},
    {Field::Text7,
     "Text7",
     Role::Input,
     {7200, 1080, 1215, 285},
     none,
     "4",
     13,
     WORDING_NOOP("FormTable", "AIR2 (%)"),
     WORDING_NOOP("FormTable", "loan 2 annual interest rate in percent")},
    {Field::Text21,
     "Text21",
     Role::Result,
     {3840, 1080, 735, 285},
     none,
     "",
     5,
     WORDING_NOOP("FormTable", "Effective annual rate 1 (%)"),
     WORDING_NOOP("FormTable", "loan 1")},
    {Field::Text4,
     "Text4",
     Role::Result,
     {2520, 1800, 1215, 285},
     lightCyan,
     "",
     15,
     WORDING_NOOP("FormTable", "Monthly Payment 1"),
     WORDING_NOOP("FormTable", "loan 1 monthly payment")},
    {Field::Text8,
     "Text8",
     Role::Result,
     {2520, 2160, 1215, 285},
     none,
     "",
     0,
     WORDING_NOOP("FormTable", "Total Interest 1"),
     WORDING_NOOP("FormTable", "loan 1 total interest")},
    {Field::Text22, "Text22", Role::Result, {2520, 2520, 1215, 285}, none, "", 9, WORDING_NOOP("FormTable", "FV1"), WORDING_NOOP("FormTable", "loan 1 accumulated value")},
    {Field::Text66,
     "Text66",
     Role::Result,
     {8520, 1080, 735, 285},
     none,
     "",
     4,
     WORDING_NOOP("FormTable", "Effective annual rate 2 (%)"),
     WORDING_NOOP("FormTable", "loan 2")},
    {Field::Text9,
     "Text9",
     Role::Note,
     {7200, 1440, 1215, 285},
     lightGreen,
     WORDING_NOOP("FormTable", "same as loan1"),
     1,
     WORDING_NOOP("FormTable", "Amortization Period (years)"),
     WORDING_NOOP("FormTable", "loan 2")},
    {Field::Text10,
     "Text10",
     Role::Result,
     {7200, 1800, 1215, 285},
     lightCyan,
     "",
     16,
     WORDING_NOOP("FormTable", "Monthly Payment 2"),
     WORDING_NOOP("FormTable", "loan 2 monthly payment")},
    {Field::Text12,
     "Text12",
     Role::Result,
     {7200, 2160, 1215, 285},
     none,
     "",
     3,
     WORDING_NOOP("FormTable", "Total Interest 2"),
     WORDING_NOOP("FormTable", "loan 2 total interest")},
    {Field::Text13, "Text13", Role::Result, {7200, 2520, 1215, 285}, none, "", 2, WORDING_NOOP("FormTable", "FV2"), WORDING_NOOP("FormTable", "loan 2 accumulated value")},
    {Field::Text26,
     "Text26",
     Role::Result,
     {7080, 3000, 1335, 285},
     cyan,
     "",
     54,
     WORDING_NOOP("FormTable", "Combined monthly payment 1 and payment 2"),
     ""},
    {Field::Text27,
     "Text27",
     Role::Result,
     {7080, 3360, 1335, 285},
     none,
     "",
     56,
     WORDING_NOOP("FormTable", "Total Interest cost of loan1 and loan 2"),
     ""},
    {Field::Text16,
     "Text16",
     Role::Result,
     {2520, 4320, 1215, 285},
     yellow,
     "",
     38,
     WORDING_NOOP("FormTable", "Principal"),
     WORDING_NOOP("FormTable", "blended loan principal")},
    {Field::Text17,
     "Text17",
     Role::Result,
     {2520, 4680, 1215, 285},
     lightMagenta,
     "",
     39,
     WORDING_NOOP("FormTable", "AIR (%)"),
     WORDING_NOOP("FormTable", "blended loan rate")},
    {Field::Text15,
     "Text15",
     Role::Result,
     {3840, 4680, 735, 285},
     none,
     "",
     36,
     WORDING_NOOP("FormTable", "Effective annual rate (%)"),
     WORDING_NOOP("FormTable", "blended loan")},
    {Field::Text18,
     "Text18",
     Role::Note,
     {2520, 5040, 1215, 285},
     lightGreen,
     WORDING_NOOP("FormTable", "same as loan1"),
     40,
     WORDING_NOOP("FormTable", "Amortization Period"),
     WORDING_NOOP("FormTable", "blended loan")},
    {Field::Text19,
     "Text19",
     Role::Result,
     {2520, 5400, 1215, 285},
     lightRed,
     "",
     41,
     WORDING_NOOP("FormTable", "Monthly Payment"),
     WORDING_NOOP("FormTable", "blended loan monthly payment")},
    {Field::Text20,
     "Text20",
     Role::Result,
     {2520, 5760, 1215, 285},
     none,
     "",
     42,
     WORDING_NOOP("FormTable", "Total Interest"),
     WORDING_NOOP("FormTable", "blended loan total interest")},
    {Field::Text5,
     "Text5",
     Role::Result,
     {2520, 7320, 1215, 285},
     lightMagenta,
     "",
     8,
     WORDING_NOOP("FormTable", "AIR (%), Blended Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text14,
     "Text14",
     Role::Result,
     {3960, 7320, 1215, 285},
     none,
     "",
     7,
     WORDING_NOOP("FormTable", "AIR (%), Average Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text11,
     "Text11",
     Role::Result,
     {5400, 7320, 1335, 285},
     none,
     "",
     6,
     WORDING_NOOP("FormTable", "AIR (%), Weighted Average Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text23,
     "Text23",
     Role::Result,
     {2520, 7680, 1215, 285},
     none,
     "",
     50,
     WORDING_NOOP("FormTable", "Total Interest, Blended Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text24,
     "Text24",
     Role::Result,
     {3960, 7680, 1215, 285},
     none,
     "",
     51,
     WORDING_NOOP("FormTable", "Total Interest, Average Rate"),
     WORDING_NOOP("FormTable", "combined payment repaying both principals")},
    {Field::Text25,
     "Text25",
     Role::Result,
     {5400, 7680, 1335, 285},
     none,
     "",
     52,
     WORDING_NOOP("FormTable", "Total Interest, Weighted Average Rate"),
     WORDING_NOOP("FormTable", "combined payment repaying both principals")},
    {Field::Text28,
     "Text28",
     Role::Note,
     {2520, 8040, 1215, 285},
     lightGreen,
     WORDING_NOOP("FormTable", "same as loan1"),
     57,
     WORDING_NOOP("FormTable", "Amortization Period, Blended Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text29,
     "Text29",
     Role::Result,
     {3960, 8040, 1215, 285},
     none,
     "",
     58,
     WORDING_NOOP("FormTable", "Amortization Period (years), Average Rate"),
     WORDING_NOOP("FormTable", "years for the combined payment to repay both principals")},
    {Field::Text30,
     "Text30",
     Role::Result,
     {5400, 8040, 1335, 285},
     none,
     "",
     59,
     WORDING_NOOP("FormTable", "Amortization Period (years), Weighted Average Rate"),
     WORDING_NOOP("FormTable", "years for the combined payment to repay both principals")},
    {Field::Text31,
     "Text31",
     Role::Result,
     {2520, 8400, 1215, 285},
     lightRed,
     "",
     62,
     WORDING_NOOP("FormTable", "Monthly Payment, Blended Rate"),
     WORDING_NOOP("FormTable", "comparison")},
    {Field::Text32,
     "Text32",
     Role::Result,
     {3960, 8400, 1215, 285},
     cyan,
     "",
     63,
     WORDING_NOOP("FormTable", "Monthly Payment, Average Rate"),
     WORDING_NOOP("FormTable", "the combined payment")},
    {Field::Text33,
     "Text33",
     Role::Result,
     {5400, 8400, 1335, 285},
     cyan,
     "",
     64,
     WORDING_NOOP("FormTable", "Monthly Payment, Weighted Average Rate"),
     WORDING_NOOP("FormTable", "the combined payment")},
};

constexpr LabelSpec labelTable[] = {
    {"Label7", banner, {-720, 0, 9972, 372}, Align::Centre, LabelFont::Banner},
    {"Label5", WORDING_NOOP("FormTable", "LOAN 1"), {2520, 360, 1215, 255}, Align::Left, LabelFont::Heading},
    {"Label8", WORDING_NOOP("FormTable", "LOAN2"), {7200, 360, 1335, 255}, Align::Left, LabelFont::Heading},
    {"Label1", WORDING_NOOP("FormTable", "Principal1"), {480, 720, 1935, 255}, Align::Right, LabelFont::Window, Field::Text1},
    {"Label2", WORDING_NOOP("FormTable", "AIR1 (%)"), {480, 1080, 1935, 255}, Align::Right, LabelFont::Window, Field::Text2},
    // As wide as its twin Label30, so the caption fits in faces a little wider than the one it was drawn with.
    {"Label3", WORDING_NOOP("FormTable", "Amortization Period (years)"), {360, 1440, 2055, 255}, Align::Right, LabelFont::Window, Field::Text3},
    {"Label4", WORDING_NOOP("FormTable", " Monthly Payment 1"), {480, 1800, 1935, 255}, Align::Right, LabelFont::Window, Field::Text4},
    {"Label6", WORDING_NOOP("FormTable", "Total Interest 1"), {1320, 2280, 1095, 255}, Align::Right, LabelFont::Window, Field::Text8},
    {"Label20", WORDING_NOOP("FormTable", "FV1"), {1800, 2640, 615, 255}, Align::Right, LabelFont::Window, Field::Text22},
    {"Label9", WORDING_NOOP("FormTable", "Principal2"), {5760, 720, 1335, 375}, Align::Right, LabelFont::Window, Field::Text6},
    {"Label10", WORDING_NOOP("FormTable", "AIR2 (%)"), {6480, 1080, 735, 255}, Align::Left, LabelFont::Window, Field::Text7},
    {"Label30", WORDING_NOOP("FormTable", "Amortization Period (years)"), {5040, 1440, 2055, 255}, Align::Right, LabelFont::Window, Field::Text9},
    {"Label13", WORDING_NOOP("FormTable", "Monthly Payment 2"), {5640, 1800, 1455, 255}, Align::Right, LabelFont::Window, Field::Text10},
    {"Label11", WORDING_NOOP("FormTable", "Total Interest 2"), {5760, 2280, 1335, 375}, Align::Right, LabelFont::Window, Field::Text12},
    {"Label12", WORDING_NOOP("FormTable", "FV2"), {6120, 2640, 975, 255}, Align::Right, LabelFont::Window, Field::Text13},
    {"Label26",
     WORDING_NOOP("FormTable", "Combined monthly payment 1 and payment 2"),
     {2880, 3000, 4095, 255},
     Align::Right,
     LabelFont::Window,
     Field::Text26},
    {"Label27",
     WORDING_NOOP("FormTable", "Total Interest cost of loan1 and loan 2"),
     {4080, 3360, 2895, 255},
     Align::Right,
     LabelFont::Window,
     Field::Text27},
    {"Label25", WORDING_NOOP("FormTable", "THE NEW BLENDED LOAN with the BLENDED RATE"), {2520, 4080, 4095, 255}, Align::Left},
    {"Label18", WORDING_NOOP("FormTable", "Principal"), {1200, 4320, 1215, 255}, Align::Right, LabelFont::Window, Field::Text16},
    {"Label19", WORDING_NOOP("FormTable", "AIR (%)"), {1200, 4680, 1215, 255}, Align::Right, LabelFont::Window, Field::Text17},
    {"Label21", WORDING_NOOP("FormTable", "Amortization Period"), {960, 5040, 1455, 255}, Align::Right, LabelFont::Window, Field::Text18},
    {"Label22", WORDING_NOOP("FormTable", "Monthly Payment"), {960, 5400, 1452, 252}, Align::Left, LabelFont::Window, Field::Text19},
    {"Label23", WORDING_NOOP("FormTable", "Total Interest"), {1200, 5760, 1215, 255}, Align::Right, LabelFont::Window, Field::Text20},
    {"Label17", WORDING_NOOP("FormTable", "Comparison of the NEW BLENDED LOAN"), {2520, 6600, 5415, 255}, Align::Left},
    {"Label14", WORDING_NOOP("FormTable", "Blended Rate"), {2520, 6960, 1095, 255}, Align::Left},
    {"Label15", WORDING_NOOP("FormTable", "Average Rate"), {3960, 6960, 1095, 255}, Align::Left},
    {"Label16", WORDING_NOOP("FormTable", "Weighted Average Rate"), {5280, 6960, 2055, 255}, Align::Left},
    {"AIR", WORDING_NOOP("FormTable", "AIR (%)"), {1320, 7320, 975, 255}, Align::Right, LabelFont::Window, Field::Text5},
    {"Label24", WORDING_NOOP("FormTable", "Total Interest"), {1200, 7680, 1215, 255}, Align::Right, LabelFont::Window, Field::Text23},
    {"Label28", WORDING_NOOP("FormTable", "Amortization Period"), {720, 8040, 1695, 255}, Align::Right, LabelFont::Window, Field::Text28},
    {"Label29", WORDING_NOOP("FormTable", "Monthly Payment"), {840, 8520, 1575, 255}, Align::Left, LabelFont::Window, Field::Text31},
    {"Label31", note, {6960, 7320, 2292, 1692}, Align::Left},
};

constexpr ButtonSpec buttonTable[] = {
    {"Command1", WORDING_NOOP("FormTable", "&Calculate"), {6960, 5040, 1575, 975}, 18, WORDING_NOOP("FormTable", "Calculate")},
    {"cmdExit", WORDING_NOOP("FormTable", "E&xit"), {7560, 4320, 975, 495}, 19, WORDING_NOOP("FormTable", "Exit")},
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
