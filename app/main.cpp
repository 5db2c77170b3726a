// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "loanblend_version.h"
#include "window/calculator_form.h"
#include "window/system_marks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char *argv[])
{
    // A command, --help or --version is answered without a window, and without a display where there is none.
    if (cli::wantsCommandLine(argc, argv))
        return cli::run(argc, argv);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("loanblend"));
    QApplication::setApplicationName(QStringLiteral("loanblend"));
    QApplication::setApplicationVersion(QString::fromLatin1(loanblendVersion));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName("org.loanblend.LoanBlend");
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A scenario to open."),
                                 QStringLiteral("[FILE]"));
    parser.parse(QApplication::arguments());

    window::CalculatorForm form{window::marksOf(QLocale::system()), window::DesktopServices::system()};
    form.show();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        form.openScenario(files.front());
    return app.exec();
}
