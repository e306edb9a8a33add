// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/NetMatch.h"
#include "core/pages/Pages.h"
#include "core/store/MatchStore.h"
#include "ui/common/Fonts.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
const QString Code = u"TEST2345"_s;

// Presses `button` of `modal` whenever it can be pressed, until the window goes.
void pressWhenReady(QWidget *modal, const QStringList &buttons)
{
    auto *press = new QTimer(modal);
    QObject::connect(press, &QTimer::timeout, modal, [modal, buttons] {
        for (const QString &name : buttons) {
            auto *button = find<QPushButton>(modal, name);
            if (button->isEnabled() && button->isVisibleTo(modal))
                return button->click();
        }
    });
    press->start(10);
}

// One computer's answers: the in-built sides, the port and code, heads and bat whenever they
// are its to give, Yes to resuming.
ModalDriver answerNetwork(quint16 port)
{
    return ModalDriver([port](QWidget *modal) {
        const QString name = modal->objectName();
        if (name == u"frmTeamMode")
            return click(modal, u"cmdInBuilt"_s);
        if (name == u"frmHost" || name == u"frmJoin") {
            const bool host = name == u"frmHost";
            auto *portBox = find<QSpinBox>(modal, host ? u"spnPort"_s : u"spnJoinPort"_s);
            QCOMPARE(portBox->value(), 47474);
            portBox->setValue(port);
            auto *code = find<QLineEdit>(modal, u"txtJoinCode"_s);
            if (host) // offered: eight characters, none that looks like another
                QVERIFY(
                    QRegularExpression(u"^[A-HJKMNP-Z2-9]{8}$"_s).match(code->text()).hasMatch());
            code->setText(Code);
            if (!host)
                find<QLineEdit>(modal, u"txtHostAddress"_s)->setText(u"127.0.0.1"_s);
            return pressWhenReady(modal, {host ? u"cmdHost"_s : u"cmdJoin"_s});
        }
        if (name == u"frmToss")
            return pressWhenReady(modal, {u"cmdHeads"_s, u"cmdBat"_s});
        ModalDriver::answer(QMessageBox::Yes)(modal);
    });
}

// Plays this computer's overs by ROLL until the match is over, `shown` told of each over.
void playToResult(mdiMain &frame, const std::function<void(int)> &shown)
{
    QEventLoop loop;
    QTimer tick;
    int told = -1;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const Match &match = frame.session().match();
        if (match.log().overs() != told)
            shown(told = match.log().overs());
        if (match.isOver())
            return loop.quit();
        auto *roll =
            find<QPushButton>(frame.matchWindows().innings(match.currentInnings()), u"cmdRoll"_s);
        if (roll->isEnabled())
            roll->click();
    });
    tick.start(2);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
}

// The scorecard a store's history shows of its one match, with the mode it names.
QString storedScorecard(const QString &path)
{
    MatchStore store(path);
    const MatchStore::Entry entry = store.open() ? store.history().value(0) : MatchStore::Entry{};
    Match match;
    SeededRandom unused(1);
    if (!entry.id || !store.replayMatch(entry.id, match, unused).isEmpty())
        return {};
    return modeCode(entry.mode) + u'\n' + scorecardText(match, match.resultText());
}
} // namespace

// Mended-fault style: two copies of the game, one in a child process killed at any over,
// play the same network match through their windows to the same result.
class tst_NetPlay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    // The child's part: one computer, hosting or joining, or resuming what it was.
    void playOneSide()
    {
        const QString role = qEnvironmentVariable("STUMPWELL_CHILD_ROLE");
        if (role.isEmpty())
            QSKIP("run as a child by bothComputersShowTheSameMatch");
        auto frame = shownFrame(qEnvironmentVariable("STUMPWELL_CHILD_STORE"));
        ModalDriver modals =
            answerNetwork(quint16(qEnvironmentVariableIntValue("STUMPWELL_CHILD_PORT")));
        frame->openMatchStore();
        if (!frame->session().inProgress())
            trigger(frame.get(), role == u"host" ? u"mnuHostMatch"_s : u"mnuJoinMatch"_s);
        playToResult(*frame, [&](int overs) {
            std::printf("shown %d\n", overs);
            std::fflush(stdout);
        });
        // On screen until the other computer has its last over and leaves.
        QTRY_VERIFY_WITH_TIMEOUT(frame->network().phase() == NetMatch::Phase::Idle, 30000);
    }

    void bothComputersShowTheSameMatch_data()
    {
        QTest::addColumn<QString>("childRole");
        QTest::addColumn<int>("killAt");
        std::mt19937 points(testSeed(20261209u));
        QTest::addRow("child hosts, no kill") << u"host"_s << 0;
        for (const char *role : {"host", "join"}) {
            const int killAt = int(points() % 300) + 1;
            QTest::addRow("child %ss, killed at over %d", role, killAt)
                << QString::fromLatin1(role) << killAt;
        }
    }
    void bothComputersShowTheSameMatch()
    {
        QFETCH(QString, childRole);
        QFETCH(int, killAt);
        QTemporaryDir dir;
        const QString childStore = dir.filePath(u"child.sqlite"_s);
        quint16 port = 0;
        {
            QTcpServer probe; // a free port on this machine
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"STUMPWELL_CHILD_ROLE"_s, childRole);
        environment.insert(u"STUMPWELL_CHILD_STORE"_s, childStore);
        environment.insert(u"STUMPWELL_CHILD_PORT"_s, QString::number(port));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        int childShown = 0;
        QStringList waiting;
        auto frame = openedFrame(dir.filePath(u"parent.sqlite"_s));
        QObject::connect(&child, &QProcess::readyReadStandardOutput, frame.get(), [&] {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("shown "))
                    childShown = line.mid(6).toInt();
            }
            if (killAt && childShown >= killAt && waiting.isEmpty()) {
                ::kill(pid_t(child.processId()), SIGKILL);
                child.waitForFinished(30000);
                QTest::qWait(300); // the other computer notices the link is gone
                waiting << frame->statusBar()->findChild<QLabel *>(u"lblTurn"_s)->text();
                child.start(QCoreApplication::applicationFilePath(), {u"playOneSide"_s});
            }
        });
        child.start(QCoreApplication::applicationFilePath(), {u"playOneSide"_s});
        {
            ModalDriver modals = answerNetwork(port);
            trigger(frame.get(), childRole == u"host" ? u"mnuJoinMatch"_s : u"mnuHostMatch"_s);
            playToResult(*frame, [](int) {});
        }
        QVERIFY(frame->session().match().isOver());
        QTRY_COMPARE_WITH_TIMEOUT(childShown, frame->session().match().log().overs(), 30000);
        frame.reset(); // leaves, and the store is one program's at a time
        QVERIFY(child.waitForFinished(30000));
        if (killAt)
            QVERIFY2(waiting.value(0).startsWith(u"Waiting for "_s) &&
                         waiting.value(0).endsWith(u" to reconnect…"_s),
                     qPrintable(waiting.value(0)));
        const QString parents = storedScorecard(dir.filePath(u"parent.sqlite"_s));
        QVERIFY(parents.startsWith(u"network\n"_s));
        QCOMPARE(storedScorecard(childStore), parents);
    }
};

QTEST_MAIN(tst_NetPlay)
#include "tst_netplay.moc"
