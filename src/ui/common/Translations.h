// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QCoreApplication;

// The languages offered: "" the system's, then "en", "de".
QStringList offeredLanguages();
// Its name as a player of it reads it: "System", "English", "Deutsch".
QString languageName(const QString &code);
// The one chosen in Settings; it takes effect at the next start.
QString chosenLanguage();
void chooseLanguage(const QString &code);

// Where the catalogues are looked for: beside the program, then where the package installs them.
QStringList translationFolders();
// Installs Stumpwell's catalogue and Qt's own for the chosen language (the system's by default)
// from the first of `folders` that has it; English needs none. The language loaded, or "".
QString installTranslations(QCoreApplication &app, const QStringList &folders);
