// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"
#include "Tables.h"
#include "core/store/MatchStore.h"
#include "ui/history/frmReplay.h"
#include "ui/match/frmHighlights.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// Seeded draws where one five in `appealEvery` stands (the rest are sixes): time can run out.
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
    std::optional<CurrentTempDir> m_dir;

    // The newest match replayed from the history (its scorecard's button when `fromCard`).
    static frmReplay *replayNewest(mdiMain &frame, bool fromCard = false)
    {
        {
            ModalDriver modals([fromCard](QWidget *modal) {
                if (modal->objectName() == u"frmScorecard")
                    return click(modal, u"cmdReplayCard"_s);
                click(modal, fromCard ? u"cmdOpen"_s : u"cmdReplay"_s);
            });
            frame.findChild<QAction *>(u"mnuHistory"_s)->trigger();
        }
        const QList<frmReplay *> replays = frame.findChildren<frmReplay *>();
        if (replays.isEmpty() || !QTest::qWaitForWindowActive(replays.last()))
            return nullptr;
        return replays.last();
    }

private slots:
    void init() { m_dir.emplace(); }

    // The "on time" match is replayed from its scorecard's button.
    void replayShowsWhatPlayShowed_data() { addRows(u"replayed"_s); }
    void replayShowsWhatPlayShowed()
    {
        QFETCH(int, appealEvery);
        SlowWickets random(testSeed(20261207u), appealEvery);
        auto live = openedFrame(u"stumpwell.sqlite"_s, &random);
        startInBuiltMatch(*live);
        const Match &match = live->session().match();
        QList<QStringList> screens{withoutInput(screenOf(*live))};
        while (!match.isOver()) {
            pressRoll(*live);
            screens << withoutInput(screenOf(*live));
        }
        const bool onTime = QByteArray(QTest::currentDataTag()) == "on time";
        QCOMPARE(match.state().TimeUp, onTime);
        frmReplay *replay = replayNewest(*live, onTime);
        QVERIFY(replay);
        QVERIFY(!QApplication::activeModalWidget()); // the scorecard and the history closed
        for (int over = 0; over < screens.size(); ++over) {
            slider(replay)->setValue(over);
            QCOMPARE(screenOf(replay->mdiArea()), screens[over]);
        }
        // End to end and back by the keys, typed where the focus is; Highlights Summary,
        // closed in the replay, comes back as play showed it.
        QVERIFY(replay->mdiArea()->findChild<frmHighlights *>()->close());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QCOMPARE(screenOf(replay->mdiArea()), screens.first());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(screenOf(replay->mdiArea()), screens.last());
        // The result's Ok closes the replay.
        QPointer<QPushButton> ok; // the result window is made anew as the slider moves
        QVERIFY(QTest::qWaitFor([&] {
            ok = replay->mdiArea()->findChild<QPushButton *>(u"cmdOk"_s);
            return ok && ok->isEnabled();
        }));
        const QPointer<frmReplay> open(replay);
        ok->click();
        QTRY_VERIFY(!open);
    }

    // The match in play replays as far as it is saved, and plays on untouched.
    void matchInPlayReplaysAndPlaysOn()
    {
        SeededRandom random(testSeed(11));
        auto live = openedFrame(u"stumpwell.sqlite"_s, &random);
        startInBuiltMatch(*live);
        for (int over = 0; over < 25; ++over)
            pressRoll(*live);
        const QStringList atTwentyFive = screenOf(*live);
        live->move(200, 150); // room on every side
        frmReplay *replay = replayNewest(*live);
        QVERIFY(replay);
        QCOMPARE(screenOf(replay->mdiArea()), withoutInput(atTwentyFive));
        // Centred on the frame (within its window frame), under its menu bar.
        QVERIFY(qAbs(replay->geometry().center().x() - live->geometry().center().x()) <= 4);
        QVERIFY(replay->y() >=
                live->menuBar()->mapToGlobal(QPoint(0, live->menuBar()->height())).y());
        // The keys from the moment it opens, where the focus is: PageUp back ten, PageDown on
        // ten, Up and Down one; Ctrl+Tab brings the next card to the top.
        const auto type = [](const char *keys) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(keys)));
        };
        QList<int> overs;
        for (const char *keys : {"PgUp", "Up", "Down", "PgDown"})
            overs << (type(keys), slider(replay)->value());
        QCOMPARE(overs, (QList<int>{15, 14, 15, 25}));
        QMdiArea *area = replay->mdiArea();
        const QMdiSubWindow *top = area->activeSubWindow();
        type("Ctrl+Tab");
        QVERIFY(area->activeSubWindow() != top);
        QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last(), area->activeSubWindow());
        QMenu *cards = find<QPushButton>(replay, u"cmdWindows"_s)->menu(); // as does its Window
        emit cards->aboutToShow();
        cards->actions().first()->trigger();
        QCOMPARE(area->activeSubWindow()->windowTitle(), cards->actions().first()->text());
        slider(replay)->setValue(3);
        QCOMPARE(screenOf(*live), atTwentyFive);
        live->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(live.get()));
        pressRoll(*live);
        MatchLog saved;
        live->session().store()->readLog(live->session().storedId(), saved);
        QCOMPARE(saved.overs(), 26);
        QCOMPARE(slider(replay)->maximum(), 25);
        // Esc, Ctrl+W and its Close button (Alt+C) each close a replay.
        replay->activateWindow();
        for (const char *keys : {"Esc", "Ctrl+W", "Alt+C"}) {
            const QPointer<frmReplay> open(replay ? replay : replayNewest(*live));
            QVERIFY(QTest::qWaitForWindowActive(open));
            type(keys);
            QTRY_VERIFY(!open);
            replay = nullptr;
        }
    }
};

QTEST_MAIN(tst_Replay)
#include "tst_replay.moc"
