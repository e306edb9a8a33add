// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/ClockModel.h"
#include "core/match/InningsModel.h"
#include "core/match/MatchLog.h"
#include "core/match/MatchState.h"
#include "core/match/OverReport.h"
#include "core/match/ResultText.h"
#include "core/match/SummaryModel.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class RandomSource;

// Everything a running match knows: the match record, the four scorecards, the clock, the
// summary, the highlights and the result. It plays overs from die faces with draws from the
// random source it was given, and records both in its log, so that replaying the log gives the
// same match. Views read it through the const accessors and follow its signals.
class Match : public QObject
{
    Q_OBJECT
public:
    explicit Match(QObject *parent = nullptr);

    // The one way a match begins: the sides as they stand after the toss, innings 1 in play,
    // the clock at 10:00a, empty cards and an empty log.
    void start(const MatchSetup &setup, RandomSource &random);
    // Plays the log again from its setup, with the recorded draws and without a signal: views
    // open on the result. Returns why it could not (and the match must then not be shown), or
    // an empty text. Draws after it come from `random`.
    QString replay(const MatchLog &log, RandomSource &random);
    void setRandomSource(RandomSource &random) { m_random = &random; }
    // Becomes a copy of `other` as it stands, its random source too, without a signal.
    void adopt(const Match &other);

    // One over for this die face (1..6), then the innings or the match closes when its time has
    // come. Returns false, changing nothing, when there is no over to play. The appeal's draws
    // come from `draws`, or the random source.
    bool playOver(int face);
    bool playOver(int face, RandomSource &draws);
    // One throw of the die, for the ROLL button. Not logged: the over logs the face it plays.
    int rollDie();

    bool started() const { return m_state.CurrentInnings != 0; }
    // Four innings closed, or the fifth day over.
    bool isOver() const { return m_state.TimeUp || m_state.CurrentInnings == 5; }
    int currentInnings() const { return m_state.CurrentInnings; }
    const MatchState &state() const { return m_state; }
    bool inningsOpen(int number) const;
    const InningsModel &innings(int number) const;
    const ClockModel &clock() const { return m_clock; }
    const SummaryModel &summary() const { return m_summary; }
    // Entries newest first, each ended by CR LF, with the heading as the last line.
    const QString &highlights() const { return m_highlights; }
    MatchResult result() const;
    QString resultText() const;
    const MatchLog &log() const { return m_log; }
    // What the last over did; number 0 before the first.
    const OverReport &lastOver() const { return m_lastOver; }

signals:
    // Over `index` (from 0) is in the log: a store commits it before any view shows the over,
    // so this comes before every other signal of the over.
    void overLogged(int index);
    // A new innings is set up and its scorecard should come on top.
    void inningsStarted(int number);
    // An appeal of the over just logged.
    void highlightAdded(const QString &line);
    // The match is over; may come again while it stays over.
    void resultReached();
    // Figures changed: views rewrite their captions.
    void changed();

private:
    InningsModel &card() { return *m_innings[std::size_t(m_state.CurrentInnings)]; }
    void beginInnings();
    void settle();
    void playRuns(int runs, RandomSource &random);
    void playAppeal(RandomSource &random);
    void appealOut(const QString &name, RandomSource &random);
    void appealNotOut(const QString &name, RandomSource &random);
    void addRuns(int runs);
    void addHighlight(const QString &line);
    void showCreaseMinutes(InningsModel &scorecard);
    void reportOver(const ClockModel &before, int face);

    MatchState m_state;
    std::array<std::optional<InningsModel>, 5> m_innings;
    ClockModel m_clock;
    SummaryModel m_summary;
    QString m_highlights;
    QStringList m_newHighlights; // of the over being played, told once it is logged
    MatchLog m_log;
    int m_inningsFirstOver = 0; // the log's index of the first over of the innings in play
    OverReport m_lastOver;
    RandomSource *m_random = nullptr;
};
