// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded (LD_PRELOAD) into a program that opens a window: prints the wall-clock time of the first paint in the
// process (nanoseconds since the epoch, for the calling script to subtract its own start time from) and the
// process's peak resident memory, then ends the program. Preloaded, it sees the program as users start it, through
// its launcher and the module that makes the QApplication; the bare yardstick is measured the same way.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long peakKib()
{
    std::ifstream status{"/proc/self/status"};
    for (std::string key; status >> key;) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("painted_ns %lld\npeak_kib %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec, peakKib());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// Run by Qt as the application object is made: watches every object's events from then on.
void watchForFirstPaint()
{
    qApp->installEventFilter(new FirstPaint(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
