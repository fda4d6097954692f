// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Handles the modal windows that a user action opens, from inside the test.
//
// A click that opens a message box or the command list window does not
// return until that window closes, so the test cannot look at the window
// after the click. A ModalHelper polls QApplication::activeModalWidget()
// while the modal loop runs and hands each new modal window to a callback.
// The callback only records what it sees and then closes the window (clicks
// its OK button, calls done()); the test asserts on the recorded values once
// the click has returned. A failed QVERIFY inside the callback would return
// from the callback alone and leave the window open.
//
// Whatever the callback leaves open is closed by the helper and counted, and
// when the time limit runs out every modal window still open is closed too,
// so a faulty window cannot hang the suite.

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <utility>

class ModalHelper : public QObject
{
public:
    using Handler = std::function<void(QWidget *modal)>;

    explicit ModalHelper(Handler handler, std::chrono::milliseconds limit = std::chrono::seconds(20))
        : handler_(std::move(handler))
    {
        poll_.setInterval(std::chrono::milliseconds(5));
        connect(&poll_, &QTimer::timeout, this, &ModalHelper::Poll);
        poll_.start();
        limit_.setSingleShot(true);
        connect(&limit_, &QTimer::timeout, this, &ModalHelper::CloseAll);
        limit_.start(limit);
    }

    // Modal windows handed to the callback.
    [[nodiscard]] int seen() const { return seen_; }
    // Modal windows that were still visible after the callback returned.
    [[nodiscard]] int leftOpen() const { return leftOpen_; }
    // Modal windows closed because the time limit ran out.
    [[nodiscard]] int closedAtLimit() const { return closedAtLimit_; }

    // Closes a modal window the way the window system's close box does for
    // a dialog: QDialog::reject(), or close() for any other widget; hides it
    // should it refuse, which also ends its modal loop.
    static void Close(QWidget *window)
    {
        const QPointer<QWidget> guard(window);
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
        if (guard && guard->isVisible())
            guard->hide();
    }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == last_)
            return;
        last_ = modal;
        ++seen_;
        handler_(modal);
        if (last_ && last_->isVisible()) {
            ++leftOpen_;
            Close(last_);
        }
    }

    void CloseAll()
    {
        poll_.stop();
        // A bounded loop: a window that refuses to close must not hang us here.
        for (int i = 0; i < 10; ++i) {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                break;
            ++closedAtLimit_;
            Close(modal);
        }
    }

    Handler handler_;
    QTimer poll_;
    QTimer limit_;
    QPointer<QWidget> last_;
    int seen_ = 0;
    int leftOpen_ = 0;
    int closedAtLimit_ = 0;
};
