// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"

// The rows the series, league and competitions windows show and their pages share: headings,
// and one row's cells in the same order.
QStringList seriesTestHeadings(); // Test, Started, Result
QStringList seriesTestCells(const Fixture &fixture);
QStringList fixtureHeadings(); // Round, Side A, Side B, Result
QStringList fixtureCells(const Competition &competition, const Fixture &fixture);
QStringList competitionHeadings(); // Name, Kind, Sides, Played, Status, Leader
QStringList competitionCells(const Competition &competition);
