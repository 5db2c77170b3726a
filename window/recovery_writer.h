// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QObject;
class QThread;

namespace window {

// Saves and removes files on a thread of its own, in the order they are asked for, so that a slow disk never holds
// up a keystroke. A save still waiting gives way to a newer save of the same file or to its removal; a removal asked
// for while a save of the file is under way comes after that save, so the save never brings back a file just
// removed.
class RecoveryWriter {
public:
    // How a file is saved: whole or not at all, false where it was not (saving::saveBytesAtomically).
    using Save = std::function<bool(const QString &path, const QByteArray &bytes)>;

    explicit RecoveryWriter(Save save);
    // Finishes everything asked for first.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    // Where the save is made, `saved` is called with whether it was, on `context`'s thread while `context` lives.
    // The file `replaced`, where one is named, is removed once the save is made, and only then.
    void save(const QString &path, QByteArray bytes, QObject *context = nullptr,
              std::function<void(bool saved)> saved = {}, const QString &replaced = {});
    void remove(const QString &path);
    // Returns once everything asked for so far is done.
    void finish();

private:
    struct Task {
        QString path;
        std::optional<QByteArray> bytes; // none: remove the file
        QObject *context = nullptr;
        std::function<void(bool)> saved;
        QString replaced;
    };

    void enqueue(Task task);
    void run();

    Save m_save;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Task> m_tasks;
    bool m_busy = false;
    bool m_stopping = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace window
