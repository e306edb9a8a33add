// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/net/NetMessage.h"

#include <QCoreApplication>
#include <QtEndian>

namespace NetMessage {

namespace {
constexpr char Magic[] = "SWNM";
} // namespace

QByteArray frame(Kind kind, QByteArrayView payload)
{
    QByteArray bytes(Magic, 4);
    bytes += char(Version);
    bytes += char(kind);
    char length[4];
    qToBigEndian(quint32(payload.size()), length);
    bytes.append(length, 4);
    bytes += payload;
    return bytes;
}

void Reader::feed(QByteArrayView bytes)
{
    if (m_error.isEmpty())
        m_buffer += bytes;
}

std::optional<Message> Reader::next()
{
    if (!m_error.isEmpty() || m_buffer.size() - m_read < HeaderSize)
        return std::nullopt;
    const char *at = m_buffer.constData() + m_read;
    const quint32 length = qFromBigEndian<quint32>(at + 6);
    if (QByteArrayView(at, 4) != QByteArrayView(Magic, 4))
        m_error =
            QCoreApplication::translate("NetMessage", "the other side is not a copy of Stumpwell");
    else if (quint8(at[4]) != Version)
        m_error =
            QCoreApplication::translate(
                "NetMessage",
                "the other copy of Stumpwell speaks version %1 of the match protocol; this one "
                "speaks version %2")
                .arg(quint8(at[4]))
                .arg(Version);
    else if (quint8(at[5]) < quint8(Kind::Hello) || quint8(at[5]) > quint8(Kind::Last))
        m_error =
            QCoreApplication::translate("NetMessage", "a message of an unknown kind (%1) came")
                .arg(quint8(at[5]));
    else if (length > MaxPayload)
        m_error =
            QCoreApplication::translate("NetMessage", "a message of %1 bytes came; the most is %2")
                .arg(length)
                .arg(MaxPayload);
    if (!m_error.isEmpty()) {
        m_buffer.clear();
        return std::nullopt;
    }
    if (m_buffer.size() - m_read - HeaderSize < qsizetype(length))
        return std::nullopt;
    Message message{Kind(quint8(at[5])), QByteArray(at + HeaderSize, qsizetype(length))};
    m_read += HeaderSize + qsizetype(length);
    // What has been read goes once it is most of the buffer: no copy per message.
    if (m_read > m_buffer.size() / 2) {
        m_buffer.remove(0, m_read);
        m_read = 0;
    }
    return message;
}

QByteArray text(const QString &text)
{
    return text.left(MaxText).toUtf8();
}

std::optional<QString> readText(QByteArrayView payload)
{
    const QString text = QString::fromUtf8(payload);
    // A text that does not come back the same was not UTF-8.
    if (text.size() > MaxText || text.toUtf8() != payload)
        return std::nullopt;
    return text;
}

QByteArray round(quint32 number, QByteArrayView value)
{
    char bytes[4];
    qToBigEndian(number, bytes);
    return QByteArray(bytes, 4).append(value);
}

std::optional<std::pair<quint32, QByteArray>> readRound(QByteArrayView payload)
{
    if (payload.size() != 4 + HashSize)
        return std::nullopt;
    return std::pair{qFromBigEndian<quint32>(payload.data()), payload.sliced(4).toByteArray()};
}

QByteArray byte(quint8 value)
{
    return QByteArray(1, char(value));
}

std::optional<quint8> readByte(QByteArrayView payload)
{
    return payload.size() == 1 ? std::optional(quint8(payload[0])) : std::nullopt;
}

QByteArray over(const Over &over)
{
    QByteArray bytes = round(over.number, {});
    bytes += char(over.face);
    bytes += char(over.draws.size());
    bytes.append(reinterpret_cast<const char *>(over.draws.data()), qsizetype(over.draws.size()));
    return bytes;
}

std::optional<Over> readOver(QByteArrayView payload)
{
    if (payload.size() < 6 || payload.size() != 6 + quint8(payload[5]))
        return std::nullopt;
    Over over{qFromBigEndian<quint32>(payload.data()), quint8(payload[4]), {}};
    if (over.face < 1 || over.face > 6)
        return std::nullopt;
    over.draws.assign(payload.begin() + 6, payload.end());
    return over;
}

} // namespace NetMessage
