// SPDX-License-Identifier: GPL-3.0-or-later
// The program on Qt Core alone: a command runs here, and the window, or `report`, which draws with Qt's widgets,
// runs in the window module, so that a command never loads Qt's GUI, its platform plugin or D-Bus.
#include "cli/command_line.h"
#include "localtext/translations.h"
#include "window_module.h"

#include <QCoreApplication>
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
    if (cli::wantsCommandLine(argc, argv) && !cli::needsWidgets(argc, argv))
        return cli::run(argc, argv);
    QStringList reasons;
    if (const QFunctionPointer entry
        = modules::loadModuleFrom(modules::moduleCandidates(windowModule), windowModule, reasons))
        return reinterpret_cast<WindowMain>(entry)(argc, argv);
    // Said in the user's words, which the window's module would have installed.
    QCoreApplication app(argc, argv);
    localtext::installCatalog(QStringLiteral("loanblend-cli"));
    const QString what = cli::needsWidgets(argc, argv)
        ? QCoreApplication::translate("Launcher",
                                      "the report could not be drawn: its part of the program could not "
                                      "be loaded.")
        : QCoreApplication::translate("Launcher",
                                      "the window could not be opened: its part of the program could not "
                                      "be loaded.");
    const QByteArray message = QStringLiteral("loanblend: %1\n%2\n").arg(what, reasons.join('\n')).toLocal8Bit();
    std::fwrite(message.constData(), 1, std::size_t(message.size()), stderr);
    return 2;
}
