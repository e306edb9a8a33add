// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/Match.h"
#include "ui/common/Controls.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/shell/mdiMain.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// Answers the next match start: the in-built teams, the second side calling heads and the
// toss's winner batting.
inline void answerMatchStart()
{
    whenModalShown([](QWidget *teamMode) {
        whenModalShown([](QWidget *toss) {
            QTest::mouseClick(toss->findChild<QPushButton *>(QStringLiteral("cmdHeads")),
                              Qt::LeftButton);
            QTest::mouseClick(toss->findChild<QPushButton *>(QStringLiteral("cmdBat")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(teamMode->findChild<QPushButton *>(QStringLiteral("cmdInBuilt")),
                          Qt::LeftButton);
    });
}

inline void startInBuiltMatch(mdiMain &frame)
{
    answerMatchStart();
    frame.findChild<QAction *>(QStringLiteral("mnu2Human"))->trigger();
}

inline void pressRoll(mdiMain &frame)
{
    frame.matchWindows()
        .innings(frame.match().currentInnings())
        ->findChild<QPushButton *>(QStringLiteral("cmdRoll"))
        ->click();
}

// Everything the match windows show: for each window, top first, its title, geometry, every
// caption with its colour, and what is enabled; then the highlights and the active window.
inline QStringList screenOf(mdiMain &frame)
{
    QStringList shown;
    QMdiArea *area = frame.mdiArea();
    for (QMdiSubWindow *window : area->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isVisible())
            continue;
        shown << window->objectName() + u' ' + window->windowTitle();
        for (const QLabel *label : window->findChildren<QLabel *>())
            shown << label->objectName() + u'=' + label->text() + u' ' + foreColour(label).name() +
                         u' ' + QString::number(label->y());
        for (const QWidget *control : window->findChildren<QWidget *>()) {
            // Only the game's controls: Qt's own parts of a text box lay out when they like.
            const QString name = control->objectName();
            if (!qobject_cast<const QLabel *>(control) && !name.isEmpty() &&
                !name.startsWith(u"qt_"))
                shown << control->objectName() + QStringLiteral(" enabled=") +
                             QString::number(control->isEnabled()) + u' ' +
                             QString::number(control->y());
        }
        if (auto *log = window->findChild<QPlainTextEdit *>())
            shown << log->toPlainText();
    }
    if (area->activeSubWindow())
        shown << QStringLiteral("active ") + area->activeSubWindow()->windowTitle();
    return shown;
}
