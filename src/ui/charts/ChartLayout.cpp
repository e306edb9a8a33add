// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/charts/ChartLayout.h"

#include <algorithm>
#include <cstdlib>

namespace ChartLayout {

namespace {
constexpr int SquareSize = 12;
constexpr int LabelWidth = 193;
constexpr int LabelHeight = 17;
constexpr int FirstRowAboveBottom = 78;
constexpr int RowStep = 16;

int rowTop(int index, QSize client)
{
    return client.height() - FirstRowAboveBottom + RowStep * (index % 5);
}
} // namespace

QSize pieUnits(QSize client)
{
    return QSize(std::max(client.width(), DesignWidth), std::max(client.height(), DesignHeight));
}

PieCircle pieCircle(QSize units)
{
    // Units are whole numbers, so halving with integer division is the floor.
    const int cx = units.width() / 2;
    const int cy = units.height() / 2;
    return PieCircle{QPoint(cx, cy), std::abs(std::min(cx, cy) - 20)};
}

QRect legendSquareRect(int index, QSize client)
{
    const int left = index < 5 ? 8 : client.width() - 17;
    return QRect(left, rowTop(index, client), SquareSize, SquareSize);
}

QRect legendLabelRect(int index, QSize client)
{
    const int left = index < 5 ? 32 : client.width() - 217;
    return QRect(left, rowTop(index, client), LabelWidth, LabelHeight);
}

} // namespace ChartLayout
