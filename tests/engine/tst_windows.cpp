// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "common/Colours.h"
#include "common/Controls.h"
#include "common/Twips.h"
#include "engine/AppealDecision.h"
#include "engine/BallRules.h"

#include "EngineTestMatch.h"
#include "TestSupport.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <random>

// The match windows: setup, layout, wiring of the over, re-entry, the result and a whole match.
class tst_Windows : public QObject
{
    Q_OBJECT
    static int number(const QString &caption) { return int(captionValue(caption)); }
    std::mt19937 m_engine{20261206u};
    ScriptedRandom *m_die = nullptr;
    int m_balls[5] = {};
    int m_minutes[5] = {};

    int pick(int n) { return std::uniform_int_distribution<int>(1, n)(m_engine); }

    // Scripts one over, fives frequent enough to bowl both sides out twice, and plays it.
    void playOver()
    {
        const MatchState &state = Globals::matchState();
        const int n = state.CurrentInnings;
        const int roll = pick(18);
        static constexpr int faces[] = {1, 2, 3, 4, 6};
        const int face = roll <= 10 ? faces[(roll - 1) / 2] : 5;
        m_die->push(face);
        int balls = 6, minutes = 8;
        if (face == 1 || face == 3) {
            m_die->push(pick(5));
        } else if (face == 5) {
            const int r = pick(10);
            m_die->push(r);
            if (r <= appealOutLimit(state.battingSide().BatAverage[state.Striker])) {
                const int b = pick(6);
                m_die->push({pick(12), b});
                if (state.WicketsDown == 9) // nobody comes in to finish the over
                    balls = b, minutes = BallRules::minutesForBalls(b) + 4;
            } else {
                m_die->push(pick(20));
                balls = minutes = 0;
            }
        }
        TestMatch::roll(n);
        QCOMPARE(m_die->remaining(), 0);
        m_balls[n] += balls;
        m_minutes[n] += minutes;
        check(n);
    }

    // After every over: balls and minutes as the rules share them, total = runs + extras,
    // fall-of-wicket captions as on the card, summary scores and aggregates as the innings.
    void check(int n)
    {
        const MatchState &state = Globals::matchState();
        const auto sum = [n](const char *column) {
            int total = 0;
            for (int i = 0; i < 11; ++i)
                total += number(TestMatch::cell(n, column, i));
            return total;
        };
        QCOMPARE(sum("lblBalls"), m_balls[n]);
        QCOMPARE(sum("lblMins"), m_minutes[n]);
        const int wickets = state.CurrentInnings == n ? state.WicketsDown : 10;
        int falls = 0;
        for (int i = 0; i < 11; ++i) {
            const QStringList fow = TestMatch::cell(n, "lblFOW", i).split(u'/');
            if (fow.size() == 2 && ++falls)
                QCOMPARE(fow[1].toInt(), state.Cards[n].FOW[std::size_t(fow[0].toInt()) % 11]);
        }
        QCOMPARE(falls, wickets);
        frmInnings1 *card = TestMatch::innings(n);
        QCOMPARE(number(TestMatch::text(card, "lblTotal")),
                 sum("lblRuns") + number(TestMatch::text(card, "lblExtras")));
        const auto score = [](int i) {
            return number(TestMatch::summaryText(qPrintable(u"lblInn%1"_qs.arg(i))));
        };
        QCOMPARE(score(n), number(TestMatch::text(card, "lblTotal")));
        QCOMPARE(number(TestMatch::summaryText("lblTotal1")), score(1) + score(3));
        QCOMPARE(number(TestMatch::summaryText("lblTotal2")), score(2) + score(4));
    }

private slots:
    void inningsWindowFollowsTheBattingSide_data()
    {
        QTest::addColumn<int>("innings");
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("%d", n) << n;
    }
    void inningsWindowFollowsTheBattingSide()
    {
        QFETCH(int, innings);
        const bool australia = innings % 2;
        const quint32 waiting = australia ? 0x00FFFF : 0xFFFF00;
        TestMatch match;
        MatchWindows::closeMatchWindows();
        MatchState &state = Globals::matchState();
        state.CurrentInnings = quint8(innings);
        // Whatever the last innings left behind is reset by the load.
        state.Striker = state.BatsmanB = 7;
        state.BatsmanA = 9;
        state.WicketsDown = 6;
        frmInnings1 *card = TestMatch::innings(innings);
        QVERIFY(state.Striker == 1 && state.BatsmanA == 1 && state.BatsmanB == 2);
        QVERIFY(state.WicketsDown == 0);
        QCOMPARE(
            card->windowTitle(),
            QStringList({u"Australia - 1st Innings"_qs, u"England - 1st Innings"_qs,
                         u"Australia - 2nd Innings"_qs, u"England - 2nd Innings"_qs})[innings - 1]);
        QCOMPARE(backColour(card->client()), colourFromBgr(australia ? 0x008000 : 0x800000));
        QCOMPARE(TestMatch::cell(innings, "lblName", 2),
                 (australia ? u"Aus 3"_qs : u"Eng 3"_qs).leftJustified(20));
        for (int i = 0; i < 11; ++i) {
            const QColor name = colourFromBgr(i < 2 ? Bgr::White : waiting);
            const QColor design = colourFromBgr(i < 2 ? Bgr::White : Bgr::Yellow);
            QCOMPARE(foreColour(TestMatch::line(innings, "lblName", i)), name);
            QCOMPARE(foreColour(TestMatch::line(innings, "lblBalls", i)), name);
            QCOMPARE(foreColour(TestMatch::line(innings, "lblRuns", i)), design);
            QCOMPARE(foreColour(TestMatch::line(innings, "lblFOW", i)), colourFromBgr(Bgr::Yellow));
            QCOMPARE(TestMatch::row(innings, i), i < 2 ? u"Not Out|0|0|0|"_qs : u"||||"_qs);
        }
        for (const QString &name : {u"lbl_0"_qs, u"lbl_6"_qs, u"lblTotalLine"_qs})
            QCOMPARE(foreColour(TestMatch::label(card, name)), colourFromBgr(waiting));
        QCOMPARE(TestMatch::text(card, "lblTotalLine"), u"Total for the loss of 0 wickets:"_qs);
        QCOMPARE(card->client()->size(), twipsSize(7800, 4230));
        // Every caption fits its box, the longest ones a match can write included.
        TestMatch::label(card, u"lblTotalLine"_qs)
            ->setText(u"Total for the loss of 10 wickets:"_qs);
        TestMatch::line(innings, "lblHowOut", 0)->setText(u"Caught & Bowled"_qs);
        TestMatch::line(innings, "lblFOW", 0)->setText(u" 10/888"_qs);
        for (QLabel *label : card->findChildren<QLabel *>())
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void typedFaceRollOrEnterPlaysTheOver()
    {
        TestMatch match;
        ScriptedRandom die{2, 4, 6, 1, 3};
        QLineEdit *box = TestMatch::box(1);
        QCOMPARE(box->maxLength(), 1);
        QCOMPARE(TestMatch::rollButton(1)->text(), u"&ROLL"_qs);
        QTest::keyClicks(box, u"07x "_qs); // no face: each is cleared and plays nothing
        QCOMPARE(box->text(), QString());
        QCOMPARE(TestMatch::stateText("lblOvers"), u"0"_qs);
        QTest::keyClick(box, Qt::Key_3); // split 2
        QStringList captions{MatchWindows::state()->windowTitle(),
                             MatchWindows::summary()->windowTitle()};
        for (const char *column : {"lblRuns", "lblBalls", "lblMins"})
            captions << TestMatch::cell(1, column, 0) << TestMatch::cell(1, column, 1);
        captions << TestMatch::text(TestMatch::innings(1), "lblTotal");
        for (const char *name : {"lblTeam1", "lblTeam2", "lblInn1", "lblTotal1", "lblTotal2"})
            captions << TestMatch::summaryText(name);
        for (const char *name : {"lblDay", "lblTime", "lblOvers", "lblOversR", "lblSession"})
            captions << TestMatch::stateText(name);
        QCOMPARE(captions.join(u'|'), u"State of Play|Match Summary|3|0|2|4|4|4|3|Australia|"
                                      "England|3|3|0|1|10:04a|1|89|1"_qs);
        const auto *facing = TestMatch::innings(1)->findChild<QWidget *>(u"shpFacing"_qs);
        QCOMPARE(facing->y(), TestMatch::line(1, "lblName", 1)->y() + 4);
        QCOMPARE(box->text(), QString());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        TestMatch::roll(1);
        QCOMPARE(TestMatch::cell(1, "lblRuns", 1), u"11"_qs);
        QCOMPARE(TestMatch::stateText("lblOvers"), u"4"_qs);
    }

    void appealsShowOnTheScorecardAndInTheHighlights()
    {
        TestMatch match;
        // Not out with four extras, then stumped after three balls (two minutes): the incoming
        // batsman bats the rest of the over.
        ScriptedRandom die{5, 8, 16, 5, 1, 9, 3};
        TestMatch::roll(1);
        TestMatch::roll(1);
        QCOMPARE(TestMatch::row(1, 0), u"Stumped|0|3|2| 1/4"_qs);
        QCOMPARE(TestMatch::row(1, 1), u"Not Out|0|0|4|"_qs);
        QCOMPARE(TestMatch::row(1, 2), u"Not Out|0|3|2|"_qs);
        frmInnings1 *card = TestMatch::innings(1);
        QCOMPARE(TestMatch::text(card, "lblExtras"), u"4"_qs);
        QCOMPARE(TestMatch::text(card, "lblTotalLine"), u"Total for the loss of 1 wickets:"_qs);
        for (const char *column : {"lblName", "lblHowOut", "lblRuns", "lblBalls", "lblMins"}) {
            QCOMPARE(foreColour(TestMatch::line(1, column, 0)), colourFromBgr(0x00FFFF));
            QCOMPARE(foreColour(TestMatch::line(1, column, 2)), colourFromBgr(Bgr::White));
        }
        QCOMPARE(Globals::matchState().Cards[1].Pair[1].trimmed(), u"Aus 1/Aus 2"_qs);
        auto *text = MatchWindows::highlights()->findChild<QPlainTextEdit *>(u"txtHighlights"_qs);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), u"An appeal is made against Aus 1 and he is given out!\n"
                                      "An appeal is made against Aus 1 and he is given NOT OUT!\n"
                                      "Match Highlights"_qs);

        // Closed by the user, the highlights come back with a fresh log at the next appeal.
        MatchWindows::highlights()->close();
        QVERIFY(!MatchWindows::isHighlightsOpen());
        die.push({5, 8, 1});
        TestMatch::roll(1);
        QVERIFY(MatchWindows::isHighlightsOpen());
        QCOMPARE(MatchWindows::highlights()->windowTitle(), u"Highlights Summary"_qs);
        QCOMPARE(
            MatchWindows::highlights()->log(),
            u"An appeal is made against Aus 3 and he is given NOT OUT!\r\nMatch Highlights"_qs);
    }

    void scorecardsStayOpenAndInnings3OpensOverTheFirst()
    {
        TestMatch match;
        QApplication::setActiveWindow(&match.area());
        QVERIFY(QTest::qWaitForWindowActive(&match.area()));
        // The user cannot close the scorecard or the scores.
        for (QMdiSubWindow *window : std::initializer_list<QMdiSubWindow *>{
                 TestMatch::innings(1), MatchWindows::summary(), MatchWindows::state()})
            QVERIFY(!window->close() && window->isVisible());
        TestMatch::innings(1)->move(30, 20);
        ScriptedRandom die;
        repeat(die, 10, {5, 1, 1, 6}, [] { TestMatch::roll(1); });
        repeat(die, 3, {4}, [] { TestMatch::roll(2); });
        repeat(die, 10, {5, 1, 1, 6}, [] { TestMatch::roll(2); });
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.CurrentInnings, quint8(3));
        QVERIFY(state.Striker == 1 && state.BatsmanA == 1 && state.BatsmanB == 2);
        QVERIFY(state.WicketsDown == 0 && !TestMatch::rollButton(2)->isEnabled() &&
                !TestMatch::box(2)->isEnabled());
        // The finished card keeps its figures; nobody comes in at the tenth wicket.
        QCOMPARE(TestMatch::cell(2, "lblFOW", 10), u" 10/12"_qs);
        QCOMPARE(state.Cards[2].Pair[10].trimmed(), u"Eng 11/Eng 2"_qs);
        int white = 0;
        for (int i = 0; i < 11; ++i)
            white += foreColour(TestMatch::line(2, "lblName", i)) == colourFromBgr(Bgr::White);
        QCOMPARE(white, 1);
        frmInnings1 *third = TestMatch::innings(3);
        QVERIFY(third->isVisible() && TestMatch::rollButton(3)->isEnabled());
        QCOMPARE(third->pos(), QPoint(30, 20));
        QCOMPARE(match.area().activeSubWindow(), third);
        QCOMPARE(QApplication::focusWidget(), TestMatch::box(3));
    }

    void resultComesOnceThenOkClosesEveryMatchWindow()
    {
        auto match = std::make_unique<TestMatch>();
        MatchState &state = Globals::matchState();
        state.CurrentInnings = 2;
        TestMatch::innings(2)->show();
        state.TimeUp = true;
        ScriptedRandom die;
        repeat(die, 1, {2}, [] { TestMatch::roll(2); });
        frmResult *result = MatchWindows::result();
        // Later rolls only bring the one result window back to the front.
        match->area().setActiveSubWindow(TestMatch::innings(1));
        repeat(die, 2, {6}, [] { TestMatch::roll(2); });
        QCOMPARE(match->area().findChildren<frmResult *>().size(), 1);
        QCOMPARE(match->area().activeSubWindow(), result);
        QStringList captions{result->windowTitle()};
        for (const char *name : {"Label1", "lblTeam1", "Label3", "lblTeam2", "lblResult"})
            captions << TestMatch::text(result, name);
        QCOMPARE(captions.join(u'|'), u"End of Test Match|The Result Of|Australia|V|England|The "
                                      "time allowed for this match has expired; the innings were "
                                      "not completed and the match has been declared a draw"_qs);
        QVERIFY(captionFits(TestMatch::label(result, u"lblResult"_qs)));

        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_qs);
        QCOMPARE(result->findChild<QTimer *>(u"Timer1"_qs)->interval(), 2000);
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(result, Qt::Key_Return); // nothing while Ok is disabled
        QVERIFY(MatchWindows::isResultOpen());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QStringList closed;
        for (QObject *window : match->area().subWindowList(QMdiArea::StackingOrder))
            connect(window, &QObject::destroyed, this,
                    [&closed, name = window->objectName()] { closed << name; });
        QTest::keyClick(result, Qt::Key_Return);
        QVERIFY(!MatchWindows::matchInProgress() && !MatchWindows::isInningsOpen(2));
        QVERIFY(QTest::qWaitFor([&closed] { return closed.size() == 6; }));
        QCOMPARE(closed.join(u' '), u"frmInnings1 frmInnings1 frmMatchSummary frmState "
                                    "frmHighlights frmResult"_qs);
        match.reset();

        TestMatch next; // fresh windows from their design-time captions
        QCOMPARE(TestMatch::summaryText("lblTotal2"), u"0"_qs);
        QCOMPARE(MatchWindows::highlights()->log(), u"Match Highlights"_qs);
    }

    void matchPlayedToTheEndThroughTheScorecards()
    {
        auto match = std::make_unique<TestMatch>();
        auto die = std::make_unique<ScriptedRandom>();
        m_die = die.get();
        while (!MatchWindows::isResultOpen() && !QTest::currentTestFailed())
            playOver();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(Globals::matchState().CurrentInnings, quint8(5));
        const int t1 = number(TestMatch::summaryText("lblTotal1"));
        const int t2 = number(TestMatch::summaryText("lblTotal2"));
        QVERIFY(t1 != t2);
        QCOMPARE(
            TestMatch::text(MatchWindows::result(), "lblResult"),
            u"I declare the winner of this test match, by  %1 runs : %2"_qs.arg(
                QString::number(std::abs(t1 - t2)), t1 > t2 ? u"Australia"_qs : u"England"_qs));
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
