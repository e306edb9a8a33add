// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

#include "common/Fonts.h"
#include "common/RandomSource.h"
#include "database/PlayerFile.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"

#include "MatchInvariants.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QListView>
#include <QMenu>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

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

// A user who presses anything inside the window that takes input (the active modal dialog, or
// the frame). Each step first schedules the next, so after an action opens a modal dialog the
// following ones run inside that dialog's event loop, as a user's would.
class Monkey : public QObject
{
public:
    Monkey(quint32 seed, int actions, QWidget *frame)
        : m_random(seed), m_actions(actions), m_frame(frame)
    {}

    // All the actions, then the dialogs left open closed; the first fault seen, if any.
    QString run()
    {
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(0, this, [this] { step(); });
        loop.exec();
        return m_failure;
    }
    int taken = 0;
    int results = 0;
    MatchInvariants invariants;
    EndProgramObserver endings;

private:
    void step()
    {
        if (!m_loop)
            return;
        QTimer::singleShot(0, this, [this] { step(); });
        // Where the program would have ended, its dialogs are closed before the monkey goes on.
        const bool playing = taken < m_actions && m_failure.isEmpty();
        if ((playing && m_ended == endings.calls()) || !windDown()) {
            if (!playing)
                return std::exchange(m_loop, nullptr)->quit();
            m_ended = endings.calls();
            act();
        }
        // The result's two seconds pass when the seed says so (see act), not with this machine.
        if (QTimer *timer = resultTimer(); timer && timer->isActive()) {
            timer->stop();
            ++results;
        }
        if (const QString problem = invariants.observe(); !problem.isEmpty() && m_failure.isEmpty())
            m_failure = QStringLiteral("after action %1: ").arg(taken) + problem;
    }

    template <typename T>
    T *any(QWidget *top)
    {
        QList<T *> found = top->findChildren<T *>();
        found.removeIf([](T *w) { return !w->isVisible() || !w->isEnabled(); });
        return found.isEmpty() ? nullptr : found[pick(int(found.size()))];
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    static QTimer *resultTimer()
    {
        return MatchWindows::isResultOpen()
                   ? MatchWindows::result()->findChild<QTimer *>(u"Timer1"_s)
                   : nullptr;
    }

    void act()
    {
        ++taken;
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *top = modal ? modal : m_frame;
        const int roll = pick(100);
        QListView *list = any<QListView>(top);
        QAbstractButton *button = any<QAbstractButton>(top);
        QComboBox *combo = any<QComboBox>(top);
        if (QTimer *timer = resultTimer(); timer && roll < 3) {
            QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection);
        } else if (list && list->model() && roll < 40) {
            // Two elevens take 22 double-clicks: lists are favoured, or the database would
            // hardly ever start a match.
            const int rows = list->model()->rowCount();
            const QModelIndex index = list->model()->index(rows ? pick(rows) : 0, 0);
            list->scrollTo(index);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(index).center());
        } else if (button && roll < 70) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (combo && roll < 75) {
            combo->setFocus();
            QTest::keyClick(combo, pick(2) ? Qt::Key_Down : Qt::Key_Up);
        } else if (roll < 79) {
            top->resize(200 + pick(1200), 150 + pick(900));
        } else if (!modal && roll < 82) {
            QList<QAction *> items =
                m_frame->findChildren<QAction *>(QRegularExpression(u"^mnu"_s));
            items.removeIf([](QAction *item) { return item->menu(); });
            items[pick(int(items.size()))]->trigger();
        } else {
            // Digits play overs when typed into the roll box.
            static const QStringList keys =
                QStringLiteral("0 1 2 3 4 5 6 7 8 9 Return Enter Esc Tab Backtab Space Backspace "
                               "Up Down A - . Alt+R Alt+O Alt+B Alt+H Ctrl+F1 Ctrl+P Shift+F1")
                    .split(u' ');
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
        if (modal && ++m_windDown % 1000 == 0)
            m_failure = modal->objectName() + u" cannot be closed"_s;
        if (!modal || m_windDown % 1000 == 0)
            return false;
        if (modal->objectName() == u"frmToss") { // only the coin and a choice end the toss
            for (auto *button : {modal->findChild<QWidget *>(u"cmdHeads"_s),
                                 modal->findChild<QWidget *>(u"cmdBat"_s)}) {
                if (button->isVisible() && button->isEnabled())
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        } else if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && m_windDown % 2) {
            dialog->reject();
        } else {
            modal->close();
        }
        return true;
    }

    std::mt19937 m_random;
    int m_actions;
    int m_ended = 0;
    QWidget *m_frame;
    QEventLoop *m_loop = nullptr;
    QString m_failure;
    int m_windDown = 0;
};

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT
private slots:
    // STUMPWELL_MONKEY_SEED plays another seed.
    void randomActionsBreakNothing()
    {
        installFontSubstitutions();
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()) && PlayerFile().CreateEmpty().ok());
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
        bool asked = false;
        const quint32 given = qEnvironmentVariable("STUMPWELL_MONKEY_SEED").toUInt(&asked);
        const quint32 seed = asked ? given : 20261206;
        qInfo("monkey seed %u (STUMPWELL_MONKEY_SEED plays another)", seed);
        SeededRandom die(seed);
        mdiMain frame;
        frame.show();
        storeInBuiltTeams(Globals::matchState());
        Monkey monkey(seed, 20000, &frame);
        const QString failure = monkey.run();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(monkey.taken, 20000);
        qInfo("%d actions: %d matches, %d results, %d overs checked, end-program called %d times",
              monkey.taken, monkey.invariants.matches(), monkey.results, monkey.invariants.overs(),
              monkey.endings.calls());
        QVERIFY(frame.isVisible() && !QApplication::activeModalWidget());
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
