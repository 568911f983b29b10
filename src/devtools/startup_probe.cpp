#include "devtools/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <time.h>
#include <unistd.h>
#endif

namespace zrt {

namespace {

class ExposeWatch : public QObject {
  public:
    ExposeWatch(QWindow* window, QElapsedTimer sinceMain) : QObject(window), sinceMain_(sinceMain) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !fired_ && static_cast<QWindow*>(watched)->isExposed()) {
            fired_ = true;
            // The window paints and flushes while the expose is handled; the figure is taken right after.
            QTimer::singleShot(0, this, [this] {
                std::printf(
                    "startup: %.0f ms to the shown main window (%.0f ms of them in main), VmRSS %ld kB\n",
                    msSinceProcessStart(), static_cast<double>(sinceMain_.nsecsElapsed()) / 1e6,
                    residentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    QElapsedTimer sinceMain_;
    bool fired_ = false;
};

}  // namespace

void probeStartup(QWidget* window, QElapsedTimer sinceMain) {
    QWindow* handle = window->windowHandle();
    if (!handle) return;
    handle->installEventFilter(new ExposeWatch(handle, sinceMain));
}

double msSinceProcessStart() {
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // Field 22 (start time in clock ticks since boot) counts from the end of the command name in brackets.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return -1;
    const double startTicks = fields[19].toDouble();
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1e3 / static_cast<double>(::sysconf(_SC_CLK_TCK));
#else
    return -1;
#endif
}

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    // Files under /proc have no size, so the whole text is read at once rather than line by line to the end.
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace zrt
