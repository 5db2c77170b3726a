// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace modules {

// Declared before the application object, so that it is destroyed after it: waits, up to two seconds, until the
// process runs on its main thread alone. Qt's worker threads, such as those of the pool that paints large areas,
// end after the application has stopped them and free their thread data as they exit, moments after QThread::wait
// has returned; LeakSanitizer, which checks as the process exits, would take that data of a thread still exiting
// for a leak. Does nothing outside a build with AddressSanitizer, where threads a desktop library keeps for the
// life of the process would delay every exit.
class WorkerThreadsEndFirst {
public:
    WorkerThreadsEndFirst() = default;
    ~WorkerThreadsEndFirst();
    WorkerThreadsEndFirst(const WorkerThreadsEndFirst &) = delete;
    WorkerThreadsEndFirst &operator=(const WorkerThreadsEndFirst &) = delete;
};

} // namespace modules
