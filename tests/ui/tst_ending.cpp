// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/MatchStore.h"
#include "ui/shell/mdiMain.h"

#include "PlayerFileTest.h"
#include "SavedSides.h"
#include "Tables.h"
#include "TestSupport.h"

#include <QAction>

namespace {

// A visible widget by objectName, a window by title, a button by caption.
template <typename T = QWidget>
T *shown(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        const QList<T *> widgets = top->findChildren<T *>() << qobject_cast<T *>(top);
        for (T *widget : widgets) {
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (widget && widget->isVisible() &&
                (widget->objectName() == name ||
                 (widget->isWindow() && widget->windowTitle() == name) ||
                 (button && button->text().remove(u'&') == name)))
                return widget;
        }
    }
    return nullptr;
}

// Takes one step of the table's if it can. What a step sets off runs after the driver's tick,
// so a modal window cannot hold the driver.
bool take(const QString &step)
{
    const QString name = step.mid(1);
    std::function<void()> act;
    if (step == u".")
        return !QApplication::activeModalWidget();
    if (step == u"noclose")
        return !(QApplication::activeModalWidget()->windowFlags() & Qt::WindowCloseButtonHint);
    if (step == u"esc")
        act = [] {
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        };
    else if (step.startsWith(u'>') && shown(u"mdiMain"_s))
        act = [name] {
            find<QAction>(shown(u"mdiMain"_s), name)->trigger();
        };
    else if (QAbstractButton *button =
                 step.startsWith(u'*') ? shown<QAbstractButton>(name) : nullptr)
        act = [button = QPointer(button)] {
            button ? button->click() : void();
        };
    else
        return step.startsWith(u'?') && shown(name);
    QMetaObject::invokeMethod(qApp, act, Qt::QueuedConnection);
    return true;
}

} // namespace

// A quit at any moment (Qt's, as a desktop's logout sends it, or the program's own endings)
// ends the whole run within a second, the store closed and its lock gone.
class tst_ending : public QObject
{
    Q_OBJECT

private slots:
    void everyEndingEndsTheRun_data() { addRows(u"endings"_s); }
    void everyEndingEndsTheRun()
    {
        QFETCH(QString, steps);
        QStringList todo = steps.split(u' ');
        CurrentTempDir folder;
        qputenv("XDG_DATA_HOME", folder.dir.path().toLocal8Bit());
        QVERIFY(todo.first() == u"damaged" ? QDir().mkdir(FileName) : writeNumberedPlayers(2, 23));
        if (todo.first() == u"sides") {
            MatchStore store(MatchStore::defaultPath());
            QVERIFY(store.open());
            saveEleven(SideStore(store), u"Kent"_s, 2);
            saveEleven(SideStore(store), u"Surrey"_s, 13);
        }
        todo.removeAll(u"damaged"_s), todo.removeAll(u"sides"_s);

        QTimer watchdog, driver;
        connect(&watchdog, &QTimer::timeout, this,
                [&] { qFatal("stuck at %s", qPrintable(todo.value(0))); });
        watchdog.start(20000);
        connect(&driver, &QTimer::timeout, this, [&] {
            if (todo.isEmpty() || !take(todo.first()))
                return;
            todo.removeFirst();
            if (todo.isEmpty() || todo.first() == u"quit") {
                watchdog.start(1000); // from the last step, or the quit, to the end of the run
                if (!todo.isEmpty())
                    todo.clear(), QCoreApplication::quit();
            }
        });
        driver.start(10);
        QCOMPARE(mdiMain::run(), 0);
        watchdog.stop();

        QVERIFY(todo.isEmpty());
        QVERIFY(!QFile::exists(MatchStore::defaultPath() + u".lock"_s));
        MatchStore store(MatchStore::defaultPath());
        QVERIFY(store.open());
        QCOMPARE(store.lastInProgress().has_value(), steps.contains(u"?frmInnings1"));
    }
};

QTEST_MAIN(tst_ending)
#include "tst_ending.moc"
