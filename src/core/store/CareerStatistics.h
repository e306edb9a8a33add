// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/CareerLine.h"

#include <QList>
#include <QSqlDatabase>

class Match;
class MatchStore;
struct MatchSetup;

// The batting of file players in finished matches, kept in the store beside the logs it is
// derived from, and added up into careers. In-built teams record none, as the team-mode
// question promises. Everything here can be derived again from the logs.
class CareerStatistics
{
public:
    explicit CareerStatistics(MatchStore &store) : m_store(store) {}

    // Ends the match as finished, in one transaction: its overs after the first `stored`, its
    // status and result, its batting and its records. Every finished match ends here, played
    // on screen or by the computer alone.
    bool finish(qint64 id, const Match &match, int stored);
    // One line per file player over all finished matches, or those of one series or league, by
    // record number.
    QList<CareerLine> careers(qint64 competition = 0);
    // Derives the history's names, the statistics and the records again from every log; the
    // number of matches read, or -1 when the store cannot save.
    int rebuild();
    // Rebuilds when the store was upgraded from a version without derived rows.
    bool rebuildIfDue();

private:
    bool write(qint64 id, const MatchSetup &setup, const Match *finished);
    bool failed(QSqlDatabase db);

    MatchStore &m_store;
};
