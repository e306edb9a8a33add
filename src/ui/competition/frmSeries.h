// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/competition/CompetitionWindow.h"

class QLabel;
class QPushButton;
class QTableWidget;

// "Series: <name>": its tests and their results, the score, and the batting of its tests.
class frmSeries : public CompetitionWindow
{
    Q_OBJECT
public:
    frmSeries(MatchSession &session, qint64 id, QWidget *parent = nullptr);

protected:
    void showCompetition(const Competition &series) override;

private:
    void cmdExportSeries_Click();

    QTableWidget *m_tblSeriesTests;
    QLabel *m_lblSeriesScore;
    QPushButton *m_cmdPlayNext;
    QTableWidget *m_tblSeriesBatting;
};
