// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

#include "charts/frmFOWGraph.h"
#include "common/Fonts.h"
#include "common/RandomSource.h"
#include "database/PlayerFile.h"
#include "database/frmAddPlayers.h"
#include "database/frmFoundPlayers.h"
#include "database/frmPlayers.h"
#include "selection/frmTeamMode.h"
#include "selection/frmTeamSelection.h"
#include "shell/InBuiltTeams.h"
#include "shell/frmAbout.h"
#include "shell/frmSplash.h"
#include "shell/frmToss.h"
#include "shell/mdiMain.h"

#include "MatchInvariants.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QListView>
#include <QMetaMethod>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <random>
#include <utility>

using namespace Qt::StringLiterals;

// The game's draws from the monkey's seed too, blind to the time of day, so a run replays.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) { Globals::setRandom(this); }
    ~SeededRandom() override { Globals::setRandom(nullptr); }
    void reseed() override {}
    int draw(int n) override { return int(double(m_engine() >> 11) * 0x1p-53 * n) + 1; }

private:
    std::mt19937_64 m_engine;
};

class tst_Robustness : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()) &&
                PlayerFile().CreateEmpty().ok());
        // Two elevens in each of three countries, with averages in every appeal band.
        for (int i = 0; i < 42; ++i) {
            PlayerRecord player;
            player.PlayerName = u"Player %1"_s.arg(i);
            player.Country = QStringList{u"Australia"_s, u"England"_s, u"India"_s}[i % 3];
            player.BattingAverage = player.BowlingAverage = quint8(i * 2);
            player.CaptainExperience = i < 3;
            player.KeeperExperience = i >= 3 && i < 6;
            QVERIFY(PlayerFile().AppendRecord(player).ok());
        }
        storeInBuiltTeams(Globals::matchState());
        m_frame = std::make_unique<mdiMain>();
        m_frame->show();
    }
    void cleanup() // every test starts from a fresh record with the in-built teams
    {
        MatchWindows::closeMatchWindows();
        storeInBuiltTeams(Globals::matchState() = MatchState{});
    }

    void manyWholeMatchesKeepEveryRuleOfTheOver()
    {
        QVERIFY(dynamic_cast<TimeSeededRandom *>(&Globals::random())); // the game's own die
        start(0); // first the checker itself must see one falsified caption
        MatchWindows::InningsWindows(1)->findChild<QLabel *>(u"lblRuns_0"_s)->setText(u"4"_s);
        QVERIFY(!MatchInvariants().observe().isEmpty());
        MatchWindows::closeMatchWindows();
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
            auto *ok = MatchWindows::result()->findChild<QPushButton *>(u"cmdOk"_s);
            QTimer *timer = resultTimer();
            QVERIFY(!ok->isEnabled() && timer->isActive() && timer->interval() == 2000);
            QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection);
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return m_frame->mdiArea()->subWindowList().isEmpty(); }));
        }
    }

    // A user pressing anything in the window taking input (the modal dialog, else the frame);
    // each step schedules the next first, so it goes on inside any dialog an action opens.
    void randomActionsBreakNothing()
    {
        const quint32 seed = qEnvironmentVariable("STUMPWELL_MONKEY_SEED", u"20261206"_s).toUInt();
        qInfo("monkey seed %u (STUMPWELL_MONKEY_SEED plays another)", seed);
        SeededRandom die(seed);
        QEventLoop loop;
        m_random.seed(seed);
        m_loop = &loop;
        QTimer::singleShot(0, this, &tst_Robustness::step);
        loop.exec();
        QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
        QCOMPARE(m_taken, 20000);
        qInfo("%d matches, end-program called %d times", m_invariants.matches(), m_endings.calls());
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"frmInnings1", "frmState", "frmMatchSummary", "frmResult draw", "frmResult win",
              "frmToss", "frmTeamMode", "frmTeamSelection", "frmPlayers", "frmAddPlayers",
              "frmFoundPlayers", "frmFOWGraph", "frmSplash", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void captionsFit()
    {
        QFETCH(QString, window);
        MatchState &state = Globals::matchState();
        state.CurrentInnings = 1;
        state.TimeUp = window.endsWith(u"draw");
        // Ten partnerships, so the chart's legend shows its longest texts.
        for (std::size_t k = 1; k <= 10 && window == u"frmFOWGraph"; ++k) {
            state.Cards[1].Pair[k] =
                state.Team1.Players[k].trimmed() + u'/' + state.Team1.Players[k + 1].trimmed();
            state.Cards[1].FOW[k] = qint16(k * 111);
        }
        NumberedPlayer found{2, {}};
        found.record.PlayerName = u"Harold Alexander Lockwood-Norcross";
        found.record.Country = u"West Indies";
        found.record.BattingAverage = found.record.BowlingAverage = 255;
        MatchWindows::summary()->model().total2 = 1234; // for the result's text
        SeededRandom coin{1};
        QWidget *shown = window == u"frmInnings1"          ? MatchWindows::InningsWindows(1)
                         : window == u"frmState"           ? MatchWindows::state()
                         : window == u"frmMatchSummary"    ? MatchWindows::summary()
                         : window.startsWith(u"frmResult") ? MatchWindows::result()
                         : window == u"frmToss"            ? new frmToss
                         : window == u"frmTeamMode"        ? new frmTeamMode
                         : window == u"frmTeamSelection"   ? new frmTeamSelection
                         : window == u"frmPlayers"         ? new frmPlayers
                         : window == u"frmAddPlayers"      ? new frmAddPlayers
                         : window == u"frmFoundPlayers"
                             ? new frmFoundPlayers(nullptr, u"Lock"_s, QList{found})
                         : window == u"frmFOWGraph" ? new frmFOWGraph
                         : window == u"frmSplash"   ? new frmSplash
                                                    : static_cast<QWidget *>(new frmAbout);
        const std::unique_ptr<QWidget> owned(shown->parent() ? nullptr : shown); // not the MDI's
        if (auto *toss = qobject_cast<frmToss *>(shown)) {
            toss->Form_Load();
            toss->cmdHeads_Click();
        }
        if (auto *players = qobject_cast<frmPlayers *>(shown))
            QVERIFY(players->Form_Load());
        if (auto *add = qobject_cast<frmAddPlayers *>(shown))
            add->Form_Load();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown->window()));
        QCOMPARE(shown->devicePixelRatioF(),
                 qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN") ? 2.0 : 1.0);
        QStringList clipped;
        for (const QLabel *label : shown->findChildren<QLabel *>()) {
            if (!label->text().isEmpty() && label->isVisibleTo(shown) && !captionFits(label))
                clipped << label->objectName() + u": "_s + label->text();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u"; "_s)));
    }

    // Rounding and hinting differ at 200%, so the test runs its captionsFit again there.
    void captionsFitAtTwiceTheScale()
    {
        if (qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN"))
            QSKIP("this is the run at twice the scale");
        QProcess run;
        qputenv("QT_SCALE_FACTOR", "2");
        qputenv("STUMPWELL_SCALING_RUN", "1");
        run.start(QCoreApplication::applicationFilePath(), {u"captionsFit"_s});
        QVERIFY(run.waitForFinished(5 * 60 * 1000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0 &&
                     output.contains(u"PASS   : tst_Robustness::captionsFit(frmAbout)"_s),
                 qPrintable(output));
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
    static QTimer *resultTimer()
    {
        return MatchWindows::isResultOpen()
                   ? MatchWindows::result()->findChild<QTimer *>(u"Timer1"_s)
                   : nullptr;
    }

    void step()
    {
        if (!m_loop)
            return;
        QTimer::singleShot(0, this, &tst_Robustness::step);
        const bool playing = m_taken < 20000 && m_failure.isEmpty();
        if ((playing && m_ended == m_endings.calls()) || !windDown()) {
            if (!playing)
                return std::exchange(m_loop, nullptr)->quit();
            m_ended = m_endings.calls();
            act();
        }
        // The result's two seconds pass when the seed says so (see act), not with this machine.
        if (QTimer *timer = resultTimer())
            timer->stop();
        if (const QString problem = m_invariants.observe();
            !problem.isEmpty() && m_failure.isEmpty())
            m_failure = u"after action %1: "_s.arg(m_taken) + problem;
    }

    template <typename T>
    T *any(QWidget *top, const QString &name = {})
    {
        QList<T *> found = top->findChildren<T *>(QRegularExpression(name));
        found.removeIf([](T *w) { return !w->isVisible() || !w->isEnabled(); });
        return found.isEmpty() ? nullptr : found[pick(int(found.size()))];
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void act()
    {
        ++m_taken;
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *top = modal ? modal : m_frame.get();
        const int roll = pick(100);
        if (QTimer *timer = resultTimer(); timer && roll < 3) {
            QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection);
        } else if (auto *list = any<QListView>(top); list && list->model() && roll < 40) {
            // Two elevens take 22 double-clicks: lists are favoured, or few matches would start.
            const QModelIndex index =
                list->model()->index(pick(qMax(1, list->model()->rowCount())), 0);
            list->scrollTo(index);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(index).center());
        } else if (auto *button = any<QAbstractButton>(top); button && roll < 72) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto *item = any<QAction>(m_frame.get(), u"^mnu(?!Exit)"_s); // goes on playing
                   item && !modal && roll < 76) {
            item->trigger();
        } else if (roll < 79) {
            top->resize(200 + pick(1200), 150 + pick(900));
        } else {
            // Digits play overs when typed into the roll box; Up and Down turn combo boxes.
            static const QStringList keys =
                u"0 1 2 3 4 5 6 7 8 9 Return Enter Esc Tab Backtab Space Backspace Up Down A - . "
                "Alt+R Alt+O Alt+B Alt+H Ctrl+F1 Ctrl+P Shift+F1"_s.split(u' ');
            QWidget *target = QApplication::focusWidget();
            if (!target || !top->isAncestorOf(target))
                target = top->focusWidget() ? top->focusWidget() : top;
            QTest::keySequence(target, QKeySequence(keys[pick(int(keys.size()))]));
        }
    }

    // Closes one dialog still open as its user would have to; false once none is.
    bool windDown()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return false;
        if (modal->objectName() == u"frmToss") { // only the coin and a choice end the toss
            for (const char *name : {"cmdHeads", "cmdBat"}) {
                auto *button = modal->findChild<QWidget *>(QLatin1String(name));
                if (button->isVisible() && button->isEnabled())
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        } else if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && pick(2)) {
            dialog->reject();
        } else {
            modal->close();
        }
        return true;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<mdiMain> m_frame;
    std::mt19937 m_random;
    QEventLoop *m_loop = nullptr;
    EndProgramObserver m_endings;
    MatchInvariants m_invariants;
    QString m_failure;
    int m_taken = 0, m_ended = 0;
};

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
