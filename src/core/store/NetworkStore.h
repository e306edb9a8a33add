// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class MatchStore;

// How a stored network match reaches the other computer again after a restart.
struct NetworkLinkRecord
{
    bool host = false;
    QString address; // the host's, as the joiner typed it; empty on the host
    quint16 port = 0;
    QString code;

    bool operator==(const NetworkLinkRecord &) const = default;
};

// A round of the dice: this computer's nonce is kept before its commitment goes out, so a
// program killed in the middle of an over throws it with the same nonce, and can tell its part
// of the over before again to the other computer that missed it.
struct StoredRound
{
    quint32 number = 0;
    QByteArray nonce;
    QByteArray theirCommitment; // empty until it came

    bool operator==(const StoredRound &) const = default;
};

// The network side of stored matches, one row a match.
class NetworkStore
{
public:
    explicit NetworkStore(MatchStore &store) : m_store(store) {}

    bool saveLink(qint64 match, const NetworkLinkRecord &link);
    std::optional<NetworkLinkRecord> link(qint64 match);
    // Keeps the round and the one before it.
    bool saveRound(qint64 match, const StoredRound &round);
    QList<StoredRound> rounds(qint64 match);

private:
    MatchStore &m_store;
};
