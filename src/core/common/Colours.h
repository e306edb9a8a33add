// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Colours of the design are 0x00BBGGRR numbers, red in the low byte; the windows turn them
// into colours to paint with.
namespace Bgr {
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 Yellow = 0x00FFFF;
constexpr quint32 Cyan = 0xFFFF00;
constexpr quint32 DarkGreen = 0x008000;
constexpr quint32 DarkBlue = 0x800000;
constexpr quint32 DarkRed = 0x0000C0;
} // namespace Bgr
