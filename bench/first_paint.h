// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

// Prints the wall-clock time of a window's first paint (nanoseconds since the epoch, for the calling script to
// subtract its own start time from) and the process's peak resident memory, then ends the program.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("painted_ns %lld\npeak_kib %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec, peakKib());
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long peakKib()
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

    bool m_seen = false;
};
