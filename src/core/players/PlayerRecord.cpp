// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/PlayerRecord.h"

#include "core/players/Windows1252.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstring>

const std::array<QStringView, 9> CountryNames = {u"Australia",   u"England",     u"India",
                                                 u"New Zealand", u"Pakistan",    u"South Africa",
                                                 u"Sri Lanka",   u"West Indies", u"Zimbabwe"};

QString countryCaption(QStringView country)
{
    static constexpr std::array<const char *, 9> captions = {
        QT_TRANSLATE_NOOP("Countries", "Australia"), QT_TRANSLATE_NOOP("Countries", "England"),
        QT_TRANSLATE_NOOP("Countries", "India"),     QT_TRANSLATE_NOOP("Countries", "New Zealand"),
        QT_TRANSLATE_NOOP("Countries", "Pakistan"),  QT_TRANSLATE_NOOP("Countries", "South Africa"),
        QT_TRANSLATE_NOOP("Countries", "Sri Lanka"), QT_TRANSLATE_NOOP("Countries", "West Indies"),
        QT_TRANSLATE_NOOP("Countries", "Zimbabwe")};
    const auto at = std::find(CountryNames.begin(), CountryNames.end(), country);
    return at == CountryNames.end()
               ? country.toString()
               : QCoreApplication::translate("Countries",
                                             captions[std::size_t(at - CountryNames.begin())]);
}

namespace {
constexpr int NameOffset = 0;
constexpr int BattingOffset = 100;
constexpr int BowlingOffset = 101;
constexpr int CaptainOffset = 102;
constexpr int KeeperOffset = 104;

template <std::size_t N>
void encodeText(const FixedText<N> &field, char *out)
{
    const QString text = field.text();
    for (std::size_t i = 0; i < N; ++i) {
        quint8 byte = 0;
        if (!Windows1252::fromUnicode(text[qsizetype(i)].unicode(), byte))
            byte = '?';
        out[i] = char(byte);
    }
}

template <std::size_t N>
FixedText<N> decodeText(const char *in)
{
    QString text{qsizetype(N), Qt::Uninitialized};
    for (std::size_t i = 0; i < N; ++i)
        text[qsizetype(i)] = QChar(Windows1252::toUnicode(quint8(in[i])));
    return FixedText<N>(text);
}

void encodeBoolean(bool value, char *out)
{
    const char byte = value ? char(0xFF) : char(0);
    out[0] = byte;
    out[1] = byte;
}
} // namespace

PlayerRecord PlayerRecord::header()
{
    PlayerRecord record;
    record.PlayerName = u"Version";
    record.BattingAverage = 1;
    return record;
}

bool PlayerRecord::canEncode() const
{
    return Windows1252::canEncode(PlayerName.text()) && Windows1252::canEncode(Country.text());
}

QByteArray PlayerRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    writeBytes(bytes.data());
    return bytes;
}

void PlayerRecord::writeBytes(char *out) const
{
    std::memset(out, 0, Size);
    encodeText(PlayerName, out + NameOffset);
    encodeText(Country, out + CountryOffset);
    out[BattingOffset] = char(BattingAverage);
    out[BowlingOffset] = char(BowlingAverage);
    encodeBoolean(CaptainExperience, out + CaptainOffset);
    encodeBoolean(KeeperExperience, out + KeeperOffset);
}

PlayerRecord PlayerRecord::fromBytes(const char *bytes)
{
    PlayerRecord record;
    record.PlayerName = decodeText<80>(bytes + NameOffset);
    record.Country = decodeText<20>(bytes + CountryOffset);
    record.BattingAverage = quint8(bytes[BattingOffset]);
    record.BowlingAverage = quint8(bytes[BowlingOffset]);
    // Any non-zero value reads as true, as the 16-bit booleans always have.
    record.CaptainExperience = bytes[CaptainOffset] != 0 || bytes[CaptainOffset + 1] != 0;
    record.KeeperExperience = bytes[KeeperOffset] != 0 || bytes[KeeperOffset + 1] != 0;
    return record;
}
