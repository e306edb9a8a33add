// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/FixedText.h"

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>
#include <array>

// The nine countries, in alphabetical order, as the player file keeps them.
extern const std::array<QStringView, 9> CountryNames;
// A country as a player reads it, in the program's language.
QString countryCaption(QStringView country);

// One 132-byte record of the player file; the header record uses the same layout.
struct PlayerRecord
{
    static constexpr int Size = 132;
    // Where the country field starts in the record's bytes.
    static constexpr int CountryOffset = 80;

    FixedText<80> PlayerName;
    FixedText<20> Country;
    quint8 BattingAverage = 0;
    quint8 BowlingAverage = 0;
    bool CaptainExperience = false;
    bool KeeperExperience = false;

    // Record 1 of a new file: "Version", a country never written, format version 1.
    static PlayerRecord header();

    // True when both texts can be stored in the file's code page (Windows-1252).
    bool canEncode() const;
    // The record exactly as the file holds it: little-endian, booleans 0 or 0xFFFF, reserved
    // fields zero. A character outside the code page is written as '?', so check canEncode().
    QByteArray toBytes() const;
    void writeBytes(char *out) const;
    // Reads Size bytes.
    static PlayerRecord fromBytes(const char *bytes);

    bool operator==(const PlayerRecord &) const = default;
};
