// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

// Twenty thousand random user actions against the whole program, from a fixed seed. Nothing
// may crash, every modal dialog must stay escapable, and whenever a match is on screen it keeps
// the rules of the over. The seed is printed; STUMPWELL_MONKEY_SEED plays another one, and
// STUMPWELL_MONKEY_ACTIONS a longer or shorter run.

#include "common/Fonts.h"
#include "database/PlayerFile.h"
#include "engine/MatchWindows.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "Monkey.h"
#include "SeededRandom.h"
#include "TestSupport.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr quint32 DefaultSeed = 20261206;
constexpr int DefaultActions = 20000;

quint32 seed()
{
    bool ok = false;
    const quint32 asked = qEnvironmentVariable("STUMPWELL_MONKEY_SEED").toUInt(&ok);
    return ok ? asked : DefaultSeed;
}

int actions()
{
    const int asked = qEnvironmentVariableIntValue("STUMPWELL_MONKEY_ACTIONS");
    return asked > 0 ? asked : DefaultActions;
}

// Enough players in three countries for two elevens, with averages in every appeal band.
bool writePlayers(const PlayerFile &file)
{
    if (!file.CreateEmpty().ok())
        return false;
    static const char16_t *firsts[] = {u"Alan", u"Brian", u"Colin", u"David", u"Edward"};
    static const char16_t *surnames[] = {u"Ashby", u"Bramley", u"Cotter"};
    for (const char16_t *country : {u"Australia", u"England", u"India"}) {
        for (int i = 0; i < 14; ++i) {
            PlayerRecord player;
            player.PlayerName = QString::fromUtf16(firsts[i % 5]) + QLatin1Char(' ') +
                                QString::fromUtf16(surnames[i % 3]) + QString::number(i);
            player.Country = QStringView(country);
            player.BattingAverage = quint8(i * 7);
            player.BowlingAverage = quint8(i * 5);
            player.CaptainExperience = i == 0;
            player.KeeperExperience = i == 1;
            if (!file.AppendRecord(player).ok())
                return false;
        }
    }
    return true;
}

// The offscreen platform's notes on what it cannot do (raise, grab the keyboard) would bury
// the output of twenty thousand actions.
QtMessageHandler g_previousHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_previousHandler(type, context, message);
}

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        g_previousHandler = qInstallMessageHandler(quietPlatform);
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(writePlayers(PlayerFile()));
    }

    void randomActionsBreakNothing()
    {
        const quint32 monkeySeed = seed();
        qInfo("monkey seed %u (set STUMPWELL_MONKEY_SEED to play another)", monkeySeed);
        EndProgramObserver endings;
        // The game's draws follow the seed too, so a run can be played again exactly.
        SeededRandom die(monkeySeed);
        Globals::matchState() = MatchState{};
        // The frame as its load leaves it, without the splash's wait.
        mdiMain frame;
        frame.show();
        storeInBuiltTeams(Globals::matchState());

        Monkey monkey(monkeySeed, actions(), &frame);
        QEventLoop loop;
        monkey.start([&loop] { loop.quit(); });
        loop.exec();

        QVERIFY2(monkey.failure().isEmpty(), qPrintable(monkey.failure()));
        QCOMPARE(monkey.actionsTaken(), actions());
        QVERIFY(!QApplication::activeModalWidget());
        qInfo("%d actions: %d matches seen, %d reached the result, %d overs checked, "
              "end-program called %d times",
              monkey.actionsTaken(), monkey.invariants().matches(), monkey.results(),
              monkey.invariants().overs(), endings.calls());
        // The frame is still whole and a match still closes cleanly.
        QVERIFY(frame.isVisible());
        MatchWindows::closeMatchWindows();
        QVERIFY(QTest::qWaitFor([&frame] { return frame.mdiArea()->subWindowList().isEmpty(); }));
    }

    void cleanupTestCase() { QDir::setCurrent(QDir::tempPath()); }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
