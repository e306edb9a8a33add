// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/EndProgram.h"

#include <QApplication>

namespace {
std::function<void()> &handlerSlot()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void endProgram()
{
    if (handlerSlot()) {
        handlerSlot()();
        return;
    }
    // Quitting returns from app.exec(); outside it there is nothing more to do.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void setEndProgramHandler(std::function<void()> handler)
{
    handlerSlot() = std::move(handler);
}
