// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace report {

namespace {

// Where the module may be, relative to the program's folder: as installed, then as built.
QStringList candidates()
{
    const QDir programDir{QCoreApplication::applicationDirPath()};
    return {programDir.absoluteFilePath(QStringLiteral(LOANBLEND_INSTALLED_MODULE_DIR "/loanblend-report")),
            programDir.absoluteFilePath(QStringLiteral(LOANBLEND_BUILT_MODULE_DIR "/loanblend-report"))};
}

} // namespace

ReportModule *loadReportModule(QString &error)
{
    using Entry = ReportModule *(*)();
    static ReportModule *loaded = nullptr;
    if (loaded)
        return loaded;
    QString reasons;
    for (const QString &path : candidates()) {
        // Never unloaded: the windows it made live as long as the program.
        QLibrary library{path};
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (const auto entry = reinterpret_cast<Entry>(library.resolve("loanblendReportModule"))) {
            loaded = entry();
            return loaded;
        }
        reasons += QStringLiteral("\n") + library.errorString();
    }
    error = QStringLiteral("The schedules and the report are not available: their part of the program could not "
                           "be loaded.")
        + reasons;
    return nullptr;
}

} // namespace report
