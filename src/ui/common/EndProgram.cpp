// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/EndProgram.h"

#include <QApplication>
#include <cstdlib>

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
    QApplication::closeAllWindows();
    std::exit(0);
}

void setEndProgramHandler(std::function<void()> handler)
{
    handlerSlot() = std::move(handler);
}
