// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"
#include "core/match/MatchMode.h"
#include "core/match/ResultText.h"

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <memory>
#include <optional>

// Every match ever started, each as its log, in one SQLite file. A match gets its row when it
// starts and each over is committed on its own, so a killed program loses nothing it showed.
// A file that is damaged, another program's, or of a newer version is moved aside, never
// overwritten. When the store cannot save, it says why once and saves nothing more.
class Match;
class QSqlQuery;
class RandomSource;

class MatchStore
{
public:
    enum class Status
    {
        InProgress,
        Finished,
        Abandoned,
        Damaged
    };

    struct Entry
    {
        qint64 id = 0;
        MatchMode mode = MatchMode::HumanVHuman;
        Status status = Status::InProgress;
        QDateTime started;
        QString team1;
        QString team2;
        MatchResult result;
        int userSide = -1; // index in the setup's sides; -1 unless one person plays the computer
        QString players;   // every name of both elevens, one a line, for the history's filter
        int overs = 0;     // in its log, when not finished (history() only)
        QString fixture;   // "Ashes 2026, test 3", "County League, round 2"; history() only
    };

    // `path` is the store file; nothing is touched until open().
    explicit MatchStore(const QString &path);
    ~MatchStore();
    MatchStore(const MatchStore &) = delete;
    MatchStore &operator=(const MatchStore &) = delete;

    // stumpwell.sqlite in the per-user data folder.
    static QString defaultPath();

    // Opens the file, creating or upgrading it. False when the store cannot save; problem()
    // says why. notice() tells of a file moved aside, even when a fresh store then opened.
    bool open();
    bool saving() const { return m_connection.has_value(); }
    const QString &path() const { return m_path; }
    const QString &problem() const { return m_problem; }
    const QString &notice() const { return m_notice; }

    // A new match in progress, from its setup, with who plays it and the side the user plays
    // against the computer (-1 for none); its id, or 0 when it could not be saved.
    qint64 beginMatch(const MatchSetup &setup, MatchMode mode, int userSide = -1);
    // Commits over `index` (0-based) of the log.
    bool appendOver(qint64 id, const MatchLog &log, int index);
    // Saves every over of the log from `from` on, inside the caller's transaction.
    bool appendOvers(qint64 id, const MatchLog &log, int from);
    bool setStatus(qint64 id, Status status, const MatchResult &result = {});

    // The match in progress updated last, if any.
    std::optional<Entry> lastInProgress();
    std::optional<Entry> entry(qint64 id);
    // The log of a match; why it cannot be read, or an empty text.
    QString readLog(qint64 id, MatchLog &log);

    // Every match, the newest first; empty, with why in *why, when the store cannot be read.
    QList<Entry> history(QString *why = nullptr);
    // Removes the match, its overs and every row derived from it.
    // Empty, or why the match could not be deleted.
    QString deleteMatch(qint64 id);
    // Reads the log of a match and replays it into `into`, later draws from `random`; why it
    // cannot, or an empty text.
    QString replayMatch(qint64 id, Match &into, RandomSource &random);

    // The open connection, for the rows derived from the logs (CareerStatistics).
    QSqlDatabase database() const;
    // Stops saving for the reason given, which problem() then tells; returns false.
    bool fail(const QString &what);
    // The file was upgraded from a version without derived rows: they are to be rebuilt.
    bool rebuildDue() const { return m_rebuildDue; }
    void setRebuildDue(bool due) { m_rebuildDue = due; }

private:
    enum class Verdict
    {
        Ready,
        Damaged,
        Foreign,
        Newer,
        Unusable,
        Unreadable // an earlier version's file holding what this one cannot read
    };

    bool openFile();
    Verdict inspect(QString &error);
    bool moveAside(const QString &why);
    // Inserts overs [from, to) whose draws start at `firstDraw`; why not, or an empty text.
    QString writeOvers(qint64 id, const MatchLog &log, int from, int to, std::size_t firstDraw);
    void close();

    QString m_path;
    std::optional<QString> m_connection;
    std::unique_ptr<QLockFile> m_lock;
    QString m_problem;
    QString m_notice;
    bool m_rebuildDue = false;
};

// The status as the store writes it ("in progress", "finished", "abandoned", "damaged").
QString statusText(MatchStore::Status status);
MatchStore::Status statusOf(const QString &text);
// The result from the outcome, winner and margin columns, the first at `column`.
MatchResult storedResult(const QSqlQuery &query, int column);
// Why the store refused, in a player's words ("the disk is full"); SQLite's own text otherwise.
QString storeFailure(const QSqlError &error);
// Every scorecard name and full name of both elevens, one a line.
QString playerNames(const MatchSetup &setup);
