// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "charts/frmFOWGraph.h"

frmFOWGraph::frmFOWGraph(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFOWGraph"));
}

void frmFOWGraph::showModal(QWidget *parent)
{
    frmFOWGraph window(parent);
    window.exec();
}
