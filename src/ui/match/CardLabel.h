// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QStaticText>

// A caption of a scorecard's table: one line of plain text at the top, left or right. It keeps
// its text laid out between paints, where a QLabel lays it out again each time; a card coming on
// top paints some eighty of them.
class CardLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStaticText m_laidOut;
    QFont m_font;
    qreal m_width = 0; // as a QLabel aligns it
};
