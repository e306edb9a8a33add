// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

#include "common/Fonts.h"
#include "common/RandomSource.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"

#include "MatchInvariants.h"
#include "TestSupport.h"

#include <QAction>
#include <QMetaMethod>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

class tst_Soak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        storeInBuiltTeams(Globals::matchState());
        m_frame = std::make_unique<mdiMain>();
        m_frame->show();
    }

    // The game's own time-seeded die: every run plays matches nobody chose.
    void manyWholeMatchesKeepEveryRuleOfTheOver()
    {
        QVERIFY(dynamic_cast<TimeSeededRandom *>(&Globals::random()));
        MatchInvariants invariants;
        const int matches = qMax(200, qEnvironmentVariableIntValue("STUMPWELL_SOAK_MATCHES"));
        for (int match = 1; match <= matches && !QTest::currentTestFailed(); ++match) {
            start(match % 4);
            QString problem = invariants.observe();
            QCOMPARE(invariants.matches(), match);
            while (problem.isEmpty() && !MatchWindows::isResultOpen()) {
                auto *roll = MatchWindows::InningsWindows(Globals::matchState().CurrentInnings)
                                 ->findChild<QPushButton *>(u"cmdRoll"_s);
                QVERIFY(roll->isEnabled());
                roll->click(); // without a mouse's two repaints an over
                problem = invariants.observe();
            }
            QVERIFY2(problem.isEmpty(), qPrintable(u"match %1, "_s.arg(match) + problem));
            // Ok waits two seconds; the running timer's tick is raised now instead.
            frmResult *result = MatchWindows::result();
            auto *ok = result->findChild<QPushButton *>(u"cmdOk"_s);
            auto *timer = result->findChild<QTimer *>(u"Timer1"_s);
            QVERIFY(!ok->isEnabled() && timer->isActive() && timer->interval() == 2000);
            QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection);
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!MatchWindows::matchInProgress() && !MatchWindows::isInningsOpen(1) &&
                    !MatchWindows::isSummaryOpen() && !MatchWindows::isHighlightsOpen());
            QVERIFY(QTest::qWaitFor([&] { return m_frame->mdiArea()->subWindowList().isEmpty(); }));
        }
        qInfo("%d matches, %d overs checked", invariants.matches(), invariants.overs());
    }

    // The checker itself sees one falsified caption of a fresh match.
    void aFalsifiedCaptionIsCaught_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("untouched") << 0 << QString() << QString();
        QTest::newRow("runs") << 1 << u"lblRuns_0"_s << u"4"_s;
        QTest::newRow("aggregate") << 2 << u"lblTotal2"_s << u"2"_s;
        QTest::newRow("time") << 3 << u"lblTime"_s << u"10:04a"_s;
    }
    void aFalsifiedCaptionIsCaught()
    {
        QFETCH(int, window);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        start(0);
        const QList<QWidget *> windows{m_frame.get(), MatchWindows::InningsWindows(1),
                                       MatchWindows::summary(), MatchWindows::state()};
        if (window > 0)
            windows[window]->findChild<QLabel *>(label)->setText(caption);
        QCOMPARE(MatchInvariants().observe().isEmpty(), window == 0);
        MatchWindows::closeMatchWindows();
    }

private:
    // A new match with the in-built teams; each toss case (call, choice) by its number 0..3.
    void start(int toss)
    {
        whenModalShown([toss](QWidget *teamMode) {
            whenModalShown([toss](QWidget *dialog) {
                for (const QString &name : {toss % 2 ? u"cmdHeads"_s : u"cmdTails"_s,
                                            toss / 2 ? u"cmdBat"_s : u"cmdBowl"_s})
                    QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton);
            });
            QTest::mouseClick(teamMode->findChild<QPushButton *>(u"cmdInBuilt"_s), Qt::LeftButton);
        });
        m_frame->findChild<QAction *>(u"mnu2Human"_s)->trigger();
    }

    std::unique_ptr<mdiMain> m_frame;
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
