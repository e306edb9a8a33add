// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "database/frmPlayers.h"

frmPlayers::frmPlayers(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPlayers"));
}

void frmPlayers::showModal(QWidget *parent)
{
    frmPlayers window(parent);
    window.exec();
}
