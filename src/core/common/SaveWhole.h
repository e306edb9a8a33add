// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Writes a file whole or not at all: an older file of that name stays as it was until the new
// one is complete. Empty, or why it could not be written, in a player's words ("the disk is
// full"). `write` returns false when it could not write everything.
QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write);
QString saveWhole(const QString &path, const QByteArray &bytes);
