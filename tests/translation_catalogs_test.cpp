// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped catalog is finished, and each translation keeps what the program fills in and the access key.
#include "localtext/translations.h"
#include "wording/wording.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Message {
    QString context, source;
    QStringList forms; // one per plural form; empty where the translation is missing
    bool unfinished = false;
    bool plural = false;
};

std::vector<Message> messagesOf(const QString &path)
{
    QFile file{path};
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml{&file};
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, false, xml.attributes().value(QLatin1String("numerus")) == u"yes"});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().unfinished = !type.isEmpty(); // unfinished, vanished or obsolete
            // A plural's forms are read one by one, as its numerusform elements follow.
            if (!messages.back().plural)
                messages.back().forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"numerusform") {
            messages.back().forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder{QStringLiteral("%L?[1-9n]")};
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured().remove(u'L');
    found.sort();
    found.removeDuplicates();
    return found;
}

int accessKeys(QString text)
{
    return int(text.remove(QStringLiteral("&&")).count(u'&'));
}

TEST(TranslationCatalogs, are_finished_and_keep_placeholders_and_access_keys)
{
    const QStringList catalogs = QDir(QStringLiteral(LOANBLEND_TRANSLATIONS_SOURCE_DIR)).entryList({"*.ts"});
    ASSERT_FALSE(catalogs.isEmpty());
    for (const QString &catalog : catalogs) {
        for (const Message &message : messagesOf(QStringLiteral(LOANBLEND_TRANSLATIONS_SOURCE_DIR "/") + catalog)) {
            const std::string where
                = (catalog + u' ' + message.context + QStringLiteral(": ") + message.source).toStdString();
            EXPECT_FALSE(message.unfinished) << where;
            // English, German and French each have two plural forms.
            EXPECT_EQ(message.forms.size(), message.plural ? 2 : 1) << where;
            for (const QString &form : message.forms) {
                EXPECT_FALSE(form.isEmpty()) << where;
                // A plural form may say "one" in words instead of %n.
                QStringList expected = placeholders(message.source);
                if (message.forms.size() > 1 && !form.contains(QStringLiteral("%n")))
                    expected.removeAll(QStringLiteral("%n"));
                EXPECT_EQ(placeholders(form), expected) << where << " -> " << form.toStdString();
                EXPECT_EQ(accessKeys(form), accessKeys(message.source)) << where << " -> " << form.toStdString();
            }
        }
    }
}

struct Filling {
    const char *name;
    std::string_view pattern, first;
    std::string expected;
};

const Filling fillings[] = {
    {"in_order", "from month %1 (%2)", "48", "from month 48 (December 2030)"},
    {"reordered", "%2: Monat %1", "48", "December 2030: Monat 48"},
    {"a_value_holding_a_place_is_not_filled_again", "%1 and %2", "%2", "%2 and December 2030"},
    {"percent_signs_that_hold_no_place_stay", "100 % and %3 and %", "48", "100 % and %3 and %"},
};

TEST(Wording, fills_each_place_by_its_number)
{
    for (const Filling &filling : fillings)
        EXPECT_EQ(wording::arg(filling.pattern, {filling.first, "December 2030"}), filling.expected) << filling.name;
}

TEST(Wording, stays_as_written_until_a_translator_is_installed)
{
    EXPECT_EQ(wording::translate("Comparison", "in %n months", nullptr, 12), "in 12 months");
    wording::installTranslator([](const char *, const char *, const char *, int) { return std::string("übersetzt"); });
    EXPECT_EQ(wording::translate("Comparison", "in %n months", nullptr, 12), "übersetzt");
    wording::installTranslator(nullptr);
    // Only a plural reads "(s)" as English spells it.
    EXPECT_EQ(wording::translate("Comparison", "fee(s) at signing"), "fee(s) at signing");
}

} // namespace
