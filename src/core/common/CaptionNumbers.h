// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The number at the start of text: an optional sign, digits with at most one decimal point and
// an optional exponent (taken only when it has digits). Nothing when there are no digits;
// `length` receives how many characters the number took.
std::optional<double> leadingNumber(QStringView text, qsizetype *length = nullptr);

// Captions are read as the number at their start: blanks before it are skipped, an optional
// sign, digits with at most one decimal point and an optional exponent; anything else, or an
// empty text, reads as 0.
double captionValue(QStringView text);

// Plain decimal digits, no blanks: "0", "187", "-3".
QString plainNumber(qint64 value);

// One blank where a plus sign would stand: " 58", "-3".
QString signedNumber(qint64 value);
