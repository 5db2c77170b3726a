// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "loanblend_version.h"
#include "window/calculator_form.h"
#include "window/system_marks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream the caller closed gets a descriptor again, before any file the program opens can take its number:
// Qt's own event descriptor read as standard input would keep the program waiting for ever, and output meant for the
// terminal would go into it. Opened for reading only, so standard input reads as empty and writes to the others fail
// with "bad file descriptor", as they would have.
void reopenClosedStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY); // the lowest free number: this one
}

} // namespace

int main(int argc, char *argv[])
{
    reopenClosedStandardStreams();
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
    // What is left once Qt has taken its own options (-style, -platform) is a FILE at most.
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString problem
            = parser.errorText().isEmpty() ? QStringLiteral("only one FILE can be opened") : parser.errorText();
        std::fprintf(stderr, "loanblend: %s\n%s", qPrintable(problem),
                     "Usage: loanblend [FILE] | loanblend COMMAND ... (loanblend --help lists the commands)\n");
        return 2;
    }

    window::CalculatorForm form{window::marksOf(QLocale::system()), window::DesktopServices::system()};
    form.show();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        form.openScenario(files.front());
    return app.exec();
}
