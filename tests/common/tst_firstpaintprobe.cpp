// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/FirstPaintProbe.h"

#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString Variable = QStringLiteral("STUMPWELL_BENCH_FIRST_PAINT");
}

class tst_FirstPaintProbe : public QObject
{
    Q_OBJECT
private slots:
    void withoutTheVariableTheProgramGoesOn()
    {
        qunsetenv("STUMPWELL_BENCH_FIRST_PAINT");
        QMainWindow frame;
        auto *label = new QLabel(QStringLiteral("Stumpwell"), &frame);
        frame.setCentralWidget(label);
        reportFirstPaintIfAsked(&frame);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        // Paint twice over: a probe that fired would have ended this process already.
        label->repaint();
        QTest::qWait(50);
        QVERIFY(frame.isVisible());
    }

    // The child half of the next test: only meaningful in a process started by it.
    void childShowsAFrame()
    {
        if (!qEnvironmentVariableIsSet("STUMPWELL_BENCH_FIRST_PAINT"))
            QSKIP("started by firstPaintReportsPeakMemoryAndEnds");
        QMainWindow frame;
        frame.setCentralWidget(new QLabel(QStringLiteral("Stumpwell")));
        reportFirstPaintIfAsked(&frame);
        frame.show();
        QTest::qWait(10'000);
        QFAIL("the first paint did not end the program");
    }

    void firstPaintReportsPeakMemoryAndEnds()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(Variable, QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childShowsAFrame")});
        QVERIFY(child.waitForFinished(20'000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QString output = QString::fromLatin1(child.readAllStandardOutput());
        static const QRegularExpression report(QStringLiteral("^first-paint peak_rss_kib=(\\d+)$"),
                                               QRegularExpression::MultilineOption);
        const QRegularExpressionMatch found = report.match(output);
        QVERIFY2(found.hasMatch(), qPrintable(output));
        QVERIFY(found.captured(1).toLong() > 1024);
        // Ended at once: the test function never got to finish and report.
        QVERIFY2(!output.contains(QStringLiteral("Totals:")), qPrintable(output));
    }
};

QTEST_MAIN(tst_FirstPaintProbe)
#include "tst_firstpaintprobe.moc"
