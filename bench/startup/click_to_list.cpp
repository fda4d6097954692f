// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// How long a click on a create button takes until the command list window
// is on the screen: from the mouse click on btnShow (then on btniBeacon,
// with the iBeacon tab shown) until the new TfrmResult has been painted and
// flushed. Each window is closed with its OK button before the next click.
//
// Usage: bench-click-to-list [CLICKS]   (default 50 per button)
// Prints, per button, the first (cold) click, the median and the maximum
// over all clicks, and the median time until the window's Show event.
#include "main.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Notes when the command list window is shown and when its first repaint
// has been flushed, then presses its OK button.
class ResultWatch : public QObject
{
public:
    ResultWatch() { qApp->installEventFilter(this); }

    void Arm()
    {
        shown_.reset();
        painted_.reset();
        paintSeen_ = false;
    }
    [[nodiscard]] const std::optional<Clock::time_point> &Shown() const { return shown_; }
    [[nodiscard]] const std::optional<Clock::time_point> &Painted() const { return painted_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        QWidget *const window = static_cast<QWidget *>(watched)->window();
        if (window->objectName() != QLatin1String("frmResult"))
            return QObject::eventFilter(watched, event);

        if (event->type() == QEvent::Show && watched == window && !shown_)
            shown_ = Clock::now();
        if (event->type() == QEvent::Paint && !paintSeen_) {
            paintSeen_ = true;
            // After the whole repaint and its flush, note the time and press OK.
            QTimer::singleShot(0, this, [this, window] {
                painted_ = Clock::now();
                if (auto *ok = window->findChild<QPushButton *>(QStringLiteral("btnOK")))
                    QTest::mouseClick(ok, Qt::LeftButton);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::optional<Clock::time_point> shown_;
    std::optional<Clock::time_point> painted_;
    bool paintSeen_ = false;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

bool Measure(const char *name, QPushButton *button, ResultWatch &watch, int clicks)
{
    std::vector<double> toPainted;
    std::vector<double> toShown;
    for (int click = 0; click < clicks; ++click) {
        watch.Arm();
        const Clock::time_point start = Clock::now();
        // Returns when the modal window has been closed again.
        QTest::mouseClick(button, Qt::LeftButton);
        if (!watch.Painted() || !watch.Shown()) {
            std::fprintf(stderr, "%s: click %d showed no command list window\n", name, click + 1);
            return false;
        }
        toPainted.push_back(Milliseconds(start, *watch.Painted()));
        toShown.push_back(Milliseconds(start, *watch.Shown()));
        // Let the main window repaint before the next click, as a user would.
        QTest::qWait(20);
    }
    std::printf("click_to_list %s: clicks=%d first_ms=%.2f median_ms=%.2f max_ms=%.2f show_median_ms=%.2f\n",
                name, clicks, toPainted.front(), Median(toPainted),
                *std::max_element(toPainted.begin(), toPainted.end()), Median(toShown));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    TfrmMain frmMain;
    frmMain.show();
    if (!QTest::qWaitForWindowExposed(&frmMain)) {
        std::fprintf(stderr, "The main window was not shown\n");
        return 1;
    }
    auto *mainPage = frmMain.findChild<QTabWidget *>(QStringLiteral("MainPage"));
    auto *tabBeacon = frmMain.findChild<QWidget *>(QStringLiteral("tabBeacon"));
    auto *btnShow = frmMain.findChild<QPushButton *>(QStringLiteral("btnShow"));
    auto *btniBeacon = frmMain.findChild<QPushButton *>(QStringLiteral("btniBeacon"));
    if (!mainPage || !tabBeacon || !btnShow || !btniBeacon) {
        std::fprintf(stderr, "The main window lacks one of its controls\n");
        return 1;
    }

    ResultWatch watch;
    if (!Measure("study", btnShow, watch, clicks))
        return 1;
    mainPage->setCurrentWidget(tabBeacon);
    QTest::qWait(50);
    if (!Measure("ibeacon", btniBeacon, watch, clicks))
        return 1;
    return 0;
}
