// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plugin for bench/startup.sh to load into a program that opens a window (QT_QPA_GENERIC_PLUGINS=firstpaint):
// prints the wall-clock time of the first paint in the process (nanoseconds since the epoch, for the calling script
// to subtract its own start time from) and the process's peak resident memory, then ends the program. Loaded as a
// plugin rather than preloaded, it leaves the program as users start it: nothing preloaded, which changes how the
// program binds its window module. The bare yardstick is measured the same way.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
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

} // namespace

// Made by Qt as the application starts, before any window: watches every object's events from then on. Qt owns
// what it returns, and deletes it with the application.
class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        auto *watch = new FirstPaint;
        qApp->installEventFilter(watch);
        return watch;
    }
};

#include "first_paint.moc"
