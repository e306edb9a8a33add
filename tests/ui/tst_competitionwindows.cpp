// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ComputerPlayer.h"
#include "ui/competition/frmNewLeague.h"
#include "ui/match/frmResult.h"

#include "MatchDriving.h"
#include "SavedSides.h"
#include "ScriptedRandom.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

// A series and a league played through their windows (their flows: tst_competitionplay).
class tst_CompetitionWindows : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    SeededRandom m_random{testSeed(20261208u)};

    std::unique_ptr<mdiMain> frame()
    {
        return openedFrame(u"stumpwell.sqlite"_s, &m_random, u"mnuSpeedInstant"_s);
    }
    // Plays the next fixture from its window: the toss, the person's overs, the result's Ok.
    // Who won, or an empty text for a draw or a tie.
    static QString playNext(mdiMain &frame, QWidget *window, const QString &button)
    {
        {
            ModalDriver modals(answerMatchStart);
            click(window, button);
        }
        MatchSession &session = frame.session();
        Match &match = session.match();
        const bool started = QTest::qWaitFor(
            [&] {
                while (!match.isOver() && !session.computer().batsFor(match.currentInnings()))
                    pressRoll(frame);
                return match.isOver();
            },
            60000);
        if (!started)
            qFatal("the fixture did not reach its result");
        const SummaryModel &summary = match.summary();
        const QString winner = match.state().TimeUp || summary.total1 == summary.total2 ? QString()
                               : summary.total1 > summary.total2 ? summary.team1
                                                                 : summary.team2;
        auto *ok = find<QPushButton>(frame.matchWindows().result(), u"cmdOk"_s);
        if (!QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000))
            qFatal("the result's Ok stayed disabled");
        QTest::mouseClick(ok, Qt::LeftButton);
        return winner;
    }

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(writeNumberedPlayers(2, 41));
    }

    void computerSeriesAtInstantReachesItsFinalScore()
    {
        auto game = frame();
        {
            ModalDriver modals([](QWidget *modal) {
                const auto *name = find<QLineEdit>(modal, u"txtSeriesName"_s); // seen whole
                QVERIFY(name->width() > name->fontMetrics().horizontalAdvance(name->text()));
                find<QSpinBox>(modal, u"spnTests"_s)->setValue(3);
                find<QComboBox>(modal, u"cboSeriesMode"_s)->setCurrentText(u"CPU v CPU"_s);
                click(modal, u"cmdStartSeries"_s);
            });
            trigger(game.get(), u"mnuNewSeries"_s);
        }
        auto *series = find(game.get(), u"frmSeries"_s);
        QVERIFY(qAbs(series->geometry().center().x() - game->geometry().center().x()) <= 4);
        QCOMPARE(series->windowTitle(),
                 u"Series: Australia v England %1"_s.arg(QDate::currentDate().year()));
        QMap<QString, int> wins;
        for (int test = 1; test <= 3; ++test) {
            ++wins[playNext(*game, series, u"cmdPlayNext"_s)];
            // Back on top with the new score.
            QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == series; }));
        }
        const int australia = wins[u"Australia"_s], england = wins[u"England"_s];
        const QString score = australia == england
                                  ? u"Series drawn %1-%1"_s.arg(australia)
                                  : u"%1 win the series %2-%3"_s
                                        .arg(australia > england ? u"Australia"_s : u"England"_s)
                                        .arg(std::max(australia, england))
                                        .arg(std::min(australia, england));
        QCOMPARE(caption(series, u"lblSeriesScore"_s), score);
        QVERIFY(!find(series, u"cmdPlayNext"_s)->isEnabled());
    }

    // Australia, the person's, plays Surrey in the first fixture; the three between the
    // computer's sides are then simulated, leaving Australia's other two.
    void leagueWithOneHumanSideIsPlayedAndSimulated()
    {
        auto game = frame();
        SideStore sides(*game->session().store());
        saveEleven(sides, u"Kent"_s, 2);
        const QString surrey = u"Surrey County Cricket Club, Kennington"_s;
        saveEleven(sides, surrey, 13);
        {
            ModalDriver modals([](QWidget *modal) {
                auto *table = find<QTableWidget>(modal, u"tblLeagueSides"_s);
                table->setCurrentCell(0, frmNewLeague::ComputerColumn);
                QTest::keyClick(table, Qt::Key_Space);
                click(modal, u"cmdStartLeague"_s);
            });
            trigger(game.get(), u"mnuNewLeague"_s);
        }
        auto *league = find(game.get(), u"frmLeague"_s);
        playNext(*game, league, u"cmdPlayNextFixture"_s);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == league; }));
        click(league, u"cmdSimulate"_s);
        auto *table = find<QTableWidget>(league, u"tblLeagueTable"_s);
        int played = 0;
        for (int row = 0; row < table->rowCount(); ++row)
            played += table->item(row, 2)->text().toInt();
        QCOMPARE(played, 2 * 4);
        auto *fixtures = find<QTableWidget>(league, u"tblLeagueFixtures"_s);
        QStringList unplayed;
        for (int row = 0; row < fixtures->rowCount(); ++row) {
            if (fixtures->item(row, 3)->text() == u"Not played"_s)
                unplayed << fixtures->item(row, 1)->text() + u" v "_s +
                                fixtures->item(row, 2)->text();
        }
        QCOMPARE(unplayed.size(), 2);
        QCOMPARE(unplayed.filter(u"Australia"_s).size(), 2);
        // A long name is cut short, the whole in its tooltip.
        const QTableWidgetItem *cut = fixtures->findItems(surrey, Qt::MatchExactly).value(0);
        QVERIFY(cut && cut->toolTip() == surrey);
        QVERIFY(fixtures->columnWidth(cut->column()) <
                fixtures->fontMetrics().horizontalAdvance(surrey));
        QVERIFY(!find(league, u"cmdSimulate"_s)->isEnabled());
    }
};

QTEST_MAIN(tst_CompetitionWindows)
#include "tst_competitionwindows.moc"
