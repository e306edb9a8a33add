// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/common/EndProgram.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The one widget finder: the child of `parent` with that objectName; a missing one ends the test
// run at once rather than crash later.
template <typename T = QWidget>
T *find(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline QString caption(const QObject *parent, const QString &label)
{
    return find<QLabel>(parent, label)->text();
}

// Every label's text, in creation order.
inline QStringList labelTexts(const QWidget *window)
{
    QStringList texts;
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

inline void click(const QObject *parent, const QString &button)
{
    QTest::mouseClick(find<QAbstractButton>(parent, button), Qt::LeftButton);
}

// Picks `players` from the list of team selection's tab `tab` (or New Side's) by `key`, moving
// down the list after each.
inline void pickByKey(QWidget *window, int tab, int players, int key)
{
    if (auto *tabs = window->findChild<QTabWidget *>())
        tabs->setCurrentIndex(tab);
    QWidget *list = find(window, u"lstPlayers_%1"_s.arg(tab));
    list->setFocus();
    for (int n = 0; n < players; ++n)
        QTest::keyClick(list, Qt::Key(key)), QTest::keyClick(list, Qt::Key_Down);
}

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

// The one modal-dialog driver. While alive, it hands every modal dialog or message box that
// comes up to act, once each, and notes it in seen: a message box by its title (its text goes
// to texts), any other window by its objectName. act must end the modal; by default it presses
// a box's Ok and closes any other window.
struct ModalDriver
{
    QStringList seen, texts;
    QList<QRect> places; // where each came up
    std::function<void(QWidget *)> act = close;
    QList<QPointer<QWidget>> handled; // an act that waits must not get its modal again
    QTimer timer;

    explicit ModalDriver(std::function<void(QWidget *)> action = close) : act(std::move(action))
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
            places << modal->geometry();
            // Not inside the timer's own call, which Qt never repeats: a dialog opened by act
            // must come to this driver too.
            QMetaObject::invokeMethod(
                &timer, [this, modal = QPointer(modal)] { modal ? act(modal) : void(); },
                Qt::QueuedConnection);
        });
        timer.start(10);
    }
    static void close(QWidget *modal) { answer(QMessageBox::Ok)(modal); }
    // Presses `button` in a message box; closes any other window.
    static std::function<void(QWidget *)> answer(QMessageBox::StandardButton button)
    {
        return [button](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                box->button(button)->click();
            else
                modal->close();
        };
    }
};
