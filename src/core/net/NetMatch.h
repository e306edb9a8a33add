// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"
#include "core/net/FairDice.h"
#include "core/net/NetMessage.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class MatchSession;
class NetLink;

// A match between two computers, each with its own session and store. The host picks the
// sides; the joiner calls the toss and its winner chooses; the side batting rolls on its own
// computer. The coin and every over come from a round of dice both computers throw together,
// and each plays the over into its own session: both logs stay the same, over by over. A lost
// link is waited for and taken up again where both logs agree.
class NetMatch : public QObject
{
    Q_OBJECT
public:
    using Role = FairRound::Role;
    static constexpr quint16 DefaultPort = 47474;
    // Between the joiner's tries to reach a host it lost.
    static constexpr int RetryMs = 250;

    enum class Phase
    {
        Idle,       // no network match
        Connecting, // hosting or joining, before the sides are known
        Toss,
        Playing,
        Waiting,  // the link was lost: this computer tries to get it back
        Checking, // linked again, comparing the two logs
    };

    explicit NetMatch(MatchSession &session, QObject *parent = nullptr);
    ~NetMatch() override;

    // Listens for the joiner of a new match between the sides of `setup` (before the toss).
    // Why not, or an empty text.
    QString host(const MatchSetup &setup, quint16 port, const QString &code);
    void join(const QString &address, quint16 port, const QString &code);
    // Links again for the stored network match the session has just resumed: listening or
    // joining as before. Why not, or an empty text.
    QString reconnect();
    // Ends any link, telling the other computer why.
    void leave(const QString &why);

    Phase phase() const { return m_phase; }
    Role role() const { return m_role; }
    NetLink &link() const { return *m_link; }
    // The port listened at (hosting).
    quint16 port() const;

    // The toss: the sides as the host sent them, the joiner's call and the coin once known.
    const MatchSetup &setup() const { return m_setup; }
    std::optional<TossRules::Call> tossCall() const { return m_call; }
    int coin() const { return m_coin; }
    // The index in setup() of the side this computer plays, and of the toss's winner once
    // the coin is known.
    int localSide() const { return m_role == Role::Host ? 0 : 1; }
    int tossWinner() const;
    void call(TossRules::Call call);
    void choose(TossRules::Choice choice);

    // This computer's side is batting and may roll the next over now.
    bool ourTurn() const;
    // ROLL on this computer: the next over's round begins.
    void roll();
    // Whose turn it is, or whom the match waits for, for the status bar.
    QString turnText() const;

signals:
    // The sides are known to both: the toss can begin.
    void linked();
    // The call or the coin came.
    void tossChanged();
    // Whose turn it is changed, or the link was lost or taken up again.
    void turnChanged();
    // The network match stopped for good, why in words; the stored match stays as it is.
    void ended(const QString &why);
    // Hosting: a peer was turned away.
    void peerRefused(const QString &why, bool listening);

private:
    void linkJoined();
    void linkEnded(const QString &why, bool lost);
    void take(const NetMessage::Message &message);
    void takeCommitment(quint32 number, const QByteArray &commitment);
    void takeReveal(quint32 number, const QByteArray &nonce);
    void takeCheck(quint32 overs, const QByteArray &hash);
    void settle();
    void beginRound(quint32 number);
    void sendRound(const FairRound &round);
    void finishRound();
    void decide(TossRules::Choice choice);
    void keepRound(const FairRound &round);
    void sendCheck();
    void stop(const QString &why);
    bool startsRound(quint32 number) const;
    quint32 nextRound() const;
    QString sideName(int index) const;

    MatchSession &m_session;
    NetLink *m_link;
    Phase m_phase = Phase::Idle;
    Role m_role = Role::Host;
    QString m_address;
    quint16 m_port = 0;
    QString m_code;
    MatchSetup m_setup;
    std::optional<TossRules::Call> m_call;
    int m_coin = 0;
    std::optional<FairRound> m_round; // under way
    std::optional<FairRound> m_last;  // thrown, for a peer that missed our nonce
    std::optional<std::pair<quint32, QByteArray>> m_theirCheck;
    bool m_resent = false;
    QTimer m_retry;
};

// The hash both computers compare before going on: the setup and every over.
QByteArray logHash(const MatchLog &log);

// A code for the joiner to give: 8 characters, none that looks like another (no 0 or O, no 1,
// I or l), from the system's secure source.
QString newJoinCode();
// Why a typed code cannot be used, or an empty text: 4 to 32 letters and digits.
QString joinCodeProblem(const QString &code);
