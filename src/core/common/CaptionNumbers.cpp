// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/CaptionNumbers.h"

#include <cstdlib>

std::optional<double> leadingNumber(QStringView text, qsizetype *length)
{
    const auto digitAt = [&](qsizetype i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; digitAt(i); ++i)
        ++digits;
    if (i < text.size() && text[i] == u'.') {
        for (++i; digitAt(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (digitAt(j)) {
            while (digitAt(j))
                ++j;
            i = j;
        }
    }
    if (length)
        *length = i;
    // Only ASCII digits, signs, a point and an exponent were taken, so the C conversion reads
    // exactly that; an overflow gives an infinity for the caller's range checks.
    return std::strtod(text.first(i).toLatin1().constData(), nullptr);
}

double captionValue(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    return leadingNumber(text.sliced(start)).value_or(0.0);
}

QString plainNumber(qint64 value)
{
    return QString::number(value);
}

QString signedNumber(qint64 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}
