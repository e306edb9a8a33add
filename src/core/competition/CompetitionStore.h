// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"

#include <QCoreApplication>

#include <optional>

class MatchStore;

// Series and leagues in the match store: their sides and fixtures, each fixture linked to its
// stored match once started. Results are read from the rows the store keeps for every finished
// match, so a fixture's match is an ordinary one: in the history, resumable, in the statistics.
class CompetitionStore
{
    Q_DECLARE_TR_FUNCTIONS(CompetitionStore)

public:
    explicit CompetitionStore(MatchStore &store) : m_store(store) {}

    // A new competition's id, or 0 and why it cannot start or could not be saved.
    struct Created
    {
        qint64 id = 0;
        QString problem;
    };
    // A series of `tests` between two places (the first tosses every test); `userPlace` is the
    // person's side in Human v CPU.
    Created createSeries(const QString &name, const std::array<CompetitionSide, 2> &sides,
                         int tests, MatchMode mode, int userPlace = -1);
    // A league where every pair meets once or, `cycles` 2, twice.
    Created createLeague(const QString &name, const QList<CompetitionSide> &sides, int cycles);

    // Every competition with its fixtures, the newest first; with why in *why when the store
    // cannot be read.
    QList<Competition> competitions(QString *why = nullptr);
    std::optional<Competition> competition(qint64 id);
    // The competition a stored match was started for, if any.
    std::optional<qint64> competitionOf(qint64 match);

    // The fixture's match is `match`, with `firstPlace` batting first. Empty, or why not.
    QString link(qint64 competition, int number, qint64 match, int firstPlace);
    // Removes the competition and its fixtures; its matches stay in the history. Empty, or why
    // it could not be removed.
    QString remove(qint64 id);

private:
    Created create(const Competition &competition);
    bool readFixtures(Competition &competition);

    MatchStore &m_store;
};
