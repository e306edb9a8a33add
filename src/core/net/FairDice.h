// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"

#include <QByteArray>
#include <QString>

// Chance that two computers make together, so that neither can choose or foresee it: for each
// round (the coin, then each over) both pick a nonce of their own and send its commitment, the
// SHA-256 hash of the round and the nonce; only once each holds the other's commitment do they
// reveal their nonces. Each checks the other's against its commitment, and the round's seed is
// the hash of both nonces, the host's first. A copy that changed its own nonce after seeing the
// other's would be caught by its commitment; one that picks its nonce unfairly still cannot
// steer a hash of both.
class FairRound
{
public:
    enum class Role
    {
        Host,
        Joiner
    };

    FairRound(quint32 number, Role role, QByteArray nonce);

    quint32 number() const { return m_number; }
    const QByteArray &nonce() const { return m_nonce; }
    QByteArray commitment() const { return commitmentOf(m_nonce); }
    const QByteArray &theirCommitment() const { return m_theirCommitment; }
    // The other's commitment, once.
    bool takeCommitment(const QByteArray &commitment);
    // Our nonce, to be sent only once we hold the other's commitment (empty before).
    QByteArray reveal() const;
    // The other's nonce: why it is refused, or an empty text; the seed is known after it.
    QString takeReveal(const QByteArray &nonce);
    bool done() const { return !m_seed.isEmpty(); }
    const QByteArray &seed() const { return m_seed; }

    // A nonce of HashSize bytes from the system's secure source.
    static QByteArray newNonce();

private:
    QByteArray commitmentOf(const QByteArray &nonce) const;

    quint32 m_number;
    Role m_role;
    QByteArray m_nonce;
    QByteArray m_theirCommitment;
    QByteArray m_seed;
};

// The draws of a round, the same on both computers: a counter hashed with the round's seed.
class SeededDraws final : public RandomSource
{
public:
    explicit SeededDraws(QByteArray seed) : m_seed(std::move(seed)) {}
    void reseed() override {}
    int draw(int n) override;

private:
    QByteArray m_seed;
    quint64 m_counter = 0;
};
