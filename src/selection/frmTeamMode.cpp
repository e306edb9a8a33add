// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "selection/frmTeamMode.h"

frmTeamMode::frmTeamMode(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTeamMode"));
}

void frmTeamMode::showModal(QWidget *parent)
{
    frmTeamMode window(parent);
    window.exec();
}
