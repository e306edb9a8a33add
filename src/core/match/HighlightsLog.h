// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The highlights log is its text: entries newest first, each ended by CR LF, with the heading
// as the last line.
namespace HighlightsLog {
QString initialText();
QString withEntry(const QString &log, const QString &line);
} // namespace HighlightsLog
