// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "database/NewPlayerEntry.h"

#include "common/BlankTrim.h"

#include "database/Windows1252.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr int AverageBoxWidth = 3;

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool isControl(char16_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}
} // namespace

std::optional<double> entryNumber(QStringView text)
{
    const QString number = trimBlanks(text).toString();
    qsizetype i = 0;
    const qsizetype n = number.size();
    if (i < n && (number[i] == u'+' || number[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(number[i])) {
        ++i;
        ++digits;
    }
    if (i < n && number[i] == u'.') {
        ++i;
        while (i < n && isDigit(number[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (number[i] == u'e' || number[i] == u'E')) {
        ++i;
        if (i < n && (number[i] == u'+' || number[i] == u'-'))
            ++i;
        qsizetype exponentDigits = 0;
        while (i < n && isDigit(number[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // Only ASCII is left, so the C conversion reads exactly what was checked; an overflow
    // gives an infinity, which the range check then refuses.
    const QByteArray ascii = number.toLatin1();
    return std::strtod(ascii.constData(), nullptr);
}

double roundHalfAway(double value)
{
    return std::round(value);
}

QString wholeNumberText(double whole)
{
    if (whole == 0)
        return QStringLiteral("0");
    return QString::number(whole, 'f', 0);
}

bool isStorableName(QStringView name)
{
    for (QChar ch : name) {
        if (isControl(ch.unicode()))
            return false;
    }
    return Windows1252::canEncode(name);
}

EntryCheck checkNewPlayer(QStringView name, QStringView country, QStringView batting,
                          QStringView bowling, bool captain, bool keeper)
{
    EntryCheck check;
    check.name = trimBlanks(name).toString();
    check.batting = batting.toString();
    check.bowling = bowling.toString();
    const QString chosen = trimBlanks(country).toString();
    if (check.name.size() < 3) {
        check.fault = EntryFault::ShortName;
        return check;
    }
    if (!isStorableName(check.name)) {
        check.fault = EntryFault::UnstorableName;
        return check;
    }
    if (chosen.isEmpty()) {
        check.fault = EntryFault::NoCountry;
        return check;
    }
    const std::optional<double> battingValue = entryNumber(batting);
    if (!battingValue) {
        check.fault = EntryFault::BadBatting;
        return check;
    }
    const std::optional<double> bowlingValue = entryNumber(bowling);
    if (!bowlingValue) {
        check.fault = EntryFault::BadBowling;
        return check;
    }
    const double battingWhole = roundHalfAway(*battingValue);
    const double bowlingWhole = roundHalfAway(*bowlingValue);
    // A box holds 3 characters; a wider value written back would show cut off, and the cut
    // text could pass the check next time.
    const auto shown = [](double whole, const QString &typed) {
        const QString text = std::isfinite(whole) ? wholeNumberText(whole) : typed;
        return text.size() <= AverageBoxWidth ? text : typed;
    };
    check.batting = shown(battingWhole, check.batting);
    check.bowling = shown(bowlingWhole, check.bowling);
    if (!(battingWhole >= 0 && battingWhole <= 255)) {
        check.fault = EntryFault::BadBatting;
        return check;
    }
    if (!(bowlingWhole >= 0 && bowlingWhole <= 255)) {
        check.fault = EntryFault::BadBowling;
        return check;
    }
    check.record.PlayerName = check.name;
    check.record.Country = chosen;
    check.record.BattingAverage = quint8(battingWhole);
    check.record.BowlingAverage = quint8(bowlingWhole);
    check.record.CaptainExperience = captain;
    check.record.KeeperExperience = keeper;
    return check;
}
