// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QString>
#include <array>
#include <functional>

class QFontMetrics;
class QLabel;
class QPushButton;

// Team names run to 80 characters. Where a caption names teams it shows them whole when they
// fit, otherwise each cut short with an ellipsis, the whole caption in the tooltip.

// The sides with every team name cut to at most `width` pixels in these metrics.
std::array<Side, 2> namesElided(const std::array<Side, 2> &sides, const QFontMetrics &metrics,
                                int width);
// Sets the caption `compose` makes from sides whose names are cut just enough for the label.
void setTeamCaption(QLabel *label, const std::array<Side, 2> &sides,
                    const std::function<QString(const std::array<Side, 2> &)> &compose);
// The text with each of the names in it cut to at most `width` pixels.
QString namesElided(QString text, const QStringList &names, const QFontMetrics &metrics, int width);
// A one-line caption cut to the label's width, the whole in the tooltip when cut.
void setElidedCaption(QLabel *label, const QString &text);
// A button whose caption is a team's name, never taken for a mnemonic.
void setTeamButton(QPushButton *button, const QString &name);
