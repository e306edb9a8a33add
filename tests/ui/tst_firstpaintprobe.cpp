// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/FirstPaintProbe.h"

#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
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
        QMainWindow frame;
        auto *label = new QLabel(u"Stumpwell"_s);
        frame.setCentralWidget(label);
        reportFirstPaintIfAsked(&frame);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        label->repaint();
        QCoreApplication::processEvents(); // a queued report would end the process here
    }

    void firstPaintReportsOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("asked");
        QTest::newRow("asked") << true;
        QTest::newRow("not asked") << false;
    }
    void firstPaintReportsOnlyWhenAsked()
    {
        QFETCH(bool, asked);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"STUMPWELL_PROBE_CHILD"_s, u"1"_s);
        environment.remove(u"STUMPWELL_BENCH_FIRST_PAINT"_s);
        if (asked)
            environment.insert(u"STUMPWELL_BENCH_FIRST_PAINT"_s, u"1"_s);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"childShowsAFrame"_s});
        QVERIFY(child.waitForFinished(20'000));
        QVERIFY(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0);
        const QString output = QString::fromLatin1(child.readAllStandardOutput());
        static const QRegularExpression report(u"^first-paint peak_rss_kib=(\\d+)$"_s,
                                               QRegularExpression::MultilineOption);
        const QRegularExpressionMatch found = report.match(output);
        QVERIFY2(found.hasMatch() == asked, qPrintable(output));
        QVERIFY2(!asked || found.captured(1).toLong() > 1024, qPrintable(output));
        // Asked, it ends at once: the child never gets to finish and report.
        QVERIFY2(output.contains(u"Totals: 3 passed, 0 failed"_s) != asked, qPrintable(output));
    }
};

QTEST_MAIN(tst_FirstPaintProbe)
#include "tst_firstpaintprobe.moc"
