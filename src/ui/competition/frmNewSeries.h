// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"
#include "core/store/SideStore.h"

#include <QDialog>

class MatchStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// A new test series: two sides, how many tests, who plays them and its name. Start saves it.
class frmNewSeries : public QDialog
{
    Q_OBJECT
public:
    explicit frmNewSeries(MatchStore &store, QWidget *parent = nullptr);
    // The series saved, or 0 when the window was cancelled.
    qint64 created() const { return m_created; }

private:
    void sidesChanged();
    void updateStart();
    void cmdStartSeries_Click();
    std::array<CompetitionSide, 2> chosenSides() const;

    MatchStore &m_store;
    QList<SavedSide> m_sides;
    QComboBox *m_cboSeriesSide1 = nullptr;
    QComboBox *m_cboSeriesSide2 = nullptr;
    QSpinBox *m_spnTests = nullptr;
    QComboBox *m_cboSeriesMode = nullptr;
    QComboBox *m_cboUserSide = nullptr;
    QLineEdit *m_txtSeriesName = nullptr;
    QLabel *m_lblSeriesProblem = nullptr;
    QPushButton *m_cmdStartSeries = nullptr;
    QString m_defaultName;
    qint64 m_created = 0;
};

// The name a side plays under in a series or league: an in-built side's is its country.
QString playingName(const SavedSide &side);
