// SPDX-License-Identifier: GPL-3.0-or-later
// The window module's entry point: the window, and the `report` command, each in the QApplication made for it.
#include "cli/command_line.h"
#include "loanblend_version.h"
#include "localtext/system_marks.h"
#include "localtext/translations.h"
#include "modules/worker_threads.h"
#include "window/calculator_form.h"
#include "window_module.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

namespace {

int runWindow(int argc, char *argv[])
{
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("loanblend"));
    QApplication::setApplicationName(QStringLiteral("loanblend"));
    QApplication::setApplicationVersion(QString::fromLatin1(loanblendVersion));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName("org.loanblend.LoanBlend");
    localtext::installQtCatalog();
    localtext::installCatalog(QStringLiteral("loanblend"));
    localtext::installCatalog(QStringLiteral("loanblend-window"));
    QCommandLineParser parser;
    //: The placeholder of the file argument in the usage line: FILE and [FILE] name the same thing.
    parser.addPositionalArgument(QCoreApplication::translate("WindowModule", "FILE"),
                                 QCoreApplication::translate("WindowModule", "A scenario to open."),
                                 QCoreApplication::translate("WindowModule", "[FILE]"));
    // What is left once Qt has taken its own options (-style, -platform) is a FILE at most.
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString problem = parser.errorText().isEmpty()
            ? QCoreApplication::translate("WindowModule", "only one FILE can be opened")
            : parser.errorText();
        //: loanblend and --help are typed as they stand; FILE as translated above.
        const QString usage = QCoreApplication::translate(
            "WindowModule", "Usage: loanblend [FILE] | loanblend COMMAND ... (loanblend --help lists the commands)");
        std::fprintf(stderr, "loanblend: %s\n%s\n", qPrintable(problem), qPrintable(usage));
        return 2;
    }

    window::CalculatorForm form{localtext::marksOf(QLocale::system()), window::DesktopServices::system()};
    form.show();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        form.openScenario(files.front());
    return app.exec();
}

int runReport(int argc, char *argv[])
{
    cli::chooseOffscreenPlatform();
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    return cli::run(argc, argv);
}

} // namespace

// What the program checks before it takes the module: the headers both were built from.
extern "C" Q_DECL_EXPORT const char *loanblendWindowModuleInterface()
{
    return loanblendModuleInterface;
}

extern "C" Q_DECL_EXPORT int loanblendWindowMain(int argc, char *argv[])
{
    return cli::needsWidgets(argc, argv) ? runReport(argc, argv) : runWindow(argc, argv);
}
