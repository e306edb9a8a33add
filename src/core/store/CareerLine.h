// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// One player's batting over every finished match he played, as the store adds it up.
struct CareerLine
{
    int player = 0; // the record number in the player file
    QString name;
    QString team; // the side of his latest match
    int matches = 0;
    int innings = 0;
    int notOuts = 0;
    int runs = 0;
    int highest = 0;
    bool highestNotOut = false;
    int balls = 0;
    int hundreds = 0;
    int fifties = 0;
    int ducks = 0;
    std::array<int, 5> dismissals{}; // caught, bowled, caught behind, caught and bowled, stumped

    int outs() const { return innings - notOuts; }
    QString highestText() const;
    QString averageText() const;
    QString strikeRateText() const;
};

// The statistics table's column headings, and one line's cells in the same order.
QStringList careerHeadings();
QStringList careerCells(const CareerLine &line);
