// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmState.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "ScriptedRandom.h"
#include "ShellMatch.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace ShellMatch;

namespace {

void spoilMatchRecord(MatchState &state)
{
    state.TimeUp = true;
    state.CurrentInnings = 5;
    state.ClockHour = 3;
    state.ClockMinute = 44;
    for (BattingCard &card : state.Cards) {
        for (auto &pair : card.Pair)
            pair = u"Somebody/Else";
        card.FOW.fill(321);
    }
}

void roll(int face, ScriptedRandom &script)
{
    script.push(face);
    QTest::mouseClick(MatchWindows::InningsWindows(Globals::matchState().CurrentInnings)
                          ->findChild<QPushButton *>(u"cmdRoll"_s),
                      Qt::LeftButton);
}

} // namespace

class tst_MatchStart : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
    }
    void cleanup() { MatchWindows::closeMatchWindows(); }

    void startLaysOutTheMatchWindows_data()
    {
        QTest::addColumn<bool>("byShortcut");
        QTest::addColumn<bool>("heads");
        QTest::addColumn<int>("coin");
        QTest::addColumn<bool>("bat");
        QTest::addColumn<QString>("battingFirst");
        QTest::addColumn<QString>("bowlingFirst");
        QTest::newRow("caller wins and bats, Ctrl+F1")
            << true << true << 1 << true << u"England"_s << u"Australia"_s;
        QTest::newRow("tosser wins and bats, menu")
            << false << true << 2 << true << u"Australia"_s << u"England"_s;
    }
    void startLaysOutTheMatchWindows()
    {
        QFETCH(bool, byShortcut);
        QFETCH(bool, heads);
        QFETCH(int, coin);
        QFETCH(bool, bat);
        QFETCH(QString, battingFirst);
        QFETCH(QString, bowlingFirst);

        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        MatchState &state = Globals::matchState();
        spoilMatchRecord(state);
        bool timeUpClearedBeforeToss = false;
        ScriptedRandom script{coin};
        auto seen = std::make_shared<QStringList>();
        answerTeamModeAndToss({heads,
                               bat,
                               {},
                               [&] {
                                   timeUpClearedBeforeToss = !Globals::matchState().TimeUp;
                               }},
                              seen);
        if (byShortcut)
            QTest::keySequence(&frame, QKeySequence(Qt::CTRL | Qt::Key_F1));
        else
            frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();

        QCOMPARE(*seen, (QStringList{u"frmTeamMode"_s, u"frmToss"_s}));
        QCOMPARE(script.remaining(), 0);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!state.TimeUp);
        QCOMPARE(int(state.CurrentInnings), 1);
        QCOMPARE(int(state.ClockHour), 10);
        QCOMPARE(int(state.ClockMinute), 0);
        for (std::size_t innings = 1; innings <= 4; ++innings) {
            for (std::size_t i = 0; i <= 10; ++i) {
                QCOMPARE(state.Cards[innings].Pair[i].text(), QString(80, u' '));
                QCOMPARE(int(state.Cards[innings].FOW[i]), 0);
            }
        }
        QCOMPARE(state.Team1.Name.trimmed(), battingFirst);
        QCOMPARE(state.Team2.Name.trimmed(), bowlingFirst);

        frmInnings1 *innings = MatchWindows::InningsWindows(1);
        frmState *playState = MatchWindows::state();
        frmMatchSummary *summary = MatchWindows::summary();
        frmHighlights *highlights = MatchWindows::highlights();
        QCOMPARE(innings->windowTitle(), battingFirst + u" - 1st Innings"_s);
        QCOMPARE(caption(summary, u"lblTeam1"_s), battingFirst);
        QCOMPARE(caption(summary, u"lblTeam2"_s), bowlingFirst);
        QCOMPARE(designTimeFigures(), freshFigures);

        const QList<QWidget *> windows = matchWindows();
        for (QWidget *window : windows) {
            QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
            QCOMPARE(window->parentWidget(), frame.mdiArea()->viewport());
        }
        QCOMPARE(innings->pos(), QPoint(0, 0));
        QCOMPARE(playState->pos(), QPoint(innings->width(), 0));
        QCOMPARE(summary->x(), playState->x());
        QCOMPARE(summary->y(), playState->y() + playState->height());
        QCOMPARE(highlights->pos(), QPoint(0, innings->height()));
        QRect all;
        for (int i = 0; i < windows.size(); ++i) {
            all |= windows[i]->geometry();
            for (int j = i + 1; j < windows.size(); ++j)
                QVERIFY2(!windows[i]->geometry().intersects(windows[j]->geometry()),
                         qPrintable(windows[i]->objectName() + u" overlaps "_s +
                                    windows[j]->objectName()));
        }
        // The frame restored from maximised holds the whole layout.
        QVERIFY2(frame.mdiArea()->viewport()->rect().contains(all),
                 qPrintable(u"layout %1x%2 in %3x%4"_s.arg(all.width())
                                .arg(all.height())
                                .arg(frame.mdiArea()->viewport()->width())
                                .arg(frame.mdiArea()->viewport()->height())));
        QCOMPARE(frame.mdiArea()->activeSubWindow(), innings);
        QVERIFY(timeUpClearedBeforeToss);
    }

    void abandonYesStartsAFreshMatch()
    {
        mdiMain frame;
        frame.show();
        ScriptedRandom script{2};
        auto seen = std::make_shared<QStringList>();
        answerTeamModeAndToss({false, true}, seen);
        frame.mnu2Human_Click();
        QCOMPARE(*seen, (QStringList{u"frmTeamMode"_s, u"frmToss"_s}));
        for (int face : {4, 6, 2, 4})
            roll(face, script);
        QCOMPARE(caption(MatchWindows::InningsWindows(1), u"lblTotal"_s), u"16"_s);
        QCOMPARE(caption(MatchWindows::state(), u"lblOvers"_s), u"4"_s);
        QVERIFY(MatchWindows::matchInProgress());
        QList<QPointer<QWidget>> old;
        for (QWidget *window : matchWindows())
            old << window;

        seen->clear();
        script.push(1);
        answerAbandon(true, {true, false}, seen);
        frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();

        QCOMPARE(*seen,
                 (QStringList{u"A match is in progress. Abandon it and start a new match?"_s,
                              u"default No"_s, u"question"_s, u"frmTeamMode"_s, u"frmToss"_s}));
        QCOMPARE(script.remaining(), 0);
        for (const QPointer<QWidget> &window : std::as_const(old))
            QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
        QCOMPARE(designTimeFigures(), freshFigures);
        QCOMPARE(int(Globals::matchState().ClockMinute), 0);
        QCOMPARE(int(Globals::matchState().CurrentInnings), 1);
        // The first toss put England into Team1; now the caller, Australia, wins and bowls, so
        // England stays in first.
        QCOMPARE(MatchWindows::InningsWindows(1)->windowTitle(), u"England - 1st Innings"_s);
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 4);
        QCOMPARE(MatchWindows::InningsWindows(1)->pos(), QPoint(0, 0));
    }

    void abandonNoChangesNothing()
    {
        mdiMain frame;
        frame.show();
        ScriptedRandom script{1};
        auto seen = std::make_shared<QStringList>();
        answerTeamModeAndToss({true, true}, seen);
        frame.mnu2Human_Click();
        for (int face : {6, 2})
            roll(face, script);
        const QStringList figures = designTimeFigures();
        const MatchState before = Globals::matchState();
        const QList<QWidget *> windows = matchWindows();

        seen->clear();
        answerAbandon(false, {}, seen);
        frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();

        QCOMPARE(*seen, (QStringList{u"A match is in progress. Abandon it and start a new match?"_s,
                                     u"default No"_s, u"question"_s}));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(matchWindows(), windows);
        QCOMPARE(designTimeFigures(), figures);
        const MatchState &after = Globals::matchState();
        QCOMPARE(after.Team1, before.Team1);
        QCOMPARE(after.Team2, before.Team2);
        QCOMPARE(after.ClockMinute, before.ClockMinute);
        QCOMPARE(after.CurrentInnings, before.CurrentInnings);
        QCOMPARE(after.Striker, before.Striker);
        QCOMPARE(after.TimeUp, before.TimeUp);
        QVERIFY(MatchWindows::matchInProgress());
        QCOMPARE(caption(MatchWindows::InningsWindows(1), u"lblTotal"_s), u"8"_s);
    }

    void escapeOnTheQuestionKeepsTheMatch()
    {
        mdiMain frame;
        frame.show();
        ScriptedRandom script{1};
        auto seen = std::make_shared<QStringList>();
        answerTeamModeAndToss({true, true}, seen);
        frame.mnu2Human_Click();
        roll(4, script);
        const QList<QWidget *> windows = matchWindows();
        whenModalShown([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
        frame.mnu2Human_Click();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(matchWindows(), windows);
        QCOMPARE(caption(MatchWindows::InningsWindows(1), u"lblTotal"_s), u"4"_s);
    }
};

QTEST_MAIN(tst_MatchStart)
#include "tst_matchstart.moc"
