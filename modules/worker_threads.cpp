// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker_threads.h"

#include <QDir>
#include <QThread>

namespace modules {

WorkerThreadsEndFirst::~WorkerThreadsEndFirst()
{
#if defined(__SANITIZE_ADDRESS__)
    const QDir threads{QStringLiteral("/proc/self/task")};
    for (int tries = 0; tries < 200 && threads.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 1; ++tries)
        QThread::msleep(10);
#endif
}

} // namespace modules
