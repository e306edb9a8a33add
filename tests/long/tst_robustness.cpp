// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/Fonts.h"
#include "ui/shell/mdiMain.h"

#include "MatchInvariants.h"
#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QtTest>
#include <QtWidgets>

class tst_Robustness : public QObject
{
    Q_OBJECT
private slots:
    // Seeded whole matches, each toss case in turn, checked every over (more:
    // STUMPWELL_SOAK_MATCHES).
    void manyWholeMatchesKeepTheirWindowsTrue()
    {
        installFontSubstitutions();
        mdiMain frame;
        frame.show();
        SeededRandom die(testSeed(20261207u));
        frame.setRandomSource(&die);
        MatchWindows &windows = frame.matchWindows();
        MatchInvariants invariants(windows, frame.match());
        const int matches = qMax(200, qEnvironmentVariableIntValue("STUMPWELL_SOAK_MATCHES"));
        for (int match = 1; match <= matches && !QTest::currentTestFailed(); ++match) {
            ModalDriver modals;
            modals.act = [match](QWidget *modal) {
                for (const QString &name :
                     modal->objectName() == u"frmTeamMode"
                         ? QStringList{u"cmdInBuilt"_s}
                         : QStringList{match % 2 ? u"cmdHeads"_s : u"cmdTails"_s,
                                       match / 2 % 2 ? u"cmdBat"_s : u"cmdBowl"_s})
                    QTest::mouseClick(modal->findChild<QPushButton *>(name), Qt::LeftButton);
            };
            frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();
            QString problem = invariants.observe();
            while (problem.isEmpty() && !windows.isResultOpen()) {
                windows.innings(frame.match().currentInnings())
                    ->findChild<QPushButton *>(u"cmdRoll"_s)
                    ->click(); // without a mouse's two repaints an over
                problem = invariants.observe();
            }
            QVERIFY2(problem.isEmpty(), qPrintable(u"match %1, "_s.arg(match) + problem));
            QCOMPARE(invariants.matches(), match);
            // Ok waits two seconds; its timer's tick is raised now instead.
            QMetaMethod::fromSignal(&QTimer::timeout)
                .invoke(windows.result()->findChild<QTimer *>(u"Timer1"_s), Qt::DirectConnection);
            QTest::mouseClick(windows.result()->findChild<QPushButton *>(u"cmdOk"_s),
                              Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return frame.mdiArea()->subWindowList().isEmpty(); }));
        }
    }
};

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
