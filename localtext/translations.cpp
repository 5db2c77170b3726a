// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include "wording/wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace localtext {

namespace {

// The locale that names the messages' language, as gettext reads it.
QByteArray messagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = qgetenv(variable); !value.isEmpty())
            return value;
    return {};
}

bool isCLocale(const QByteArray &locale)
{
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

bool hasCatalog(const QString &language)
{
    for (const QString &folder : catalogFolders())
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("loanblend_%1.qm").arg(language))))
            return true;
    return false;
}

QString chooseLanguage()
{
    if (isCLocale(messagesLocale()))
        return QStringLiteral("en");
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QString language = QLocale(name).name().section(u'_', 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return QStringLiteral("en");
        if (hasCatalog(language))
            return language;
    }
    return QStringLiteral("en");
}

std::string translateWithQt(const char *context, const char *source, const char *disambiguation, int n)
{
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
}

} // namespace

QString uiLanguage()
{
    static const QString language = chooseLanguage();
    return language;
}

QString uiLanguageName()
{
    const QString name = QLocale(uiLanguage()).nativeLanguageName();
    return name.isEmpty() ? QStringLiteral("English") : name;
}

QStringList catalogFolders()
{
    // Beside the program in the build tree and as installed alike: <bin>/../share/loanblend/translations.
    const QDir programDir{QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()};
    return {QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral(LOANBLEND_BUILT_TRANSLATIONS_DIR))),
            QStringLiteral(LOANBLEND_INSTALLED_TRANSLATIONS_DIR)};
}

bool installCatalog(const QString &name)
{
    // Each module links the plain libraries, and so their translator, in a copy of its own.
    wording::installTranslator(translateWithQt);
    auto *catalog = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : catalogFolders())
        if (catalog->load(QStringLiteral("%1_%2").arg(name, uiLanguage()), folder))
            return QCoreApplication::installTranslator(catalog);
    delete catalog;
    return false;
}

void installQtCatalog()
{
    if (uiLanguage() == QLatin1String("en"))
        return;
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + uiLanguage(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace localtext
