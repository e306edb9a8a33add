// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/Fonts.h"

#include "MatchDriving.h"
#include "MatchInvariants.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

class tst_Robustness : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
        // Two elevens in each of three countries, with averages in every appeal band.
        QList<PlayerRecord> players;
        for (int i = 0; i < 42; ++i)
            players << player(u"Player %1"_s.arg(i),
                              QList{u"Australia", u"England", u"India"}[i % 3], i * 2, i * 2, i < 3,
                              i >= 3 && i < 6);
        QVERIFY(writeFile(fileOf(players)));
        m_frame = std::make_unique<mdiMain>();
        m_frame->show();
        m_invariants.emplace(m_frame->matchWindows(), m_frame->session().match());
    }
    void cleanup() { m_frame->session().abandon(); }

    // Mended faults: the monkey found crashes and dialogs it stuck in; it guards them all.
    // A user pressing anything in the window taking input (the modal dialog, else the frame);
    // each step schedules the next first, so it goes on inside any dialog an action opens.
    void randomActionsBreakNothing()
    {
        const quint32 seed = testSeed(20261206u);
        SeededRandom die(seed);
        m_frame->session().setRandomSource(&die);
        // The computer's overs fall between actions: each is checked as it is played.
        const auto checkEachOver =
            connect(&m_frame->session().match(), &Match::changed, this, [this] {
                if (const QString problem = m_invariants->observe();
                    !problem.isEmpty() && m_failure.isEmpty())
                    m_failure = u"after over %1: "_s.arg(m_frame->session().match().log().overs()) +
                                problem;
            });
        QEventLoop loop;
        m_random.seed(seed);
        m_loop = &loop;
        QTimer::singleShot(0, this, &tst_Robustness::step);
        loop.exec();
        disconnect(checkEachOver);
        m_frame->session().setRandomSource(nullptr);
        QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
        QCOMPARE(m_taken, 20000);
        qInfo("%d matches, end-program called %d times", m_invariants->matches(), m_endings.calls);
    }

private:
    QTimer *resultTimer() const
    {
        MatchWindows &windows = m_frame->matchWindows();
        return windows.isResultOpen() ? windows.result()->findChild<QTimer *>(u"Timer1"_s)
                                      : nullptr;
    }

    void step()
    {
        if (!m_loop)
            return;
        QTimer::singleShot(0, this, &tst_Robustness::step);
        const bool playing = m_taken < 20000 && m_failure.isEmpty();
        if ((playing && m_ended == m_endings.calls) || !windDown()) {
            if (!playing)
                return std::exchange(m_loop, nullptr)->quit();
            m_ended = m_endings.calls;
            act();
        }
        // The result's two seconds pass when the seed says so (see act), not with this machine.
        if (QTimer *timer = resultTimer())
            timer->stop();
        if (const QString problem = m_invariants->observe();
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
        if (modal->objectName() == u"frmSide") { // only a side's button ends the choice
            QTest::mouseClick(modal->findChild<QWidget *>(u"cmdSide_%1"_s.arg(pick(2))),
                              Qt::LeftButton);
        } else if (modal->objectName() == u"frmToss") { // only the coin and a choice end the toss
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
    std::optional<MatchInvariants> m_invariants;
    QString m_failure;
    int m_taken = 0, m_ended = 0;
};

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
