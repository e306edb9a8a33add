// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QLabel;
class QWidget;

// Caption and colour writes that leave an unchanged control alone, so rewriting a whole window
// from its figures after every over costs little.
namespace CaptionWriter {
void setText(QLabel *label, const QString &text);
void setNumber(QLabel *label, std::optional<int> value);
void setFore(QWidget *widget, quint32 bgr);
void setBack(QWidget *widget, quint32 bgr);
} // namespace CaptionWriter
