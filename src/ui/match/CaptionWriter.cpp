// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/CaptionWriter.h"

#include "core/common/CaptionNumbers.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"

#include <QLabel>

void CaptionWriter::setText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void CaptionWriter::setNumber(QLabel *label, std::optional<int> value)
{
    setText(label, value ? plainNumber(*value) : QString());
}

void CaptionWriter::setFore(QWidget *widget, quint32 bgr)
{
    const QColor colour = colourFromBgr(bgr);
    if (foreColour(widget) != colour)
        setForeColour(widget, colour);
}

void CaptionWriter::setBack(QWidget *widget, quint32 bgr)
{
    const QColor colour = colourFromBgr(bgr);
    if (!widget->autoFillBackground() || backColour(widget) != colour)
        setBackColour(widget, colour);
}
