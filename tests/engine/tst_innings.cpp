// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "common/Controls.h"
#include "common/Twips.h"
#include "engine/FilledEllipse.h"

#include "EngineTestMatch.h"
#include "TestSupport.h"

#include <QTest>

class tst_Innings : public QObject
{
    Q_OBJECT
private slots:
    void setupFollowsTheBattingSide_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("waiting");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("last");
        QTest::newRow("1") << 1 << u"Australia - 1st Innings"_qs << 0x008000u << 0x00FFFFu
                           << u"KR Dunmore"_qs << u"LB Varga"_qs;
        QTest::newRow("2") << 2 << u"England - 1st Innings"_qs << 0x800000u << 0xFFFF00u
                           << u"OH Pelham"_qs << u"HAL Norcross"_qs;
        QTest::newRow("3") << 3 << u"Australia - 2nd Innings"_qs << 0x008000u << 0x00FFFFu
                           << u"KR Dunmore"_qs << u"LB Varga"_qs;
        QTest::newRow("4") << 4 << u"England - 2nd Innings"_qs << 0x800000u << 0xFFFF00u
                           << u"OH Pelham"_qs << u"HAL Norcross"_qs;
    }
    void setupFollowsTheBattingSide()
    {
        QFETCH(int, innings);
        QFETCH(QString, caption);
        QFETCH(quint32, back);
        QFETCH(quint32, waiting);
        QFETCH(QString, opener);
        QFETCH(QString, last);
        TestMatch match;
        MatchWindows::closeMatchWindows();
        MatchState &state = Globals::matchState();
        state.CurrentInnings = quint8(innings);
        // Whatever the last innings left behind is reset by the load.
        state.Striker = 7;
        state.BatsmanA = 9;
        state.BatsmanB = 7;
        state.WicketsDown = 6;
        frmInnings1 *card = TestMatch::innings(innings);
        QCOMPARE(state.Striker, quint8(1));
        QCOMPARE(state.BatsmanA, quint8(1));
        QCOMPARE(state.BatsmanB, quint8(2));
        QCOMPARE(state.WicketsDown, quint8(0));
        QCOMPARE(card->windowTitle(), caption);
        QCOMPARE(card->objectName(), u"frmInnings1"_qs);
        QCOMPARE(backColour(card->client()), colourFromBgr(back));
        QCOMPARE(TestMatch::line(innings, "lblName", 0)->text(), opener.leftJustified(20));
        QCOMPARE(TestMatch::line(innings, "lblName", 10)->text(), last.leftJustified(20));
        for (int i = 0; i < 11; ++i) {
            const quint32 name = i < 2 ? Bgr::White : waiting;
            const quint32 design = i < 2 ? Bgr::White : Bgr::Yellow;
            QCOMPARE(foreColour(TestMatch::line(innings, "lblName", i)), colourFromBgr(name));
            QCOMPARE(foreColour(TestMatch::line(innings, "lblBalls", i)), colourFromBgr(name));
            QCOMPARE(foreColour(TestMatch::line(innings, "lblRuns", i)), colourFromBgr(design));
            QCOMPARE(foreColour(TestMatch::line(innings, "lblHowOut", i)), colourFromBgr(design));
            QCOMPARE(foreColour(TestMatch::line(innings, "lblMins", i)), colourFromBgr(design));
            QCOMPARE(foreColour(TestMatch::line(innings, "lblFOW", i)), colourFromBgr(Bgr::Yellow));
            const QString figure = i < 2 ? u"0"_qs : QString();
            QCOMPARE(TestMatch::line(innings, "lblRuns", i)->text(), figure);
            QCOMPARE(TestMatch::line(innings, "lblBalls", i)->text(), figure);
            QCOMPARE(TestMatch::line(innings, "lblMins", i)->text(), figure);
            QCOMPARE(TestMatch::line(innings, "lblHowOut", i)->text(),
                     i < 2 ? u"Not Out"_qs : QString());
            QCOMPARE(TestMatch::line(innings, "lblFOW", i)->text(), QString());
        }
        for (int i = 0; i < 7; ++i) {
            QLabel *heading = TestMatch::label(card, u"lbl_"_qs + QString::number(i));
            QCOMPARE(foreColour(heading), colourFromBgr(waiting));
            QVERIFY(heading->font().bold());
        }
        QLabel *totalLine = TestMatch::label(card, u"lblTotalLine"_qs);
        QCOMPARE(foreColour(totalLine), colourFromBgr(waiting));
        QCOMPARE(totalLine->text(), u"Total for the loss of 0 wickets:"_qs);
        QCOMPARE(TestMatch::text(card, u"lblTotal"_qs), u"0"_qs);
        QCOMPARE(TestMatch::text(card, u"lblExtras"_qs), u"0"_qs);
        QCOMPARE(foreColour(TestMatch::label(card, u"lblTotal"_qs)), colourFromBgr(Bgr::White));
    }

    void namesFromTheDatabaseShowAsStored()
    {
        TestMatch match;
        MatchState &state = Globals::matchState();
        state.Team2.Players[3] = u"Bartholomew Fitzwilliam-Smythe";
        state.CurrentInnings = 2;
        QCOMPARE(TestMatch::line(2, "lblName", 2)->text(), u"Bartholomew Fitzwill"_qs);
    }

    void controlsFollowTheLayoutTable()
    {
        TestMatch match;
        frmInnings1 *card = TestMatch::innings(1);
        QCOMPARE(card->client()->size(), twipsSize(7800, 4230));
        QCOMPARE(card->minimumSize(), card->maximumSize());
        QCOMPARE(TestMatch::label(card, u"lbl_1"_qs)->geometry(), twipsRect(2280, 120, 2775, 255));
        QCOMPARE(TestMatch::line(1, "lblName", 4)->geometry(), twipsRect(240, 1320, 1935, 255));
        QCOMPARE(TestMatch::line(1, "lblFOW", 10)->geometry(), twipsRect(6960, 2760, 735, 255));
        QCOMPARE(TestMatch::label(card, u"lblTotalLine"_qs)->geometry(),
                 twipsRect(1800, 3360, 3255, 255));
        QLabel *runs = TestMatch::line(1, "lblRuns", 3);
        QVERIFY(runs->alignment() & Qt::AlignRight);
        QVERIFY(!runs->autoFillBackground());
        QCOMPARE(runs->font().family(), u"MS Sans Serif"_qs);
        QCOMPARE(runs->font().pointSizeF(), 9.75);
        QVERIFY(!runs->font().bold());
        QCOMPARE(TestMatch::label(card, u"lbl_6"_qs)->font().pointSizeF(), 8.25);
        QVERIFY(TestMatch::line(1, "lblName", 3)->alignment() & Qt::AlignLeft);

        QLineEdit *box = TestMatch::box(1);
        QCOMPARE(box->maxLength(), 1);
        QVERIFY(box->font().bold());
        QCOMPARE(box->font().pointSizeF(), 12.0);
        QCOMPARE(box->alignment(), Qt::AlignCenter);
        QCOMPARE(box->geometry(), twipsRect(6960, 3690, 735, 405));
        QCOMPARE(box->nextInFocusChain(), TestMatch::rollButton(1));
        QPushButton *roll = TestMatch::rollButton(1);
        QCOMPARE(roll->text(), u"&ROLL"_qs);
        QVERIFY(roll->isDefault());

        auto *facing = card->findChild<FilledEllipse *>(u"shpFacing"_qs);
        QVERIFY(facing);
        QCOMPARE(facing->geometry(), twipsRect(0, 420, 255, 105));
        QCOMPARE(facing->fillColour(), colourFromBgr(0x0000C0));
    }

    void activatedScorecardHasTheBoxFocused()
    {
        TestMatch match;
        QApplication::setActiveWindow(&match.area());
        QVERIFY(QTest::qWaitForWindowActive(&match.area()));
        match.area().setActiveSubWindow(MatchWindows::state());
        match.area().setActiveSubWindow(TestMatch::innings(1));
        QCOMPARE(QApplication::focusWidget(), TestMatch::box(1));
    }

    void everyFixedCaptionFitsItsBox()
    {
        TestMatch match;
        frmInnings1 *card = TestMatch::innings(1);
        const QList<QLabel *> labels = card->findChildren<QLabel *>();
        QCOMPARE(labels.size(), 7 + 6 * 11 + 3);
        for (QLabel *label : labels)
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
        QLabel *totalLine = TestMatch::label(card, u"lblTotalLine"_qs);
        totalLine->setText(u"Total for the loss of 10 wickets:"_qs);
        QVERIFY(captionFits(totalLine));
        QLabel *howOut = TestMatch::line(1, "lblHowOut", 0);
        for (const QString &caption : {u"Caught & Bowled"_qs, u"Caught Behind"_qs}) {
            howOut->setText(caption);
            QVERIFY(captionFits(howOut));
        }
        QLabel *fow = TestMatch::line(1, "lblFOW", 0);
        fow->setText(u" 10/888"_qs);
        QVERIFY(captionFits(fow));
        QLabel *name = TestMatch::line(1, "lblName", 0);
        name->setText(u"SMT Ridley"_qs.leftJustified(20));
        QVERIFY(captionFits(name));
        for (QWidget *window :
             std::initializer_list<QWidget *>{MatchWindows::state(), MatchWindows::summary()}) {
            for (QLabel *label : window->findChildren<QLabel *>())
                QVERIFY2(captionFits(label), qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(tst_Innings)
#include "tst_innings.moc"
