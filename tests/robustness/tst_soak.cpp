// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

// Plays many whole matches with the game's own time-seeded die, from the menu to the result,
// through the real windows, and checks the rules of the over after every one of them. Nothing
// is scripted, so every run plays different matches; a broken rule names the match and over.

#include "common/Fonts.h"
#include "common/RandomSource.h"
#include "engine/MatchWindows.h"
#include "engine/frmResult.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "MatchInvariants.h"
#include "TestSupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMetaMethod>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// STUMPWELL_SOAK_MATCHES plays more (or, while profiling, fewer).
int matchCount()
{
    const int asked = qEnvironmentVariableIntValue("STUMPWELL_SOAK_MATCHES");
    return asked > 0 ? asked : 200;
}

void press(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QPushButton *>(name);
    if (button && button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
}

// Team mode gets the in-built teams; the toss a call and a choice that vary with the match, so
// every outcome of the toss table comes up. The coin itself is the game's.
void answerTeamModeAndToss(int match)
{
    whenModalShown([match](QWidget *teamMode) {
        whenModalShown([match](QWidget *toss) {
            press(toss, match % 2 ? QStringLiteral("cmdHeads") : QStringLiteral("cmdTails"));
            press(toss, match / 2 % 2 ? QStringLiteral("cmdBat") : QStringLiteral("cmdBowl"));
        });
        press(teamMode, QStringLiteral("cmdInBuilt"));
    });
}

struct Outcomes
{
    int team1 = 0;
    int team2 = 0;
    int ties = 0;
    int draws = 0;
};

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void manyWholeMatchesKeepEveryRuleOfTheOver()
    {
        // The game's own source, not a script: the point is the draws nobody chose.
        QVERIFY(dynamic_cast<TimeSeededRandom *>(&Globals::random()));
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
        mdiMain frame;
        frame.show();
        QAction *start = frame.findChild<QAction *>(QStringLiteral("mnu2Human"));
        QVERIFY(start);

        const int matches = matchCount();
        MatchInvariants invariants;
        Outcomes outcomes;
        for (int match = 1; match <= matches; ++match) {
            answerTeamModeAndToss(match);
            start->trigger();
            QVERIFY2(MatchWindows::isInningsOpen(1), qPrintable(QString::number(match)));
            QString problem = invariants.observe();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QCOMPARE(invariants.matches(), match);

            while (!MatchWindows::isResultOpen()) {
                const int innings = Globals::matchState().CurrentInnings;
                QVERIFY(innings >= 1 && innings <= 4);
                auto *roll = MatchWindows::InningsWindows(innings)->findChild<QPushButton *>(
                    QStringLiteral("cmdRoll"));
                QVERIFY(roll && roll->isEnabled());
                const int before = invariants.matchOvers();
                // The button's own click, which emits clicked as a mouse release does: a mouse
                // press and release would repaint the button twice an over and make the run five
                // times slower (the monkey test presses with the mouse).
                roll->click();
                problem = invariants.observe();
                if (!problem.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("match %1, over %2: %3")
                                         .arg(match)
                                         .arg(invariants.matchOvers())
                                         .arg(problem)));
                QCOMPARE(invariants.matchOvers(), before + 1);
            }
            const MatchState &state = Globals::matchState();
            QVERIFY(state.TimeUp || state.CurrentInnings == 5);
            QVERIFY(invariants.matchOvers() <= 450);
            if (state.TimeUp)
                ++outcomes.draws;
            else if (invariants.expectedResult().endsWith(state.Team1.Name.trimmed()))
                ++outcomes.team1;
            else if (invariants.expectedResult().endsWith(state.Team2.Name.trimmed()))
                ++outcomes.team2;
            else
                ++outcomes.ties;
            closeTheResult(frame);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("closing the result of match %1").arg(match)));
        }
        QCOMPARE(invariants.matches(), matches);
        qInfo("%d matches, %d overs: %d won by the side batting first, %d by the other, %d tied, "
              "%d drawn",
              matches, invariants.overs(), outcomes.team1, outcomes.team2, outcomes.ties,
              outcomes.draws);
    }

    // The checker itself must see a broken rule: one caption of a fresh match is falsified.
    void aFalsifiedCaptionIsCaught_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("untouched") << QString() << QString() << QString();
        QTest::newRow("runs") << u"frmInnings1"_s << u"lblRuns_0"_s << u"4"_s;
        QTest::newRow("balls") << u"frmInnings1"_s << u"lblBalls_1"_s << u"6"_s;
        QTest::newRow("minutes") << u"frmInnings1"_s << u"lblMins_0"_s << u"4"_s;
        QTest::newRow("extras") << u"frmInnings1"_s << u"lblExtras"_s << u"1"_s;
        QTest::newRow("fall of wicket") << u"frmInnings1"_s << u"lblFOW_0"_s << u" 1/0"_s;
        QTest::newRow("total line")
            << u"frmInnings1"_s << u"lblTotalLine"_s << u"Total for the loss of 1 wickets:"_s;
        QTest::newRow("innings score") << u"frmMatchSummary"_s << u"lblInn1"_s << u"2"_s;
        QTest::newRow("aggregate") << u"frmMatchSummary"_s << u"lblTotal2"_s << u"2"_s;
        QTest::newRow("time") << u"frmState"_s << u"lblTime"_s << u"10:04a"_s;
        QTest::newRow("session") << u"frmState"_s << u"lblSession"_s << u"2"_s;
    }
    void aFalsifiedCaptionIsCaught()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
        mdiMain frame;
        frame.show();
        answerTeamModeAndToss(1);
        frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();
        QVERIFY(MatchWindows::isInningsOpen(1));
        if (!window.isEmpty()) {
            QWidget *shown = window == u"frmInnings1"
                                 ? static_cast<QWidget *>(MatchWindows::InningsWindows(1))
                             : window == u"frmState" ? static_cast<QWidget *>(MatchWindows::state())
                                                     : MatchWindows::summary();
            auto *target = shown->findChild<QLabel *>(label);
            QVERIFY(target);
            QVERIFY(target->text() != caption);
            target->setText(caption);
        }
        MatchInvariants invariants;
        QCOMPARE(invariants.observe().isEmpty(), window.isEmpty());
        MatchWindows::closeMatchWindows();
    }

private:
    static void closeTheResult(mdiMain &frame)
    {
        frmResult *result = MatchWindows::result();
        const MatchState &state = Globals::matchState();
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("lblTeam1"))->text(),
                 state.Team1.Name.trimmed());
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("lblTeam2"))->text(),
                 state.Team2.Name.trimmed());
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("lblResult"))->text(),
                 MatchInvariants::expectedResult());
        auto *ok = result->findChild<QPushButton *>(QStringLiteral("cmdOk"));
        auto *timer = result->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(ok && timer);
        QVERIFY(!ok->isEnabled());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        // Two seconds a match would be most of the run: the running timer's own timeout is
        // raised now instead of waited for, which is what its tick would do.
        QVERIFY(QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!MatchWindows::matchInProgress());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!MatchWindows::isInningsOpen(i));
        QVERIFY(!MatchWindows::isResultOpen() && !MatchWindows::isSummaryOpen() &&
                !MatchWindows::isStateOpen() && !MatchWindows::isHighlightsOpen());
        QVERIFY(QTest::qWaitFor([&frame] { return frame.mdiArea()->subWindowList().isEmpty(); }));
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
