// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/Moments.h"

#include <QLocale>

QString shownMoment(const QDateTime &moment)
{
    return moment.isValid() ? QLocale().toString(moment.toLocalTime(), QLocale::ShortFormat)
                            : QString();
}
