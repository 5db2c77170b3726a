// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;

namespace saving {

// Writes a file through a temporary beside it that replaces the file only once it is complete, so a save that
// fails or is abandoned part-way leaves any file already there untouched. `write` returns false to abandon the
// save, with `error` set to why; on any failure `error` says why in plain words. A name that is a FIFO, a terminal or
// a character device is written in place, never replaced; a folder or a disk is refused.
bool saveAtomically(const QString &path, const std::function<bool(QIODevice &file, QString &error)> &write,
                    QString &error);

// `bytes` as the whole of the file, saved as saveAtomically saves.
bool saveBytesAtomically(const QString &path, QByteArrayView bytes, QString &error);

// "The file could not be saved: the folder is read-only." What is known of the folder and the file comes first;
// `systemReason` (the operating system's words) is the last resort.
QString saveFailureMessage(const QString &path, const QString &systemReason);

} // namespace saving
