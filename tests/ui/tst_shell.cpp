// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmResult.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/frmToss.h"
#include "ui/shell/mdiMain.h"

#include "MatchInvariants.h"
#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QSvgRenderer>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// A failed check inside a helper lambda ends the test, as it would outside.
#define CHECKED(step)                                                                              \
    if ((step), QTest::currentTestFailed())                                                        \
    return

class tst_Shell : public QObject
{
    Q_OBJECT

    template <typename T = QLabel>
    static T *find(QWidget *w, const char *n)
    {
        return w->findChild<T *>(QLatin1String(n));
    }

    // In-built teams, then the toss; seen gets the side that tosses.
    static void answerStart(QStringList *seen, const char *call, const char *choice)
    {
        whenModalShown([=](QWidget *teamMode) {
            *seen << teamMode->objectName();
            whenModalShown([=](QWidget *toss) {
                *seen << find(toss, "lbltoss")->text().section(u' ', 0, 0);
                QTest::mouseClick(find<QPushButton>(toss, call), Qt::LeftButton);
                QTest::mouseClick(find<QPushButton>(toss, choice), Qt::LeftButton);
            });
            QTest::mouseClick(find<QPushButton>(teamMode, "cmdInBuilt"), Qt::LeftButton);
        });
    }

    // parent|item|caption|shortcut for every enabled, visible item, depth first.
    static QStringList menuTree(const QString &parent, const QList<QAction *> &actions)
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

    static bool allCaptionsFit(QWidget *window)
    {
        return std::ranges::all_of(window->findChildren<QLabel *>(), captionFits);
    }

    QTemporaryDir m_dir; // the players database lives in the current directory
private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    void menuTreeWithCaptionsShortcutsAndWindows()
    {
        mdiMain frame;
        QCOMPARE(frame.windowTitle() + frame.centralWidget()->objectName(), u"StumpwellmdiArea"_s);
        QCOMPARE(
            menuTree(QString(), frame.menuBar()->actions()).join(u", "),
            u"|mnuGame|&Game|, mnuGame|mnuDice|&Dice (Basic)|, mnuDice|mnu2Human|&Human v "
            "Human|Ctrl+F1, mnuDice|mnu1Human|H&uman v CPU|Ctrl+F2, mnuDice|mnuHuman0|&CPU v "
            "CPU|Ctrl+F3, mnuGame|mnuSpeed|&Speed|, mnuSpeed|mnuSpeedSlow|&Slow|, "
            "mnuSpeed|mnuSpeedNormal|&Normal|, mnuSpeed|mnuSpeedFast|&Fast|, "
            "mnuSpeed|mnuSpeedInstant|&Instant|, mnuGame|mnuPause|&Pause|Ctrl+Space, "
            "mnuGame|||, mnuGame|mnuExport|&Export Scorecard\u2026|, "
            "mnuGame|mnuPrint|&Print\u2026|, mnuGame|||, mnuGame|mnuExit|E&xit|Ctrl+Q, "
            "|mnuCharts|&Charts|, mnuCharts|mnuFOWChart|&FOW Chart|, |mnuData|&Data|, "
            "mnuData|mnuPlayers|&Players Database|Ctrl+P, mnuData|mnuHistory|Match "
            "&History|Ctrl+H, mnuData|mnuStats|Player &Statistics|, mnuData|mnuRecords|&Records|, "
            "|mnuHelp|&Help|, "
            "mnuHelp|mnuHowToPlay|&How to Play|F1, "
            "mnuHelp|mnuAbout|&About|Shift+F1"_s);
        // About opens and closes any number of times.
        EndProgramObserver endings;
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
        // Each dialog runs modally inside its trigger, so it is closed once the trigger returns.
        for (const char *item : {"mnuAbout", "mnuAbout", "mnuPlayers", "mnuFOWChart"}) {
            whenModalShown(closeAll);
            frame.findChild<QAction *>(QLatin1String(item))->trigger();
        }
        QCOMPARE(opened, (QStringList{u"frmAboutAbout Stumpwell"_s, u"frmAboutAbout Stumpwell"_s,
                                      u"frmPlayersPlayers Database"_s,
                                      u"frmFOWGraphFall of Wickets/Partnership Graph"_s}));
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(endings.calls(), 0);
    }

    void exitClosesTheFrameAsItsCloseButtonDoes()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keySequence(&frame, QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(frame.isVisible(), false);
    }

    // The window shows the README's own section, so the two cannot tell different rules.
    void howToPlayOnF1ShowsTheReadmeRulesAndKeys()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        auto *shown = frame.findChild<QTextBrowser *>(u"txtHowToPlay"_s);
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->window()->objectName(), u"frmHowToPlay"_s);
        QFile file(QFINDTESTDATA("../../README.md"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString readme = QString::fromUtf8(file.readAll()), heading = u"## How to play\n\n"_s;
        const qsizetype from = readme.indexOf(heading) + heading.size();
        QTextDocument section;
        section.setMarkdown(readme.mid(from, readme.indexOf(u"\n### The player database") - from));
        QCOMPARE(shown->toPlainText(), section.toPlainText());
    }

    void emptyWorkspaceHintsHowToStartAMatch()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QLabel *hint = find(&frame, "lblHint");
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(hint->text(), u"Game > Dice (Basic) > Human v Human (Ctrl+F1) starts a match."_s);
        const QPointF offCentre = QRectF(hint->geometry()).center() -
                                  QRectF(frame.mdiArea()->viewport()->rect()).center();
        QVERIFY(offCentre.manhattanLength() <= 1);
        frame.matchWindows()
            .highlights()
            ->show(); // any match window hides it until the last closes
        QVERIFY(QTest::qWaitFor([hint] { return !hint->isVisible(); }));
        frame.matchWindows().close();
        QVERIFY(QTest::qWaitFor([hint] { return hint->isVisible(); }));
    }

    void matchWindowsCarryTheGamesIcon()
    {
        mdiMain frame;
        QImage drawn(32, 32, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        QSvgRenderer(QFINDTESTDATA("../../data/stumpwell.svg")).render(&painter);
        painter.end();
        const QIcon icon = frame.matchWindows().highlights()->windowIcon();
        QCOMPARE(icon.pixmap(32).toImage().convertToFormat(drawn.format()), drawn);
    }

    void splashClosesByItself()
    {
        mdiMain frame;
        QElapsedTimer clock;
        QString atClose;
        whenModalShown([&](QWidget *splash) {
            atClose = splash->objectName() + QString::number(frame.isMaximized()) +
                      QString::number(allCaptionsFit(splash)) + find(splash, "lblProduct")->text() +
                      find(splash, "lblSubtitle")->text() + find(splash, "lblVersion")->text();
            connect(static_cast<QDialog *>(splash), &QDialog::finished, splash, [&] {
                atClose += QString::number(clock.elapsed() >= frmSplash::Timer1Interval);
            });
            QTest::keyClick(splash, Qt::Key_Escape); // neither ends it early
            splash->close();
        });
        clock.start();
        frame.MDIForm_Load();
        QCOMPARE(atClose, u"frmSplash11StumpwellRollcraftVersion "_s +
                              QStringLiteral(STUMPWELL_VERSION) + u"1"_s);
    }

    // Only Bat or Bowl end the toss; the choice puts the side batting first in front.
    void tossWindow_data()
    {
        QTest::addColumn<QString>("row"); // England's call, the coin, the choice, who bats first
        QTest::newRow("tosser wins, bowls") << u"Heads tails Bowl Australia England"_s;
        QTest::newRow("caller wins, bats") << u"Heads heads Bat England England"_s;
    }
    void tossWindow()
    {
        QFETCH(QString, row);
        const QStringList cells = row.split(u' ');
        std::array<Side, 2> sides = inBuiltSides();
        ScriptedRandom script{cells[1] == u"heads" ? 1 : 2};
        QStringList seen;
        whenModalShown([&](QWidget *toss) {
            for (const char *name : {"cmdHeads", "cmdTails", "cmdBat", "cmdBowl"})
                seen << find<QPushButton>(toss, name)->text() +
                            QString::number(find<QPushButton>(toss, name)->isVisible());
            seen << find(toss, "lbltoss")->text();
            QTest::keyClick(toss, Qt::Key_Escape);
            toss->close();
            QTest::mouseClick(toss->findChild<QPushButton *>(u"cmd"_s + cells[0]), Qt::LeftButton);
            static_cast<frmToss *>(toss)->cmdTails_Click(); // a second press flips nothing
            seen << find(toss, "lblresult")->text() +
                        QString::number(find<QPushButton>(toss, "cmdHeads")->isEnabled())
                 << QString::number(toss->isVisible());
            QTest::mouseClick(toss->findChild<QPushButton *>(u"cmd"_s + cells[2]), Qt::LeftButton);
        });
        const TossRecord record = frmToss::showModal(nullptr, sides, script);
        QCOMPARE(seen, (QStringList{u"&Heads1"_s, u"&Tails1"_s, u"&Bat0"_s, u"B&owl0"_s,
                                    u"Australia will toss the coin, England will call!"_s,
                                    u"The result was %1. %2 has won the toss.  Would you like "
                                    "to bat or bowl first?0"_s.arg(cells[1], cells[3]),
                                    u"1"_s}));
        QCOMPARE(script.ranges(), QList<int>{2}); // one flip
        QCOMPARE(sides[0].team.Name.trimmed(), cells[4]);
        QCOMPARE(record.coin, cells[1] == u"heads" ? TossRules::Heads : TossRules::Tails);
        QCOMPARE(record.choice,
                 cells[2] == u"Bat" ? TossRules::Choice::Bat : TossRules::Choice::Bowl);
    }

    // A win, an abandoned match and a draw: every start is fresh, every over keeps the rules.
    void matchesFromTheMenuToTheResultEachStartFresh()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        const MatchState &state = frame.session().match().state();
        MatchWindows &windows = frame.matchWindows();
        ScriptedRandom script;
        frame.session().setRandomSource(&script);
        MatchInvariants checks(windows, frame.session().match());
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
        // The side that tosses shows the teams as the last match's toss left them.
        const auto checkFreshStart = [&](const QString &tosser) {
            QCOMPARE(seen.mid(seen.size() - 2), (QStringList{u"frmTeamMode"_s, tosser}));
            QStringList figures{windows.innings(1)->windowTitle()};
            for (const char *name : {"lblTotal", "lblExtras", "lblRuns_0", "lblBalls_0"})
                figures << find(windows.innings(1), name)->text();
            for (const char *name : {"lblInn1", "lblInn2", "lblTotal1", "lblTotal2"})
                figures << find(windows.summary(), name)->text();
            figures << find(windows.state(), "lblTime")->text()
                    << windows.highlights()->findChild<QPlainTextEdit *>()->toPlainText();
            QCOMPARE(figures, (QStringList{state.Team1.Name.trimmed() + u" - 1st Innings"_s} +
                                   QStringList(8, u"0"_s)
                               << u"10:00a"_s << u"Match Highlights"_s));
            QCOMPARE(state.Cards[4].FOW[5], 0);
            // Edges touch, nothing overlaps, all inside the frame restored from maximised.
            QWidget *card = windows.innings(1), *play = windows.state(), *sum = windows.summary(),
                    *high = windows.highlights();
            QVERIFY(card->pos().isNull() && play->pos() == QPoint(card->width(), 0) &&
                    sum->pos() == QPoint(card->width(), play->height()) &&
                    high->pos() == QPoint(0, card->height()) && high->width() <= card->width());
            QVERIFY(frame.mdiArea()->viewport()->rect().contains(
                card->geometry() | play->geometry() | sum->geometry() | high->geometry()));
            QCOMPARE(frame.mdiArea()->activeSubWindow(), card);
            QCOMPARE(checks.observe(), QString());
        };
        int appeals = 0;
        const auto play = [&](const QList<int> &faces, int outEvery, int overs) {
            frame.activateWindow(); // as a window manager does once the toss dialog has gone
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            for (int n = 0; !windows.isResultOpen() && n < overs; ++n) {
                const bool weak = state.battingSide().BatAverage[state.Striker] < 10;
                const int rolled = faces[n % faces.size()]; // for a draw, keep the wickets few
                const int face = outEvery > 2 && rolled == 5 && weak ? 4 : rolled;
                const bool out = face == 5 && (appeals++ % outEvery == 0 || weak);
                script.push(face); // then BatsmanA's balls, the appeal, how out or the extras
                if (face == 1 || face == 3)
                    script.push(n % 5 + 1);
                if (face == 5) // 10 is out only for averages under 10
                    out ? script.push({weak ? 10 : 1, n % 12 + 1, n % 6 + 1})
                        : script.push({10, n % 20 + 1});
                QTest::mouseClick(
                    find<QPushButton>(windows.innings(state.CurrentInnings), "cmdRoll"),
                    Qt::LeftButton);
                const QString problem = script.remaining() ? u"draws left"_s : checks.observe();
                QVERIFY2(problem.isEmpty(), qPrintable(u"over %1: "_s.arg(n + 1) + problem));
            }
        };
        const auto closeResult = [&] {
            auto *ok = find<QPushButton>(windows.result(), "cmdOk");
            QVERIFY(!ok->isEnabled());
            QVERIFY(QTest::qWaitFor([&] { return ok->isEnabled(); }, 5000));
            // Enter goes where the keyboard's would, to whatever holds the focus.
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([&] { return frame.mdiArea()->subWindowList().isEmpty(); }));
        };
        const QList<int> toWin{1, 5, 2, 4, 5, 3, 6, 5, 1, 2},
            toDraw{2, 1, 4, 3, 6, 5, 2, 4, 1, 6, 3, 5};

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
        const QPointer<QWidget> old = windows.innings(1);
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
