// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "ui/charts/frmFOWGraph.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Fonts.h"
#include "ui/match/CardLabel.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"
#include "Tables.h"

#include <QtTest>
#include <QtWidgets>
#include <numbers>

// The match windows as views of one match: what they show, and input reaching the match.
class tst_MatchWindows : public QObject
{
    Q_OBJECT
    QMdiArea m_area;
    ScriptedRandom m_die;
    Match m_match;
    std::unique_ptr<MatchWindows> m_windows;

    // "how out|runs|balls|mins|fow" of batsman i + 1 as the scorecard shows it.
    QString row(int innings, int i) const
    {
        QStringList cells;
        for (const char *column :
             {"lblHowOut_%1", "lblRuns_%1", "lblBalls_%1", "lblMins_%1", "lblFOW_%1"})
            cells << caption(m_windows->innings(innings), QString::fromLatin1(column).arg(i));
        return cells.join(u'|');
    }
    QLineEdit *box(int innings) const
    {
        return m_windows->innings(innings)->findChild<QLineEdit *>(u"txtRoll"_s);
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
        connect(m_windows.get(), &MatchWindows::overEntered, this, [this](int face) {
            playEntry(m_match, {face, {}});
        });
        m_match.start(MatchSetup{inBuiltSides(), {}, {}}, m_die);
        m_windows->open();
    }
    void cleanup()
    {
        m_windows->close();
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each innings' card over the first, in front, focus in its box; closed, it stays on show.
    void scorecardsFollowTheBattingSide()
    {
        m_windows->innings(1)->move(30, 20);
        for (int innings = 1; innings <= 4; ++innings) {
            frmInnings1 *card = m_windows->innings(innings);
            QCOMPARE(backColour(card->client()), colourFromBgr(innings % 2 ? 0x008000 : 0x800000));
            QCOMPARE(row(innings, 1), u"Not Out|0|0|0|"_s);
            QCOMPARE(row(innings, 2), u"||||"_s);
            QCOMPARE(card->pos(), QPoint(30, 20));
            QCOMPARE(m_area.activeSubWindow(), card);
            QCOMPARE(QApplication::focusWidget(), box(innings));
            for (int w = 0; w < 10; ++w) { // out on 1 for any average, caught after six balls
                m_die.push({1, 1, 6});
                QTest::keyClicks(box(innings), u"5"_s);
            }
            QVERIFY(!box(innings)->isEnabled());
            QVERIFY(card->isVisible());
        }
    }

    // The box takes one face 1 to 6 and plays it at once; anything else is cleared unplayed.
    void typedFacePlaysTheOver()
    {
        QTest::keyClicks(box(1), u"07x "_s);
        QCOMPARE(m_match.log().overs(), 0);
        m_die.push({2});
        QTest::keyClick(box(1), Qt::Key_1); // the balls split 2 and 4, the strike to batsman B
        QVERIFY(box(1)->text().isEmpty());
        QCOMPARE(row(1, 1), u"Not Out|0|4|4|"_s);
        QCOMPARE(m_windows->innings(1)->findChild<QWidget *>(u"shpFacing"_s)->y(),
                 m_windows->innings(1)->findChild<QLabel *>(u"lblName_1"_s)->y() + 4);
        QCOMPARE(caption(m_windows->state(), u"lblTime"_s), u"10:04a"_s);
    }

    // Return and Enter press ROLL: the die's face is typed into the box, which plays it.
    void returnAndEnterRollTheDie()
    {
        m_die.push({5, 8, 16, 5, 4, 9, 3}); // not out, four extras; stumped after three balls
        QTest::keyClick(box(1), Qt::Key_Return);
        QTest::keyClick(box(1), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(row(1, 0), u"Stumped|0|3|2| 1/4"_s);
        QCOMPARE(m_windows->highlights()->findChild<QPlainTextEdit *>()->toPlainText(),
                 u"An appeal is made against KR Dunmore and he is given out!\nAn appeal is made "
                 "against KR Dunmore and he is given NOT OUT!\nMatch Highlights"_s);
    }

    // A card's captions keep their text laid out (shared by captions of the same text and font),
    // and draw as plain labels do.
    void cardCaptionsDrawAsPlainLabelsDo()
    {
        m_die.push({1, 1, 6}); // a four, a six, and number 1 caught
        QTest::keyClicks(box(1), u"465"_s);
        frmInnings1 *card = m_windows->innings(1);
        const QList<CardLabel *> captions = card->findChildren<CardLabel *>();
        QVERIFY(captions.size() > 70);
        // The same text in the headings' font is laid out in that font, not taken from a line's.
        find<QLabel>(card, u"lbl_2"_s)->setText(caption(card, u"lblRuns_0"_s));
        for (CardLabel *shown : captions) {
            QLabel plain(shown->text(), shown->parentWidget());
            plain.setFont(shown->font());
            plain.setAlignment(shown->alignment());
            plain.setPalette(shown->palette());
            plain.setGeometry(shown->geometry());
            QCOMPARE(plain.grab().toImage(), shown->grab().toImage());
        }
    }

    // Mended fault: the highlights window, closed and reopened by an appeal, lost the earlier log.
    void highlightsClosedComeBackWithTheWholeLog()
    {
        m_die.push({8, 1, 8, 1}); // two appeals turned down
        QTest::keyClicks(box(1), u"5"_s);
        QVERIFY(m_windows->highlights()->close()); // the user may close this one
        QVERIFY(!m_windows->isHighlightsOpen());
        QTest::keyClicks(box(1), u"5"_s);
        QVERIFY(m_windows->isHighlightsOpen());
        QCOMPARE(m_windows->highlights()->findChild<QPlainTextEdit *>()->toPlainText().count(
                     u"NOT OUT!"_s),
                 2);
    }

    // Mended fault: Enter did not press the result's Ok. Ok waits two seconds, then takes the
    // focus, so Enter reaches it and closes the match.
    void resultComesOnceThenEnterOnOkClosesEveryMatchWindow()
    {
        for (int over = 0; over < 449; ++over)
            m_match.playOver(2);
        // Mended fault: the last over of day 5 ended the match before it was shown.
        QTest::keyClicks(box(1), u"4"_s);
        m_area.setActiveSubWindow(m_windows->innings(1));
        m_die.push({6, 3});
        auto *roll = m_windows->innings(1)->findChild<QPushButton *>(u"cmdRoll"_s);
        roll->click(); // after time up the box only brings the result forward
        roll->click();
        QCOMPARE(m_area.findChildren<frmResult *>().size(), 1);
        QCOMPARE(m_area.activeSubWindow(), m_windows->result());
        auto *ok = m_windows->result()->findChild<QPushButton *>(u"cmdOk"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // nothing yet
        QVERIFY(!ok->isEnabled());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return m_area.subWindowList().isEmpty(); }));
    }

    // Samples are "degrees:colour" at half the radius, anticlockwise from 3 o'clock; colour 0 is
    // the window's background. The pie is worked out in 465x350 or more, then fitted.
    void drawsTheInningsInPlay_data() { addRows(u"pie"_s); }
    void drawsTheInningsInPlay()
    {
        QFETCH(int, innings);
        QFETCH(int, card);
        QFETCH(QList<int>, size);
        const QSize client(size.value(0), size.value(1));
        QFETCH(QString, samples);
        MatchState state; // wickets at 30 and 90; every other card a one-slice decoy
        for (std::size_t i = 0; i <= 4; ++i) {
            state.Cards[i].FOW[1] = qint16(int(i) == card ? 30 : 50);
            state.Cards[i].FOW[2] = qint16(int(i) == card ? 90 : 0);
            state.Cards[i].Pair[1] = u"  KR Dunmore/HAL Norcross  ";
        }
        state.CurrentInnings = quint8(innings);
        frmFOWGraph window(state);
        window.show();
        window.resize(client); // the legend must move from the design-size places
        QVERIFY(QTest::qWaitFor([&] { return window.size() == client; }));
        const QImage image = window.grab().toImage();
        const QRgb colours[] = {window.palette().color(QPalette::Window).rgb(), 0xFFFFC0C0,
                                0xFFFFFFC0};
        const double w = std::max(client.width(), 465), h = std::max(client.height(), 350);
        const double r = std::min(w, h) / 4 - 10;
        for (const QString &sample : samples.split(u' ')) {
            const double a = sample.section(u':', 0, 0).toDouble() * std::numbers::pi / 180;
            const QPoint at(int((w / 2 + r * std::cos(a)) * client.width() / w),
                            int((h / 2 - r * std::sin(a)) * client.height() / h));
            QCOMPARE(image.pixel(at), colours[sample.section(u':', 1).toInt()]);
        }
        auto *first = window.findChild<QLabel *>(u"lblBatters_0"_s);
        auto *square = window.findChild<QFrame *>(u"shpLegend_9"_s);
        QCOMPARE(first->text(), card < 0 ? QString() : u"KR Dunmore/HAL Norcross  30"_s);
        QVERIFY(client.width() - square->geometry().right() < 20);   // at the right edge
        QVERIFY(client.height() - square->geometry().bottom() < 20); // and the bottom
    }
};

QTEST_MAIN(tst_MatchWindows)
#include "tst_matchwindows.moc"
