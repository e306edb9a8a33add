// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Twips.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Closes every modal window that comes up (a message box first, say) until the named one has
// been seen and closed.
void closeModalsUntil(const QString &name, QString *seen)
{
    whenModalShown([name, seen](QWidget *modal) {
        if (modal->objectName() == name)
            *seen = name;
        else
            closeModalsUntil(name, seen);
        modal->close();
    });
}

} // namespace

class tst_Menus : public QObject
{
    Q_OBJECT
private slots:
    void frameIsTheStumpwellMdiWindow()
    {
        mdiMain frame;
        QCOMPARE(frame.objectName(), QStringLiteral("mdiMain"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Stumpwell"));
        auto *area = qobject_cast<QMdiArea *>(frame.centralWidget());
        QVERIFY(area);
        QCOMPARE(frame.mdiArea(), area);
        QCOMPARE(area->background().color(), area->palette().color(QPalette::Dark));
    }

    void restoredFrameHoldsTheMatchLayout()
    {
        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QSize client = frame.centralWidget()->size();
        QCOMPARE(client, frame.restoredClientSize());
        QVERIFY(client.width() >= twips(9900));
        QVERIFY(client.height() >= twips(6000));
        // Scorecard and state of play side by side, scorecard and highlights one above the
        // other, each with at least a title bar and borders around its client area.
        QVERIFY(client.width() > twips(7800 + 1905));
        QVERIFY(client.height() > twips(4230 + 1395) + 2 * 15);
    }

    void menuBarReadsGameChartsDataHelp()
    {
        mdiMain frame;
        QStringList names;
        QStringList captions;
        const QList<QAction *> actions = frame.menuBar()->actions();
        for (const QAction *action : actions) {
            names << action->objectName();
            captions << action->text();
        }
        QCOMPARE(names, (QStringList{QStringLiteral("mnuGame"), QStringLiteral("mnuCharts"),
                                     QStringLiteral("mnuData"), QStringLiteral("mnuHelp")}));
        QCOMPARE(captions, (QStringList{QStringLiteral("&Game"), QStringLiteral("&Charts"),
                                        QStringLiteral("&Data"), QStringLiteral("&Help")}));
    }

    void everyItemWithCaptionShortcutAndPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");

        QTest::newRow("mnuDice") << u"mnuDice"_s << u"mnuGame"_s << 0 << u"&Dice (Basic)"_s
                                 << QKeySequence();
        QTest::newRow("mnu2Human") << u"mnu2Human"_s << u"mnuDice"_s << 0 << u"&Human v Human"_s
                                   << QKeySequence(Qt::CTRL | Qt::Key_F1);
        QTest::newRow("mnu1Human") << u"mnu1Human"_s << u"mnuDice"_s << 1 << u"H&uman v CPU"_s
                                   << QKeySequence(Qt::CTRL | Qt::Key_F2);
        QTest::newRow("mnuHuman0") << u"mnuHuman0"_s << u"mnuDice"_s << 2 << u"&CPU v CPU"_s
                                   << QKeySequence(Qt::CTRL | Qt::Key_F3);
        QTest::newRow("mnuFOWChart")
            << u"mnuFOWChart"_s << u"mnuCharts"_s << 0 << u"&FOW Chart"_s << QKeySequence();
        QTest::newRow("mnuPlayers") << u"mnuPlayers"_s << u"mnuData"_s << 0
                                    << u"&Players Database"_s << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("mnuAbout") << u"mnuAbout"_s << u"mnuHelp"_s << 0 << u"&About"_s
                                  << QKeySequence(Qt::SHIFT | Qt::Key_F1);
    }
    void everyItemWithCaptionShortcutAndPlace()
    {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);

        mdiMain frame;
        auto *parentMenu = frame.findChild<QMenu *>(menu);
        QVERIFY(parentMenu);
        QCOMPARE(parentMenu->menuAction()->objectName(), menu);
        const QList<QAction *> items = parentMenu->actions();
        QVERIFY(position < items.size());
        QAction *item = items.at(position);
        QCOMPARE(item->objectName(), name);
        QCOMPARE(frame.findChild<QAction *>(name), item);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QVERIFY(item->isEnabled());
        QVERIFY(item->isVisible());
        QVERIFY(!item->isCheckable());
        if (item->menu())
            QCOMPARE(item->menu()->objectName(), name);
    }

    void onlyTheListedItemsExist()
    {
        mdiMain frame;
        QCOMPARE(frame.findChild<QMenu *>(u"mnuGame"_s)->actions().size(), 1);
        QCOMPARE(frame.findChild<QMenu *>(u"mnuDice"_s)->actions().size(), 3);
        for (const char *menu : {"mnuCharts", "mnuData", "mnuHelp"})
            QCOMPARE(frame.findChild<QMenu *>(QString::fromLatin1(menu))->actions().size(), 1);
    }

    void cpuItemsDoNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("mnu1Human") << u"mnu1Human"_s << QKeySequence(Qt::CTRL | Qt::Key_F2);
        QTest::newRow("mnuHuman0") << u"mnuHuman0"_s << QKeySequence(Qt::CTRL | Qt::Key_F3);
    }
    void cpuItemsDoNothing()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, keys);

        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        const MatchState before = Globals::matchState();
        const int topLevels = int(QApplication::topLevelWidgets().size());
        auto *item = frame.findChild<QAction *>(name);
        QSignalSpy triggered(item, &QAction::triggered);

        QTest::keySequence(&frame, keys);
        item->trigger();
        QCOMPARE(triggered.size(), 2);
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(int(QApplication::topLevelWidgets().size()), topLevels);
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
        QVERIFY(item->isEnabled());
        const MatchState &after = Globals::matchState();
        QCOMPARE(after.Team1, before.Team1);
        QCOMPARE(after.Team2, before.Team2);
        QCOMPARE(after.CurrentInnings, before.CurrentInnings);
    }

    void modalItemsOpenTheirWindowBeforeAnyMatch_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << u"mnuAbout"_s << QKeySequence(Qt::SHIFT | Qt::Key_F1)
                               << u"frmAbout"_s;
        QTest::newRow("Players") << u"mnuPlayers"_s << QKeySequence(Qt::CTRL | Qt::Key_P)
                                 << u"frmPlayers"_s;
        QTest::newRow("FOW chart") << u"mnuFOWChart"_s << QKeySequence() << u"frmFOWGraph"_s;
    }
    void modalItemsOpenTheirWindowBeforeAnyMatch()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, window);

        // The players database works on the file in the current directory.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        EndProgramObserver endings;

        mdiMain frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QString opened;
        closeModalsUntil(window, &opened);
        if (keys.isEmpty())
            frame.findChild<QAction *>(item)->trigger();
        else
            QTest::keySequence(&frame, keys);
        QDir::setCurrent(previous);
        QCOMPARE(opened, window);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(endings.calls(), 0);
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
