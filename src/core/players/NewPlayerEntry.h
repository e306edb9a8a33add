// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerRecord.h"

#include <QString>
#include <QStringView>
#include <optional>

// The value of an entry that is a plain decimal number: surrounding blanks, an optional sign,
// digits with at most one decimal point, an optional exponent. Nothing else counts (no inf,
// nan, hex, thousands separators or locale commas).
std::optional<double> entryNumber(QStringView text);
// Halves go away from zero: 12.5 is 13, -0.5 is -1.
double roundHalfAway(double value);
// "##0": no leading zeros, at least one digit.
QString wholeNumberText(double whole);
// A name the file can hold as typed: Windows-1252 only, no control characters.
bool isStorableName(QStringView name);

// The checks of the add-player window, in the order the user is told about them.
enum class EntryFault
{
    None,
    ShortName,
    UnstorableName,
    NoCountry,
    BadBatting,
    BadBowling
};

struct EntryCheck
{
    EntryFault fault = EntryFault::None;
    // What the boxes show afterwards: the trimmed name, the averages rounded once both are
    // numbers (a rounded value too wide for its 3-character box is left as typed).
    QString name;
    QString batting;
    QString bowling;
    PlayerRecord record; // valid when fault is None
};

EntryCheck checkNewPlayer(QStringView name, QStringView country, QStringView batting,
                          QStringView bowling, bool captain, bool keeper);
