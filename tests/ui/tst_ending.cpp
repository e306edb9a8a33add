// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/MatchStore.h"
#include "ui/shell/mdiMain.h"

#include "PlayerFileTest.h"
#include "TestSupport.h"

#include <QAction>

namespace {

QWidget *shown(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        const QList<QWidget *> widgets = top->findChildren<QWidget *>() << top;
        for (QWidget *widget : widgets) {
            if (widget->isVisible() && (widget->objectName() == name ||
                                        (widget->isWindow() && widget->windowTitle() == name)))
                return widget;
        }
    }
    return nullptr;
}

QAbstractButton *button(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
            if (button->isVisible() &&
                (button->objectName() == name || button->text().remove(u'&') == name))
                return button;
        }
    }
    return nullptr;
}

// Not inside the driver's tick: a modal window it opens must not hold the driver.
void later(std::function<void()> act)
{
    QMetaObject::invokeMethod(qApp, std::move(act), Qt::QueuedConnection);
}

// Takes one step if it can: "?name" waits for a visible widget or window of that name or
// title, "." for no modal window, ">action" triggers one of the frame's actions, "*button"
// clicks a visible button by name or caption, "esc" presses Esc in the modal window.
bool take(const QString &step)
{
    const QString name = step.mid(1);
    if (step.startsWith(u'?'))
        return shown(name);
    if (step == u".")
        return !QApplication::activeModalWidget();
    if (step == u"esc") {
        later([] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        return true;
    }
    if (step.startsWith(u'>')) {
        QWidget *frame = shown(u"mdiMain"_s);
        if (frame)
            later([frame, name] { find<QAction>(frame, name)->trigger(); });
        return frame;
    }
    QAbstractButton *found = button(name);
    if (found)
        later([found = QPointer(found)] { found ? found->click() : void(); });
    return found;
}

} // namespace

// A quit at any moment (Qt's, as a desktop's logout sends it, or the program's own endings)
// ends the whole run within a second, the store closed and its lock gone.
class tst_ending : public QObject
{
    Q_OBJECT

private slots:
    void everyEndingEndsTheRun_data()
    {
        QTest::addColumn<QString>("steps");
        const QString rest = u"?frmSplash ."_s;
        const QString toss = rest + u" >mnu2Human ?frmTeamMode *cmdInBuilt ?frmToss"_s;
        const QString match = toss + u" *cmdHeads *cmdBat ?frmInnings1"_s;
        // Mended fault: a quit before the run's loop, or while the splash showed, was lost.
        QTest::newRow("before the splash") << u"?mdiMain quit"_s;
        QTest::newRow("during the splash") << u"?frmSplash quit"_s;
        QTest::newRow("at rest") << rest + u" quit"_s;
        QTest::newRow("after the players database")
            << rest + u" >mnuPlayers ?frmPlayers *cmdClose . quit"_s;
        QTest::newRow("during the toss") << toss + u" quit"_s;
        QTest::newRow("during a match") << match + u" quit"_s;
        QTest::newRow("history") << rest + u" >mnuHistory ?frmHistory quit"_s;
        QTest::newRow("replay") << match + u" >mnuHistory ?frmHistory *cmdReplay ?frmReplay quit"_s;
        QTest::newRow("series") << rest + u" >mnuNewSeries *cmdStartSeries ?frmSeries quit"_s;
        QTest::newRow("sides") << rest + u" >mnuSides ?frmSides quit"_s;
        QTest::newRow("Esc in team selection")
            << rest + u" >mnu2Human *cmdChoose ?frmTeamSelection esc"_s;
        QTest::newRow("a damaged player file") << u"damaged "_s + rest + u" >mnuPlayers *OK"_s;
    }

    void everyEndingEndsTheRun()
    {
        QFETCH(QString, steps);
        QStringList todo = steps.split(u' ');
        CurrentTempDir folder;
        qputenv("XDG_DATA_HOME", folder.dir.path().toLocal8Bit());
        // A folder where the file should be cannot be read: the database's "Fatal Error".
        QVERIFY(todo.first() == u"damaged" ? QDir().mkdir(FileName)
                                           : PlayerFile().CreateEmpty().ok());
        todo.removeAll(u"damaged"_s);

        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this,
                [&] { qFatal("stuck at %s", qPrintable(todo.value(0, u"the end"_s))); });
        watchdog.start(20000);
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (todo.isEmpty() || !take(todo.first()))
                return;
            todo.removeFirst();
            if (todo.isEmpty())
                watchdog.start(1000);
            if (todo.value(0) == u"quit") {
                todo.clear();
                watchdog.start(1000);
                QCoreApplication::quit();
            }
        });
        driver.start(10);
        QCOMPARE(mdiMain::run(), 0);
        watchdog.stop();

        QVERIFY(todo.isEmpty());
        QVERIFY(!QFile::exists(MatchStore::defaultPath() + u".lock"_s));
        MatchStore store(MatchStore::defaultPath());
        QVERIFY(store.open());
        // Mended fault: a quit during the toss started the match with the toss never made.
        QCOMPARE(store.lastInProgress().has_value(), steps.contains(u"?frmInnings1"));
    }
};

QTEST_MAIN(tst_ending)
#include "tst_ending.moc"
