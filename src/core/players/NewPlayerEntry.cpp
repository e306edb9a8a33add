// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/NewPlayerEntry.h"

#include "core/common/BlankTrim.h"
#include "core/common/CaptionNumbers.h"

#include "core/players/Windows1252.h"

#include <cmath>

namespace {
constexpr int AverageBoxWidth = 3;

bool isControl(char16_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}
} // namespace

std::optional<double> entryNumber(QStringView text)
{
    const QStringView number = trimBlanks(text);
    qsizetype length = 0;
    const std::optional<double> value = leadingNumber(number, &length);
    if (!value || length != number.size())
        return std::nullopt;
    return value;
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
