// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

// What two copies of the game send each other, framed so that a reader knows where each
// message ends before it has all of it: "SWNM", the protocol's version, the kind, the
// payload's length (four bytes, high first), then the payload.
namespace NetMessage {

constexpr quint8 Version = 1;
constexpr qsizetype HeaderSize = 10;
constexpr qsizetype MaxPayload = 64 * 1024;
constexpr qsizetype HashSize = 32; // SHA-256
constexpr qsizetype MaxText = 1000;

enum class Kind : quint8
{
    Hello = 1, // the join code
    Refused,   // why
    Welcome,
    Start,  // the match's setup
    Commit, // a round and the hash of a nonce
    Reveal, // a round and the nonce
    Over,   // an over's number, face and draws
    Check,  // an over count and the hash of the log
    Bye,    // why
    Call,   // the joiner's call of the coin
    Choice, // the toss winner's bat or bowl
    Last = Choice
};

struct Message
{
    Kind kind = Kind::Bye;
    QByteArray payload;
};

QByteArray frame(Kind kind, QByteArrayView payload);

// Reads messages from bytes that come in pieces of any size.
class Reader
{
public:
    void feed(QByteArrayView bytes);
    // The next whole message; nothing while more bytes are due, or once the stream is broken.
    std::optional<Message> next();
    // Why the stream cannot be read on: set once, for good.
    const QString &error() const { return m_error; }

private:
    QByteArray m_buffer;
    qsizetype m_read = 0;
    QString m_error;
};

// A text of a message (a join code, a reason), at most MaxText characters of UTF-8.
QByteArray text(const QString &text);
std::optional<QString> readText(QByteArrayView payload);

// A round of the dice and a hash or nonce of HashSize bytes.
QByteArray round(quint32 number, QByteArrayView value);
std::optional<std::pair<quint32, QByteArray>> readRound(QByteArrayView payload);

// One byte: a call or a choice of the toss.
QByteArray byte(quint8 value);
std::optional<quint8> readByte(QByteArrayView payload);

struct Over
{
    quint32 number = 0;
    int face = 0;
    std::vector<quint8> draws;

    bool operator==(const Over &) const = default;
};
QByteArray over(const Over &over);
std::optional<Over> readOver(QByteArrayView payload);

} // namespace NetMessage
