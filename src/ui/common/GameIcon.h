// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The die and stumps, drawn at the size a title bar asks for when it first asks, so start-up
// draws nothing; Qt's own SVG icon plugin is a package of its own on some systems.
QIcon gameIcon();
