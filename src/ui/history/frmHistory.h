// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/MatchStore.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class HistoryModel;

// Every match in the store, newest first: opened as scorecards, resumed, or deleted.
class frmHistory : public QDialog
{
    Q_OBJECT
public:
    // `onScreen` is the match the frame shows (0 for none): it cannot be deleted under it.
    frmHistory(MatchStore &store, qint64 onScreen, QWidget *parent = nullptr);
    // The match to resume once the window has closed, or 0.
    qint64 resumeChosen() const { return m_resume; }
    // The match to replay once the window has closed, or 0.
    qint64 replayChosen() const { return m_replay; }

private:
    void reload();
    std::optional<MatchStore::Entry> selected() const;
    void updateButtons();
    void cmdOpen_Click();
    void cmdResume_Click();
    void cmdDelete_Click();
    void chooseReplay();

    MatchStore &m_store;
    qint64 m_onScreen = 0;
    qint64 m_resume = 0;
    qint64 m_replay = 0;
    HistoryModel *m_model = nullptr;
    QSortFilterProxyModel *m_rows = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_txtFilter = nullptr;
    QPushButton *m_cmdOpen = nullptr;
    QPushButton *m_cmdResume = nullptr;
    QPushButton *m_cmdDelete = nullptr;
};
