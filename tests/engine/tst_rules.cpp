// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "engine/HighlightsLog.h"
#include "engine/InningsModel.h"
#include "engine/RulesMatch.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"

#include <QTest>

// The over and the innings through the rules alone, with no window at all.
class tst_Rules : public QObject
{
    Q_OBJECT
private slots:
    void init() { fillInBuiltTeams(Globals::matchState()); }

    void setupReadsTheSideOfTheInnings()
    {
        MatchState &state = Globals::matchState();
        state.CurrentInnings = 4;
        state.WicketsDown = 3;
        InningsModel model;
        QCOMPARE(model.caption, QString());
        QCOMPARE(model.lines[2].name, u"Player 3"_qs);
        setupInnings(state, model);
        QCOMPARE(model.caption, u"England - 2nd Innings"_qs);
        QCOMPARE(model.lines[2].name, u"VK Dabney"_qs.leftJustified(20));
        QCOMPARE(model.lines[2].nameColour, 0xFFFF00u);
        QCOMPARE(model.lines[2].howOutColour, Bgr::Yellow);
        QCOMPARE(model.lines[0].ballsColour, Bgr::White);
        QCOMPARE(model.backColour, 0x800000u);
        QCOMPARE(state.WicketsDown, quint8(0));
        QCOMPARE(model.totalLineCaption(), u"Total for the loss of 0 wickets:"_qs);
    }

    void sameFaceTwiceIsTwoOvers()
    {
        RulesMatch match;
        match.start();
        ScriptedRandom die;
        match.setRollText(1, u"2"_qs);
        QCOMPARE(*match.innings(1).lines[0].runs, 2);
        // The box is empty again, so the same face is a change and plays.
        match.setRollText(1, u"2"_qs);
        QCOMPARE(*match.innings(1).lines[0].runs, 4);
        match.setRollText(1, QString());
        QCOMPARE(match.clock().overs, 2);
        QVERIFY(die.ranges().isEmpty());
    }

    void tenthWicketHandsOverToTheNextInnings()
    {
        RulesMatch match;
        match.start();
        ScriptedRandom die;
        for (int w = 0; w < 10; ++w) {
            die.push({5, 1, 7, 2});
            match.roll();
        }
        QCOMPARE(die.remaining(), 0);
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.CurrentInnings, quint8(2));
        QVERIFY(!match.innings(1).rollEnabled);
        QVERIFY(match.inningsOpen(2));
        QVERIFY(match.innings(2).rollEnabled);
        QCOMPARE(match.innings(1).wicketsShown, 10);
        QCOMPARE(match.innings(1).lines[10].howOut, u"Bowled"_qs);
        // Each incoming batsman faced four balls of his first over and two of his last.
        QCOMPARE(*match.innings(1).lines[10].balls, 6);
        QCOMPARE(*match.innings(1).lines[10].mins, 4);
        QCOMPARE(*match.innings(1).lines[0].balls, 2);
        QCOMPARE(*match.innings(1).lines[1].mins, 40);
        QCOMPARE(match.innings(1).lines[10].fow, u" 10/0"_qs);
        QCOMPARE(match.innings(1).markerLine, 0);
        QCOMPARE(state.Cards[1].Pair[10].trimmed(), u"LB Varga/PJ Ashgrove"_qs);
        QCOMPARE(match.highlights().count(u"\r\n"_qs), 10);
        QVERIFY(match.highlights().endsWith(u"\r\nMatch Highlights"_qs));
    }

    void afterTimeUpEveryChangeOnlyOpensTheResult()
    {
        RulesMatch match;
        match.start();
        ScriptedRandom die;
        for (int i = 0; i < 450; ++i) {
            die.push(4);
            match.roll();
        }
        QCOMPARE(match.resultOpens(), 1);
        QCOMPARE(match.summary().total1, 1800);
        die.push(6);
        match.roll();
        QCOMPARE(match.resultOpens(), 2);
        QCOMPARE(match.summary().total1, 1800);
        QCOMPARE(match.clock().day, 6);
        QCOMPARE(die.remaining(), 0);
        // After time up the box keeps its face: the same text again is no change at all.
        match.setRollText(1, u"3"_qs);
        match.setRollText(1, u"3"_qs);
        QCOMPARE(match.resultOpens(), 3);
    }

    void highlightsLogPutsTheNewestOnTop()
    {
        QString log = HighlightsLog::initialText();
        log = HighlightsLog::withEntry(log, u"first"_qs);
        log = HighlightsLog::withEntry(log, u"second"_qs);
        QCOMPARE(log, u"second\r\nfirst\r\nMatch Highlights"_qs);
    }

    void startClearsTheCardsAndTheClock()
    {
        MatchState &state = Globals::matchState();
        state.Cards[3].FOW[4] = 99;
        state.Cards[3].Pair[4] = u"A/B";
        state.ClockHour = 3;
        state.TimeUp = true;
        RulesMatch match;
        match.start();
        QCOMPARE(state.Cards[3].FOW[4], qint16(0));
        QCOMPARE(state.Cards[3].Pair[4].text(), QString(80, QLatin1Char(' ')));
        QCOMPARE(state.ClockHour, quint8(10));
        QVERIFY(!state.TimeUp);
        QCOMPARE(state.CurrentInnings, quint8(1));
        QCOMPARE(match.summary().team1, u"Australia"_qs);
    }
};

QTEST_MAIN(tst_Rules)
#include "tst_rules.moc"
