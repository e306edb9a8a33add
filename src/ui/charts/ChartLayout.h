// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry of the partnership chart, all in pixels of the client area unless it says units.
namespace ChartLayout {

constexpr int DesignWidth = 465;
constexpr int DesignHeight = 350;
constexpr int LegendEntries = 10;

// The units the pie is drawn in: the client size, but never less than 465 by 350, so a small
// window squeezes the pie instead of cutting it off.
QSize pieUnits(QSize client);

struct PieCircle
{
    QPoint centre;
    int radius = 0;
};
// Centre and radius of the pie in pie units.
PieCircle pieCircle(QSize units);

// Legend entry k is index k-1: 0..4 on the left from the bottom edge up, 5..9 beside them on
// the right, following the right edge.
QRect legendSquareRect(int index, QSize client);
QRect legendLabelRect(int index, QSize client);

} // namespace ChartLayout
