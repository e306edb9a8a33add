// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchState.h"

#include <QList>
#include <QString>
#include <array>

struct RgbColour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const RgbColour &) const = default;
};

// Colour of slice k and legend square k, k = 1..10; index 0 unused.
extern const std::array<RgbColour, 11> PartnershipColours;

// Runs of each partnership, by the wicket that ended it (1..10; index 0 unused). Held wider
// than the card's 16-bit totals so that no card, however odd, can overflow the sum.
struct PartnershipFigures
{
    std::array<int, 11> Partnership{};
    int PartnershipTotal = 0;
};

// One filled slice: partnership k in colour k, from startAngle to endAngle in radians,
// counter-clockwise from 3 o'clock. Single precision, as the angles are stepped in it.
struct PieWedge
{
    int partnership = 0;
    float startAngle = 0.0f;
    float endAngle = 0.0f;

    bool operator==(const PieWedge &) const = default;
};

// The card the chart shows: the innings in play, the fourth once the match is over (5), and
// none before the first match (0) or for any other value, so Cards is never read outside.
const BattingCard *chartCard(const MatchState &state);

PartnershipFigures partnershipFigures(const BattingCard &card);

// The slices of the completed partnerships in order; a partnership of 0 or fewer runs has
// none. Empty when the completed partnerships add up to no runs.
QList<PieWedge> partnershipWedges(const PartnershipFigures &figures);

// "A/B" + " " + the runs with a blank for the plus sign ("A/B  45"); blank for a blank pair.
QString legendText(const FixedText<80> &pair, int partnership);
