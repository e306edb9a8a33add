// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/MatchRecords.h"

#include <QDialog>

class QComboBox;
class QTableView;

// The records book: team, batting and partnership records of the finished matches, each row
// opening its match's scorecard.
class frmRecords : public QDialog
{
    Q_OBJECT
public:
    explicit frmRecords(MatchStore &store, QWidget *parent = nullptr);
    // The match to replay once the window has closed, or 0.
    qint64 replayChosen() const { return m_replay; }

private:
    QTableView *addTable(const QString &name);
    void showList(QTableView *table, RecordList which);
    void reload();
    void openRow(const QModelIndex &index);
    void cmdExportRecords_Click();
    QString team() const;

    MatchStore &m_store;
    MatchRecords m_records;
    qint64 m_replay = 0;
    QComboBox *m_cboRecordsTeam = nullptr;
    QComboBox *m_cboTeamRecord = nullptr;
    QComboBox *m_cboBattingRecord = nullptr;
    QTableView *m_tblTeamRecords = nullptr;
    QTableView *m_tblBattingRecords = nullptr;
    QTableView *m_tblPartnerships = nullptr;
};
