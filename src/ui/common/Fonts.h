// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The windows were laid out for "MS Sans Serif" and "Times New Roman"; map them to the
// metric-compatible Liberation families so captions fit their boxes everywhere.
void installFontSubstitutions();

QFont sansSerifFont(qreal pointSize, bool bold = false, bool italic = false);
QFont serifFont(qreal pointSize, bool bold = false);
