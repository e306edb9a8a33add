// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/Translations.h"

#include "ui/common/GameSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

QStringList offeredLanguages()
{
    return {QString(), u"en"_s, u"de"_s};
}

QString languageName(const QString &code)
{
    if (code == u"en"_s)
        return u"English"_s;
    if (code == u"de"_s)
        return u"Deutsch"_s;
    return QCoreApplication::translate("Translations", "System");
}

QString chosenLanguage()
{
    const QString code = gameSettings()->value(u"language"_s).toString();
    return offeredLanguages().contains(code) ? code : QString();
}

void chooseLanguage(const QString &code)
{
    gameSettings()->setValue(u"language"_s, code);
}

QStringList translationFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + u"/../share/stumpwell/translations"_s};
}

QString installTranslations(QCoreApplication &app, const QStringList &folders)
{
    const QString chosen = chosenLanguage();
    const QLocale locale = chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
    // Dates and times as the language chosen writes them, unless it is the system's own; the
    // scorecards' numbers never change.
    if (!chosen.isEmpty() && locale.language() != QLocale::system().language())
        QLocale::setDefault(locale);
    auto *own = new QTranslator(&app);
    const bool found = std::any_of(folders.begin(), folders.end(), [&](const QString &folder) {
        return own->load(locale, u"stumpwell"_s, u"_"_s, folder);
    });
    if (!found) {
        delete own;
        return {};
    }
    app.installTranslator(own);
    // Qt's own texts (the buttons of its dialogs), where its catalogues are installed.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return own->language();
}
