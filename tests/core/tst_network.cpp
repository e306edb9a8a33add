// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/network/FairDice.h"
#include "core/network/NetMessage.h"

#include "ScriptedRandom.h"
#include "Tables.h"

#include <QRegularExpression>
#include <set>

using Kind = NetMessage::Kind;
using Role = FairRound::Role;

// What two copies of the game say to each other: messages read whole from pieces of any size,
// every stream that is not the game's refused with its reason, and dice neither side can steer.
class tst_Network : public QObject
{
    Q_OBJECT

private slots:
    void messagesComeWholeFromAnyPieces()
    {
        const NetMessage::Over over{7, 5, {1, 1, 6}};
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

    // Refused at its header, before any payload is waited for; nothing after it is read.
    void brokenStreamsSayWhy_data() { addRows(u"netstreams"_s); }
    void brokenStreamsSayWhy()
    {
        QFETCH(QString, header);
        QFETCH(QString, error);
        NetMessage::Reader reader;
        reader.feed(QByteArray::fromHex(header.toLatin1()));
        QVERIFY(!reader.next());
        QVERIFY2(reader.error().contains(error), qPrintable(reader.error()));
        reader.feed(NetMessage::frame(Kind::Welcome, {}));
        QVERIFY(!reader.next());
    }

    void payloadsThatDoNotHoldTheirKindAreRefused()
    {
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("000000010502")) == std::nullopt);
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("0000000107")) == std::nullopt);
        QVERIFY(NetMessage::readOver(QByteArray::fromHex("000000010700")) == std::nullopt);
        QVERIFY(NetMessage::readText(QByteArray("\xff\xfe", 2)) == std::nullopt);
        QVERIFY(NetMessage::readText(QByteArray(NetMessage::MaxText + 1, 'a')) == std::nullopt);
        QVERIFY(NetMessage::readRound(QByteArray(35, 0)) == std::nullopt);
    }

    // Every letter of the alphabet is drawn once: none is one a reader could take for another.
    void joinCodesHaveNoLookAlikes()
    {
        ScriptedRandom draws;
        for (int n = 1; n <= 32; ++n)
            draws.push(n);
        QString all;
        for (int code = 0; code < 4; ++code)
            all += NetMessage::newJoinCode(draws);
        QCOMPARE(std::set<QChar>(all.begin(), all.end()).size(), std::size_t(32));
        QVERIFY(!all.contains(QRegularExpression(u"[^A-HJ-NP-Z2-9]"_s)));
        QCOMPARE(NetMessage::joinCodeProblem(all.left(8)), QString());
        for (const QString &typed : {u"ABC"_s, QString(33, u'A'), u"AB CD"_s, u"ABC\u00e9"_s})
            QVERIFY(!NetMessage::joinCodeProblem(typed).isEmpty());
    }

    // Both reach the same seed only from the nonces committed to, each revealed after the
    // other's commitment; another round or another nonce gives another seed.
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
        QVERIFY(seedOf(4, h, j) != host.seed() && seedOf(3, j, h) != host.seed());
        SeededDraws mine(host.seed()), theirs(joiner.seed());
        std::set<int> faces;
        for (int n = 0; n < 200; ++n) {
            const int face = mine.draw(6);
            QCOMPARE(theirs.draw(6), face);
            faces.insert(face);
        }
        QCOMPARE(faces, (std::set<int>{1, 2, 3, 4, 5, 6}));
    }
};

QTEST_GUILESS_MAIN(tst_Network)
#include "tst_network.moc"
