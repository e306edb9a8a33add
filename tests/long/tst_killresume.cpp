// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/session/MatchSession.h"
#include "ui/common/Fonts.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;

// A match killed at any over comes back, after a restart, to exactly what it had shown.
class tst_KillResume : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    // The child's part: play on a seeded die, telling after each over how many are shown.
    void playUntilKilled()
    {
        const QString seed = qEnvironmentVariable("STUMPWELL_CHILD_SEED");
        if (seed.isEmpty())
            QSKIP("run as a child by killedAtAnyOverResumesToWhatItShowed");
        SeededRandom die(seed.toUInt());
        auto frame = shownFrame(qEnvironmentVariable("STUMPWELL_CHILD_STORE"), &die);
        frame->openMatchStore();
        startInBuiltMatch(*frame);
        while (!frame->session().match().isOver()) {
            pressRoll(*frame);
            std::printf("shown %d\n", frame->session().match().log().overs());
            std::fflush(stdout);
        }
    }

    void killedAtAnyOverResumesToWhatItShowed_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("killAt");
        std::mt19937 points(testSeed(20261207u));
        for (int i = 0; i < 50; ++i) {
            const quint32 seed = points();
            const int killAt = int(points() % 440) + 1;
            QTest::addRow("seed %u, over %d", seed, killAt) << seed << killAt;
        }
    }
    void killedAtAnyOverResumesToWhatItShowed()
    {
        QFETCH(quint32, seed);
        QFETCH(int, killAt);
        QTemporaryDir dir;
        const QString store = dir.filePath(u"stumpwell.sqlite"_s);
        QProcess child; // told its seed and store in its own environment only
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"STUMPWELL_CHILD_SEED"_s, QString::number(seed));
        environment.insert(u"STUMPWELL_CHILD_STORE"_s, store);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"playUntilKilled"_s});
        int shown = 0;
        while (shown < killAt && child.waitForReadyRead(30000)) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("shown "))
                    shown = line.mid(6).toInt();
            }
        }
        // A child whose match ended first has gone already, and pid 0 would be our own group.
        if (const qint64 pid = child.processId(); pid > 0)
            ::kill(pid_t(pid), SIGKILL);
        QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(30000));
        QVERIFY2(shown >= qMin(killAt, 40), "the child stopped early"); // a match has 40+ overs

        auto resumed = shownFrame(store); // the restart
        answerNextQuestion(QMessageBox::Yes);
        resumed->openMatchStore();
        const int saved = resumed->session().match().log().overs();
        QVERIFY2(saved >= shown, qPrintable(u"%1 overs shown, %2 saved"_s.arg(shown).arg(saved)));

        SeededRandom die(seed); // the same match, never interrupted
        auto uninterrupted = shownFrame(QString(), &die);
        startInBuiltMatch(*uninterrupted);
        for (int over = 0; over < saved; ++over)
            pressRoll(*uninterrupted);
        QCOMPARE(screenOf(*resumed), screenOf(*uninterrupted));
    }
};

QTEST_MAIN(tst_KillResume)
#include "tst_killresume.moc"
