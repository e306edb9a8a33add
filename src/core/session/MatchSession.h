// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"
#include "core/match/MatchLog.h"
#include "core/match/MatchMode.h"
#include "core/players/PlayerDatabase.h"
#include "core/store/SideStore.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class ComputerPlayer;
class Match;
class MatchStore;

// One over as a source hands it to the session: the face typed, or 0 for the die to be thrown
// now; the appeal's draws as the log keeps them, or none for the random source to make them.
struct OverEntry
{
    int face = 0;
    std::optional<std::vector<quint8>> draws;
};

// Everything a new match starts from, built once: the setup after the toss, who plays it, and
// the index in the toss's order of the side the person plays against the computer or from this
// computer of a network match, or -1.
struct MatchStart
{
    MatchSetup setup;
    MatchMode mode = MatchMode::HumanVHuman;
    int userSide = -1;

    // `chosenSide`: the side the person picked against the computer, or plays from here, before
    // the toss, as the sides stood then; it goes where the toss put it.
    static MatchStart afterToss(const MatchSetup &setup, MatchMode mode, int chosenSide = -1);
};

// The one way an over reaches a match: the session's own, and the simulator's. Why it was
// refused, the match unchanged, or an empty text.
QString playEntry(Match &match, const OverEntry &entry);

// The game being played: the match, where it is saved, who bats for whom, and the computer's
// turn. It starts, saves over by over, resumes and abandons matches; the frame asks the
// player's questions and tells it the answers, and windows only show its match.
class MatchSession : public QObject
{
    Q_OBJECT
public:
    explicit MatchSession(QObject *parent = nullptr);
    ~MatchSession() override;

    Match &match() const { return *m_match; }
    ComputerPlayer &computer() const { return *m_computer; }
    // Where the coin, the die and the appeals draw from; the time-seeded source by default,
    // nullptr restores it.
    void setRandomSource(RandomSource *random);
    RandomSource &random() const { return *m_random; }

    // The store file: the per-user data folder unless a test says otherwise. Before openStore().
    void setStorePath(const QString &path) { m_storePath = path; }
    // Opens (creating or upgrading) the store. False when it cannot save: the problem is
    // reported through storeProblem(), a file moved aside through storeNotice() first.
    bool openStore();
    // Null until openStore(); may no longer be saving (MatchStore::saving()).
    MatchStore *store() const { return m_store.get(); }

    // The player file every window and every match reads.
    PlayerDatabase &players() { return m_players; }

    // The elevens the next match starts from: the in-built ones until others are picked, and
    // as the last toss left them.
    const std::array<Side, 2> &nextSides() const { return m_sides; }
    // Elevens picked by hand for the next match.
    void setNextSides(const std::array<Side, 2> &sides) { m_sides = sides; }
    // Every side a match can be played between: the in-built ones first, then the saved ones
    // (only the in-built ones while the store is closed).
    QList<SavedSide> sides() const;
    // Two sides as the next match's elevens, each saved player read again from the player
    // file. Why not, naming the players no longer there, with nothing changed; or an empty
    // text. The match's source is then teamSource(first, second).
    QString chooseSides(const SavedSide &first, const SavedSide &second);

    // A new match, given up any other: saves the match's row, then the computer starts batting
    // where it is due.
    void start(const MatchStart &start);
    void start(const MatchSetup &setup, MatchMode mode, int chosenSide = -1)
    {
        start(MatchStart::afterToss(setup, mode, chosenSide));
    }
    // The over of the match in progress, from whichever source: the innings window, the
    // computer. Why it was refused, nothing changed, or an empty text.
    QString submit(const OverEntry &entry);
    // From start() or resume() until the result is accepted or the match abandoned.
    bool inProgress() const { return m_inProgress; }
    // The store's id of the match in progress; 0 when none or it is not being saved.
    qint64 storedId() const { return m_inProgress ? m_storedId : 0; }
    MatchMode mode() const { return m_mode; }
    // Index in the match's sides of the person playing the computer, or -1.
    int userSide() const { return m_userSide; }
    std::array<bool, 2> computerSides() const;

    // The match in progress is given up: kept in the store as abandoned, or as finished when
    // its result stands unaccepted.
    void abandon();
    // The result has been seen (Ok): the match is finished in the store with its statistics.
    void acceptResult();

    // The stored match in progress updated last, if any.
    std::optional<qint64> lastInProgress() const;
    // Reads a stored match's log and replays it into `into`. On failure the match is marked
    // damaged in the store and the reason is returned; an empty text on success.
    QString load(qint64 id, Match &into);
    // Takes up a stored match (in progress or abandoned) as the match in progress, giving up
    // any other: replayed into match(), in progress in the store again, a computer side paused
    // so the player sees where it stands first. Returns why not (the match is then marked
    // damaged and the match on screen stays), or an empty text. `loaded`: what load() gave for
    // `id`, taken as it is instead of replaying the log again.
    QString resume(qint64 id, const Match *loaded = nullptr);

    // The computer's pace (ms between overs) and pause.
    void setInterval(int ms);
    void setPaused(bool paused);
    bool paused() const;

signals:
    // A match started or was resumed: views open on it.
    void matchBegun();
    // The match in progress ended (result accepted or abandoned): views close.
    void matchEnded();
    void pausedChanged(bool paused);
    // The store file was unusable and moved aside; a fresh one is used.
    void storeNotice(const QString &notice);
    // Once: the store stopped saving; play goes on without it.
    void storeProblem(const QString &why);

private:
    void saveOver(int index);
    void reportStoreProblem();
    void beginPlay(bool paused);
    void end(bool abandoned);

    Match *m_match;
    ComputerPlayer *m_computer;
    TimeSeededRandom m_timeSeeded;
    RandomSource *m_random = &m_timeSeeded;
    std::array<Side, 2> m_sides;
    PlayerDatabase m_players;
    QString m_storePath;
    std::unique_ptr<MatchStore> m_store;
    qint64 m_storedId = 0;
    MatchMode m_mode = MatchMode::HumanVHuman;
    int m_userSide = -1;
    bool m_inProgress = false;
    bool m_reported = false;
};

// "<Team1> v <Team2>: day <d>, <time>, <score> (<n> wickets)": where a saved match stands.
QString resumeSummary(const Match &match);
