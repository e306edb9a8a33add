// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"

#include <QStringView>
#include <array>

namespace {

struct InBuiltPlayer
{
    QStringView name;
    quint8 average;
};

struct InBuiltTeam
{
    QStringView name;
    quint32 creaseColour;
    quint32 outColour;
    quint32 backColour;
    quint32 waitingColour;
    std::array<InBuiltPlayer, 11> players; // batting order 1..11
};

// Colours are 0x00BBGGRR, as the innings window takes them.
constexpr InBuiltTeam australia{u"Australia",
                                0xFFFFFF,
                                0x00FFFF,
                                0x008000,
                                0x00FFFF,
                                {{{u"KR Dunmore", 22},
                                  {u"PJ Ashgrove", 46},
                                  {u"DL Brindle", 48},
                                  {u"BT Coyle", 56},
                                  {u"GH Coyle", 83},
                                  {u"NA Fenwick", 11},
                                  {u"TC Hartigan", 31},
                                  {u"RW Esterby", 8},
                                  {u"JF Quarrie", 23},
                                  {u"AM Tollard", 11},
                                  {u"LB Varga", 2}}}};

constexpr InBuiltTeam england{u"England",
                              0xFFFFFF,
                              0xFFFF00,
                              0x800000,
                              0xFFFF00,
                              {{{u"OH Pelham", 25},
                                {u"CS Wrenfield", 13},
                                {u"VK Dabney", 45},
                                {u"EJ Harrowby", 35},
                                {u"WP Kilbride", 43},
                                {u"DR Oakhurst", 47},
                                {u"FG Selwood", 13},
                                {u"SMT Ridley", 27},
                                {u"B Yarwood", 5},
                                {u"PE Lockett", 2},
                                {u"HAL Norcross", 8}}}};

void storeTeam(TeamRecord &record, const InBuiltTeam &team)
{
    record.Name = team.name;
    record.CreaseColour = team.creaseColour;
    record.OutColour = team.outColour;
    record.BackColour = team.backColour;
    record.WaitingColour = team.waitingColour;
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        record.Players[i + 1] = team.players[i].name;
        record.BatAverage[i + 1] = team.players[i].average;
    }
}

} // namespace

std::array<Side, 2> inBuiltSides()
{
    std::array<Side, 2> sides;
    storeTeam(sides[0].team, australia);
    storeTeam(sides[1].team, england);
    return sides;
}
