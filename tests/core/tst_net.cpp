// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/FairDice.h"
#include "core/net/NetLink.h"
#include "core/net/NetMessage.h"

#include "Tables.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <set>

using Kind = NetMessage::Kind;
using Role = FairRound::Role;

namespace {
const QString Code = u"ABCD2345"_s;

// The next message a raw peer is sent, within five seconds.
std::optional<NetMessage::Message> nextFrom(QTcpSocket &socket, NetMessage::Reader &reader)
{
    std::optional<NetMessage::Message> message;
    (void)QTest::qWaitFor(
        [&] { return reader.feed(socket.readAll()), bool(message = reader.next()); }, 5000);
    return message;
}
} // namespace

// Two copies of the game: whole messages, dice neither can steer, only a code from a stranger.
class tst_Net : public QObject
{
    Q_OBJECT

private slots:
    void messagesComeWholeFromAnyPieces()
    {
        const NetMessage::Over over{7, 6, {1, 1, 6}};
        const QByteArray largest(NetMessage::MaxPayload, 'x');
        const QByteArray stream = NetMessage::frame(Kind::Hello, NetMessage::text(u"ABCD2345"_s)) +
                                  NetMessage::frame(Kind::Over, NetMessage::over(over)) +
                                  NetMessage::frame(Kind::Bye, largest);
        for (const qsizetype piece : {qsizetype(7), qsizetype(4096), stream.size()}) {
            NetMessage::Reader reader;
            QList<NetMessage::Message> read;
            for (qsizetype at = 0; at < stream.size(); at += piece) {
                reader.feed(stream.mid(at, piece));
                while (std::optional<NetMessage::Message> message = reader.next())
                    read << *message;
            }
            QCOMPARE(reader.error(), QString());
            QCOMPARE(read.size(), 3);
            QCOMPARE(NetMessage::readText(read[0].payload), std::optional(u"ABCD2345"_s));
            QCOMPARE(NetMessage::readOver(read[1].payload), std::optional(over));
            QVERIFY(read[2].kind == Kind::Bye && read[2].payload == largest);
        }
    }

    void payloadsThatDoNotHoldTheirKindAreRefused()
    {
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("000000010502")) == std::nullopt);
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("0000000107")) == std::nullopt);
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("000000010700")) == std::nullopt);
        QVERIFY(NetMessage::readText(QByteArray("\xff\xfe", 2)) == std::nullopt);
        QVERIFY(NetMessage::readText(QByteArray(NetMessage::MaxText + 1, 'a')) == std::nullopt);
        QVERIFY(NetMessage::readRound(QByteArray(35, 0)) == std::nullopt);
        QCOMPARE(NetMessage::readOver(QByteArray::fromHex("000000020600")).value().face, 6);
    }

    // One seed from the nonces committed to, each revealed after the other's commitment.
    void fairRoundsAgreeAndCatchAChangedNonce()
    {
        const QByteArray h(32, 'h'), j(32, 'j');
        FairRound host(3, Role::Host, h), joiner(3, Role::Joiner, j);
        QVERIFY(host.reveal().isEmpty());
        QVERIFY(host.takeReveal(j).contains(u"out of turn"_s));
        QVERIFY(host.takeCommitment(joiner.commitment()));
        QVERIFY(joiner.takeCommitment(host.commitment()));
        QVERIFY(!host.takeCommitment(FairRound(3, Role::Joiner, h).commitment()));
        QVERIFY(host.takeReveal(h).contains(u"not the one it committed to"_s));
        QCOMPARE(host.takeReveal(joiner.reveal()), QString());
        QCOMPARE(joiner.takeReveal(host.reveal()), QString());
        QVERIFY(host.done() && host.seed() == joiner.seed());
        const auto seedOf = [](quint32 number, const QByteArray &a, const QByteArray &b) {
            FairRound first(number, Role::Host, a), second(number, Role::Joiner, b);
            first.takeCommitment(second.commitment());
            first.takeReveal(b);
            return first.seed();
        };
        QCOMPARE(seedOf(3, h, j), host.seed());
        // Each computer's nonce counts: the round, the order and either nonce change the seed.
        QVERIFY(seedOf(4, h, j) != host.seed() && seedOf(3, j, h) != host.seed());
        QVERIFY(seedOf(3, h, h) != host.seed() && seedOf(3, j, j) != host.seed());
        SeededDraws mine(host.seed()), theirs(joiner.seed());
        std::set<int> pairs; // the same face on both, and every face
        for (int n = 0; n < 200; ++n)
            pairs.insert(mine.draw(6) * 10 + theirs.draw(6));
        QCOMPARE(pairs, (std::set<int>{11, 22, 33, 44, 55, 66}));
    }

    // The right code joins both and closes the port; an end is told.
    void rightCodeJoinsBothAndClosesThePort()
    {
        NetLink host, joiner;
        QCOMPARE(host.host(0, Code), QString());
        joiner.join(u"127.0.0.1"_s, host.port(), Code);
        QVERIFY(QTest::qWaitFor([&] { return host.isJoined() && joiner.isJoined(); }, 5000));
        QVERIFY(!host.listening());
        QSignalSpy atHost(&host, &NetLink::received), ended(&host, &NetLink::ended);
        joiner.send(Kind::Check, NetMessage::round(4, QByteArray(32, 'c')));
        QVERIFY(atHost.wait(5000));
        QVERIFY(NetMessage::readRound(atHost[0][0].value<NetMessage::Message>().payload) ==
                std::pair(quint32(4), QByteArray(32, 'c')));
        joiner.end(u"Gone for tea."_s);
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended[0][0].toString(), u"Gone for tea."_s);
    }

    // Wrong codes are refused on both sides and five stop the host; a second comer is refused.
    void wrongCodesAndASecondComputerAreRefused()
    {
        NetLink host;
        QCOMPARE(host.host(0, Code), QString());
        const quint16 port = host.port();
        QTcpSocket first;
        first.connectToHost(u"127.0.0.1"_s, port);
        QVERIFY(first.waitForConnected(5000));
        QSignalSpy refused(&host, &NetLink::peerRefused);
        const auto tryCode = [port](const QString &code) {
            NetLink joiner;
            QSignalSpy ended(&joiner, &NetLink::ended);
            joiner.join(u"127.0.0.1"_s, port, code);
            return ended.wait(5000) ? ended[0][0].toString() : QString();
        };
        QCOMPARE(tryCode(Code), u"Another computer is already in this match."_s);
        first.write(NetMessage::frame(Kind::Hello, NetMessage::text(u"WRONG234"_s)));
        QVERIFY(refused.wait(5000));
        for (int attempt = 2; attempt <= NetLink::MaxWrongCodes; ++attempt)
            QCOMPARE(tryCode(u"WRONG234"_s), u"The join code is wrong."_s);
        QTRY_COMPARE_WITH_TIMEOUT(refused.count(), NetLink::MaxWrongCodes, 5000);
        QVERIFY(refused[3][1].toBool() && !refused[4][1].toBool());
        QVERIFY(!host.listening());
    }

    // After the code, a stream not the game's ends the match on both sides, with why.
    void brokenStreamsEndTheMatchOnBothSides_data() { addRows(u"netstreams"_s); }
    void brokenStreamsEndTheMatchOnBothSides()
    {
        QFETCH(QString, header);
        QFETCH(QString, error);
        NetLink host;
        QCOMPARE(host.host(0, Code), QString());
        QSignalSpy ended(&host, &NetLink::ended);
        QTcpSocket peer;
        peer.connectToHost(u"127.0.0.1"_s, host.port());
        peer.write(NetMessage::frame(Kind::Hello, NetMessage::text(Code)));
        NetMessage::Reader heard;
        QCOMPARE(nextFrom(peer, heard)->kind, Kind::Welcome);
        peer.write(QByteArray::fromHex(header.toLatin1()));
        QVERIFY(ended.wait(5000));
        QVERIFY2(ended[0][0].toString().contains(error), qPrintable(ended[0][0].toString()));
        const std::optional<NetMessage::Message> bye = nextFrom(peer, heard);
        QVERIFY(bye && bye->kind == Kind::Bye);
        QCOMPARE(NetMessage::readText(bye->payload), ended[0][0].toString());
    }
};

QTEST_GUILESS_MAIN(tst_Net)
#include "tst_net.moc"
