// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Twips.h"
#include "selection/frmTeamMode.h"
#include "selection/frmTeamSelection.h"
#include "state/Globals.h"

#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Runs action once the modal window named name is the active modal one. The caller deletes the
// returned watcher when the window may never come.
QPointer<QTimer> whenModalNamed(const QString &name, std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
    return timer;
}

bool teamModeAlive()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->objectName() == u"frmTeamMode"_s;
    });
}
} // namespace

class tst_TeamMode : public QObject
{
    Q_OBJECT

private:
    MatchState m_before;

private slots:
    void init()
    {
        MatchState &state = Globals::matchState();
        state = MatchState{};
        state.Team1.Name = u"Australia";
        state.Team2.Name = u"England";
        for (std::size_t i = 1; i < 12; ++i) {
            state.Team1.Players[i] = u"A Player "_s + QString::number(i);
            state.Team2.Players[i] = u"E Player "_s + QString::number(i);
            state.Team1.BatAverage[i] = quint8(i);
            state.Team2.BatAverage[i] = quint8(20 + i);
        }
        m_before = state;
    }

    void asksTheQuestionWithTwoButtons()
    {
        frmTeamMode window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.objectName(), u"frmTeamMode"_s);
        QCOMPARE(window.windowTitle(), u"Use Game Teams or Select from Database"_s);
        QCOMPARE(window.size(), twipsSize(6075, 1905));

        auto *label = window.findChild<QLabel *>(u"Label1"_s);
        QVERIFY(label);
        QCOMPARE(label->text(),
                 u"Would you like to the use the in-built teams or choose teams and players from "
                 "the database?  If you use the in-built teams, no statistics will be recorded "
                 "for the match."_s);
        QCOMPARE(label->geometry(), twipsRect(120, 120, 5895, 615));
        QVERIFY(captionFits(label));

        auto *inBuilt = window.findChild<QPushButton *>(u"cmdInBuilt"_s);
        auto *choose = window.findChild<QPushButton *>(u"cmdChoose"_s);
        QVERIFY(inBuilt && choose);
        QCOMPARE(inBuilt->text(), u"&In-built Teams"_s);
        QCOMPARE(choose->text(), u"&Choose teams manually"_s);
        QCOMPARE(inBuilt->geometry(), twipsRect(360, 1080, 2055, 615));
        QCOMPARE(choose->geometry(), twipsRect(3600, 1080, 2055, 615));
        QVERIFY(choose->isEnabled());
        QVERIFY(QTest::qWaitFor([inBuilt] { return inBuilt->hasFocus(); }));
        QCOMPARE(inBuilt->nextInFocusChain(), choose);
    }

    void inBuiltTeamsLeaveTheTeamsAsTheyAre()
    {
        bool selectionSeen = false;
        whenModalShown([](QWidget *window) {
            QCOMPARE(window->objectName(), u"frmTeamMode"_s);
            QTest::mouseClick(window->findChild<QPushButton *>(u"cmdInBuilt"_s), Qt::LeftButton);
        });
        const QPointer<QTimer> watcher =
            whenModalNamed(u"frmTeamSelection"_s, [&selectionSeen](QWidget *window) {
                selectionSeen = true;
                window->close();
            });
        frmTeamMode::showModal(nullptr);
        QVERIFY(!selectionSeen);
        delete watcher.data();
        QVERIFY(!teamModeAlive());
        QVERIFY(Globals::matchState().Team1 == m_before.Team1);
        QVERIFY(Globals::matchState().Team2 == m_before.Team2);
    }

    void escapeLeavesTheTeamsAsTheyAre()
    {
        whenModalShown([](QWidget *window) { QTest::keyClick(window, Qt::Key_Escape); });
        frmTeamMode::showModal(nullptr);
        QVERIFY(!teamModeAlive());
        QVERIFY(Globals::matchState().Team1 == m_before.Team1);
        QVERIFY(Globals::matchState().Team2 == m_before.Team2);
    }

    void chooseClosesThisWindowThenShowsTeamSelection()
    {
        EndProgramObserver observer;
        bool teamModeGone = false;
        bool selectionSeen = false;
        whenModalShown(
            [](QWidget *window) { QTest::keyClick(window, Qt::Key_C, Qt::AltModifier); });
        whenModalNamed(u"frmTeamSelection"_s, [&](QWidget *window) {
            selectionSeen = true;
            teamModeGone = !teamModeAlive();
            QVERIFY(qobject_cast<frmTeamSelection *>(window));
            // "&Cancel" ends the program: the toss must never follow.
            QTest::mouseClick(window->findChild<QPushButton *>(u"cmdCancel"_s), Qt::LeftButton);
            QCOMPARE(observer.calls(), 1);
            window->close();
        });
        frmTeamMode::showModal(nullptr);
        QVERIFY(selectionSeen);
        QVERIFY(teamModeGone);
        QCOMPARE(observer.calls(), 1);
        QVERIFY(Globals::matchState().Team1 == m_before.Team1);
    }
};

QTEST_MAIN(tst_TeamMode)
#include "tst_teammode.moc"
