// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <memory>

// The player's choices kept between runs, under the game's own name whatever the program is
// called (XDG_CONFIG_HOME moves them, as tests do).
std::unique_ptr<QSettings> gameSettings();
