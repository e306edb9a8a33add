// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/ResultText.h"
#include "engine/frmResult.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QTest>
#include <QTimer>

class tst_Result : public QObject
{
    Q_OBJECT
private slots:
    void verdictFromTheAggregates_data()
    {
        QTest::addColumn<bool>("timeUp");
        QTest::addColumn<int>("total1");
        QTest::addColumn<int>("total2");
        QTest::addColumn<QString>("verdict");
        const QString draw = u"The time allowed for this match has expired; the innings were not "
                             "completed and the match has been declared a draw"_qs;
        QTest::newRow("team 1 by 58")
            << false << 312 << 254
            << u"I declare the winner of this test match, by  58 runs : Australia"_qs;
        QTest::newRow("team 2 by 1")
            << false << 200 << 201
            << u"I declare the winner of this test match, by  1 runs : England"_qs;
        QTest::newRow("tie") << false << 187 << 187 << u"This test match has been tied!"_qs;
        QTest::newRow("tie at nought") << false << 0 << 0 << u"This test match has been tied!"_qs;
        QTest::newRow("time up, team 1 ahead") << true << 312 << 254 << draw;
        QTest::newRow("time up, level") << true << 10 << 10 << draw;
    }
    void verdictFromTheAggregates()
    {
        QFETCH(bool, timeUp);
        QFETCH(int, total1);
        QFETCH(int, total2);
        QFETCH(QString, verdict);
        QCOMPARE(resultText(timeUp, qint16(total1), qint16(total2), u"Australia"_qs, u"England"_qs),
                 verdict);

        TestMatch match;
        Globals::matchState().TimeUp = timeUp;
        SummaryModel &summary = MatchWindows::summary()->model();
        summary.total1 = total1;
        summary.total2 = total2;
        MatchWindows::showResult();
        frmResult *result = MatchWindows::result();
        QCOMPARE(result->windowTitle(), u"End of Test Match"_qs);
        QCOMPARE(TestMatch::text(result, u"lblResult"_qs), verdict);
        QCOMPARE(TestMatch::text(result, u"lblTeam1"_qs), u"Australia"_qs);
        QCOMPARE(TestMatch::text(result, u"lblTeam2"_qs), u"England"_qs);
        QCOMPARE(TestMatch::text(result, u"Label1"_qs), u"The Result Of"_qs);
        QCOMPARE(TestMatch::text(result, u"Label3"_qs), u"V"_qs);
        QVERIFY(captionFits(TestMatch::label(result, u"lblResult"_qs)));
        QVERIFY(captionFits(TestMatch::label(result, u"Label1"_qs)));
    }

    void okWaitsTwoSecondsThenClosesEveryMatchWindow()
    {
        auto match = std::make_unique<TestMatch>();
        MatchState &state = Globals::matchState();
        state.CurrentInnings = 2;
        MatchWindows::InningsWindows(2)->show();
        QVERIFY(MatchWindows::matchInProgress());
        MatchWindows::showResult();
        frmResult *result = MatchWindows::result();
        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_qs);
        auto *timer = result->findChild<QTimer *>(u"Timer1"_qs);
        QCOMPARE(ok->text(), u"&Ok"_qs);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isActive());
        QVERIFY(!ok->isEnabled());
        // Enter does nothing while Ok is still disabled.
        QTest::keyClick(result, Qt::Key_Return);
        QVERIFY(MatchWindows::isResultOpen());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));

        QTest::keyClick(result, Qt::Key_Return);
        QVERIFY(!MatchWindows::isResultOpen());
        QVERIFY(!MatchWindows::isInningsOpen(1));
        QVERIFY(!MatchWindows::isInningsOpen(2));
        QVERIFY(!MatchWindows::isSummaryOpen());
        QVERIFY(!MatchWindows::isStateOpen());
        QVERIFY(!MatchWindows::isHighlightsOpen());
        QVERIFY(!MatchWindows::matchInProgress());
        QVERIFY(QTest::qWaitFor([&match] { return match->area().subWindowList().isEmpty(); }));
        QCOMPARE(state.CurrentInnings, quint8(2));
        match.reset();

        // The next match starts from fresh windows.
        TestMatch next;
        QCOMPARE(TestMatch::summaryText("lblTotal1"), u"0"_qs);
        QCOMPARE(TestMatch::summaryText("lblInn2"), u"0"_qs);
        QCOMPARE(TestMatch::stateText("lblTime"), u"10:00a"_qs);
        QCOMPARE(MatchWindows::highlights()->log(), u"Match Highlights"_qs);
    }

    void closeOrderIsInningsSummaryStateHighlightsResult()
    {
        TestMatch match;
        MatchWindows::showResult();
        QStringList closed;
        for (QObject *window : std::initializer_list<QObject *>{
                 MatchWindows::InningsWindows(1), MatchWindows::summary(), MatchWindows::state(),
                 MatchWindows::highlights(), MatchWindows::result()}) {
            const QString name = window->objectName();
            connect(window, &QObject::destroyed, this, [&closed, name] { closed << name; });
        }
        MatchWindows::closeMatchWindows();
        QVERIFY(QTest::qWaitFor([&closed] { return closed.size() == 5; }));
        QCOMPARE(closed, (QStringList{u"frmInnings1"_qs, u"frmMatchSummary"_qs, u"frmState"_qs,
                                      u"frmHighlights"_qs, u"frmResult"_qs}));
    }

    void summaryShowsTheSidesAndZeros()
    {
        TestMatch match;
        frmMatchSummary *summary = MatchWindows::summary();
        QCOMPARE(summary->windowTitle(), u"Match Summary"_qs);
        QCOMPARE(TestMatch::summaryText("lblTeam1"), u"Australia"_qs);
        QCOMPARE(TestMatch::summaryText("lblTeam2"), u"England"_qs);
        for (const char *name :
             {"lblInn1", "lblInn2", "lblInn3", "lblInn4", "lblTotal1", "lblTotal2"})
            QCOMPARE(TestMatch::summaryText(name), u"0"_qs);
    }

    void userCannotCloseTheScorecardOrTheScores()
    {
        TestMatch match;
        QVERIFY(!TestMatch::innings(1)->close());
        QVERIFY(!MatchWindows::summary()->close());
        QVERIFY(!MatchWindows::state()->close());
        QVERIFY(MatchWindows::isInningsOpen(1));
        QVERIFY(MatchWindows::isSummaryOpen());
        QVERIFY(MatchWindows::isStateOpen());
        const Qt::WindowFlags flags = TestMatch::innings(1)->windowFlags();
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(tst_Result)
#include "tst_result.moc"
