// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ComputerPlayer.h"
#include "core/session/MatchSession.h"

#include "HandMadeMatch.h"
#include "Tables.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The game without a window: matches started, saved over by over, taken up again after the
// program has gone, abandoned, finished, played by the computer, and a store that fails.
class tst_Session : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }
    // A session of the program on the test's store, drawing from m_die.
    std::unique_ptr<MatchSession> program() { return sessionOn(storePath(), &m_die); }
    // The in-built teams after a toss England called wrong: Australia bats first.
    static MatchSetup inBuilt()
    {
        return {inBuiltSides(), {TossRules::Call::Heads, TossRules::Tails, {}}, {}};
    }
    // No over for this long: the computer holds.
    static bool holds(MatchSession &session, int ms = 300)
    {
        const int overs = session.match().log().overs();
        return !QTest::qWaitFor([&] { return session.match().log().overs() != overs; }, ms);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_die = ScriptedRandom();
    }

    // The program ended mid-match; the next run takes it up as it stood (killed: tst_killresume).
    void nextRunResumesTheMatchWhereItStood()
    {
        MatchLog shown;
        qint64 id = 0;
        {
            auto first = program();
            first->start(inBuilt(), MatchMode::HumanVHuman);
            id = first->storedId();
            m_die.push(2); // a single, the balls split 2 and 4
            first->match().playOver(1);
            takeWickets(first->match(), m_die, 2);
            shown = first->match().log();
        } // the program ends
        auto next = program();
        QCOMPARE(next->lastInProgress(), std::optional(id));
        QCOMPARE(next->resume(id), QString());
        QCOMPARE(next->match().log(), shown);
        QCOMPARE(next->storedId(), id);
        QCOMPARE(resumeSummary(next->match()),
                 u"Australia v England: day 1, 10:12a, 1 (2 wickets)"_s);
    }

    // How a match ends is kept with it in the store: given up, replaced by a new one, or with
    // its result standing, seen or not.
    void endOfAMatchIsKept_data() { addRows(u"matchends"_s); }
    void endOfAMatchIsKept()
    {
        QFETCH(int, wickets);
        QFETCH(QString, then);
        auto session = program();
        QSignalSpy ended(session.get(), &MatchSession::matchEnded); // the views close
        session->start(inBuilt(), MatchMode::HumanVHuman);
        const qint64 id = session->storedId();
        takeWickets(session->match(), m_die, wickets);
        const MatchResult result = session->match().result();
        if (wickets == 40) // the last innings' figures stand
            QCOMPARE(resumeSummary(session->match()).section(u", "_s, 2), u"0 (10 wickets)"_s);
        then == u"accept"  ? session->acceptResult()
        : then == u"start" ? session->start(inBuilt(), MatchMode::HumanVHuman)
                           : session->abandon();
        const std::optional<MatchStore::Entry> kept = session->store()->entry(id);
        QTEST(int(kept->status), "kept");
        QCOMPARE(kept->result, result);
        QCOMPARE(kept->team2, u"England"_s);
        QCOMPARE(kept->started, session->store()->history().constLast().started);
        QCOMPARE(session->inProgress(), then == u"start");
        QCOMPARE(ended.count(), 1);
    }

    // Mended fault: a second copy of the game saved into the store the first was using.
    void lockedStoreIsReportedOnceAndPlayGoesOn()
    {
        auto first = program();
        MatchSession second;
        QSignalSpy problems(&second, &MatchSession::storeProblem);
        second.setStorePath(storePath());
        second.setRandomSource(&m_die);
        QVERIFY(!second.openStore());
        second.start(inBuilt(), MatchMode::HumanVHuman);
        second.match().playOver(2);
        QCOMPARE(second.storedId(), 0);
        QCOMPARE(second.match().log().overs(), 1);
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems[0][0].toString().startsWith(u"Another copy of Stumpwell is using"_s));
    }

    // Mended fault: a resume whose match could not be marked in progress went on regardless.
    void resumeThatCannotBeSavedLeavesTheMatchOnScreen()
    {
        auto session = program();
        session->start(inBuilt(), MatchMode::HumanVHuman);
        const qint64 first = session->storedId();
        session->start(inBuilt(), MatchMode::HumanVHuman);
        QSignalSpy problems(session.get(), &MatchSession::storeProblem);
        const WriteLock lock(storePath());
        QVERIFY(
            session->resume(first).endsWith(u"the store is in use by another copy of Stumpwell."));
        QCOMPARE(problems.count(), 1);
    }

    void logThatDoesNotReplayIsMarkedDamaged()
    {
        qint64 id = 0;
        {
            auto first = program();
            first->start(inBuilt(), MatchMode::HumanVHuman);
            id = first->storedId();
            for (int over = 0; over < 4; ++over)
                first->match().playOver(2);
        }
        runSql(storePath(), {u"UPDATE overs SET face = 256 WHERE number = 3"_s});
        auto next = program();
        QCOMPARE(next->resume(id), u"over 4 is damaged"_s);
        QCOMPARE(next->store()->entry(id)->status, MatchStore::Status::Damaged);
        QVERIFY(!next->inProgress());
    }

    // An over brought with its draws plays as logged; draws that do not fit change nothing.
    void overBroughtWithItsDrawsPlaysAsLogged()
    {
        auto session = program();
        QVERIFY(!session->submit({2, {}}).isEmpty()); // no match yet
        session->start(inBuilt(), MatchMode::HumanVHuman);
        for (const std::vector<quint8> &draws : {std::vector<quint8>{1, 1}, {1, 1, 6, 2}, {9}})
            QVERIFY(!session->submit({5, draws}).isEmpty());
        QVERIFY(!session->submit({7, {}}).isEmpty());
        QCOMPARE(session->match().log().overs(), 0);
        QCOMPARE(session->submit({5, std::vector<quint8>{1, 1, 6}}), QString());
        QCOMPARE(session->match().log().draws, (std::vector<quint8>{1, 1, 6}));
        takeWickets(session->match(), m_die, 39);
        QVERIFY(!session->submit({2, {}}).isEmpty()); // nor after the result
    }

    // The user takes England; Australia, the computer's, calls right and bats.
    void computerBatsForItsSideAndTheUsersSideWaits()
    {
        auto session = program();
        session->setInterval(ComputerPlayer::Instant);
        for (int w = 0; w < 10; ++w)
            m_die.push({5, 1, 1, 6}); // the die, then out for any average
        session->start(inBuilt(), MatchMode::HumanVCpu, 1);
        QCOMPARE(session->computerSides(), (std::array{true, false}));
        QVERIFY(QTest::qWaitFor([&] { return session->match().currentInnings() == 2; }));
        QCOMPARE(session->match().log().overs(), 10);
        QVERIFY(holds(*session));
    }

    // The toss decides where the user's eleven bats: England chose, and bats first.
    void usersSideFollowsTheToss()
    {
        auto session = program();
        MatchSetup setup = inBuilt();
        setup.toss = {TossRules::Call::Heads, TossRules::Heads, TossRules::Choice::Bat};
        TossRules::applyToss(setup.sides, setup.toss);
        session->start(setup, MatchMode::HumanVCpu, 1);
        QCOMPARE(session->match().summary().team1, u"England"_s);
        QCOMPARE(session->userSide(), 0);
    }

    // At a set pace, one over at a time: the next waits its turn.
    void computerPlaysOneOverAtATime()
    {
        SeededRandom overs(testSeed(14u));
        auto session = program();
        session->setRandomSource(&overs);
        session->setInterval(ComputerPlayer::Slow);
        session->start(inBuilt(), MatchMode::CpuVCpu);
        QVERIFY(QTest::qWaitFor([&] { return session->match().log().overs() > 0; }, 5000));
        QCOMPARE(session->match().log().overs(), 1);
        QVERIFY(holds(*session));
    }

    void pauseHoldsTheComputerUntilLifted()
    {
        SeededRandom overs(testSeed(1414u));
        auto session = program();
        session->setRandomSource(&overs);
        session->setInterval(ComputerPlayer::Fast);
        QSignalSpy paused(session.get(), &MatchSession::pausedChanged);
        session->start(inBuilt(), MatchMode::CpuVCpu);
        session->setPaused(true);
        QVERIFY(holds(*session));
        session->setPaused(false);
        QVERIFY(!holds(*session, 5000));
        QCOMPARE(paused.count(), 2);
    }

    // Resumed, a match against the computer keeps whose side is whose and waits for Pause.
    void resumedMatchAgainstTheComputerWaitsPaused()
    {
        qint64 id = 0;
        {
            auto first = program();
            first->start(inBuilt(), MatchMode::HumanVCpu, 0); // the user bats first
            id = first->storedId();
        }
        auto next = program();
        QCOMPARE(next->resume(id), QString());
        QVERIFY(next->paused());
        QCOMPARE(next->userSide(), 0);
        QCOMPARE(next->computerSides(), (std::array{false, true}));
    }
};

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_session.moc"
