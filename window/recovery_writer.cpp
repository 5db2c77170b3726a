// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_writer.h"

#include <QFile>
#include <QMetaObject>
#include <QThread>
#include <algorithm>

namespace window {

RecoveryWriter::RecoveryWriter(Save save)
    : m_save(std::move(save))
    , m_thread(QThread::create([this] { run(); }))
{
    m_thread->setObjectName(QStringLiteral("RecoveryWriter"));
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock{m_mutex};
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread->wait();
}

void RecoveryWriter::save(const QString &path, QByteArray bytes, QObject *context, std::function<void(bool)> saved,
                          const QString &replaced)
{
    enqueue({path, std::move(bytes), context, std::move(saved), replaced});
}

void RecoveryWriter::remove(const QString &path)
{
    enqueue({path, std::nullopt, nullptr, {}, {}});
}

// Whatever still waits for the same file is superseded: the newest save or removal is what the file must become.
// Tasks for other files keep their order.
void RecoveryWriter::enqueue(Task task)
{
    {
        const std::lock_guard lock{m_mutex};
        std::erase_if(m_tasks, [&task](const Task &waiting) { return waiting.path == task.path; });
        m_tasks.push_back(std::move(task));
    }
    m_changed.notify_all();
    // Started by the first task, so that a window's start does not wait for a thread it may never need.
    if (!m_thread->isRunning())
        m_thread->start();
}

void RecoveryWriter::finish()
{
    std::unique_lock lock{m_mutex};
    m_changed.wait(lock, [this] { return m_tasks.empty() && !m_busy; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock{m_mutex};
    for (;;) {
        m_changed.wait(lock, [this] { return !m_tasks.empty() || m_stopping; });
        if (m_tasks.empty())
            return;
        Task task = std::move(m_tasks.front());
        m_tasks.pop_front();
        m_busy = true;
        lock.unlock();
        if (task.bytes) {
            const bool saved = m_save(task.path, *task.bytes);
            if (saved && !task.replaced.isEmpty())
                QFile::remove(task.replaced);
            if (task.saved && task.context)
                QMetaObject::invokeMethod(
                    task.context, [done = std::move(task.saved), saved] { done(saved); }, Qt::QueuedConnection);
        } else {
            QFile::remove(task.path);
        }
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

} // namespace window
