// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "ui/shell/frmToss.h"

#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"

#include <QElapsedTimer>

// What the windows show of the computer's play: its side's card locked, play held while a dialog is
// open, the toss it calls (its flows: tst_session).
class tst_Computer : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    ScriptedRandom m_die;

    // CPU v CPU at speed: the computer calls heads, wins and bats; the overs drawn from `overs`.
    std::unique_ptr<mdiMain> computerMatch(const QString &speed, SeededRandom &overs)
    {
        auto game = openedFrame(u"stumpwell.sqlite"_s, &m_die, speed);
        m_die.push({1, 1});
        {
            ModalDriver modals(answerMatchStart);
            trigger(game.get(), u"mnuHuman0"_s);
        }
        game->session().setRandomSource(&overs);
        return game;
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
        m_dir.emplace();
        m_die = ScriptedRandom{};
    }

    // The user picks England; Australia, the computer's, wins the toss and bats.
    void computersCardIsLockedWhileItBats()
    {
        auto game = openedFrame(u"stumpwell.sqlite"_s, &m_die, u"mnuSpeedInstant"_s);
        QStringList chooser;
        ModalDriver modals([&](QWidget *modal) {
            if (modal->objectName() == u"frmSide") {
                chooser << modal->windowTitle() << caption(modal, u"lblSide"_s)
                        << find<QPushButton>(modal, u"cmdSide_0"_s)->text()
                        << find<QPushButton>(modal, u"cmdSide_1"_s)->text();
                return click(modal, u"cmdSide_1"_s);
            }
            if (modal->objectName() == u"frmToss")
                return click(modal, u"cmdHeads"_s), click(modal, u"cmdBowl"_s);
            answerMatchStart(modal);
        });
        m_die.push(1); // England, the user, calls heads and wins, and Australia bats
        for (int w = 0; w < 10; ++w)
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
        trigger(game.get(), u"mnu1Human"_s);
        QCOMPARE(chooser, (QStringList{u"Choose Your Side"_s, u"Which side will you play?"_s,
                                       u"Australia"_s, u"England"_s}));
        MatchWindows &windows = game->matchWindows();
        QVERIFY(!find(windows.innings(1), u"cmdRoll"_s)->isEnabled());
        QVERIFY(!find(windows.innings(1), u"txtRoll"_s)->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return game->session().match().currentInnings() == 2; }));
        QVERIFY(find(windows.innings(2), u"cmdRoll"_s)->isEnabled());
    }

    void modalDialogHoldsPlayWhileOpen()
    {
        SeededRandom overs(testSeed(141414u));
        auto game = computerMatch(u"mnuSpeedFast"_s, overs);
        bool held = false;
        ModalDriver modals([&](QWidget *about) {
            held = holds(*game);
            about->close();
        });
        trigger(game.get(), u"mnuAbout"_s);
        QVERIFY(held);
        QVERIFY(!holds(*game, 5000)); // and goes on once it has closed
    }

    // Australia tosses, England calls; a side the computer plays calls and chooses by itself.
    // Only a choice ends the toss (not Esc or closing), after one flip.
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
        ModalDriver modals([&](QWidget *toss) {
            shown << QString::number(find(toss, u"cmdHeads"_s)->isEnabled());
            QTest::keyClick(toss, Qt::Key_Escape);
            toss->close();
            for (const QString &name : presses)
                click(toss, name);
            static_cast<frmToss *>(toss)->cmdTails_Click(); // a second call flips nothing
            shown << caption(toss, u"lblcpu"_s);
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
