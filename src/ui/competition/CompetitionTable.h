// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QStringList>

class QTableWidget;

// Fills the table with the rows' cells under the headings; a cell that may be cut short holds
// its text as a tooltip too. Figures are right-aligned from column `figuresFrom` on.
void fillTable(QTableWidget *table, const QStringList &headings, const QList<QStringList> &rows,
               int figuresFrom = -1);
// Every row shown without scrolling, the names' column taking the width the figures leave.
void fitRows(QTableWidget *table, int nameColumn);
