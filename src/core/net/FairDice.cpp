// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/FairDice.h"

#include "core/net/NetMessage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
} // namespace

FairRound::FairRound(quint32 number, Role role, QByteArray nonce)
    : m_number(number), m_role(role), m_nonce(std::move(nonce))
{}

QByteArray FairRound::commitmentOf(const QByteArray &nonce) const
{
    return sha256(NetMessage::round(m_number, nonce));
}

bool FairRound::takeCommitment(const QByteArray &commitment)
{
    if (!m_theirCommitment.isEmpty() || commitment.size() != NetMessage::HashSize)
        return false;
    m_theirCommitment = commitment;
    return true;
}

QByteArray FairRound::reveal() const
{
    return m_theirCommitment.isEmpty() ? QByteArray() : m_nonce;
}

QString FairRound::takeReveal(const QByteArray &nonce)
{
    if (m_theirCommitment.isEmpty() || done())
        return QCoreApplication::translate("FairDice", "a nonce came out of turn in round %1")
            .arg(m_number);
    if (commitmentOf(nonce) != m_theirCommitment)
        return QCoreApplication::translate(
                   "FairDice", "the other copy's nonce for round %1 is not the one it committed to")
            .arg(m_number);
    const QByteArray &host = m_role == Role::Host ? m_nonce : nonce;
    const QByteArray &joiner = m_role == Role::Host ? nonce : m_nonce;
    m_seed = sha256(NetMessage::round(m_number, host + joiner));
    return {};
}

QByteArray FairRound::newNonce()
{
    QByteArray nonce(NetMessage::HashSize, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(nonce.data()),
                                          nonce.size() / 4);
    return nonce;
}

int SeededDraws::draw(int n)
{
    char counter[8];
    qToBigEndian(m_counter++, counter);
    const QByteArray block = sha256(m_seed + QByteArray(counter, 8));
    // 53 bits make a uniform [0, 1) value, as the game's other sources draw.
    const quint64 bits = qFromBigEndian<quint64>(block.constData()) >> 11;
    return int(double(bits) / double(quint64(1) << 53) * n) + 1;
}
