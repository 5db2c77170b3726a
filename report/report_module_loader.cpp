// SPDX-License-Identifier: GPL-3.0-or-later
#include "modules/module_loader.h"
#include "report_module.h"

#include <QCoreApplication>

namespace report {

namespace {

constexpr modules::ModuleNames reportModule{"loanblend-report", "loanblendReportModule",
                                            "loanblendReportModuleInterface"};

} // namespace

ReportModule *loadReportModule(QString &error)
{
    static ReportModule *loaded = nullptr;
    if (!loaded)
        loaded = loadReportModuleFrom(modules::moduleCandidates(reportModule), error);
    return loaded;
}

ReportModule *loadReportModuleFrom(const QStringList &paths, QString &error)
{
    QStringList reasons;
    if (const QFunctionPointer entry = modules::loadModuleFrom(paths, reportModule, reasons))
        return reinterpret_cast<ReportModule *(*)()>(entry)();
    //: Said when the report module cannot be loaded; the reasons follow on lines of their own.
    error = QCoreApplication::translate("ReportModuleLoader",
                                        "The schedules and the report are not available: their "
                                        "part of the program could not be loaded.")
        + u'\n' + reasons.join('\n');
    return nullptr;
}

} // namespace report
