// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchState.h"
#include "core/match/TossRules.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

// Where a batsman came from: a record of the player file (2 and up) with the name it holds in
// full, or nothing for the in-built teams.
struct PlayerOrigin
{
    int recordNumber = 0;
    QString fullName;

    bool operator==(const PlayerOrigin &) const = default;
};

// One eleven as it takes the field: the record the scorecards are written from, and where each
// of its batsmen came from (same index as Players).
struct Side
{
    TeamRecord team;
    std::array<PlayerOrigin, 12> origins{};

    bool operator==(const Side &) const = default;
};

enum class TeamSource : quint8
{
    InBuilt,
    PlayerFile
};

struct TossRecord
{
    TossRules::Call call = TossRules::Call::Heads;
    int coin = TossRules::Heads;
    TossRules::Choice choice = TossRules::Choice::Bat;

    bool operator==(const TossRecord &) const = default;
};

// Everything a match starts from: the two elevens after the toss (sides[0] bats first), the
// toss itself and whether the teams were picked from the player file.
struct MatchSetup
{
    std::array<Side, 2> sides{};
    TossRecord toss;
    TeamSource source = TeamSource::InBuilt;

    bool operator==(const MatchSetup &) const = default;
};

// A match as the rules compute it from: its setup, and for every over the face rolled and the
// draws the rules made. Draws are kept back to back; drawCounts says how many each over took.
struct MatchLog
{
    MatchSetup setup;
    std::vector<quint8> faces;
    std::vector<quint8> drawCounts;
    std::vector<quint8> draws;

    int overs() const { return int(faces.size()); }
    bool operator==(const MatchLog &) const = default;
};

// The setup as the match store keeps it: a small fixed binary form, so a damaged copy is
// recognised byte by byte.
QByteArray encodeSetup(const MatchSetup &setup);
// Returns why the bytes are not a setup, or an empty text when `setup` holds them.
QString decodeSetup(QByteArrayView bytes, MatchSetup &setup);
