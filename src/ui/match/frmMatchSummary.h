// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/SummaryModel.h"
#include "ui/match/MatchSubWindow.h"

#include <array>

class QLabel;

// Each side's two innings and its aggregate; the running scores of the match live here.
class frmMatchSummary : public MatchSubWindow
{
    Q_OBJECT
public:
    explicit frmMatchSummary(const SummaryModel &model, QWidget *parent = nullptr);

    void writeCaptions();

private:
    const SummaryModel &m_model;
    QLabel *m_team1;
    QLabel *m_team2;
    std::array<QLabel *, 5> m_innings{}; // 1..4
    QLabel *m_total1;
    QLabel *m_total2;
};
