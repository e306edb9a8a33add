// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

// The player file is written in Windows-1252 whatever the platform or the Qt build, so the
// conversion is our own: only 0x80..0x9F differ from Latin-1.
namespace Windows1252 {
// The character a byte stands for. The five bytes the code page leaves unassigned map to the
// C1 control of the same value, as Windows itself reads them, so every byte round-trips.
char16_t toUnicode(quint8 byte);
// The byte for a character; false when the code page has none.
bool fromUnicode(char16_t ch, quint8 &byte);
// True when every character of the text has a byte in the code page.
bool canEncode(QStringView text);
} // namespace Windows1252
