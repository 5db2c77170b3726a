// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

// The program's parts that are loaded when used: the window (with Qt Widgets and Gui) and the schedules and report
// (with Qt Charts and PrintSupport). Each exports an entry point and the fingerprint of the headers it was built
// from, and only one built from the same headers as the program is taken.
namespace modules {

// A module's file name without ".so", and the names of its two exports.
struct ModuleNames {
    const char *file;
    const char *entry;
    const char *interface;
};

// Where the module may be: beside the program as built first, so that a build run on a machine with the package
// installed takes its own; then as installed. Found from the program's own file, so that it can be asked before
// any QCoreApplication exists.
QStringList moduleCandidates(const ModuleNames &names);

// The entry point of the first of `paths` (without the ".so") that holds a module of this build, loaded for good;
// null, with `reasons` saying what was wrong with each candidate that exists, when none does.
QFunctionPointer loadModuleFrom(const QStringList &paths, const ModuleNames &names, QStringList &reasons);

} // namespace modules
