// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared by the start-up benchmarks: how long ago this process started, and
// a watcher that reports when a window has first been painted and then ends
// the program. Benchmark code only: the program itself reads no environment.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <unistd.h>

namespace startup_bench {

inline double Seconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Milliseconds since the process was started. The driver script sets
// BRENVIK_BENCH_START to the wall-clock time (seconds since the epoch with a
// fraction, as bash's $EPOCHREALTIME gives it) just before it starts the
// process; without it the kernel's start time of the process is used, which
// is only accurate to one clock tick (usually 10 ms).
inline double MillisecondsSinceStart()
{
    if (const char *start = std::getenv("BRENVIK_BENCH_START")) {
        char *end = nullptr;
        errno = 0;
        const double startSeconds = std::strtod(start, &end);
        if (errno == 0 && end != start)
            return (Seconds(CLOCK_REALTIME) - startSeconds) * 1000.0;
    }
    // Field 22 of /proc/self/stat, in clock ticks since boot; the command
    // name in field 2 may hold spaces, so count from its closing bracket.
    std::ifstream statFile("/proc/self/stat");
    const std::string stat{std::istreambuf_iterator<char>(statFile), std::istreambuf_iterator<char>()};
    const std::size_t bracket = stat.rfind(')');
    if (bracket == std::string::npos)
        return -1.0;
    std::istringstream fields(stat.substr(bracket + 2));
    std::string skipped;
    for (int number = 3; number < 22; ++number)
        fields >> skipped;
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks))
        return -1.0;
    const auto ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (Seconds(CLOCK_BOOTTIME) - static_cast<double>(startTicks) / ticksPerSecond) * 1000.0;
}

// Watches every widget of `window`; after the first paint of any of them,
// once that whole repaint has been flushed to the screen, prints
//   main_ms=<time main() was entered> first_paint_ms=<time of the paint>
//   cpu_ms=<processor time this process has used so far, all its threads>
// (the first two since process start) and quits the application. Gives up
// with exit code 1 when nothing has been painted after 30 s.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, double mainMs)
        : window_(window)
        , mainMs_(mainMs)
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(30000, this, [] {
            std::fprintf(stderr, "The window was not painted within 30 s\n");
            QCoreApplication::exit(1);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == window_) {
            painted_ = true;
            // The repaint that sent this event goes on to paint the other
            // widgets and to flush the window; a zero timer runs after it.
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report() const
    {
        const double paintMs = MillisecondsSinceStart();
        const double cpuMs = Seconds(CLOCK_PROCESS_CPUTIME_ID) * 1000.0;
        std::printf("main_ms=%.2f first_paint_ms=%.2f cpu_ms=%.2f\n", mainMs_, paintMs, cpuMs);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget *window_;
    double mainMs_;
    bool painted_ = false;
};

} // namespace startup_bench
