// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/EndProgram.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace {
std::function<void()> &handlerSlot()
{
    static std::function<void()> handler;
    return handler;
}

// Qt's own quit first closes every window and gives up if one refuses (the splash does): here a
// quit ends the program whatever its windows say.
class QuitWatch : public QObject
{
public:
    using QObject::QObject;
    bool ending = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
            return false;
        // Every loop returns, and any loop started after this returns at once.
        ending = true;
        QCoreApplication::exit(0);
        return true;
    }
};

// Owned by the application, so gone with it.
QPointer<QuitWatch> &quitWatch()
{
    static QPointer<QuitWatch> watch;
    return watch;
}
} // namespace

void endProgram()
{
    if (handlerSlot()) {
        handlerSlot()();
        return;
    }
    // Quitting returns from app.exec(); outside it, closing the windows is all there is to do.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void setEndProgramHandler(std::function<void()> handler)
{
    handlerSlot() = std::move(handler);
}

void watchForQuit()
{
    QPointer<QuitWatch> &watch = quitWatch();
    if (!watch) {
        watch = new QuitWatch(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
    }
    watch->ending = false;
}

bool programEnding()
{
    const QPointer<QuitWatch> &watch = quitWatch();
    return watch && watch->ending;
}
