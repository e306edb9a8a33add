// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "MatchDriving.h"
#include "ScriptedRandom.h"
#include "core/store/MatchStore.h"
#include "ui/history/frmReplay.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Seeded draws in which only one five in `appealEvery` stands (the others become sixes), so
// that wickets fall slowly enough for time to run out.
class SlowWickets final : public RandomSource
{
public:
    SlowWickets(quint32 seed, int appealEvery) : m_seeded(seed), m_every(appealEvery) {}
    void reseed() override {}
    int draw(int n) override
    {
        const int drawn = m_seeded.draw(n);
        return n == 6 && drawn == 5 && m_seeded.draw(m_every) != 1 ? 6 : drawn;
    }

private:
    SeededRandom m_seeded;
    int m_every;
};

// A replay shows no input: the live scorecards' boxes count as disabled.
QStringList withoutInput(QStringList screen)
{
    static const QRegularExpression input(u"^(txtRoll|cmdRoll) enabled=1"_s);
    for (QString &line : screen)
        line.replace(input, u"\\1 enabled=0"_s);
    return screen;
}

QSlider *slider(frmReplay *replay)
{
    return replay->findChild<QSlider *>(u"sldOver"_s);
}

} // namespace

class tst_Replay : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    std::unique_ptr<mdiMain> frame(RandomSource *random)
    {
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                                              QString::fromLatin1(QTest::currentDataTag()));
        auto shown = shownFrame(folder + u"/stumpwell.sqlite"_s, random);
        shown->openMatchStore();
        return shown;
    }

    // The newest match replayed from the history (its scorecard's button when `fromCard`).
    static frmReplay *replayNewest(mdiMain &frame, bool fromCard = false)
    {
        whenModalShown([fromCard](QWidget *history) {
            if (!fromCard)
                return click(history, u"cmdReplay"_s);
            whenModalShown([](QWidget *card) { click(card, u"cmdReplayCard"_s); });
            click(history, u"cmdOpen"_s);
        });
        frame.findChild<QAction *>(u"mnuHistory"_s)->trigger();
        const QList<frmReplay *> replays = frame.findChildren<frmReplay *>();
        if (replays.isEmpty() || !QTest::qWaitForWindowActive(replays.last()))
            return nullptr;
        return replays.last();
    }

    static void play(mdiMain &frame, int overs)
    {
        for (int over = 0; over < overs; ++over)
            pressRoll(frame);
    }

private slots:
    void replayShowsWhatPlayShowed_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("appealEvery");
        QTest::addColumn<bool>("onTime");
        QTest::newRow("all out") << 20261207u << 1 << false;
        QTest::newRow("on time") << 20261207u << 4 << true;
    }
    void replayShowsWhatPlayShowed()
    {
        QFETCH(quint32, seed);
        QFETCH(int, appealEvery);
        SlowWickets random(testSeed(seed), appealEvery);
        auto live = frame(&random);
        startInBuiltMatch(*live);
        const Match &match = live->session().match();
        QList<QStringList> screens{withoutInput(screenOf(*live))};
        while (!match.isOver()) {
            pressRoll(*live);
            screens << withoutInput(screenOf(*live));
        }
        QFETCH(bool, onTime);
        QCOMPARE(match.state().TimeUp, onTime);
        frmReplay *replay = replayNewest(*live);
        QVERIFY(replay);
        for (int over = 0; over < screens.size(); ++over) {
            slider(replay)->setValue(over);
            QCOMPARE(screenOf(replay->mdiArea()), screens[over]);
        }
    }

    // Keys typed in the window move the bar.
    void keysMoveTheSlider_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("fromEnd");
        QTest::addColumn<int>("over");
        QTest::newRow("home") << QList<int>{Qt::Key_Home} << 0 << 0;
        QTest::newRow("home, right twice")
            << QList<int>{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right} << 0 << 2;
        QTest::newRow("home, end") << QList<int>{Qt::Key_Home, Qt::Key_End} << 1 << 0;
        QTest::newRow("left") << QList<int>{Qt::Key_Left} << 1 << 1;
    }
    void keysMoveTheSlider()
    {
        SeededRandom random(testSeed(7));
        auto live = frame(&random);
        startInBuiltMatch(*live);
        play(*live, 30);
        frmReplay *replay = replayNewest(*live);
        QVERIFY(replay);
        QFETCH(QList<int>, keys);
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QFETCH(int, fromEnd);
        QFETCH(int, over);
        const int expected = fromEnd ? 30 - over : over;
        QCOMPARE(slider(replay)->value(), expected);
        QVERIFY(replay->findChild<QLabel *>(u"lblReplayPosition"_s)
                    ->text()
                    .startsWith(u"Over %1 of 30 "_s.arg(expected)));
    }

    void matchInProgressReplaysToItsLastOver()
    {
        SeededRandom random(testSeed(11));
        auto live = frame(&random);
        startInBuiltMatch(*live);
        play(*live, 25);
        const QStringList atTwentyFive = withoutInput(screenOf(*live));
        frmReplay *replay = replayNewest(*live);
        QVERIFY(replay);
        QCOMPARE(slider(replay)->maximum(), 25);
        QCOMPARE(screenOf(replay->mdiArea()), atTwentyFive);
    }

    void liveMatchPlaysOnBesideAReplay()
    {
        SeededRandom random(testSeed(13));
        auto live = frame(&random);
        startInBuiltMatch(*live);
        play(*live, 25);
        const QStringList before = screenOf(*live);
        frmReplay *replay = replayNewest(*live);
        QVERIFY(replay);
        slider(replay)->setValue(3);
        QCOMPARE(screenOf(*live), before);
        live->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(live.get()));
        play(*live, 5);
        QCOMPARE(live->session().match().log().overs(), 30);
        MatchLog saved;
        live->session().store()->readLog(live->session().storedId(), saved);
        QCOMPARE(saved, live->session().match().log());
        QCOMPARE(slider(replay)->maximum(), 25);
    }

    void resultOkInAReplayClosesNothing()
    {
        SeededRandom random(testSeed(17));
        auto live = frame(&random);
        startInBuiltMatch(*live);
        while (!live->session().match().isOver())
            pressRoll(*live);
        frmReplay *replay = replayNewest(*live, true);
        QVERIFY(replay);
        QVERIFY(!QApplication::activeModalWidget()); // the scorecard and the history closed
        auto *ok = replay->mdiArea()->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }));
        const QStringList before = screenOf(replay->mdiArea());
        ok->click();
        QCOMPARE(screenOf(replay->mdiArea()), before);
        QCOMPARE(live->session().store()->entry(live->session().storedId())->status,
                 MatchStore::Status::InProgress);
    }
};

QTEST_MAIN(tst_Replay)
#include "tst_replay.moc"
