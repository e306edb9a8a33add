// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/LanguageMenu.h"

#include "ui/common/Translations.h"

#include <QActionGroup>
#include <QMessageBox>

using namespace Qt::StringLiterals;

LanguageMenu::LanguageMenu(QWidget *parent) : QMenu(tr("Lan&guage"), parent)
{
    setObjectName(u"mnuLanguage"_s);
    menuAction()->setObjectName(u"mnuLanguage"_s);
    auto *group = new QActionGroup(this);
    const QString chosen = chosenLanguage();
    for (const QString &code : offeredLanguages()) {
        QAction *action = addAction(languageName(code));
        action->setObjectName(u"mnuLanguage"_s + (code.isEmpty()    ? u"System"_s
                                                  : code == u"de"_s ? u"German"_s
                                                                    : u"English"_s));
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, &LanguageMenu::choose);
}

void LanguageMenu::choose(QAction *language)
{
    chooseLanguage(language->data().toString());
    QMessageBox::information(parentWidget(), tr("Language"),
                             tr("The language chosen is used from the next start of Stumpwell."));
}
