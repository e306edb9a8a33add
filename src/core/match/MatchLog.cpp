// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/MatchLog.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr char Magic[4] = {'S', 'W', 'M', 'L'};
constexpr quint8 FormatVersion = 1;
// Name, four colours, twelve player slots and their averages.
constexpr int TeamRecordBytes = 80 * 2 + 4 * 4 + 12 * 20 * 2 + 12;
constexpr int LongestFullName = 80;

class Writer
{
public:
    void u8(quint8 value) { m_bytes.append(char(value)); }
    void u16(quint16 value)
    {
        char le[2];
        qToLittleEndian(value, le);
        m_bytes.append(le, 2);
    }
    void u32(quint32 value)
    {
        char le[4];
        qToLittleEndian(value, le);
        m_bytes.append(le, 4);
    }
    void text(const QString &chars)
    {
        for (QChar c : chars)
            u16(c.unicode());
    }
    QByteArray m_bytes;
};

// Reads only inside its bytes: past the end it answers zeros and remembers the overrun.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool take(qsizetype n)
    {
        if (m_overrun || m_bytes.size() - m_at < n) {
            m_overrun = true;
            return false;
        }
        m_at += n;
        return true;
    }
    quint8 u8() { return take(1) ? quint8(m_bytes[m_at - 1]) : 0; }
    quint16 u16() { return take(2) ? qFromLittleEndian<quint16>(m_bytes.data() + m_at - 2) : 0; }
    quint32 u32() { return take(4) ? qFromLittleEndian<quint32>(m_bytes.data() + m_at - 4) : 0; }
    QString text(qsizetype length)
    {
        QString chars(length, QChar(0));
        for (qsizetype i = 0; i < length; ++i)
            chars[i] = QChar(u16());
        return chars;
    }
    bool overrun() const { return m_overrun; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    qsizetype left() const { return m_bytes.size() - m_at; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_overrun = false;
};

void writeTeam(Writer &out, const TeamRecord &team)
{
    out.text(team.Name.text());
    for (quint32 colour : {team.CreaseColour, team.OutColour, team.BackColour, team.WaitingColour})
        out.u32(colour);
    for (const PlayerSlot &player : team.Players)
        out.text(player.text());
    for (quint8 average : team.BatAverage)
        out.u8(average);
}

TeamRecord readTeam(Reader &in)
{
    TeamRecord team;
    team.Name = in.text(80);
    team.CreaseColour = in.u32();
    team.OutColour = in.u32();
    team.BackColour = in.u32();
    team.WaitingColour = in.u32();
    for (PlayerSlot &player : team.Players)
        player = in.text(20);
    for (quint8 &average : team.BatAverage)
        average = in.u8();
    return team;
}

} // namespace

QByteArray encodeSetup(const MatchSetup &setup)
{
    Writer out;
    out.m_bytes.append(Magic, 4);
    out.u8(FormatVersion);
    for (const Side &side : setup.sides) {
        out.u16(TeamRecordBytes);
        writeTeam(out, side.team);
        for (const PlayerOrigin &origin : side.origins) {
            out.u32(quint32(origin.recordNumber));
            const QString name = origin.fullName.left(LongestFullName);
            out.u8(quint8(name.size()));
            out.text(name);
        }
    }
    out.u8(quint8(setup.toss.call));
    out.u8(quint8(setup.toss.coin));
    out.u8(quint8(setup.toss.choice));
    out.u8(quint8(setup.source));
    return out.m_bytes;
}

QString decodeSetup(QByteArrayView bytes, MatchSetup &setup)
{
    Reader in(bytes);
    if (bytes.size() < 5 || QByteArrayView(Magic, 4) != bytes.first(4))
        return QCoreApplication::translate("MatchLog",
                                           "the teams were not saved in a form this program knows");
    in.take(4);
    if (const int version = in.u8(); version != FormatVersion)
        return QCoreApplication::translate(
                   "MatchLog",
                   "the teams were saved in format %1, which this program does not know")
            .arg(version);
    MatchSetup read;
    for (Side &side : read.sides) {
        if (const int size = in.u16(); size != TeamRecordBytes || in.left() < size)
            return QCoreApplication::translate("MatchLog",
                                               "a team record has %1 bytes instead of %2")
                .arg(qMin(qsizetype(size), in.left()))
                .arg(TeamRecordBytes);
        side.team = readTeam(in);
        for (PlayerOrigin &origin : side.origins) {
            origin.recordNumber = int(in.u32());
            const int length = in.u8();
            if (length > LongestFullName || origin.recordNumber < 0)
                return QCoreApplication::translate(
                    "MatchLog", "a player's record in the player file is damaged");
            origin.fullName = in.text(length);
        }
    }
    const int call = in.u8(), coin = in.u8(), choice = in.u8(), source = in.u8();
    if (in.overrun() || !in.atEnd())
        return in.overrun()
                   ? QCoreApplication::translate("MatchLog", "the teams' record is cut short")
                   : QCoreApplication::translate("MatchLog", "the teams' record is too long");
    if (call > 1 || coin < 1 || coin > 2 || choice > 1 || source > 1)
        return QCoreApplication::translate("MatchLog", "the toss is not one the game can make");
    read.toss = {TossRules::Call(call), coin, TossRules::Choice(choice)};
    read.source = TeamSource(source);
    setup = read;
    return {};
}
