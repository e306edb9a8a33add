// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The verdict of the result window from the two aggregates (team 1 batted first).
QString resultText(bool timeUp, qint16 total1, qint16 total2, const QString &team1,
                   const QString &team2);
