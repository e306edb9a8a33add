// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/InBuiltTeams.h"
#include "shell/frmSplash.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void splashClosesByItselfAndOnlyThenAreTheTeamsStored()
    {
        Globals::matchState() = MatchState{};
        MatchState inBuilt;
        storeInBuiltTeams(inBuilt);

        mdiMain frame;
        QPointer<QWidget> splash;
        QString seenName;
        bool frameShownFirst = false;
        bool teamsEmptyWhileUp = false;
        bool timerRunning = false;
        int timerInterval = 0;
        bool teamsEmptyAtClose = false;
        bool stillUpAfterTwoSeconds = false;
        qint64 upFor = 0;
        QElapsedTimer sinceLoad;
        whenModalShown([&](QWidget *modal) {
            splash = modal;
            seenName = modal->objectName();
            frameShownFirst = frame.isVisible() && frame.isMaximized();
            teamsEmptyWhileUp = Globals::matchState().Team1 == TeamRecord{} &&
                                Globals::matchState().Team2 == TeamRecord{};
            if (auto *timer = modal->findChild<QTimer *>(u"Timer1"_s)) {
                timerRunning = timer->isActive();
                timerInterval = timer->interval();
            }
            connect(static_cast<QDialog *>(modal), &QDialog::finished, modal, [&] {
                teamsEmptyAtClose = Globals::matchState().Team1 == TeamRecord{};
                upFor = sinceLoad.elapsed();
            });
            // The splash never closes early, so at two seconds it must still be up with the
            // teams unstored; a busy machine may only get here later, which proves nothing.
            if (QTest::qWaitFor([&] { return sinceLoad.elapsed() >= 2000; }, 2400) &&
                sinceLoad.elapsed() < frmSplash::Timer1Interval)
                stillUpAfterTwoSeconds =
                    splash && splash->isVisible() && Globals::matchState().Team1 == TeamRecord{};
            else
                stillUpAfterTwoSeconds = true;
        });
        sinceLoad.start();
        frame.MDIForm_Load();

        QCOMPARE(seenName, u"frmSplash"_s);
        QVERIFY(frameShownFirst);
        QVERIFY(teamsEmptyWhileUp);
        QVERIFY(timerRunning);
        QCOMPARE(timerInterval, 2500);
        QVERIFY(stillUpAfterTwoSeconds);
        QVERIFY(teamsEmptyAtClose);
        QVERIFY2(upFor >= 2500, qPrintable(u"closed after %1 ms"_s.arg(upFor)));
        // Unloaded, not merely hidden.
        QVERIFY(splash.isNull());
        QCOMPARE(Globals::matchState().Team1, inBuilt.Team1);
        QCOMPARE(Globals::matchState().Team2, inBuilt.Team2);
        QVERIFY(frame.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void splashHasNoTitleAndSharesTheProductDesign()
    {
        frmSplash splash;
        QVERIFY(splash.windowTitle().isEmpty());
        QCOMPARE(splash.size(), QSize(368, 243));
        QCOMPARE(splash.findChild<QLabel *>(u"lblProduct"_s)->text(), u"Stumpwell"_s);
        QCOMPARE(splash.findChild<QLabel *>(u"lblSubtitle"_s)->text(), u"Rollcraft"_s);
        QCOMPARE(splash.findChild<QLabel *>(u"lblVersion"_s)->text(),
                 u"Version "_s + QStringLiteral(STUMPWELL_VERSION));
        for (int i = 0; i < 3; ++i) {
            auto *notice = splash.findChild<QLabel *>(u"lblNotice_%1"_s.arg(i));
            QVERIFY(notice);
            QVERIFY(!notice->text().isEmpty());
        }
        QVERIFY(!splash.findChild<QLabel *>(u"lblNotice_3"_s));
        QVERIFY(splash.findChild<QLabel *>(u"lblNotice_2"_s)->text().contains(u"MIT licence"_s));
    }

    void everySplashTextFitsItsBox()
    {
        frmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QList<QLabel *> labels = splash.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 7);
        for (const QLabel *label : labels)
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void splashTimerClosesItEvenWithoutExec()
    {
        frmSplash splash;
        splash.show();
        splash.Form_Load();
        QVERIFY(splash.isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !splash.isVisible(); }, 5000));
        QCOMPARE(splash.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
