// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "PlayerFileTest.h"

#include <QtTest>
#include <QtWidgets>

inline QString message(const QString &title, const QString &text,
                       QMessageBox::Icon icon = QMessageBox::Warning)
{
    return u"%1|%2|%3"_s.arg(int(icon)).arg(title, text);
}

// Answers modal dialogs while alive: message boxes are noted and confirmed; any other goes to
// act, which must close it without opening another one.
struct ModalDriver
{
    QStringList messages;
    std::function<void(QWidget *)> act = [](QWidget *w) {
        w->close();
    };
    QTimer timer;

    ModalDriver()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                messages << message(box->windowTitle(), box->text(), box->icon());
                box->button(QMessageBox::Ok)->click();
            } else if (modal) {
                messages << modal->objectName();
                act(modal);
            }
        });
        timer.start(10);
    }
};
