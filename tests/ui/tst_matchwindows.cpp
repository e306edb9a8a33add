// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/CaptionNumbers.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"

#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

// The match windows as views of one match: what they show, and input reaching the match.
class tst_MatchWindows : public QObject
{
    Q_OBJECT
    QMdiArea m_area;
    ScriptedRandom m_die;
    Match m_match;
    std::unique_ptr<MatchWindows> m_windows;

    QString text(QWidget *window, const QString &name) const
    {
        return window->findChild<QLabel *>(name)->text();
    }
    QLabel *line(int innings, const char *column, int i) const
    {
        return m_windows->innings(innings)->findChild<QLabel *>(QLatin1String(column) + u'_' +
                                                                QString::number(i));
    }
    // "how out|runs|balls|mins|fow" as the scorecard shows it.
    QString row(int innings, int i) const
    {
        QStringList cells;
        for (const char *column : {"lblHowOut", "lblRuns", "lblBalls", "lblMins", "lblFOW"})
            cells << line(innings, column, i)->text();
        return cells.join(u'|');
    }
    QLineEdit *box(int innings) const
    {
        return m_windows->innings(innings)->findChild<QLineEdit *>(u"txtRoll"_s);
    }
    QPushButton *rollButton(int innings) const
    {
        return m_windows->innings(innings)->findChild<QPushButton *>(u"cmdRoll"_s);
    }
    // A wicket for any average, typed into the box of the innings in play.
    void typeWicket()
    {
        m_die.push({1, 1, 6});
        QTest::keyClicks(box(m_match.currentInnings()), u"5"_s);
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        m_area.resize(1000, 700);
        m_area.show();
        m_area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_area));
    }
    void init()
    {
        m_die = ScriptedRandom();
        m_windows = std::make_unique<MatchWindows>(&m_area, m_match);
        m_match.start(MatchSetup{inBuiltSides(), {}, {}}, m_die);
        m_windows->open();
    }
    void cleanup()
    {
        m_windows->close();
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void scorecardsFollowTheBattingSide()
    {
        const QPoint corner(30, 20);
        m_windows->innings(1)->move(corner);
        for (int innings = 1; innings <= 4; ++innings) {
            frmInnings1 *card = m_windows->innings(innings);
            const bool aus = innings % 2;
            const QColor waiting = colourFromBgr(aus ? 0x00FFFF : 0xFFFF00);
            QCOMPARE(card->windowTitle(),
                     u"%1 - %2 Innings"_s.arg(aus ? u"Australia"_s : u"England"_s,
                                              innings < 3 ? u"1st"_s : u"2nd"_s));
            QCOMPARE(backColour(card->client()), colourFromBgr(aus ? 0x008000 : 0x800000));
            QCOMPARE(card->client()->size(), twipsSize(7800, 4230));
            QCOMPARE(row(innings, 1), u"Not Out|0|0|0|"_s);
            QCOMPARE(row(innings, 2), u"||||"_s);
            QCOMPARE(foreColour(line(innings, "lblName", 1)), colourFromBgr(Bgr::White));
            QCOMPARE(foreColour(line(innings, "lblName", 2)), waiting);
            QCOMPARE(foreColour(line(innings, "lblRuns", 2)), colourFromBgr(Bgr::Yellow));
            QCOMPARE(foreColour(card->findChild<QLabel *>(u"lbl_0"_s)), waiting);
            QCOMPARE(foreColour(card->findChild<QLabel *>(u"lblTotalLine"_s)), waiting);
            // A new scorecard stands over the first, in front, with the focus in its box.
            QCOMPARE(card->pos(), corner);
            QCOMPARE(m_area.activeSubWindow(), card);
            QCOMPARE(QApplication::focusWidget(), box(innings));
            for (int w = 0; w < 10; ++w)
                typeWicket();
            QVERIFY(!rollButton(innings)->isEnabled());
            QVERIFY(!box(innings)->isEnabled());
            QVERIFY(card->isVisible());
        }
        QVERIFY(m_windows->isResultOpen());
    }

    void typedFaceReturnEnterOrRollPlaysTheOver()
    {
        QLineEdit *input = box(1);
        QCOMPARE(input->maxLength(), 1);
        QTest::keyClicks(input, u"07x "_s); // no face: each is cleared and plays nothing
        QVERIFY(input->text().isEmpty());
        QCOMPARE(m_match.log().overs(), 0);
        m_die.push(2);
        QTest::keyClick(input, Qt::Key_1); // split 2, the strike to batsman B
        QStringList captions{row(1, 0), row(1, 1), text(m_windows->innings(1), u"lblTotal"_s)};
        for (const char *name : {"lblTeam1", "lblTeam2", "lblInn1", "lblTotal1", "lblTotal2"})
            captions << text(m_windows->summary(), QLatin1String(name));
        for (const char *name : {"lblDay", "lblTime", "lblOvers", "lblOversR", "lblSession"})
            captions << text(m_windows->state(), QLatin1String(name));
        QCOMPARE(captions.join(u'|'), u"Not Out|1|2|4||Not Out|0|4|4||1|"
                                      "Australia|England|1|1|0|1|10:04a|1|89|1"_s);
        QCOMPARE(m_windows->innings(1)->findChild<QWidget *>(u"shpFacing"_s)->y(),
                 line(1, "lblName", 1)->y() + 4); // batsman B faces
        // Return and Enter press ROLL: not out with four extras, then stumped after three balls.
        m_die.push({5, 8, 16, 5, 4, 9, 3});
        QTest::keyClick(input, Qt::Key_Return);
        QTest::keyClick(input, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(row(1, 1), u"Stumped|0|7|6| 1/5"_s);
        QCOMPARE(row(1, 2), u"Not Out|0|3|2|"_s);
        QCOMPARE(text(m_windows->innings(1), u"lblExtras"_s), u"4"_s);
        QCOMPARE(foreColour(line(1, "lblHowOut", 1)), colourFromBgr(0x00FFFF));
        auto *log = m_windows->highlights()->findChild<QPlainTextEdit *>(u"txtHighlights"_s);
        QVERIFY(log->isReadOnly());
        QCOMPARE(log->toPlainText(), u"An appeal is made against PJ Ashgrove and he is given out!\n"
                                     "An appeal is made against PJ Ashgrove and he is given NOT "
                                     "OUT!\nMatch Highlights"_s);
    }

    void highlightsClosedComeBackWithTheWholeLog()
    {
        m_die.push({8, 1});
        QTest::keyClicks(box(1), u"5"_s);
        QVERIFY(m_windows->highlights()->close()); // the user may close this one
        QVERIFY(!m_windows->isHighlightsOpen());
        m_die.push({8, 1});
        QTest::keyClicks(box(1), u"5"_s);
        frmHighlights *again = m_windows->highlights();
        QVERIFY(again->isVisible());
        QCOMPARE(again->pos(), QPoint(0, m_windows->innings(1)->height()));
        QCOMPARE(again->findChild<QPlainTextEdit *>(u"txtHighlights"_s)->toPlainText(),
                 QString(m_match.highlights()).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(m_match.highlights().count(u"NOT OUT!"_s), 2);
    }

    void resultComesOnceThenEnterOnOkClosesEveryMatchWindow()
    {
        for (int over = 0; over < 449; ++over)
            m_match.playOver(2);
        QTest::keyClicks(box(1), u"4"_s); // the last over of the fifth day
        frmResult *result = m_windows->result();
        m_area.setActiveSubWindow(m_windows->innings(1));
        m_die.push({6, 3});
        rollButton(1)->click(); // after time up the box only brings the result forward
        rollButton(1)->click();
        QCOMPARE(m_area.findChildren<frmResult *>().size(), 1);
        QCOMPARE(m_area.activeSubWindow(), result);
        QCOMPARE(text(result, u"lblResult"_s),
                 u"The time allowed for this match has expired; the innings were not completed "
                 "and the match has been declared a draw"_s);
        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // nothing yet
        QVERIFY(m_windows->isResultOpen());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!m_windows->isResultOpen());
        QVERIFY(QTest::qWaitFor([&] { return m_area.subWindowList().isEmpty(); }));
    }

    void twipsAndColoursConvert()
    {
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twipsRect(240, 360, 1935, 255), QRect(16, 24, 129, 17));
        QCOMPARE(colourFromBgr(0xC0E0FF), QColor(255, 224, 192));
    }
};

QTEST_MAIN(tst_MatchWindows)
#include "tst_matchwindows.moc"
