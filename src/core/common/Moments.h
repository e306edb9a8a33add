// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

// A moment as every list and page of the game writes it: the player's locale, short format, in
// local time; empty for none. Lists sort by the moment itself, never by this text.
QString shownMoment(const QDateTime &moment);
