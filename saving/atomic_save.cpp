// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_save.h"

#include "system_reason.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saving {

namespace {

QString reasonFor(const QString &path, const QString &systemReason)
{
    const QFileInfo file{path};
    const QFileInfo folder{file.absolutePath()};
    if (path.isEmpty())
        return QCoreApplication::translate("Saving", "no file name was given");
    if (!folder.exists())
        return QCoreApplication::translate("Saving", "the folder does not exist");
    if (!folder.isDir())
        return QCoreApplication::translate("Saving", "the folder's name belongs to a file");
    if (file.isDir())
        return QCoreApplication::translate("Saving", "a folder of that name is in the way");
    if (!folder.isWritable())
        return QCoreApplication::translate("Saving", "the folder is read-only");
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("Saving", "the file is read-only");
    if (systemReason.isEmpty())
        return QCoreApplication::translate("Saving", "the reason is unknown");
    return asClause(systemReason);
}

// `reason` as a clause already (systemReason gives one).
QString inPlaceFailure(const QString &reason)
{
    return QCoreApplication::translate("Saving", "The file could not be saved: %1.").arg(reason);
}

// A FIFO, a terminal or a device such as /dev/null takes the bytes as they come: there is no old content to keep
// and nothing to rename over it, and renaming would put a regular file in the place of the node. Opened without
// waiting, so that a FIFO no one reads is a failure rather than a hang.
bool writeInPlace(const QString &path, mode_t mode, const std::function<bool(QIODevice &file, QString &error)> &write,
                  QString &error)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        const int failure = errno;
        QString reason = systemReason(failure);
        if (failure == ENXIO && S_ISFIFO(mode))
            reason = QCoreApplication::translate("Saving", "nothing is reading from it");
        else if (failure == ENXIO && S_ISSOCK(mode))
            reason = QCoreApplication::translate("Saving", "it is a socket, not a file");
        error = inPlaceFailure(reason);
        return false;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        error = inPlaceFailure(asClause(file.errorString()));
        return false;
    }
    QString writeError;
    const bool written = write(file, writeError);
    const bool flushed = written && file.flush();
    const int flushFailure = errno;
    if (!flushed) {
        error = !writeError.isEmpty() ? writeError
            : written                 ? inPlaceFailure(systemReason(flushFailure))
                                      : inPlaceFailure(asClause(file.errorString()));
        return false;
    }
    error.clear();
    return true;
}

} // namespace

QString saveFailureMessage(const QString &path, const QString &systemReason)
{
    return QCoreApplication::translate("Saving", "The file could not be saved: %1.").arg(reasonFor(path, systemReason));
}

bool saveAtomically(const QString &path, const std::function<bool(QIODevice &file, QString &error)> &write,
                    QString &error)
{
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        error = saveFailureMessage(path, {});
        return false;
    }
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        if (S_ISBLK(status.st_mode)) {
            error = inPlaceFailure(QCoreApplication::translate("Saving", "it is a disk, which is never written to"));
            return false;
        }
        return writeInPlace(path, status.st_mode, write, error);
    }
    QSaveFile file{path};
    if (!file.open(QIODevice::WriteOnly)) {
        error = saveFailureMessage(path, file.errorString());
        return false;
    }
    QString writeError;
    // What is still in the file's buffer is written here and its failure seen: a commit that has to write it
    // itself reports success even where the disk took none of it, and replaces the old file with the stump.
    const bool written = write(file, writeError);
    const bool flushed = written && file.flush();
    const int flushFailure = errno; // the file's own account of a failed flush says no more than "unknown error"
    if (!flushed) {
        // Cancelling replaces the file's own account of what went wrong.
        const QString systemReason = written ? QString::fromLocal8Bit(std::strerror(flushFailure)) : file.errorString();
        file.cancelWriting();
        error = writeError.isEmpty() ? saveFailureMessage(path, systemReason) : writeError;
        return false;
    }
    // A write that failed part-way is remembered by the file and makes the commit fail too.
    if (!file.commit()) {
        error = saveFailureMessage(path, file.errorString());
        return false;
    }
    error.clear();
    return true;
}

bool saveBytesAtomically(const QString &path, QByteArrayView bytes, QString &error)
{
    return saveAtomically(
        path,
        [bytes](QIODevice &file, QString &) {
            // A short write is no failure yet: the next one reports why the disk took no more.
            for (qint64 written = 0; written < bytes.size();) {
                const qint64 count = file.write(bytes.data() + written, bytes.size() - written);
                if (count <= 0)
                    return false;
                written += count;
            }
            return true;
        },
        error);
}

} // namespace saving
