// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class Match;

// A match's scorecards, summary, result and highlights, read-only, with the ways to share them.
class frmScorecard : public QDialog
{
    Q_OBJECT
public:
    // `match` outlives the window; `state` stands in for the result of a match not over.
    frmScorecard(const Match &match, const QString &state, QWidget *parent = nullptr);

private:
    const Match &m_match;
    QString m_state;
};
