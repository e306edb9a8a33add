// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ComputerPlayer.h"
#include "core/match/InBuiltTeams.h"
#include "core/session/MatchSession.h"
#include "ui/shell/frmToss.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The computer bats for its sides at the pace chosen, holds when asked, and a match against it
// survives a restart with the sides as they were.
class tst_Computer : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;

    std::unique_ptr<mdiMain> frame(const char *speed)
    {
        auto frame = shownFrame(m_dir->filePath(u"stumpwell.sqlite"_s), &m_die);
        frame->openMatchStore();
        frame->findChild<QAction *>(QLatin1String(speed))->trigger();
        return frame;
    }
    // Presses in each of the next modal windows in turn the buttons of its list; `seen` gets
    // the texts of the side window, if one comes.
    static void pressInTurn(const QList<QStringList> &windows, QStringList *seen = nullptr)
    {
        whenModalShown([=](QWidget *window) {
            if (seen && window->findChild<QLabel *>(u"lblSide"_s))
                *seen << window->windowTitle() << window->findChild<QLabel *>(u"lblSide"_s)->text()
                      << button(window, u"cmdSide_0"_s)->text()
                      << button(window, u"cmdSide_1"_s)->text();
            if (windows.size() > 1)
                pressInTurn(windows.mid(1), seen);
            for (const QString &name : windows[0])
                click(window, name);
        });
    }
    // CPU v CPU at `speed`: the computer calls heads, wins and bats; the overs drawn from `overs`.
    std::unique_ptr<mdiMain> computerMatch(const char *speed, SeededRandom &overs)
    {
        auto game = frame(speed);
        m_die.push({1, 1});
        pressInTurn({{u"cmdInBuilt"_s}, {}}); // the teams, the toss
        game->findChild<QAction *>(u"mnuHuman0"_s)->trigger();
        game->session().setRandomSource(&overs);
        return game;
    }
    static QPushButton *button(QWidget *window, const QString &name)
    {
        return window->findChild<QPushButton *>(name);
    }
    static bool rollEnabled(mdiMain &frame, int innings)
    {
        return button(frame.matchWindows().innings(innings), u"cmdRoll"_s)->isEnabled();
    }
    void pushWickets(int wickets)
    {
        for (int w = 0; w < wickets; ++w)
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
    }
    // No over for this long: the computer holds.
    static bool holds(mdiMain &frame, int ms = 300)
    {
        const int overs = frame.session().match().log().overs();
        return !QTest::qWaitFor([&] { return frame.session().match().log().overs() != overs; }, ms);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_die = ScriptedRandom{};
    }

    void computersSideBatsByItselfWhileTheUsersSideWaits()
    {
        auto game = frame("mnuSpeedInstant");
        QStringList seen;
        pressInTurn({{u"cmdInBuilt"_s}, {u"cmdSide_1"_s}, {u"cmdHeads"_s, u"cmdBowl"_s}}, &seen);
        m_die.push(1); // England, the user, calls heads and wins, and Australia bats
        pushWickets(10);
        game->findChild<QAction *>(u"mnu1Human"_s)->trigger();
        QCOMPARE(seen, (QStringList{u"Choose Your Side"_s, u"Which side will you play?"_s,
                                    u"Australia"_s, u"England"_s}));
        QCOMPARE(rollEnabled(*game, 1), false);
        QCOMPARE(game->matchWindows().innings(1)->findChild<QLineEdit *>()->isEnabled(), false);
        QVERIFY(QTest::qWaitFor([&] { return game->session().match().currentInnings() == 2; }));
        QCOMPARE(game->session().match().log().overs(), 10);
        QCOMPARE(rollEnabled(*game, 2), true);
        QVERIFY(holds(*game));
        m_die.push(4);
        pressRoll(*game);
        QCOMPARE(game->session().match().log().overs(), 11);
    }

    void speedChangeTakesEffectAtTheNextOver()
    {
        SeededRandom overs(testSeed(14u));
        auto game = computerMatch("mnuSpeedSlow", overs);
        QVERIFY(QTest::qWaitFor([&] { return game->session().match().log().overs() == 1; }, 5000));
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        game->findChild<QAction *>(u"mnuSpeedFast"_s)->trigger();
        QVERIFY(QTest::qWaitFor([&] { return game->session().match().log().overs() == 2; }, 5000));
        QVERIFY2(sinceFirst.elapsed() < ComputerPlayer::Slow / 2,
                 qPrintable(QString::number(sinceFirst.elapsed())));
    }

    void speedIsRememberedForTheNextRun()
    {
        frame("mnuSpeedSlow");
        auto next = std::make_unique<mdiMain>();
        QCOMPARE(next->findChild<QAction *>(u"mnuSpeedSlow"_s)->isChecked(), true);
        QCOMPARE(next->session().computer().interval(), ComputerPlayer::Slow);
    }

    void pauseHoldsUntilChosenAgain()
    {
        SeededRandom overs(testSeed(1414u));
        auto game = computerMatch("mnuSpeedFast", overs);
        QAction *pause = game->findChild<QAction *>(u"mnuPause"_s);
        pause->trigger();
        QCOMPARE(pause->isChecked(), true);
        QVERIFY(holds(*game));
        pause->trigger();
        QVERIFY(!holds(*game, 5000));
    }

    void modalDialogHoldsPlayWhileOpen()
    {
        SeededRandom overs(testSeed(141414u));
        auto game = computerMatch("mnuSpeedFast", overs);
        bool held = false;
        whenModalShown([&](QWidget *about) {
            held = holds(*game);
            about->close();
        });
        game->findChild<QAction *>(u"mnuAbout"_s)->trigger();
        QVERIFY(held);
        QVERIFY(!holds(*game, 5000)); // and goes on once it has closed
    }

    void instantMatchReachesTheResult()
    {
        SeededRandom overs(testSeed(20261214u));
        auto game = computerMatch("mnuSpeedInstant", overs);
        QVERIFY(QTest::qWaitFor([&] { return game->matchWindows().isResultOpen(); }, 60000));
        QCOMPARE(game->session().match().isOver(), true);
    }

    void resumedHumanVCpuMatchKeepsWhoseSideIsWhose()
    {
        {
            auto first = frame("mnuSpeedInstant");
            pressInTurn({{u"cmdInBuilt"_s}, {u"cmdSide_0"_s}, {u"cmdBat"_s}});
            m_die.push({1, 2}); // England, the computer, calls heads; tails: Australia bats
            first->findChild<QAction *>(u"mnu1Human"_s)->trigger();
            pushWickets(2);
            pressRoll(*first);
            pressRoll(*first);
        } // the program ends with the user's side batting
        answerNextQuestion(QMessageBox::Yes);
        auto second = frame("mnuSpeedInstant");
        QAction *pause = second->findChild<QAction *>(u"mnuPause"_s);
        QCOMPARE(pause->isChecked(), true); // held until the user says
        pushWickets(8);
        for (int w = 0; w < 8; ++w)
            pressRoll(*second);
        QCOMPARE(second->session().match().currentInnings(), 2);
        QCOMPARE(rollEnabled(*second, 2), false);
        QVERIFY(holds(*second));
        SeededRandom overs(testSeed(2026u));
        second->session().setRandomSource(&overs);
        pause->trigger();
        QVERIFY(!holds(*second, 5000));
    }

    // Australia tosses, England calls; a side the computer plays calls and chooses by itself.
    void tossInEveryCombination_data()
    {
        // Sides the computer plays (Australia, England); the draws; the user's presses; Heads
        // enabled at first, then what the computer did; the side batting first.
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("first");
        QTest::newRow("user calls, user wins")
            << u"10"_s << QList<int>{1} << QStringList{u"cmdHeads"_s, u"cmdBowl"_s}
            << QStringList{u"1"_s, QString()} << u"Australia"_s;
        QTest::newRow("user calls, computer wins")
            << u"10"_s << QList<int>{2} << QStringList{u"cmdHeads"_s}
            << QStringList{u"1"_s, u"Australia chooses to bat."_s} << u"Australia"_s;
        QTest::newRow("computer calls, user wins")
            << u"01"_s << QList<int>{2, 1} << QStringList{u"cmdBowl"_s}
            << QStringList{u"0"_s, u"England calls tails."_s} << u"England"_s;
        QTest::newRow("computer calls, computer wins")
            << u"01"_s << QList<int>{1, 1} << QStringList{}
            << QStringList{u"0"_s, u"England calls heads. England chooses to bat."_s}
            << u"England"_s;
        QTest::newRow("computer both sides")
            << u"11"_s << QList<int>{2, 1} << QStringList{}
            << QStringList{u"0"_s, u"England calls tails. Australia chooses to bat."_s}
            << u"Australia"_s;
    }
    void tossInEveryCombination()
    {
        QFETCH(QString, computer);
        QFETCH(QList<int>, draws);
        QFETCH(QStringList, presses);
        std::array<Side, 2> sides = inBuiltSides();
        for (const int draw : draws)
            m_die.push(draw);
        QStringList shown;
        whenModalShown([&](QWidget *toss) {
            shown << QString::number(button(toss, u"cmdHeads"_s)->isEnabled());
            for (const QString &name : presses)
                click(toss, name);
            shown << toss->findChild<QLabel *>(u"lblcpu"_s)->text();
        });
        QElapsedTimer clock;
        clock.start();
        frmToss::showModal(nullptr, sides, m_die, {computer[0] == u'1', computer[1] == u'1'});
        QTEST(shown, "seen");
        QTEST(sides[0].team.Name.trimmed(), "first");
        QCOMPARE(m_die.remaining(), 0);
        if (!presses.contains(u"cmdBowl"_s)) // the computer chose
            QVERIFY(clock.elapsed() >= frmToss::ComputerChoiceMs);
    }
};

QTEST_MAIN(tst_Computer)
#include "tst_computer.moc"
