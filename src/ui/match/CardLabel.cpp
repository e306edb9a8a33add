// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/CardLabel.h"

#include <QPainter>

void CardLabel::paintEvent(QPaintEvent *event)
{
    // A disabled caption is drawn by the style's own rules.
    if (!isEnabled())
        return QLabel::paintEvent(event);
    if (text().isEmpty())
        return;
    if (m_laidOut.text() != text() || m_font != font()) {
        m_laidOut.setText(text());
        m_laidOut.setTextFormat(Qt::PlainText);
        m_font = font();
        m_width = QFontMetricsF(m_font).horizontalAdvance(text());
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect room = contentsRect();
    const qreal left = alignment() & Qt::AlignRight ? room.x() + room.width() - m_width : room.x();
    painter.drawStaticText(QPointF(left, room.y()), m_laidOut);
}
