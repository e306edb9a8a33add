// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/CareerLine.h"

#include <QDialog>

class MatchStore;
class QComboBox;
class QSortFilterProxyModel;
class StatsModel;

// Career batting of every file player over all finished matches; any column sorts.
class frmStats : public QDialog
{
    Q_OBJECT
public:
    explicit frmStats(MatchStore &store, QWidget *parent = nullptr);

private:
    void cmdCsv_Click();

    StatsModel *m_model = nullptr;
    QComboBox *m_cboTeam = nullptr;
    QSortFilterProxyModel *m_rows = nullptr;
};
