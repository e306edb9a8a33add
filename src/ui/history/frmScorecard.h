// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class Match;
class MatchStore;

// A match's scorecards, summary, result and highlights, read-only, with the ways to share them.
class frmScorecard : public QDialog
{
    Q_OBJECT
public:
    // `match` outlives the window; `state` stands in for the result of a match not over. A
    // stored match can be replayed from here.
    frmScorecard(const Match &match, const QString &state, QWidget *parent = nullptr,
                 bool replayable = false);
    // Shows a stored match's scorecard modally, or says why it cannot be read. True when the
    // window closed for the match to be replayed.
    static bool openStored(QWidget *parent, MatchStore &store, qint64 id, bool abandoned);
    bool replayChosen() const { return m_replayChosen; }

private:
    const Match &m_match;
    QString m_state;
    bool m_replayChosen = false;
};
