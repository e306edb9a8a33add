// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/FormatPlayerName.h"

QString FormatPlayerName(QStringView name)
{
    const QStringView full = trimBlanks(name);
    const qsizetype lastBlank = full.lastIndexOf(u' ');
    // The database accepts one-word names; with no blank to split at, the word is the name.
    if (lastBlank < 0)
        return full.toString();

    QString result;
    result.reserve(full.size());
    result.append(full[0]);
    for (qsizetype i = 1; i < lastBlank; ++i) {
        if (full[i] == u' ')
            result.append(full[i + 1]);
    }
    result.append(u' ');
    result.append(full.sliced(lastBlank + 1));
    return result;
}
