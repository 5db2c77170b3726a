// SPDX-License-Identifier: GPL-3.0-or-later
#include "loanblend_version.h"
#include "report_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace report {

namespace {

// Where the module may be, relative to the program's folder: beside the program as built first, so that a build
// run on a machine with the package installed takes its own; then as installed.
QStringList candidates()
{
    const QDir programDir{QCoreApplication::applicationDirPath()};
    return {programDir.absoluteFilePath(QStringLiteral(LOANBLEND_BUILT_MODULE_DIR "/loanblend-report")),
            programDir.absoluteFilePath(QStringLiteral(LOANBLEND_INSTALLED_MODULE_DIR "/loanblend-report"))};
}

} // namespace

ReportModule *loadReportModule(QString &error)
{
    static ReportModule *loaded = nullptr;
    if (!loaded)
        loaded = loadReportModuleFrom(candidates(), error);
    return loaded;
}

ReportModule *loadReportModuleFrom(const QStringList &paths, QString &error)
{
    using Entry = ReportModule *(*)();
    using Interface = const char *(*)();
    QStringList reasons;
    for (const QString &path : paths) {
        QLibrary library{path};
        const auto interface = reinterpret_cast<Interface>(library.resolve("loanblendReportModuleInterface"));
        const auto entry = reinterpret_cast<Entry>(library.resolve("loanblendReportModule"));
        if (!interface || !entry) {
            if (QFileInfo::exists(path + QStringLiteral(".so"))) // an absent candidate is no news
                reasons << library.errorString();
            library.unload();
            continue;
        }
        if (qstrcmp(interface(), loanblendModuleInterface) != 0) {
            reasons << QStringLiteral("%1 belongs to another build of the program (%2, where this one is %3).")
                           .arg(QDir::toNativeSeparators(library.fileName()), QString::fromLatin1(interface()),
                                QString::fromLatin1(loanblendModuleInterface));
            library.unload();
            continue;
        }
        // Never unloaded: the windows it made live as long as the program.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        library.load();
        return entry();
    }
    if (reasons.isEmpty())
        reasons << QStringLiteral("It is not installed beside the program.");
    error = QStringLiteral("The schedules and the report are not available: their part of the program could not "
                           "be loaded.\n")
        + reasons.join('\n');
    return nullptr;
}

} // namespace report
