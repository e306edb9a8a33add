// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "common/Twips.h"
#include "engine/AppealDecision.h"
#include "engine/BallRules.h"

#include "EngineTestMatch.h"
#include "TestSupport.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <random>

using M = TestMatch;

class tst_Windows : public QObject
{
    Q_OBJECT
    std::mt19937 m_engine{20261206u};
    int m_balls[5] = {}, m_minutes[5] = {};
    int pick(int n) { return std::uniform_int_distribution<int>(1, n)(m_engine); }
    static int score(int i) { return M::number(M::summary("lblInn" + QByteArray::number(i))); }

    // Plays one random over, then checks the card's sums and falls and the summary against it.
    void playOver(ScriptedRandom &die)
    {
        const MatchState &state = Globals::matchState();
        const int n = state.CurrentInnings, roll = pick(18);
        const int face = roll <= 10 ? std::array{1, 2, 3, 4, 6}[std::size_t(roll - 1) / 2] : 5;
        int balls = 6, minutes = 8, r = face == 5 ? pick(10) : 0, b = pick(6);
        face == 1 || face == 3 ? die.push({face, pick(5)}) : die.push(face);
        if (r && r > appealOutLimit(state.battingSide().BatAverage[state.Striker]))
            die.push({r, pick(20)}), balls = minutes = 0;
        else if (r && (die.push({r, pick(12), b}), state.WicketsDown == 9)) // nobody comes in
            balls = b, minutes = BallRules::minutesForBalls(b) + 4;
        M::roll(n);
        int sums[3] = {}, falls = 0;
        for (int i = 0; i < 11; ++i) {
            for (int c = 0; c < 3; ++c)
                sums[c] +=
                    M::number(M::cell(n, std::array{"lblBalls", "lblMins", "lblRuns"}[c], i));
            const QStringList fow = M::cell(n, "lblFOW", i).split(u'/');
            if (fow.size() == 2 && ++falls)
                QCOMPARE(fow[1].toInt(), state.Cards[n].FOW[std::size_t(fow[0].toInt()) % 11]);
        }
        QVERIFY(!die.remaining() && sums[0] == (m_balls[n] += balls) &&
                sums[1] == (m_minutes[n] += minutes));
        QCOMPARE(falls, state.CurrentInnings == n ? state.WicketsDown : 10);
        const int total = M::number(M::text(M::innings(n), "lblTotal"));
        QVERIFY(total == sums[2] + M::number(M::text(M::innings(n), "lblExtras")) &&
                score(n) == total);
        QCOMPARE(M::number(M::summary("lblTotal1")), score(1) + score(3));
        QCOMPARE(M::number(M::summary("lblTotal2")), score(2) + score(4));
    }

private slots:
    void inningsWindowFollowsTheBattingSide()
    {
        for (int innings = 1; innings <= 4; ++innings) {
            const bool aus = innings % 2;
            const QColor waiting = colourFromBgr(aus ? 0x00FFFF : 0xFFFF00);
            const QColor white = colourFromBgr(Bgr::White), yellow = colourFromBgr(Bgr::Yellow);
            M match;
            MatchWindows::closeMatchWindows();
            MatchState &state = Globals::matchState(); // the load resets what the last one left
            state.Striker = state.BatsmanB = 7, state.BatsmanA = 9, state.WicketsDown = 6;
            state.CurrentInnings = quint8(innings);
            frmInnings1 *card = M::innings(innings);
            QVERIFY(state.Striker == 1 && state.BatsmanA == 1 && state.BatsmanB == 2 &&
                    !state.WicketsDown);
            QCOMPARE(card->windowTitle() + u'|' + M::cell(innings, "lblName", 2),
                     u"%1 - %2 Innings|%3"_s.arg(
                         aus ? u"Australia"_s : u"England"_s, innings < 3 ? u"1st"_s : u"2nd"_s,
                         (aus ? u"Aus 3"_s : u"Eng 3"_s).leftJustified(20)));
            for (int i = 0; i < 11; ++i)
                QVERIFY(M::fore(innings, "lblName", i) == (i < 2 ? white : waiting) &&
                        M::fore(innings, "lblBalls", i) == (i < 2 ? white : waiting) &&
                        M::fore(innings, "lblRuns", i) == (i < 2 ? white : yellow) &&
                        M::fore(innings, "lblFOW", i) == yellow &&
                        M::row(innings, i) == (i < 2 ? u"Not Out|0|0|0|"_s : u"||||"_s));
            for (const QString &name : {u"lbl_0"_s, u"lbl_6"_s, u"lblTotalLine"_s})
                QCOMPARE(foreColour(M::label(card, name)), waiting);
            QVERIFY(M::text(card, "lblTotalLine") == u"Total for the loss of 0 wickets:"_s &&
                    card->client()->size() == twipsSize(7800, 4230) &&
                    backColour(card->client()) == colourFromBgr(aus ? 0x008000 : 0x800000));
            // The longest captions a match can write fit too.
            M::label(card, u"lblTotalLine"_s)->setText(u"Total for the loss of 10 wickets:"_s);
            M::line(innings, "lblHowOut", 0)->setText(u"Caught & Bowled"_s);
            M::line(innings, "lblFOW", 0)->setText(u" 10/888"_s);
            for (QLabel *label : card->findChildren<QLabel *>())
                QVERIFY2(captionFits(label), qPrintable(label->objectName()));
        }
    }

    void typedFaceReturnEnterOrRollPlaysTheOver()
    {
        M match;
        ScriptedRandom die{2};
        QLineEdit *box = M::box(1);
        QVERIFY(box->maxLength() == 1 && M::button(1)->text() == u"&ROLL"_s);
        QTest::keyClicks(box, u"07x "_s); // no face: each is cleared and plays nothing
        QVERIFY(box->text().isEmpty() && M::playState("lblOvers") == u"0"_s);
        QTest::keyClick(box, Qt::Key_1); // split 2, the strike to batsman B
        QStringList captions{MatchWindows::state()->windowTitle(),
                             MatchWindows::summary()->windowTitle(), M::row(1, 0), M::row(1, 1),
                             M::text(M::innings(1), "lblTotal")};
        for (const char *name : {"lblTeam1", "lblTeam2", "lblInn1", "lblTotal1", "lblTotal2"})
            captions << M::summary(name);
        for (const char *name : {"lblDay", "lblTime", "lblOvers", "lblOversR", "lblSession"})
            captions << M::playState(name);
        QCOMPARE(captions.join(u'|'),
                 u"State of Play|Match Summary|Not Out|1|2|4||Not Out|0|4|4||1|"
                 "Australia|England|1|1|0|1|10:04a|1|89|1"_s);
        QCOMPARE(M::innings(1)->findChild<QWidget *>(u"shpFacing"_s)->y(),
                 M::line(1, "lblName", 1)->y() + 4); // batsman B faces
        // Not out, four extras; stumped after three balls, the incoming batsman bats the rest.
        die.push({5, 8, 16, 5, 4, 9, 3});
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(M::row(1, 0) + u' ' + M::row(1, 1) + u' ' + M::row(1, 2),
                 u"Not Out|1|2|8| Stumped|0|7|6| 1/5 Not Out|0|3|2|"_s);
        QCOMPARE(Globals::matchState().Cards[1].Pair[1].trimmed() +
                     M::text(M::innings(1), "lblExtras") + M::text(M::innings(1), "lblTotalLine"),
                 u"Aus 1/Aus 24Total for the loss of 1 wickets:"_s); // A first in the pair
        for (const char *column : {"lblName", "lblHowOut", "lblRuns", "lblBalls", "lblMins"})
            QVERIFY(M::fore(1, column, 1) == colourFromBgr(0x00FFFF) &&
                    M::fore(1, column, 2) == colourFromBgr(Bgr::White));
        auto *text = MatchWindows::highlights()->findChild<QPlainTextEdit *>(u"txtHighlights"_s);
        QCOMPARE(text->toPlainText() + QString::number(text->isReadOnly()),
                 u"An appeal is made against Aus 2 and he is given out!\nAn appeal is made against "
                 "Aus 2 and he is given NOT OUT!\nMatch Highlights1"_s); // read-only for the user
        // Closed by the user, they come back with a fresh log at the next appeal.
        MatchWindows::highlights()->close();
        repeat(die, 1, {5, 8, 1}, [] { M::roll(1); });
        QCOMPARE(M::playState("lblOvers") + MatchWindows::highlights()->windowTitle() + u'|' +
                     MatchWindows::highlights()->log(),
                 u"4Highlights Summary|An appeal is made against Aus 3 and he is given NOT "
                 "OUT!\r\nMatch Highlights"_s);
    }

    void resultComesOnceThenOkClosesEveryMatchWindow()
    {
        M match;
        Globals::matchState().CurrentInnings = 2, Globals::matchState().TimeUp = true;
        M::innings(2)->show();
        ScriptedRandom die;
        repeat(die, 1, {2}, [] { M::roll(2); });
        frmResult *result = MatchWindows::result();
        match.area.setActiveSubWindow(M::innings(1));
        repeat(die, 2, {6}, [] { M::roll(2); }); // only the one result, brought to the front
        QVERIFY(match.area.findChildren<frmResult *>().size() == 1 &&
                match.area.activeSubWindow() == result);
        QStringList captions{result->windowTitle()};
        for (const char *name : {"Label1", "lblTeam1", "Label3", "lblTeam2", "lblResult"})
            captions << M::text(result, name);
        QCOMPARE(captions.join(u'|'), u"End of Test Match|The Result Of|Australia|V|England|The "
                                      "time allowed for this match has expired; the innings were "
                                      "not completed and the match has been declared a draw"_s);
        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(result->findChild<QTimer *>(u"Timer1"_s)->interval() == 2000 && !ok->isEnabled() &&
                captionFits(M::label(result, u"lblResult"_s)));
        QTest::keyClick(result, Qt::Key_Return); // nothing while Ok is disabled
        QVERIFY(MatchWindows::isResultOpen() &&
                QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::keyClick(result, Qt::Key_Return);
        QVERIFY(!MatchWindows::matchInProgress() && !MatchWindows::isInningsOpen(2) &&
                QTest::qWaitFor([&] { return match.area.subWindowList().isEmpty(); }));
    }

    void matchPlayedToTheEndThroughTheScorecards()
    {
        M match;
        match.area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&match.area));
        QVERIFY(!M::innings(1)->close() && !MatchWindows::summary()->close() && // not by the user
                !MatchWindows::state()->close() && MatchWindows::state()->isVisible());
        M::innings(1)->move(30, 20);
        ScriptedRandom die;
        const MatchState &state = Globals::matchState();
        while (!MatchWindows::isResultOpen() && !QTest::currentTestFailed()) {
            const int n = state.CurrentInnings;
            playOver(die);
            if (n != 2 || state.CurrentInnings != 3)
                continue;
            // Innings 3 opens over the first, in front; the finished card stays, shut.
            QVERIFY(M::innings(2)->isVisible() && !M::button(2)->isEnabled() &&
                    !M::box(2)->isEnabled() && M::innings(3)->pos() == QPoint(30, 20));
            QVERIFY(match.area.activeSubWindow() == M::innings(3) &&
                    QApplication::focusWidget() == M::box(3));
        }
        QCOMPARE(state.CurrentInnings, quint8(5));
        QVERIFY(M::text(MatchWindows::result(), "lblResult")
                    .startsWith(u"I declare the winner of this test match, by  "_s));
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
