// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "ui/common/Controls.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/shell/mdiMain.h"

#include "TestSupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

inline void click(QWidget *window, const QString &button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

inline void answerNextQuestion(QMessageBox::StandardButton answer)
{
    whenModalShown([=](QWidget *box) { static_cast<QMessageBox *>(box)->button(answer)->click(); });
}

// A shown frame keeping its matches in `store` (not yet opened) and drawing from `random`.
inline std::unique_ptr<mdiMain> shownFrame(const QString &store, RandomSource *random = nullptr)
{
    auto frame = std::make_unique<mdiMain>();
    frame->session().setStorePath(store);
    if (random)
        frame->session().setRandomSource(random);
    frame->show();
    return frame;
}

// Answers the next match start: the in-built teams, the second side calling heads and the
// toss's winner batting.
inline void answerMatchStart()
{
    whenModalShown([](QWidget *teamMode) {
        whenModalShown([](QWidget *toss) {
            click(toss, QStringLiteral("cmdHeads"));
            click(toss, QStringLiteral("cmdBat"));
        });
        click(teamMode, QStringLiteral("cmdInBuilt"));
    });
}

inline void startInBuiltMatch(mdiMain &frame)
{
    answerMatchStart();
    frame.findChild<QAction *>(QStringLiteral("mnu2Human"))->trigger();
}

inline void pressRoll(mdiMain &frame)
{
    click(frame.matchWindows().innings(frame.session().match().currentInnings()),
          QStringLiteral("cmdRoll"));
}

// What the match windows show, top first: titles, captions with their colours, what is
// enabled (Qt's own parts lay out at will), places, the log; then the active window.
inline QStringList screenOf(QMdiArea *area)
{
    QStringList shown;
    for (QMdiSubWindow *window : area->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isVisible())
            continue;
        shown << window->objectName() + u' ' + window->windowTitle();
        for (const QWidget *control : window->findChildren<QWidget *>()) {
            const QString name = control->objectName(), at = u' ' + QString::number(control->y());
            if (auto *label = qobject_cast<const QLabel *>(control))
                shown << name + u'=' + label->text() + u' ' + foreColour(label).name() + at;
            else if (!name.isEmpty() && !name.startsWith(u"qt_"))
                shown << name + QStringLiteral(" enabled=") +
                             QString::number(control->isEnabled()) + at;
        }
        if (auto *log = window->findChild<QPlainTextEdit *>())
            shown << log->toPlainText();
    }
    if (area->activeSubWindow())
        shown << QStringLiteral("active ") + area->activeSubWindow()->windowTitle();
    return shown;
}

inline QStringList screenOf(mdiMain &frame)
{
    return screenOf(frame.mdiArea());
}
