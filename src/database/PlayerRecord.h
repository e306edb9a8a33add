// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "state/FixedText.h"

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>
#include <array>

// The nine countries, in alphabetical order.
extern const std::array<QStringView, 9> CountryNames;

// One 132-byte record of the player file; the header record uses the same layout.
struct PlayerRecord
{
    FixedText<80> PlayerName;
    FixedText<20> Country;
    quint8 BattingAverage = 0;
    quint8 BowlingAverage = 0;
    bool CaptainExperience = false;
    bool KeeperExperience = false;
};
