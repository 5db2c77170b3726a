// SPDX-License-Identifier: GPL-3.0-or-later
// The plain libraries' words read in German and French once the program installs their catalog, and exactly as
// before in English; the figures in them stay as the locale writes them.
#include "commands/commands.h"
#include "commands/comparison_results.h"
#include "commands/failure_messages.h"
#include "fake_form.h"
#include "wording/wording.h"

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace {

const numtext::LocaleMarks pointComma{".", ",", "$"};
const schedule::Month january2027{2027, 1};

std::string monthName(schedule::Month month)
{
    return std::to_string(month.year) + "-" + std::to_string(month.month);
}

// Keeping a loan of $450,000.00 in all against an offer that costs $10,000.00 more, pays $100.00 less a month,
// ends a year later and is ahead from month 27: each case changes what it is about.
compare::Comparison twoWays()
{
    compare::Comparison c;
    c.offers.resize(1);
    c.keep.schedules = {{schedule::Payment{1, january2027, 150000, 0, 0, 0}}};
    c.keep.firstPayment = 150000;
    c.keep.payments = 300;
    c.keep.totalPaid = 45'000'000;
    c.firstOffer().way.firstPayment = 140000;
    c.firstOffer().way.payments = 312;
    c.firstOffer().way.totalPaid = 46'000'000;
    c.firstOffer().paymentDifference = -10000;
    c.firstOffer().totalPaidDifference = 1'000'000;
    c.firstOffer().presentValueDifference = -1'000'000;
    c.firstOffer().monthsDifference = 12;
    c.firstOffer().breakEvenMonth = 27;
    return c;
}

std::string sentence(const std::function<void(compare::Comparison &)> &change, double savingsRate = 0)
{
    compare::Comparison comparison = twoWays();
    change(comparison);
    return commands::comparisonSentence(comparison, savingsRate, pointComma, monthName);
}

struct Words {
    const char *name;
    std::function<std::string()> render;
    std::string english, german, french;
};

const Words wordsTable[] = {
    {"principal_check",
     [] {
         FakeForm form;
         form.type(commands::Field::Text1, "0");
         commands::Text1_LostFocus(form, pointComma);
         return form.messages().at(0);
     },
     "enter a Principal between $1 and $10000,000", "Geben Sie einen Darlehensbetrag zwischen $1 und $10.000.000 ein",
     "Saisissez un capital emprunté compris entre 1\u202F$ et 10\u202F000\u202F000\u202F$"},
    {"unreadable_input",
     [] {
         return commands::unreadableInputMessage(numtext::ReadErrorKind::NotANumber, commands::Field::Text3, "abc",
                                                 pointComma);
     },
     "The amortization period \"abc\" is not a number. Enter a number such as 20.",
     "Die Laufzeit \"abc\" ist keine Zahl. Geben Sie eine Zahl wie 20 ein.",
     "La durée \"abc\" n'est pas un nombre. Saisissez un nombre tel que 20."},
    {"ahead_from_month_k", [] { return sentence([](compare::Comparison &) {}); },
     "Taking the offer costs $10,000.00 more in all and is ahead for good from month 27 (2029-3); its payment is "
     "$100.00 lower and the last one is 1 year later.",
     "Das Angebot kostet insgesamt $10,000.00 mehr und liegt ab Monat 27 (2029-3) dauerhaft vorn; seine Monatsrate "
     "ist $100.00 niedriger, und die letzte Rate ist 1 Jahr später fällig.",
     "Accepter l'offre coûte $10,000.00 de plus au total et devient durablement avantageux à partir du mois 27 "
     "(2029-3)\u202F; sa mensualité est moins élevée de $100.00 et la dernière tombe 1 an plus tard."},
    {"ahead_at_once",
     [] {
         return sentence(
             [](compare::Comparison &c) {
                 c.firstOffer().breakEvenMonth = 0;
                 c.firstOffer().totalPaidDifference = -300'000;
                 c.firstOffer().paymentDifference = 2500;
                 c.firstOffer().monthsDifference = -14;
                 c.firstOffer().presentValueDifference = 50'000;
             },
             2);
     },
     "Taking the offer costs $3,000.00 less in all and is ahead from the start; its payment is $25.00 higher and "
     "the last one is 1 year and 2 months earlier; at your savings rate, everything it has you pay is worth "
     "$500.00 more today.",
     "Das Angebot kostet insgesamt $3,000.00 weniger und liegt von Anfang an vorn; seine Monatsrate ist $25.00 "
     "höher, und die letzte Rate ist 1 Jahr und 2 Monate früher fällig; zu Ihrem Sparzins ist alles, was Sie damit "
     "zahlen, heute $500.00 mehr wert.",
     "Accepter l'offre coûte $3,000.00 de moins au total et est avantageux dès le départ\u202F; sa mensualité est "
     "plus élevée de $25.00 et la dernière tombe 1 an et 2 mois plus tôt\u202F; à votre taux d'épargne, tout ce "
     "qu'elle vous fait payer vaut $500.00 de plus aujourd'hui."},
    {"never_ahead",
     [] {
         return sentence([](compare::Comparison &c) {
             c.firstOffer().breakEvenMonth.reset();
             c.firstOffer().monthsDifference = 5;
         });
     },
     "Taking the offer costs $10,000.00 more in all and never comes out ahead; its payment is $100.00 lower and the "
     "last one is 5 months later.",
     "Das Angebot kostet insgesamt $10,000.00 mehr und liegt nie vorn; seine Monatsrate ist $100.00 niedriger, und "
     "die letzte Rate ist 5 Monate später fällig.",
     "Accepter l'offre coûte $10,000.00 de plus au total et n'est jamais avantageux\u202F; sa mensualité est moins "
     "élevée de $100.00 et la dernière tombe 5 mois plus tard."},
    {"the_same",
     [] {
         return sentence([](compare::Comparison &c) {
             c.firstOffer().breakEvenMonth = 0;
             c.firstOffer().totalPaidDifference = 0;
             c.firstOffer().paymentDifference = 0;
             c.firstOffer().monthsDifference = 0;
         });
     },
     "Taking the offer costs the same; its payment is the same and the last one falls in the same month.",
     "Das Angebot kostet gleich viel; seine Monatsrate ist gleich hoch, und die letzte Rate fällt in denselben Monat.",
     "Accepter l'offre coûte autant\u202F; sa mensualité est la même et la dernière tombe le même mois."},
    {"refused_for_loan_1",
     [] {
         compare::ComparisonInputs inputs;
         inputs.loans = {{10'000'000, 6, 0, 10'000}};
         inputs.offers = {{5, 360, 0, 0}};
         inputs.firstPayment = january2027;
         return commands::comparisonSentence(compare::compareWays(inputs), 0, pointComma, monthName);
     },
     "The comparison cannot be made: for loan 1, the monthly payment never covers a month's interest, so it is never "
     "repaid.",
     "Der Vergleich ist nicht möglich, denn bei Darlehen 1 gilt: die Monatsrate deckt nie die Zinsen eines Monats, "
     "daher wird es nie getilgt.",
     "La comparaison est impossible\u202F: pour le prêt 1, la mensualité ne couvre jamais les intérêts d'un mois, il "
     "n'est donc jamais remboursé."},
};

// Installs the catalog of `language` as the program does: Qt's translator, and the plain libraries' words through
// it; removed again at the end of the scope.
class InstalledCatalog {
public:
    explicit InstalledCatalog(const char *language)
    {
        m_loaded = m_catalog.load(QStringLiteral("loanblend_%1").arg(QLatin1String(language)),
                                  QStringLiteral(LOANBLEND_BUILT_QM_DIR));
        QCoreApplication::installTranslator(&m_catalog);
        wording::installTranslator([](const char *context, const char *source, const char *disambiguation, int n) {
            return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
        });
    }
    ~InstalledCatalog()
    {
        wording::installTranslator(nullptr);
        QCoreApplication::removeTranslator(&m_catalog);
    }
    InstalledCatalog(const InstalledCatalog &) = delete;
    InstalledCatalog &operator=(const InstalledCatalog &) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_catalog;
    bool m_loaded = false;
};

class PlainWords : public testing::TestWithParam<Words> {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "plain_words_tests";
        static char *argv[] = {name, nullptr};
        static QCoreApplication application{argc, argv};
    }
};

TEST_P(PlainWords, read_in_each_language_with_the_figures_unchanged)
{
    const Words &words = GetParam();
    EXPECT_EQ(words.render(), words.english) << "no catalog";
    for (const auto &[language, expected] :
         {std::pair{"en", &words.english}, std::pair{"de", &words.german}, std::pair{"fr", &words.french}}) {
        const InstalledCatalog catalog{language};
        ASSERT_TRUE(catalog.loaded()) << language;
        EXPECT_EQ(words.render(), *expected) << language;
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, PlainWords, testing::ValuesIn(wordsTable),
                         [](const testing::TestParamInfo<Words> &row) { return std::string(row.param.name); });

// With no catalog at all, as in JSON and the scripts' CSV, a plural reads as English has it.
TEST(UntranslatedPlural, reads_as_english)
{
    EXPECT_EQ(wording::translate("ComparisonResults", "%1 month(s)", nullptr, 1), "%1 month");
    EXPECT_EQ(wording::translate("ComparisonResults", "%1 month(s)", nullptr, 0), "%1 months");
    EXPECT_EQ(wording::translate("ComparisonResults", "%n year(s)", nullptr, 2), "2 years");
}

} // namespace
