// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/CardLabel.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>

namespace {

struct LaidOut
{
    QStaticText text;
    qreal width = 0;
};

// The same captions come back on every card and every over (names, small numbers), so each text
// is laid out once for each font and shared; the cap only stops an endless match from hoarding.
QHash<QString, LaidOut> shared;
bool forgetQueued = false; // forgetLayouts is due when the application goes

// Laid-out text holds on to font engines, which must go before the application does.
void forgetLayouts()
{
    shared.clear();
    forgetQueued = false;
}

LaidOut laidOut(const QString &text, const QFont &font)
{
    const QString key = font.key() + QChar(u'\x1f') + text;
    if (const auto found = shared.constFind(key); found != shared.cend())
        return *found;
    if (shared.size() >= 4096)
        shared.clear();
    if (!forgetQueued) {
        qAddPostRoutine(forgetLayouts);
        forgetQueued = true;
    }
    LaidOut made;
    made.text.setText(text);
    made.text.setTextFormat(Qt::PlainText);
    made.width = QFontMetricsF(font).horizontalAdvance(text);
    return *shared.insert(key, made);
}

} // namespace

void CardLabel::paintEvent(QPaintEvent *event)
{
    // A disabled caption is drawn by the style's own rules.
    if (!isEnabled())
        return QLabel::paintEvent(event);
    if (text().isEmpty())
        return;
    if (m_laidOut.text() != text() || m_font != font()) {
        m_font = font();
        const LaidOut made = laidOut(text(), m_font);
        m_laidOut = made.text;
        m_width = made.width;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect room = contentsRect();
    const qreal left = alignment() & Qt::AlignRight ? room.x() + room.width() - m_width : room.x();
    painter.drawStaticText(QPointF(left, room.y()), m_laidOut);
}
