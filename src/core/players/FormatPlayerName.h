// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/BlankTrim.h"

#include <QString>
#include <QStringView>

// The scorecard form of a full name: every word but the last gives its first character, then
// a blank and the last word whole ("Ann Marie Lee" -> "AM Lee"). Only a blank separates words,
// so two blanks in a row give a blank initial. A one-word name stays as it is. The result is
// not cut; whoever stores it cuts it to its field.
QString FormatPlayerName(QStringView name);
