// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/GameSettings.h"

using namespace Qt::StringLiterals;

std::unique_ptr<QSettings> gameSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       u"Stumpwell"_s, u"Stumpwell"_s);
}
