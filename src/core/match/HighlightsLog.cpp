// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/HighlightsLog.h"

QString HighlightsLog::initialText()
{
    return QStringLiteral("Match Highlights");
}

QString HighlightsLog::withEntry(const QString &log, const QString &line)
{
    return line + QStringLiteral("\r\n") + log;
}
