// SPDX-License-Identifier: GPL-3.0-or-later
#include "module_loader.h"

#include "loanblend_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#if defined(__SANITIZE_ADDRESS__)
#define LOANBLEND_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LOANBLEND_ADDRESS_SANITIZER
#endif
#endif

namespace modules {

namespace {

// A module binds its symbols to the libraries it was linked with first, as a program linked with them would,
// rather than searching the program's own libraries before them: for Qt's GUI libraries, that search is a
// millisecond of every start. Not where a library is preloaded, since one preloaded to stand in for the system's (an
// allocator, a tracer) must stand in for the module's libraries too; nor under the address sanitizer, which refuses
// such binding.
QLibrary::LoadHints bindingHints()
{
#ifndef LOANBLEND_ADDRESS_SANITIZER
    if (qEnvironmentVariableIsEmpty("LD_PRELOAD") && !QFileInfo::exists(QStringLiteral("/etc/ld.so.preload")))
        return QLibrary::DeepBindHint;
#endif
    return {};
}

} // namespace

QStringList moduleCandidates(const ModuleNames &names)
{
    // The kernel's link to the running program, as Qt's applicationDirPath reads it, with no application object.
    const QDir programDir{QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()};
    const QString file = QString::fromLatin1(names.file);
    return {programDir.absoluteFilePath(QStringLiteral(LOANBLEND_BUILT_MODULE_DIR "/") + file),
            programDir.absoluteFilePath(QStringLiteral(LOANBLEND_INSTALLED_MODULE_DIR "/") + file)};
}

QFunctionPointer loadModuleFrom(const QStringList &paths, const ModuleNames &names, QStringList &reasons)
{
    using Interface = const char *(*)();
    for (const QString &path : paths) {
        QLibrary library{path};
        library.setLoadHints(bindingHints());
        const auto interface = reinterpret_cast<Interface>(library.resolve(names.interface));
        const QFunctionPointer entry = library.resolve(names.entry);
        if (!interface || !entry) {
            if (QFileInfo::exists(path + QStringLiteral(".so"))) // an absent candidate is no news
                reasons << library.errorString();
            library.unload();
            continue;
        }
        if (qstrcmp(interface(), loanblendModuleInterface) != 0) {
            //: %1 is the module's file; %2 and %3 are build identifiers.
            reasons << QCoreApplication::translate("Modules",
                                                   "%1 belongs to another build of the program (%2, where this one is "
                                                   "%3).")
                           .arg(QDir::toNativeSeparators(library.fileName()), QString::fromLatin1(interface()),
                                QString::fromLatin1(loanblendModuleInterface));
            library.unload();
            continue;
        }
        // Never unloaded: what the module made lives as long as the program.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        library.load();
        return entry;
    }
    if (reasons.isEmpty())
        reasons << QCoreApplication::translate("Modules", "It is not installed beside the program.");
    return nullptr;
}

} // namespace modules
