// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmState.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/frmToss.h"
#include "ui/shell/mdiMain.h"

#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"
#include "Tables.h"

#include <QSvgRenderer>
#include <QtTest>
#include <QtWidgets>

namespace {
// One over from the ROLL button: the face, then the draws the over makes.
void roll(mdiMain &frame, ScriptedRandom &die, int face, std::initializer_list<int> draws = {})
{
    die.push({face});
    die.push(draws);
    pressRoll(frame);
}

// parent, item, caption and shortcut, tab-separated, for every enabled, visible item, depth first.
QStringList menuTree(const QString &parent, const QList<QAction *> &actions)
{
    QStringList rows;
    for (const QAction *action : actions) {
        if (action->isEnabled() && action->isVisible())
            rows << QStringList{parent, action->objectName(), action->text(),
                                action->shortcut().toString()}
                        .join(u'\t');
        if (action->menu())
            rows << menuTree(action->objectName(), action->menu()->actions());
    }
    return rows;
}
} // namespace

class tst_Shell : public QObject
{
    Q_OBJECT
    CurrentTempDir m_dir; // the player file lives in the current folder
    ScriptedRandom m_die;

    static QString storeOfTheTest()
    {
        return QString::fromLatin1(QTest::currentTestFunction()) + u".sqlite"_s;
    }
    // CPU v CPU at speed: the computer calls heads, wins and bats; the overs drawn from `overs`.
    std::unique_ptr<mdiMain> computerMatch(const QString &speed, SeededRandom &overs)
    {
        auto game = openedFrame(storeOfTheTest(), &m_die, speed);
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
    void initTestCase() { QVERIFY(PlayerFile().CreateEmpty().ok()); }
    void init() { m_die = ScriptedRandom{}; }

    void menusShowEveryItemWithItsKeys()
    {
        mdiMain frame;
        const QStringList lines =
            QString::fromUtf8(fileBytes(QFINDTESTDATA("../data/tables/menus.tsv"))).split(u'\n');
        QCOMPARE(menuTree(QString(), frame.menuBar()->actions()),
                 lines.filter(QRegularExpression(u"^[^#]"_s)));
    }

    // About opens any number of times.
    void menuItemsOpenTheirWindows()
    {
        mdiMain frame;
        EndProgramObserver endings;
        ModalDriver modals;
        for (const char *item : {"mnuAbout", "mnuAbout", "mnuPlayers", "mnuFOWChart"})
            trigger(&frame, QLatin1String(item));
        QCOMPARE(modals.seen,
                 (QStringList{u"frmAbout"_s, u"frmAbout"_s, u"frmPlayers"_s, u"frmFOWGraph"_s}));
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(endings.calls, 0);
    }

    // Mended fault: How to Play told other rules than the README; it shows the README's section.
    void howToPlayOnF1ShowsTheReadmeSection()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        auto *shown = find<QTextBrowser>(&frame, u"txtHowToPlay"_s);
        QVERIFY(shown->isVisible());
        const QString readme = QString::fromUtf8(fileBytes(QFINDTESTDATA("../../README.md")));
        const QString heading = u"## How to play\n\n"_s;
        const qsizetype from = readme.indexOf(heading) + heading.size();
        QTextDocument section;
        section.setMarkdown(readme.mid(from, readme.indexOf(u"\n## "_s, from) - from));
        QCOMPARE(shown->toPlainText(), section.toPlainText());
    }

    // Mended fault: the empty workspace gave no hint; it shows one until a match window opens.
    void emptyWorkspaceHintsHowToStartAMatch()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QLabel *hint = find<QLabel>(&frame, u"lblHint"_s);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), u"Game > Dice (Basic) > Human v Human (Ctrl+F1) starts a match."_s);
        frame.matchWindows().highlights()->show();
        QVERIFY(QTest::qWaitFor([hint] { return !hint->isVisible(); }));
        frame.matchWindows().close();
        QVERIFY(QTest::qWaitFor([hint] { return hint->isVisible(); }));
    }

    // Mended fault: match windows showed Qt's logo instead of the game's icon.
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

    // Mended fault: Esc or a close request ended the splash early; it closes by its timer alone.
    void splashIgnoresEscAndClosesByItself()
    {
        mdiMain frame;
        QElapsedTimer clock;
        qint64 shownFor = -1;
        ModalDriver modals;
        modals.act = [&](QWidget *splash) {
            connect(static_cast<QDialog *>(splash), &QDialog::finished, splash,
                    [&] { shownFor = clock.elapsed(); });
            QTest::keyClick(splash, Qt::Key_Escape);
            splash->close();
        };
        clock.start();
        frame.MDIForm_Load();
        QCOMPARE(modals.seen, QStringList{u"frmSplash"_s});
        QVERIFY2(shownFor >= frmSplash::Timer1Interval, qPrintable(QString::number(shownFor)));
    }

    // Ctrl+F1 opens the match windows inside the frame restored from maximised, the first
    // innings active; a new match over an abandoned one starts afresh, the toss's order kept.
    void matchesStartFreshFromTheMenu()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        MatchWindows &windows = frame.matchWindows();
        ScriptedRandom die{1}; // England calls right and bats
        frame.session().setRandomSource(&die);
        QStringList tosses;
        ModalDriver modals([&tosses](QWidget *modal) {
            if (modal->objectName() == u"frmToss")
                tosses << caption(modal, u"lbltoss"_s);
            answerMatchStart(modal); // Yes: abandon the match in progress
        });
        const auto checkFreshStart = [&] {
            QCOMPARE(frame.session().match().log().overs(), 0);
            QCOMPARE(caption(windows.state(), u"lblTime"_s), u"10:00a"_s);
            QCOMPARE(frame.mdiArea()->activeSubWindow(), windows.innings(1));
        };
        QTest::keySequence(&frame, QKeySequence(Qt::CTRL | Qt::Key_F1));
        checkFreshStart();
        QVERIFY(frame.mdiArea()->viewport()->rect().contains(windows.highlights()->geometry() |
                                                             windows.summary()->geometry()));
        trigger(&frame, u"mnuTile"_s); // the fixed-size windows side by side, in rows
        const QList<QMdiSubWindow *> shown = frame.mdiArea()->subWindowList();
        for (qsizetype a = 1; a < shown.size(); ++a)
            QVERIFY(shown[a]->x() == 0 || (shown[a]->x() == shown[a - 1]->geometry().right() + 1 &&
                                           shown[a]->y() == shown[a - 1]->y()));
        roll(frame, die, 4);
        const QPointer<QWidget> old = windows.innings(1);
        die.push({2});
        trigger(&frame, u"mnu2Human"_s);
        QVERIFY(QTest::qWaitFor([&] { return old.isNull(); }));
        checkFreshStart();
        QCOMPARE(tosses, (QStringList{u"Australia will toss the coin, England will call!"_s,
                                      u"England will toss the coin, Australia will call!"_s}));
    }

    // The cards show the players picked, and the log keeps the record each came from.
    void matchBetweenElevensPickedFromThePlayerFile()
    {
        QList<PlayerRecord> players; // records 2..12 Australians, 13..23 Indians
        for (const QString &first : {u"Ann"_s, u"Raj"_s})
            for (char16_t surname = u'A'; surname <= u'K'; ++surname)
                players << player(first + u' ' + surname,
                                  first == u"Ann" ? u"Australia" : u"India");
        QVERIFY(writeFile(fileOf(players)));
        mdiMain frame;
        frame.show();
        ScriptedRandom die{1}; // India calls right and bats
        frame.session().setRandomSource(&die);
        ModalDriver modals([](QWidget *modal) {
            if (modal->objectName() == u"frmTeamMode")
                return click(modal, u"cmdChoose"_s);
            if (modal->objectName() != u"frmTeamSelection")
                return answerMatchStart(modal);
            for (int tab = 0; tab < 2; ++tab) {
                for (int down = 0; down <= 2 * tab; ++down) // Australia, then India
                    QTest::keyClick(find(modal, u"cboTeams_%1"_s.arg(tab)), Qt::Key_Down);
                pickByKey(modal, tab, 11, Qt::Key_Space);
            }
            click(modal, u"cmdOk"_s);
        });
        trigger(&frame, u"mnu2Human"_s);
        QCOMPARE(modals.seen, (QStringList{u"frmTeamMode"_s, u"frmTeamSelection"_s, u"frmToss"_s}));
        for (int w = 0; w < 40; ++w) // out on 1 for any average and caught after six balls
            roll(frame, die, 5, {1, 1, 6});
        MatchWindows &windows = frame.matchWindows();
        QVERIFY(windows.isResultOpen());
        const MatchSetup &setup = frame.session().match().log().setup;
        QCOMPARE(setup.source, TeamSource::PlayerFile);
        for (int i = 0; i < 11; ++i) {
            const QString name = u"lblName_%1"_s.arg(i), surname(QChar(u'A' + i));
            QCOMPARE(caption(windows.innings(1), name).trimmed(), u"R "_s + surname);
            QCOMPARE(caption(windows.innings(2), name).trimmed(), u"A "_s + surname);
            QCOMPARE(setup.sides[0].origins[std::size_t(i + 1)].recordNumber, 13 + i);
            QCOMPARE(setup.sides[1].origins[std::size_t(i + 1)].recordNumber, 2 + i);
        }
    }

    // The computer's play as the windows show it (its flows: tst_session).
    // The user picks England; Australia, the computer's, wins the toss and bats.
    void computersCardIsLockedWhileItBats()
    {
        auto game = openedFrame(storeOfTheTest(), &m_die, u"mnuSpeedInstant"_s);
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
    void tossInEveryCombination_data() { addRows(u"toss"_s); }
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

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
