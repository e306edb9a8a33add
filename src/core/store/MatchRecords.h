// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Match;
class MatchStore;

// The lists of the records book, in the order the book shows them.
enum class RecordList
{
    HighestTotals,
    LowestTotals,
    LargestWins,
    HighestAggregates,
    HighestScores,
    MostRunsInMatch,
    MostHundreds,
    HighestAverage,
    MostDucks,
    Partnerships
};

// One line of a list: who holds the record, the figure as shown and where it was set.
struct RecordRow
{
    qint64 match = 0; // 0 for a career figure
    int wicket = 0;   // partnerships only
    QString holder;   // the team, the batsman or the two batsmen; blank for an aggregate
    QString team;     // the holder's side
    QString figure;   // "452/7", "102*", "54.00", "314 runs"
    double value = 0; // what the figure sorts by
    QString teams;    // "England v Australia"; blank for a career figure
    QDateTime date;

    bool operator==(const RecordRow &) const = default;
};

// The records of finished matches, kept in the store beside the logs they come from: team
// totals, results and partnerships of every finished match, and the individual records of file
// players from the batting rows the statistics keep. Everything here can be derived again.
class MatchRecords
{
public:
    explicit MatchRecords(MatchStore &store) : m_store(store) {}

    // Adds the rows of a finished match, inside the caller's transaction. File players' batting
    // must already be in the store.
    bool add(qint64 id, const Match &finished);
    // Removes every row, before a rebuild.
    bool clear();
    // The top ten of a list (a partnership for each wicket), optionally only where `team` played.
    QList<RecordRow> list(RecordList which, const QString &team = {});
    // Every list, in the book's order.
    QList<QList<RecordRow>> book(const QString &team = {});
    // Every team with a record, sorted.
    QStringList teams();

private:
    QList<RecordRow> careers(RecordList which, const QString &team);
    QList<RecordRow> partnerships(const QString &team);

    MatchStore &m_store;
};

// The heading of a list, as the book and its page show it.
QString recordListTitle(RecordList which);
// A list's column headings, and one row's cells in the same order.
QStringList recordHeadings(RecordList which);
QStringList recordCells(RecordList which, const RecordRow &row);
