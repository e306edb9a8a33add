// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/NetMatch.h"

#include "core/common/RandomSource.h"
#include "core/match/Match.h"
#include "core/net/NetLink.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"
#include "core/store/NetworkStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>
#include <algorithm>
#include <numeric>

using Kind = NetMessage::Kind;

namespace {

// Translated where it is used: a static QString would keep the language of before start-up.
const char *const Unreadable =
    QT_TRANSLATE_NOOP("NetMatch", "The match ended: the other computer sent a message out of turn "
                                  "or one this one cannot read.");

// The over a round's seed throws: the face first, then the appeal's draws as the over asks.
OverEntry seededEntry(const Match &match, const QByteArray &seed)
{
    SeededDraws seeded(seed);
    const int face = seeded.draw(6);
    std::vector<quint8> draws;
    RecordingRandom recording(seeded, draws);
    Match trial;
    trial.adopt(match);
    trial.setRandomSource(recording);
    playEntry(trial, {face, {}});
    return {face, draws};
}

} // namespace

QByteArray logHash(const MatchLog &log)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char overs[4];
    qToBigEndian(quint32(log.overs()), overs);
    hash.addData(encodeSetup(log.setup));
    hash.addData(QByteArrayView(overs, 4));
    for (const std::vector<quint8> *part : {&log.faces, &log.drawCounts, &log.draws})
        hash.addData(
            QByteArrayView(reinterpret_cast<const char *>(part->data()), qsizetype(part->size())));
    return hash.result();
}

QString newJoinCode()
{
    static constexpr char16_t Alphabet[] = u"ABCDEFGHJKMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < 8; ++i)
        code += QChar(Alphabet[QRandomGenerator::system()->bounded(int(std::size(Alphabet)) - 1)]);
    return code;
}

QString joinCodeProblem(const QString &code)
{
    const bool plain = std::all_of(code.begin(), code.end(), [](QChar c) {
        return c.unicode() < 128 && c.isLetterOrNumber();
    });
    return plain && code.size() >= 4 && code.size() <= 32
               ? QString()
               : QCoreApplication::translate("NetMatch",
                                             "A join code is 4 to 32 letters (A to Z) and digits.");
}

NetMatch::NetMatch(MatchSession &session, QObject *parent)
    : QObject(parent), m_session(session), m_link(new NetLink(this))
{
    connect(m_link, &NetLink::joined, this, &NetMatch::linkJoined);
    connect(m_link, &NetLink::ended, this, &NetMatch::linkEnded);
    connect(m_link, &NetLink::received, this, &NetMatch::take);
    connect(m_link, &NetLink::peerRefused, this, &NetMatch::peerRefused);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Waiting)
            m_link->join(m_address, m_port, m_code);
    });
    // The match was given up or its result accepted here: the other computer is told.
    connect(&session, &MatchSession::matchEnded, this, [this] {
        if (m_phase == Phase::Playing || m_phase == Phase::Waiting || m_phase == Phase::Checking)
            leave(m_session.match().isOver() ? tr("The match is over.")
                                             : tr("The other player has given up the match."));
    });
}

NetMatch::~NetMatch() = default;

QString NetMatch::host(const MatchSetup &setup, quint16 port, const QString &code)
{
    leave(tr("The other player has started another match."));
    m_role = Role::Host;
    m_setup = setup;
    m_port = port;
    m_code = code;
    if (QString why = m_link->host(port, code); !why.isEmpty())
        return why;
    m_port = m_link->port(); // the one to listen at again after a loss
    m_phase = Phase::Connecting;
    return {};
}

void NetMatch::join(const QString &address, quint16 port, const QString &code)
{
    leave(tr("The other player has started another match."));
    m_role = Role::Joiner;
    m_address = address;
    m_port = port;
    m_code = code;
    m_phase = Phase::Connecting;
    m_link->join(address, port, code);
}

QString NetMatch::reconnect()
{
    leave(tr("The other player has started another match."));
    MatchStore *store = m_session.store();
    const qint64 id = m_session.storedId();
    const std::optional<NetworkLinkRecord> record =
        id ? NetworkStore(*store).link(id) : std::nullopt;
    if (!record)
        return tr("How to reach the other computer of this match is not in the match store.");
    m_role = record->host ? Role::Host : Role::Joiner;
    m_address = record->address;
    m_port = record->port;
    m_code = record->code;
    // The round begun before the program stopped goes on with the same nonce, and the one
    // before can be told again.
    const quint32 overs = quint32(m_session.match().log().overs());
    for (const StoredRound &stored : NetworkStore(*store).rounds(id)) {
        std::optional<FairRound> &round = stored.number > overs ? m_round : m_last;
        round.emplace(stored.number, m_role, stored.nonce);
        if (!stored.theirCommitment.isEmpty())
            round->takeCommitment(stored.theirCommitment);
    }
    if (m_role == Role::Host) {
        if (QString why = m_link->host(m_port, m_code); !why.isEmpty())
            return why;
    } else {
        m_link->join(m_address, m_port, m_code);
    }
    m_phase = Phase::Waiting;
    emit turnChanged();
    return {};
}

void NetMatch::leave(const QString &why)
{
    m_retry.stop();
    m_phase = Phase::Idle;
    m_call.reset();
    m_coin = 0;
    m_round.reset();
    m_last.reset();
    m_theirCheck.reset();
    m_link->end(why);
    emit turnChanged();
}

quint16 NetMatch::port() const
{
    return m_link->port();
}

int NetMatch::tossWinner() const
{
    return m_call && m_coin && TossRules::callerWon(*m_call, m_coin) ? 1 : 0;
}

void NetMatch::call(TossRules::Call call)
{
    if (m_phase != Phase::Toss || m_role != Role::Joiner || m_call)
        return;
    m_call = call;
    m_link->send(Kind::Call, NetMessage::byte(quint8(call)));
    beginRound(0);
    emit tossChanged();
}

void NetMatch::choose(TossRules::Choice choice)
{
    if (m_phase != Phase::Toss || !m_coin || tossWinner() != localSide())
        return;
    m_link->send(Kind::Choice, NetMessage::byte(quint8(choice)));
    decide(choice);
}

void NetMatch::decide(TossRules::Choice choice)
{
    const TossRecord toss{*m_call, m_coin, choice};
    MatchSetup setup = m_setup;
    setup.toss = toss;
    TossRules::applyToss(setup.sides, toss);
    m_round.reset();
    m_last.reset();
    m_session.start(MatchStart::afterToss(setup, MatchMode::Network, localSide()));
    m_phase = Phase::Playing;
    if (m_session.storedId())
        NetworkStore(*m_session.store())
            .saveLink(m_session.storedId(), {m_role == Role::Host, m_address, m_port, m_code});
    emit turnChanged();
}

bool NetMatch::ourTurn() const
{
    const Match &match = m_session.match();
    return m_phase == Phase::Playing && match.started() && !match.isOver() &&
           startsRound(nextRound());
}

void NetMatch::roll()
{
    if (ourTurn() && !m_round)
        beginRound(nextRound());
}

QString NetMatch::turnText() const
{
    const int other = 1 - m_session.userSide();
    switch (m_phase) {
    case Phase::Waiting:
        return tr("Waiting for %1 to reconnect…").arg(sideName(other));
    case Phase::Checking:
        return tr("Comparing this match with the other computer's…");
    case Phase::Playing:
        if (m_session.match().isOver())
            return {};
        return ourTurn() ? tr("Your turn: %1 to roll").arg(sideName(m_session.userSide()))
                         : tr("%1 to roll, on the other computer").arg(sideName(other));
    case Phase::Idle:
    case Phase::Connecting:
    case Phase::Toss:
        break;
    }
    return {};
}

QString NetMatch::sideName(int index) const
{
    return m_session.match().log().setup.sides[std::size_t(index & 1)].team.Name.trimmed();
}

bool NetMatch::startsRound(quint32 number) const
{
    if (number == 0)
        return m_role == Role::Joiner;
    const Match &match = m_session.match();
    return int(TossRules::battingSide(match.currentInnings())) == m_session.userSide();
}

quint32 NetMatch::nextRound() const
{
    return m_phase == Phase::Toss ? 0 : quint32(m_session.match().log().overs() + 1);
}

void NetMatch::linkJoined()
{
    if (m_phase == Phase::Waiting) {
        m_phase = Phase::Checking;
        m_theirCheck.reset();
        m_resent = false;
        sendCheck();
        emit turnChanged();
    } else if (m_phase == Phase::Connecting && m_role == Role::Host) {
        m_link->send(Kind::Start, encodeSetup(m_setup));
        m_phase = Phase::Toss;
        emit linked();
    }
}

void NetMatch::linkEnded(const QString &why, bool lost)
{
    if (m_phase == Phase::Idle)
        return;
    const bool inMatch =
        m_phase == Phase::Playing || m_phase == Phase::Checking || m_phase == Phase::Waiting;
    if (inMatch && m_session.match().isOver()) {
        leave(why);
        return;
    }
    // A match under way waits for the other computer: the host listens again, the joiner
    // tries until it is back.
    if (inMatch && lost) {
        m_phase = Phase::Waiting;
        if (m_role == Role::Joiner)
            m_retry.start();
        else if (QString failed = m_link->host(m_port, m_code); !failed.isEmpty())
            return stop(failed);
        emit turnChanged();
        return;
    }
    m_phase = Phase::Idle;
    emit turnChanged();
    emit ended(why);
}

void NetMatch::stop(const QString &why)
{
    const Phase was = m_phase;
    leave(why);
    if (was != Phase::Idle)
        emit ended(why);
}

void NetMatch::take(const NetMessage::Message &message)
{
    const bool inPlay = m_phase == Phase::Playing || m_phase == Phase::Checking;
    const auto round = NetMessage::readRound(message.payload);
    const auto byte = NetMessage::readByte(message.payload);
    switch (message.kind) {
    case Kind::Start:
        if (m_role == Role::Joiner && m_phase == Phase::Connecting) {
            if (QString why = decodeSetup(message.payload, m_setup); !why.isEmpty())
                return stop(tr("The match ended: the other computer's sides cannot be read (%1).")
                                .arg(why));
            m_phase = Phase::Toss;
            emit linked();
            return;
        }
        break;
    case Kind::Call:
        if (m_role == Role::Host && m_phase == Phase::Toss && !m_call && byte &&
            (*byte == quint8(TossRules::Call::Heads) || *byte == quint8(TossRules::Call::Tails))) {
            m_call = TossRules::Call(*byte);
            emit tossChanged();
            return;
        }
        break;
    case Kind::Choice:
        if (m_phase == Phase::Toss && m_coin && tossWinner() != localSide() && byte &&
            (*byte == quint8(TossRules::Choice::Bat) || *byte == quint8(TossRules::Choice::Bowl)))
            return decide(TossRules::Choice(*byte));
        break;
    case Kind::Commit:
        if (round && (inPlay || m_phase == Phase::Toss))
            return takeCommitment(round->first, round->second);
        break;
    case Kind::Reveal:
        if (round && (inPlay || m_phase == Phase::Toss))
            return takeReveal(round->first, round->second);
        break;
    case Kind::Check:
        if (round && m_phase == Phase::Checking) {
            m_theirCheck = round;
            return settle();
        }
        break;
    case Kind::Over:
        if (const auto over = NetMessage::readOver(message.payload); over && inPlay) {
            const MatchLog &log = m_session.match().log();
            if (over->number < 1 || over->number > quint32(log.overs()))
                break;
            // The other computer's over must be the one these dice threw here.
            const std::size_t index = over->number - 1;
            const auto first =
                log.draws.begin() + std::accumulate(log.drawCounts.begin(),
                                                    log.drawCounts.begin() + qsizetype(index), 0);
            if (over->face != log.faces[index] ||
                !std::equal(over->draws.begin(), over->draws.end(), first,
                            first + log.drawCounts[index]))
                return stop(tr("The match ended: the other computer played over %1 otherwise than "
                               "the dice threw it here.")
                                .arg(over->number));
            return;
        }
        break;
    default:
        break;
    }
    stop(tr(Unreadable));
}

void NetMatch::takeCommitment(quint32 number, const QByteArray &commitment)
{
    for (std::optional<FairRound> *round : {&m_round, &m_last}) {
        if (!*round || (*round)->number() != number)
            continue;
        if ((*round)->theirCommitment().isEmpty()) {
            (*round)->takeCommitment(commitment);
            keepRound(**round);
            m_link->send(Kind::Reveal, NetMessage::round(number, (*round)->reveal()));
        } else if ((*round)->theirCommitment() != commitment) {
            stop(tr("The match ended: the other computer changed its part of round %1 of the "
                    "dice.")
                     .arg(number));
        }
        return; // the same again, after the link came back
    }
    if (m_round || number != nextRound() || startsRound(number) ||
        (m_phase == Phase::Toss && !m_call))
        return stop(tr(Unreadable));
    m_round.emplace(number, m_role, FairRound::newNonce());
    m_round->takeCommitment(commitment);
    keepRound(*m_round);
    sendRound(*m_round);
}

void NetMatch::takeReveal(quint32 number, const QByteArray &nonce)
{
    if (m_last && m_last->number() == number)
        return; // thrown already: the same again, after the link came back
    if (!m_round || m_round->number() != number || m_round->theirCommitment().isEmpty())
        return stop(tr(Unreadable));
    if (QString why = m_round->takeReveal(nonce); !why.isEmpty())
        return stop(tr("The match ended: %1.").arg(why));
    finishRound();
}

void NetMatch::beginRound(quint32 number)
{
    m_round.emplace(number, m_role, FairRound::newNonce());
    keepRound(*m_round);
    sendRound(*m_round);
}

// Our part of a round: the commitment, and the nonce once we hold theirs.
void NetMatch::sendRound(const FairRound &round)
{
    m_link->send(Kind::Commit, NetMessage::round(round.number(), round.commitment()));
    if (const QByteArray nonce = round.reveal(); !nonce.isEmpty())
        m_link->send(Kind::Reveal, NetMessage::round(round.number(), nonce));
}

// Kept before any of it goes out, so a restart goes on with the same nonce.
void NetMatch::keepRound(const FairRound &round)
{
    if (round.number() > 0 && m_session.storedId())
        NetworkStore(*m_session.store())
            .saveRound(m_session.storedId(),
                       {round.number(), round.nonce(), round.theirCommitment()});
}

void NetMatch::finishRound()
{
    m_last = std::move(m_round);
    m_round.reset();
    const quint32 number = m_last->number();
    if (number == 0) {
        m_coin = SeededDraws(m_last->seed()).draw(2);
        emit tossChanged();
        return;
    }
    const bool rolled = startsRound(number);
    const OverEntry entry = seededEntry(m_session.match(), m_last->seed());
    if (QString why = m_session.submit(entry); !why.isEmpty())
        return stop(tr("The match ended: %1.").arg(why));
    if (rolled)
        m_link->send(Kind::Over, NetMessage::over({number, entry.face, *entry.draws}));
    if (m_phase == Phase::Checking) { // caught up: compared again
        sendCheck();
        settle();
    }
    emit turnChanged();
}

void NetMatch::sendCheck()
{
    const MatchLog &log = m_session.match().log();
    m_link->send(Kind::Check, NetMessage::round(quint32(log.overs()), logHash(log)));
}

void NetMatch::settle()
{
    if (!m_theirCheck)
        return;
    const auto [theirs, hash] = *m_theirCheck;
    const quint32 ours = quint32(m_session.match().log().overs());
    if (theirs == ours && hash == logHash(m_session.match().log())) {
        m_phase = Phase::Playing;
        m_theirCheck.reset();
        // A round under way when the link broke goes on from where each side stood.
        if (m_round)
            sendRound(*m_round);
        emit turnChanged();
        return;
    }
    // One over apart: the side ahead sends its part of that round again, and the one behind
    // throws it as the other did.
    if (theirs + 1 == ours && m_last && m_last->number() == ours) {
        if (!m_resent)
            sendRound(*m_last);
        m_resent = true;
        return;
    }
    if (theirs == ours + 1 && m_round && m_round->number() == theirs &&
        !m_round->theirCommitment().isEmpty())
        return;
    stop(tr("The two computers' matches differ (%1 overs here, %2 there): the match stops, and "
            "neither is changed.")
             .arg(ours)
             .arg(theirs));
}
