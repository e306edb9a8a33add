// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/net/NetLink.h"
#include "core/net/NetMatch.h"
#include "core/session/MatchSession.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"

#include "HandMadeMatch.h"
#include "ScriptedRandom.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace Qt::StringLiterals;

namespace {
const QString Code = u"ABCD2345"_s;

// One computer of a network match, playing its part as soon as it is its turn.
struct Computer
{
    explicit Computer(const QString &store)
    {
        session.setStorePath(store);
        session.openStore();
        QObject::connect(&net, &NetMatch::linked, [this] {
            if (net.role() == NetMatch::Role::Joiner)
                net.call(TossRules::Call::Tails);
        });
        QObject::connect(&net, &NetMatch::tossChanged, [this] {
            if (net.coin() && net.tossWinner() == net.localSide())
                net.choose(TossRules::Choice::Bowl);
        });
        QObject::connect(&net, &NetMatch::turnChanged,
                         [this] { QTimer::singleShot(0, &net, [this] { net.roll(); }); });
        QObject::connect(&net, &NetMatch::ended, [this](const QString &why) { ended = why; });
    }
    MatchLog storedLog()
    {
        MatchLog log;
        const auto id = session.store()->history().value(0).id;
        return session.store()->readLog(id, log).isEmpty() ? log : MatchLog{};
    }

    MatchSession session;
    NetMatch net{session};
    QString ended;
};

// Between the two: passes every message on, save the fault of its row at message `at`.
class FaultyProxy : public QObject
{
public:
    FaultyProxy(quint16 hostPort, QString fault, int at)
        : m_hostPort(hostPort), m_fault(std::move(fault)), m_at(at)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            auto *joiner = m_server.nextPendingConnection();
            auto *host = new QTcpSocket(this);
            host->connectToHost(QHostAddress::LocalHost, m_hostPort);
            pass(joiner, host);
            pass(host, joiner);
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    void pass(QTcpSocket *from, QTcpSocket *to)
    {
        auto reader = std::make_shared<NetMessage::Reader>();
        connect(from, &QTcpSocket::connected, this,
                [from] { from->setSocketOption(QAbstractSocket::LowDelayOption, 1); });
        from->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(from, &QTcpSocket::readyRead, this, [=, this] {
            reader->feed(from->readAll());
            while (const auto message = reader->next()) {
                QByteArray bytes = NetMessage::frame(message->kind, message->payload);
                const bool now = ++m_count == m_at;
                if (now && m_fault == u"cut")
                    return from->abort(), to->abort();
                if (now && m_fault == u"flip")
                    bytes[bytes.size() - 1] = char(bytes.back() ^ 0x10);
                if (now && m_fault == u"repeat")
                    bytes += bytes;
                if (m_fault == u"split") {
                    for (qsizetype at = 0; at < bytes.size(); at += 3)
                        to->write(bytes.mid(at, 3)), to->flush();
                } else if (m_fault == u"delay") {
                    QTimer::singleShot(2, to, [to, bytes] { to->write(bytes); });
                } else {
                    to->write(bytes);
                }
            }
        });
        connect(from, &QTcpSocket::disconnected, to, &QTcpSocket::disconnectFromHost);
        connect(from, &QTcpSocket::errorOccurred, to, &QTcpSocket::disconnectFromHost);
    }

    QTcpServer m_server;
    quint16 m_hostPort;
    QString m_fault;
    int m_at;
    int m_count = 0;
};

// Two computers on loopback from Host and Join to the result, or to a stop both are told of.
// An event loop of its own: QTest's waits sleep between events, some 40 ms an over.
bool playOn(Computer &host, Computer &joiner, quint16 port)
{
    const auto done = [&] {
        const bool over = host.session.match().isOver() && joiner.session.match().isOver();
        return over || (!host.ended.isEmpty() && !joiner.ended.isEmpty());
    };
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    joiner.net.join(u"127.0.0.1"_s, port, Code);
    loop.exec();
    return done();
}
} // namespace

class tst_NetMatch : public QObject
{
    Q_OBJECT
private slots:
    // Whatever the line does, both stores hold the same match, or both players are told it
    // stopped and neither store holds an over the other has not.
    void bothComputersKeepTheSameMatch_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("at");
        std::mt19937 points(testSeed(20261209u));
        for (const char *fault : {"none", "split", "delay", "cut", "cut", "repeat", "flip"}) {
            const int at = int(points() % 1500) + 1;
            QTest::addRow("%s at message %d", fault, at) << QString::fromLatin1(fault) << at;
        }
    }
    void bothComputersKeepTheSameMatch()
    {
        QFETCH(QString, fault);
        QFETCH(int, at);
        QTemporaryDir dir;
        Computer host(dir.filePath(u"host.sqlite"_s)), joiner(dir.filePath(u"joiner.sqlite"_s));
        QCOMPARE(host.net.host(handMadeSetup(TeamSource::PlayerFile), 0, Code), QString());
        FaultyProxy proxy(host.net.port(), fault, at);
        QVERIFY(playOn(host, joiner, proxy.port()));
        const MatchLog hosts = host.storedLog(), joiners = joiner.storedLog();
        QVERIFY(hosts.overs() > 0);
        if (!host.ended.isEmpty()) {
            QVERIFY(fault == u"flip" || fault == u"repeat");
            QCOMPARE(joiner.ended, host.ended);
            const int shorter = std::min(hosts.overs(), joiners.overs());
            QVERIFY(std::equal(hosts.faces.begin(), hosts.faces.begin() + shorter,
                               joiners.faces.begin()));
        } else {
            QCOMPARE(hosts, joiners);
            QCOMPARE(host.session.store()->entry(host.session.storedId())->mode,
                     MatchMode::Network);
            // The players are in the host's file: only the host counts their figures.
            host.session.acceptResult();
            joiner.session.acceptResult();
            QCOMPARE(CareerStatistics(*host.session.store()).careers().size(), 22);
            QCOMPARE(CareerStatistics(*joiner.session.store()).careers().size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_NetMatch)
#include "tst_netmatch.moc"
