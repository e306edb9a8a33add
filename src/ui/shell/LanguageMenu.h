// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

// Game > Language: System, English or Deutsch, remembered and used from the next start.
class LanguageMenu : public QMenu
{
    Q_OBJECT

public:
    explicit LanguageMenu(QWidget *parent);

private:
    void choose(QAction *language);
};
