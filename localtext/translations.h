// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's words in the user's language: which language that is, and its catalogs, installed into the running
// application. Each part of the program installs its own catalog when it is first used.
namespace localtext {

// The language of the program's words: the first of the user's languages (as QLocale::system().uiLanguages() orders
// them) that has a catalog, or English, which needs none. As gettext does, LANGUAGE is not read where LC_ALL, else
// LC_MESSAGES, else LANG names the C locale, so that a script that sets LC_ALL=C reads English. "en" for English.
QString uiLanguage();

// The language's name in that language, for Help > About: "Deutsch", "français", "English".
QString uiLanguageName();

// Installs the catalog `name` ("loanblend", "loanblend-cli", "loanblend-window", "loanblend-report") of uiLanguage() into the
// application, and has the plain libraries' words of the calling module translated through the application's
// catalogs. False where the catalog was not found; its words then stay English.
bool installCatalog(const QString &name);

// Installs Qt's own catalog of uiLanguage() (its dialogs' buttons and the command line's help), once per process.
void installQtCatalog();

// Where catalogs are looked for: beside the program as built, then as installed.
QStringList catalogFolders();

} // namespace localtext
