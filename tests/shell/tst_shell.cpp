// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/InBuiltTeams.h"
#include "shell/frmAbout.h"
#include "shell/frmSplash.h"
#include "shell/frmToss.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "MatchInvariants.h"
#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A failed check inside a helper lambda ends the test, as it would outside.
#define CHECKED(step)                                                                              \
    if ((step), QTest::currentTestFailed())                                                        \
    return

namespace {

QString caption(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

// In-built teams, then the toss; seen gets Team1 at team mode and TimeUp at the toss.
void answerStart(QStringList *seen, const char *call, const char *choice)
{
    whenModalShown([=](QWidget *teamMode) {
        *seen << teamMode->objectName() + Globals::matchState().Team1.Name.trimmed();
        whenModalShown([=](QWidget *toss) {
            *seen << toss->objectName() + QString::number(Globals::matchState().TimeUp);
            QTest::mouseClick(button(toss, call), Qt::LeftButton);
            QTest::mouseClick(button(toss, choice), Qt::LeftButton);
        });
        QTest::mouseClick(button(teamMode, "cmdInBuilt"), Qt::LeftButton);
    });
}

// parent|item|caption|shortcut for every enabled, visible item, depth first.
QStringList menuTree(const QString &parent, const QList<QAction *> &actions)
{
    QStringList rows;
    for (const QAction *action : actions) {
        if (action->isEnabled() && action->isVisible())
            rows << parent + u'|' + action->objectName() + u'|' + action->text() + u'|' +
                        action->shortcut().toString();
        if (action->menu())
            rows << menuTree(action->objectName(), action->menu()->actions());
    }
    return rows;
}

bool allCaptionsFit(QWidget *window)
{
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    return std::all_of(labels.begin(), labels.end(), captionFits);
}

} // namespace

class tst_Shell : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
    }
    void cleanup() { MatchWindows::closeMatchWindows(); }

    void menuTreeWithCaptionsAndShortcuts()
    {
        mdiMain frame;
        QCOMPARE(frame.windowTitle() + frame.centralWidget()->objectName(), u"StumpwellmdiArea"_s);
        QCOMPARE(menuTree(QString(), frame.menuBar()->actions()).join(u", "),
                 u"|mnuGame|&Game|, mnuGame|mnuDice|&Dice (Basic)|, mnuDice|mnu2Human|&Human v "
                 "Human|Ctrl+F1, mnuDice|mnu1Human|H&uman v CPU|Ctrl+F2, mnuDice|mnuHuman0|&CPU v "
                 "CPU|Ctrl+F3, |mnuCharts|&Charts|, mnuCharts|mnuFOWChart|&FOW Chart|, "
                 "|mnuData|&Data|, mnuData|mnuPlayers|&Players Database|Ctrl+P, |mnuHelp|&Help|, "
                 "mnuHelp|mnuAbout|&About|Shift+F1"_s);
    }

    // About opens and closes any number of times; the CPU items do nothing yet.
    void menuItemsOpenTheirWindows()
    {
        QTemporaryDir dir; // the players database lives in the current directory
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        EndProgramObserver endings;
        mdiMain frame;
        frame.show();
        QStringList opened;
        std::function<void(QWidget *)> closeAll = [&](QWidget *modal) {
            if (qobject_cast<QMessageBox *>(modal))
                whenModalShown(closeAll, 2000); // no database yet
            else if (modal->objectName() != u"frmAbout"_s || allCaptionsFit(modal))
                opened << modal->objectName() + modal->windowTitle();
            if (QPushButton *ok = modal->findChild<QPushButton *>(u"cmdOk"_s))
                QTest::mouseClick(ok, Qt::LeftButton);
            modal->close();
        };
        for (const char *item :
             {"mnuAbout", "mnuAbout", "mnuPlayers", "mnuFOWChart", "mnu1Human", "mnuHuman0"}) {
            whenModalShown(closeAll, 300);
            frame.findChild<QAction *>(QLatin1String(item))->trigger();
        }
        QTest::qWait(500);
        QDir::setCurrent(previous);
        QCOMPARE(opened, (QStringList{u"frmAboutAbout Stumpwell"_s, u"frmAboutAbout Stumpwell"_s,
                                      u"frmPlayersPlayers Database"_s,
                                      u"frmFOWGraphFall of Wickets/Partnership Graph"_s}));
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty() && !QApplication::activeModalWidget());
        QCOMPARE(endings.calls(), 0);
    }

    // The splash shows its full time, then the in-built teams are stored.
    void splashClosesByItselfThenTheTeamsAreStored()
    {
        Globals::matchState() = MatchState{};
        mdiMain frame;
        QElapsedTimer clock;
        QString atClose;
        whenModalShown([&](QWidget *splash) {
            atClose = splash->objectName() + QString::number(frame.isMaximized()) +
                      QString::number(allCaptionsFit(splash)) + caption(splash, "lblProduct") +
                      caption(splash, "lblSubtitle") + caption(splash, "lblVersion");
            connect(static_cast<QDialog *>(splash), &QDialog::finished, splash, [&] {
                atClose += QString::number(Globals::matchState().Team1 == TeamRecord{}) +
                           QString::number(clock.elapsed() >= frmSplash::Timer1Interval);
            });
        });
        clock.start();
        frame.MDIForm_Load();
        QCOMPARE(atClose, u"frmSplash11StumpwellRollcraftVersion "_s +
                              QStringLiteral(STUMPWELL_VERSION) + u"11"_s);
        QStringList stored;
        for (const TeamRecord *team :
             {&Globals::matchState().Team1, &Globals::matchState().Team2}) {
            stored << team->Name.trimmed();
            for (quint32 colour :
                 {team->CreaseColour, team->OutColour, team->BackColour, team->WaitingColour})
                stored.last() += u' ' + QString::number(colour, 16);
            for (std::size_t i = 1; i <= 11; ++i)
                stored.last() +=
                    u',' + team->Players[i].trimmed() + u' ' + QString::number(team->BatAverage[i]);
        }
        QCOMPARE(stored.join(u'\n'),
                 u"Australia ffffff ffff 8000 ffff,KR Dunmore 22,PJ Ashgrove 46,DL Brindle 48,"
                 "BT Coyle 56,GH Coyle 83,NA Fenwick 11,TC Hartigan 31,RW Esterby 8,JF Quarrie 23,"
                 "AM Tollard 11,LB Varga 2\nEngland ffffff ffff00 800000 ffff00,OH Pelham 25,"
                 "CS Wrenfield 13,VK Dabney 45,EJ Harrowby 35,WP Kilbride 43,DR Oakhurst 47,"
                 "FG Selwood 13,SMT Ridley 27,B Yarwood 5,PE Lockett 2,HAL Norcross 8"_s);
    }

    // Only Bat or Bowl end the toss; the choice moves whole records so that Team1 bats first.
    void tossOutcomeTable_data()
    {
        QTest::addColumn<bool>("callHeads");
        QTest::addColumn<int>("coin");
        QTest::addColumn<bool>("bat");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<bool>("exchanged");
        QTest::newRow("tosser wins, bats") << false << 1 << true << u"Australia"_s << false;
        QTest::newRow("tosser wins, bowls") << true << 2 << false << u"Australia"_s << true;
        QTest::newRow("caller wins, bats") << true << 1 << true << u"England"_s << true;
        QTest::newRow("caller wins, bowls") << false << 2 << false << u"England"_s << false;
    }
    void tossOutcomeTable()
    {
        QFETCH(bool, callHeads);
        QFETCH(int, coin);
        QFETCH(bool, bat);
        QFETCH(QString, winner);
        QFETCH(bool, exchanged);
        MatchState &state = Globals::matchState();
        const MatchState before = state;
        ScriptedRandom script{coin};
        QStringList seen;
        whenModalShown([&](QWidget *toss) {
            for (const char *name : {"cmdHeads", "cmdTails", "cmdBat", "cmdBowl"})
                seen << button(toss, name)->text() +
                            QString::number(button(toss, name)->isVisible());
            seen << caption(toss, "lbltoss");
            QTest::keyClick(toss, Qt::Key_Escape);
            toss->close();
            QTest::mouseClick(button(toss, callHeads ? "cmdHeads" : "cmdTails"), Qt::LeftButton);
            static_cast<frmToss *>(toss)->cmdTails_Click();
            seen << caption(toss, "lblresult") +
                        QString::number(button(toss, "cmdHeads")->isEnabled())
                 << QString::number(toss->isVisible() && state.Team1 == before.Team1);
            QTest::mouseClick(button(toss, bat ? "cmdBat" : "cmdBowl"), Qt::LeftButton);
        });
        frmToss::showModal(nullptr);
        QCOMPARE(seen, (QStringList{u"&Heads1"_s, u"&Tails1"_s, u"&Bat0"_s, u"B&owl0"_s,
                                    u"Australia will toss the coin, England will call!"_s,
                                    u"The result was %1. %2 has won the toss.  Would you like "
                                    "to bat or bowl first?0"_s.arg(
                                        coin == 1 ? u"heads"_s : u"tails"_s, winner),
                                    u"1"_s}));
        QCOMPARE(QList<int>(script.ranges()) << script.reseeds(), (QList<int>{2, 1})); // one flip
        QCOMPARE(state.Team1, exchanged ? before.Team2 : before.Team1);
        QCOMPARE(state.Team2, exchanged ? before.Team1 : before.Team2);
    }

    // A win, an abandoned match and a draw: every start is fresh, every over keeps the rules.
    void matchesFromTheMenuToTheResultEachStartFresh()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        MatchState &state = Globals::matchState();
        state.TimeUp = true; // what an earlier match may have left
        state.Cards[3].Pair[2] = u"Some/One";
        state.Cards[4].FOW.fill(321);
        ScriptedRandom script;
        MatchInvariants checks;
        QAction *newMatch = frame.findChild<QAction *>(u"mnu2Human"_s); // frame not active again
        QStringList seen;
        const QString question = u"A match is in progress. Abandon it and start a new match?"_s;
        const auto answerQuestion = [&](QMessageBox::StandardButton answer) {
            whenModalShown([&, answer](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                seen << box->text() + QString::number(box->icon() == QMessageBox::Question) +
                            QString::number(box->defaultButton() == box->button(QMessageBox::No));
                if (answer == QMessageBox::Yes)
                    answerStart(&seen, "cmdHeads", "cmdBat");
                QTest::mouseClick(box->button(answer), Qt::LeftButton);
            });
            newMatch->trigger();
        };
        // Team1 at team mode shows the teams as the last match left them.
        const auto checkFreshStart = [&](const QString &team1) {
            QCOMPARE(seen.mid(seen.size() - 2),
                     (QStringList{u"frmTeamMode"_s + team1, u"frmToss0"_s}));
            QCOMPARE(MatchWindows::InningsWindows(1)->windowTitle(),
                     state.Team1.Name.trimmed() + u" - 1st Innings"_s);
            QCOMPARE(int(state.CurrentInnings), 1);
            QCOMPARE(state.ClockHour * 60 + state.ClockMinute, 600);
            QCOMPARE(state.Cards[3].Pair[2].trimmed() + QString::number(state.Cards[4].FOW[5]),
                     u"0"_s);
            QStringList figures;
            for (const char *name : {"lblTotal", "lblExtras", "lblRuns_0", "lblBalls_0"})
                figures << caption(MatchWindows::InningsWindows(1), name);
            for (const char *name : {"lblInn1", "lblInn2", "lblTotal1", "lblTotal2"})
                figures << caption(MatchWindows::summary(), name);
            figures << caption(MatchWindows::state(), "lblTime")
                    << MatchWindows::highlights()->log();
            QCOMPARE(figures, QStringList(8, u"0"_s) << u"10:00a"_s << u"Match Highlights"_s);
            // Edges touch, nothing overlaps, all inside the frame restored from maximised.
            QWidget *card = MatchWindows::InningsWindows(1);
            QWidget *play = MatchWindows::state();
            QWidget *highlights = MatchWindows::highlights();
            QCOMPARE(
                (QList<QPoint>{play->pos(), MatchWindows::summary()->pos(), highlights->pos()}),
                (QList<QPoint>{
                    {card->width(), 0}, {card->width(), play->height()}, {0, card->height()}}));
            QVERIFY(card->pos().isNull() && highlights->width() <= card->width());
            QVERIFY(frame.mdiArea()->viewport()->rect().contains(
                card->geometry() | play->geometry() | MatchWindows::summary()->geometry() |
                highlights->geometry()));
            QCOMPARE(frame.mdiArea()->activeSubWindow(), card);
            QCOMPARE(checks.observe(), QString());
        };
        int appeals = 0;
        const auto play = [&](const QList<int> &faces, int outEvery, int overs) {
            for (int n = 0; !MatchWindows::isResultOpen() && n < overs; ++n) {
                int face = faces[n % faces.size()];
                const bool weak = state.battingSide().BatAverage[state.Striker] < 10;
                if (outEvery > 2 && face == 5 && weak) // for a draw, keep the wickets few
                    face = 4;
                const bool out = face == 5 && (appeals++ % outEvery == 0 || weak);
                script.push(face); // then BatsmanA's balls, the appeal, how out or the extras
                if (face == 1 || face == 3)
                    script.push(n % 5 + 1);
                if (face == 5) // 10 is out only for averages under 10
                    script.push(out ? (weak ? 10 : 1) : 10);
                if (out)
                    script.push({n % 12 + 1, n % 6 + 1});
                else if (face == 5)
                    script.push(n % 20 + 1);
                QTest::mouseClick(
                    button(MatchWindows::InningsWindows(state.CurrentInnings), "cmdRoll"),
                    Qt::LeftButton);
                const QString problem = script.remaining() ? u"draws left"_s : checks.observe();
                QVERIFY2(problem.isEmpty(), qPrintable(u"over %1: "_s.arg(n + 1) + problem));
            }
        };
        const auto closeResult = [&] {
            auto *ok = button(MatchWindows::result(), "cmdOk");
            QVERIFY(!ok->isEnabled() && QTest::qWaitFor([&] { return ok->isEnabled(); }, 5000));
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return frame.mdiArea()->subWindowList().isEmpty(); }));
        };
        const QList<int> toWin{1, 5, 2, 4, 5, 3, 6, 5, 1, 2};
        const QList<int> toDraw{2, 1, 4, 3, 6, 5, 2, 4, 1, 6, 3, 5};

        script.push(1); // England calls right and bats
        answerStart(&seen, "cmdHeads", "cmdBat");
        QTest::keySequence(&frame, QKeySequence(Qt::CTRL | Qt::Key_F1));
        CHECKED(checkFreshStart(u"Australia"_s));
        CHECKED(play(toWin, 2, 20));
        seen.clear();
        answerQuestion(QMessageBox::No);
        QCOMPARE(seen, QStringList{question + u"11"_s});
        QCOMPARE(checks.observe(), QString()); // the match goes on untouched
        CHECKED(play(toWin, 2, 500));
        QCOMPARE(int(state.CurrentInnings), 5);
        CHECKED(closeResult());

        script.push(2);
        answerStart(&seen, "cmdHeads", "cmdBat");
        newMatch->trigger();
        CHECKED(checkFreshStart(u"England"_s));
        CHECKED(play(toDraw, 3, 10));
        const QPointer<QWidget> old = MatchWindows::InningsWindows(1);
        script.push(1);
        seen.clear();
        answerQuestion(QMessageBox::Yes);
        QCOMPARE(seen.first(), question + u"11"_s);
        QVERIFY(QTest::qWaitFor([&] { return old.isNull(); }));
        CHECKED(checkFreshStart(u"England"_s));
        CHECKED(play(toDraw, 3, 500));
        QCOMPARE(checks.matches(), 3);
        QCOMPARE(checks.matchOvers(), 450);
        QVERIFY(state.TimeUp);
        CHECKED(closeResult());
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
