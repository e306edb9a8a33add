// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/CompetitionTable.h"

#include "ui/common/Twips.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

namespace {
constexpr int WidestColumn = 2700;
}

void fillTable(QTableWidget *table, const QStringList &headings, const QList<QStringList> &rows,
               int figuresFrom)
{
    table->clear();
    table->setColumnCount(int(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            item->setToolTip(rows[row][column]);
            if (figuresFrom >= 0 && column >= figuresFrom)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    // A stretched last column keeps its stretch: sized to its contents it would stay that
    // narrow until the window is next resized.
    const int sized = int(headings.size()) - table->horizontalHeader()->stretchLastSection();
    for (int column = 0; column < sized; ++column) {
        table->resizeColumnToContents(column);
        // A long name is cut short, the whole in its tooltip, so the figures stay in sight.
        table->setColumnWidth(column, std::min(table->columnWidth(column), twips(WidestColumn)));
    }
}

void fitRows(QTableWidget *table, int nameColumn)
{
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          table->rowCount() * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
}
