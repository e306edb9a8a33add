// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"

#include <optional>

class MatchStore;

// Series and leagues in the match store: their sides and fixtures, each fixture linked to its
// stored match once started. Results are read from the rows the store keeps for every finished
// match, so a fixture's match is an ordinary one: in the history, resumable, in the statistics.
class CompetitionStore
{
public:
    explicit CompetitionStore(MatchStore &store) : m_store(store) {}

    // A series of `tests` between two places (the first tosses every test); `userPlace` is the
    // person's side in Human v CPU. Its id, or 0 when it could not be saved.
    qint64 createSeries(const QString &name, const std::array<CompetitionSide, 2> &sides, int tests,
                        MatchMode mode, int userPlace = -1);
    // A league where every pair meets once or, `cycles` 2, twice. Its id, or 0.
    qint64 createLeague(const QString &name, const QList<CompetitionSide> &sides, int cycles);

    // Every competition with its fixtures, the newest first.
    QList<Competition> competitions();
    std::optional<Competition> competition(qint64 id);
    // The competition a stored match was started for, if any.
    std::optional<qint64> competitionOf(qint64 match);

    // The fixture's match is `match`, with `firstPlace` batting first.
    bool link(qint64 competition, int number, qint64 match, int firstPlace);
    // Removes the competition and its fixtures; its matches stay in the history.
    bool remove(qint64 id);

private:
    qint64 create(const Competition &competition);
    bool readFixtures(Competition &competition);

    MatchStore &m_store;
};
