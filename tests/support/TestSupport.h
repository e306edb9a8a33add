// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/common/EndProgram.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

// Counts calls to the end-program function for its lifetime instead of exiting.
struct EndProgramObserver
{
    int calls = 0;
    EndProgramObserver()
    {
        setEndProgramHandler([this] { ++calls; });
    }
    ~EndProgramObserver() { setEndProgramHandler({}); }
};

// While alive, hands every modal dialog or message box that comes up to act, once each, and
// notes it in seen: a message box by its title (its text goes to texts), any other window by its
// objectName. act must end the modal; by default it presses a box's Ok and closes any other.
struct ModalDriver
{
    QStringList seen, texts;
    std::function<void(QWidget *)> act = close;
    QList<QPointer<QWidget>> handled; // an act that waits must not get its modal again
    QTimer timer;

    ModalDriver()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || handled.contains(modal))
                return;
            handled << modal;
            auto *box = qobject_cast<QMessageBox *>(modal);
            seen << (box ? box->windowTitle() : modal->objectName());
            if (box)
                texts << box->text();
            act(modal);
        });
        timer.start(10);
    }
    static void close(QWidget *modal)
    {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
    }
};

// Runs action once on the next modal dialog or message box that becomes active, polling the
// event loop; start it before the call that opens the dialog.
inline void whenModalShown(std::function<void(QWidget *)> action, int timeoutMs = 5000)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, deadline] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            action(modal);
    });
    timer->start();
}
