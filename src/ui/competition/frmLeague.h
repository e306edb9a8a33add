// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/competition/CompetitionWindow.h"

class QPushButton;
class QTableWidget;

// "League: <name>": the table with its points rules, the fixtures and their results.
class frmLeague : public CompetitionWindow
{
    Q_OBJECT
public:
    frmLeague(MatchSession &session, qint64 id, QWidget *parent = nullptr);

protected:
    void showCompetition(const Competition &league) override;

private:
    void cmdSimulate_Click();
    void cmdExportLeague_Click();

    QTableWidget *m_tblLeagueTable;
    QTableWidget *m_tblLeagueFixtures;
    QPushButton *m_cmdPlayNextFixture;
    QPushButton *m_cmdSimulate;
};
