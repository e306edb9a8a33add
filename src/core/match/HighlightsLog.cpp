// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/HighlightsLog.h"

#include <QCoreApplication>

QString HighlightsLog::initialText()
{
    return QCoreApplication::translate("HighlightsLog", "Match Highlights");
}

QString HighlightsLog::withEntry(const QString &log, const QString &line)
{
    return line + QStringLiteral("\r\n") + log;
}
