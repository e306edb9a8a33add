// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/FirstPaintProbe.h"

#include <QLabel>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// Each case runs in a child process: a probe that fires ends its process at once.
class tst_FirstPaintProbe : public QObject
{
    Q_OBJECT
private slots:
    // The child half of the next test: only meaningful in a process started by it.
    void childShowsAFrame()
    {
        if (!qEnvironmentVariableIsSet("STUMPWELL_PROBE_CHILD"))
            QSKIP("started by firstPaintReportsOnlyWhenAsked");
        QLabel frame(u"Stumpwell"_s);
        reportFirstPaintIfAsked(&frame);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.repaint();
        QCoreApplication::processEvents(); // a queued report would end the process here
    }

    // Asked, it reports and ends the child at once, before the child can finish its test.
    void firstPaintReportsOnlyWhenAsked()
    {
        for (const bool asked : {true, false}) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"STUMPWELL_PROBE_CHILD"_s, u"1"_s);
            environment.remove(u"STUMPWELL_BENCH_FIRST_PAINT"_s);
            if (asked)
                environment.insert(u"STUMPWELL_BENCH_FIRST_PAINT"_s, u"1"_s);
            QProcess child;
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), {u"childShowsAFrame"_s});
            QVERIFY(child.waitForFinished(20'000));
            QCOMPARE(child.exitCode(), 0);
            const QString output = QString::fromLatin1(child.readAllStandardOutput());
            QCOMPARE(output.contains(u"first-paint peak_rss_kib="_s), asked);
            QCOMPARE(output.contains(u"Totals: 3 passed, 0 failed"_s), !asked);
        }
    }
};

QTEST_MAIN(tst_FirstPaintProbe)
#include "tst_firstpaintprobe.moc"
