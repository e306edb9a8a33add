// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ComputerPlayer.h"
#include "core/match/InBuiltTeams.h"
#include "ui/match/frmResult.h"
#include "ui/shell/frmToss.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <memory>

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
        auto frame = std::make_unique<mdiMain>();
        frame->setStorePath(m_dir->filePath(u"stumpwell.sqlite"_s));
        frame->setRandomSource(&m_die);
        frame->show();
        frame->openMatchStore();
        frame->findChild<QAction *>(QLatin1String(speed))->trigger();
        return frame;
    }
    static QPushButton *button(QWidget *window, const QString &name)
    {
        return window->findChild<QPushButton *>(name);
    }
    // In-built teams; in Human v CPU the side `side` (cmdSide_0 or cmdSide_1), then the user's
    // presses in the toss, if any. `seen` gets the side window's texts.
    static void answerStart(const QString &side, const QStringList &toss, QStringList *seen)
    {
        whenModalShown([=](QWidget *teamMode) {
            const auto tossAnswer = [=](QWidget *window) {
                for (const QString &name : toss)
                    QTest::mouseClick(button(window, name), Qt::LeftButton);
            };
            if (side.isEmpty()) {
                whenModalShown(tossAnswer);
            } else {
                whenModalShown([=](QWidget *sideWindow) {
                    if (seen)
                        *seen << sideWindow->windowTitle()
                              << sideWindow->findChild<QLabel *>(u"lblSide"_s)->text()
                              << button(sideWindow, u"cmdSide_0"_s)->text()
                              << button(sideWindow, u"cmdSide_1"_s)->text();
                    whenModalShown(tossAnswer);
                    QTest::mouseClick(button(sideWindow, side), Qt::LeftButton);
                });
            }
            QTest::mouseClick(button(teamMode, u"cmdInBuilt"_s), Qt::LeftButton);
        });
    }
    static void startCpuVCpu(mdiMain &frame)
    {
        answerStart(QString(), {}, nullptr);
        frame.findChild<QAction *>(u"mnuHuman0"_s)->trigger();
    }
    static bool rollEnabled(mdiMain &frame, int innings)
    {
        return button(frame.matchWindows().innings(innings), u"cmdRoll"_s)->isEnabled();
    }
    static bool boxEnabled(mdiMain &frame, int innings)
    {
        return frame.matchWindows().innings(innings)->findChild<QLineEdit *>()->isEnabled();
    }
    void pushWickets(int wickets)
    {
        for (int w = 0; w < wickets; ++w)
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
    }
    // No over for this long: the computer holds.
    static bool holds(mdiMain &frame, int ms = 300)
    {
        const int overs = frame.match().log().overs();
        return !QTest::qWaitFor([&] { return frame.match().log().overs() != overs; }, ms);
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
        answerStart(u"cmdSide_1"_s, {u"cmdHeads"_s, u"cmdBowl"_s}, &seen);
        m_die.push(1); // England, the user, calls heads and wins, and Australia bats
        pushWickets(10);
        game->findChild<QAction *>(u"mnu1Human"_s)->trigger();
        QCOMPARE(seen, (QStringList{u"Choose Your Side"_s, u"Which side will you play?"_s,
                                    u"Australia"_s, u"England"_s}));
        QCOMPARE(rollEnabled(*game, 1), false);
        QCOMPARE(boxEnabled(*game, 1), false);
        QVERIFY(QTest::qWaitFor([&] { return game->match().currentInnings() == 2; }));
        QCOMPARE(game->match().log().overs(), 10);
        QCOMPARE(rollEnabled(*game, 2), true);
        QVERIFY(holds(*game));
        m_die.push(4);
        pressRoll(*game);
        QCOMPARE(game->match().log().overs(), 11);
    }

    void speedChangeTakesEffectAtTheNextOver()
    {
        auto game = frame("mnuSpeedSlow");
        m_die.push({1, 1}); // the computer calls heads, wins and bats
        startCpuVCpu(*game);
        SeededRandom overs(testSeed(14u));
        game->setRandomSource(&overs);
        QVERIFY(QTest::qWaitFor([&] { return game->match().log().overs() == 1; }, 5000));
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        game->findChild<QAction *>(u"mnuSpeedFast"_s)->trigger();
        QVERIFY(QTest::qWaitFor([&] { return game->match().log().overs() == 2; }, 5000));
        QVERIFY2(sinceFirst.elapsed() < ComputerPlayer::Slow / 2,
                 qPrintable(QString::number(sinceFirst.elapsed())));
    }

    void speedIsRememberedForTheNextRun()
    {
        frame("mnuSpeedSlow");
        auto next = std::make_unique<mdiMain>();
        QCOMPARE(next->findChild<QAction *>(u"mnuSpeedSlow"_s)->isChecked(), true);
        QCOMPARE(next->computerPlayer().interval(), ComputerPlayer::Slow);
    }

    void pauseHoldsUntilChosenAgain()
    {
        auto game = frame("mnuSpeedFast");
        m_die.push({1, 1});
        startCpuVCpu(*game);
        SeededRandom overs(testSeed(1414u));
        game->setRandomSource(&overs);
        QAction *pause = game->findChild<QAction *>(u"mnuPause"_s);
        pause->trigger();
        QCOMPARE(pause->isChecked(), true);
        QVERIFY(holds(*game));
        pause->trigger();
        QVERIFY(!holds(*game, 5000));
    }

    void modalDialogHoldsPlayWhileOpen()
    {
        auto game = frame("mnuSpeedFast");
        m_die.push({1, 1});
        startCpuVCpu(*game);
        SeededRandom overs(testSeed(141414u));
        game->setRandomSource(&overs);
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
        auto game = frame("mnuSpeedInstant");
        SeededRandom draws(testSeed(20261214u));
        game->setRandomSource(&draws);
        startCpuVCpu(*game);
        QVERIFY(QTest::qWaitFor([&] { return game->matchWindows().isResultOpen(); }, 60000));
        QCOMPARE(game->match().isOver(), true);
    }

    void resumedHumanVCpuMatchKeepsWhoseSideIsWhose()
    {
        {
            auto first = frame("mnuSpeedInstant");
            answerStart(u"cmdSide_0"_s, {u"cmdBat"_s}, nullptr);
            m_die.push({1, 2}); // England, the computer, calls heads; tails: Australia bats
            first->findChild<QAction *>(u"mnu1Human"_s)->trigger();
            pushWickets(2);
            pressRoll(*first);
            pressRoll(*first);
        } // the program ends with the user's side batting
        whenModalShown([](QWidget *question) {
            static_cast<QMessageBox *>(question)->button(QMessageBox::Yes)->click();
        });
        auto second = frame("mnuSpeedInstant");
        QAction *pause = second->findChild<QAction *>(u"mnuPause"_s);
        QCOMPARE(pause->isChecked(), true);
        QCOMPARE(rollEnabled(*second, 1), true);
        pushWickets(8);
        for (int w = 0; w < 8; ++w)
            pressRoll(*second);
        QCOMPARE(second->match().currentInnings(), 2);
        QCOMPARE(rollEnabled(*second, 2), false);
        QVERIFY(holds(*second));
        SeededRandom overs(testSeed(2026u));
        second->setRandomSource(&overs);
        pause->trigger();
        QVERIFY(!holds(*second, 5000));
    }

    // Australia tosses, England calls; a side the computer plays calls and chooses by itself.
    void tossInEveryCombination_data()
    {
        QTest::addColumn<QString>("computer"); // which sides: Australia, England
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("seen"); // Heads enabled at first, then what the computer did
        QTest::addColumn<QString>("first");    // the side batting first

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
        QFETCH(QStringList, seen);
        QFETCH(QString, first);
        std::array<Side, 2> sides = inBuiltSides();
        for (const int draw : draws)
            m_die.push(draw);
        QStringList shown;
        whenModalShown([&](QWidget *toss) {
            shown << QString::number(button(toss, u"cmdHeads"_s)->isEnabled());
            for (const QString &name : presses)
                QTest::mouseClick(button(toss, name), Qt::LeftButton);
            shown << toss->findChild<QLabel *>(u"lblcpu"_s)->text();
        });
        const bool computerChooses = !presses.contains(u"cmdBowl"_s);
        QElapsedTimer clock;
        clock.start();
        frmToss::showModal(nullptr, sides, m_die, {computer[0] == u'1', computer[1] == u'1'});
        QCOMPARE(shown, seen);
        QCOMPARE(sides[0].team.Name.trimmed(), first);
        QCOMPARE(m_die.remaining(), 0);
        if (computerChooses)
            QVERIFY(clock.elapsed() >= frmToss::ComputerChoiceMs);
    }
};

QTEST_MAIN(tst_Computer)
#include "tst_computer.moc"
