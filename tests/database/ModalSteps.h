// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Runs action on the next active modal widget that match accepts. A parent dialog that is
// already open does not count, so nested dialogs can be driven one step at a time. If none
// turns up, the active dialog is rejected so the test fails instead of hanging.
inline void whenActive(std::function<bool(QWidget *)> match, std::function<void(QWidget *)> action,
                       int timeoutMs = 5000)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, match, action, deadline] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool found = modal && match(modal);
        if (!found && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (found) {
            action(modal);
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            qWarning("expected dialog did not appear; closing %s", qPrintable(modal->objectName()));
            dialog->reject();
        }
    });
    timer->start();
}

inline void whenWindow(const QString &name, std::function<void(QWidget *)> action)
{
    whenActive([name](QWidget *w) { return w->objectName() == name; }, std::move(action));
}

struct ShownMessage
{
    int count = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

// Notes the next message box and presses its OK button; then runs next, if any.
inline void whenMessage(ShownMessage *seen, std::function<void()> next = {})
{
    whenActive([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
               [seen, next](QWidget *w) {
                   auto *box = qobject_cast<QMessageBox *>(w);
                   ++seen->count;
                   seen->icon = box->icon();
                   seen->title = box->windowTitle();
                   seen->text = box->text();
                   if (next)
                       next();
                   box->button(QMessageBox::Ok)->click();
               });
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
