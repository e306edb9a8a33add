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
#include <QPlainTextEdit>

// A shown frame keeping its matches in `store` (not yet opened) and drawing from `random`.
inline std::unique_ptr<mdiMain> shownFrame(const QString &store, RandomSource *random = nullptr)
{
    auto frame = std::make_unique<mdiMain>();
    frame->session().setStorePath(store);
    frame->session().setRandomSource(random);
    frame->show();
    return frame;
}

inline void trigger(const QObject *frame, const QString &action)
{
    find<QAction>(frame, action)->trigger();
}

// A shown frame with its match store open, set to `speed` if one is given.
inline std::unique_ptr<mdiMain> openedFrame(const QString &store, RandomSource *random = nullptr,
                                            const QString &speed = {})
{
    auto frame = shownFrame(store, random);
    frame->openMatchStore();
    if (!speed.isEmpty())
        trigger(frame.get(), speed);
    return frame;
}

// Answers the dialogs of a match start: the in-built teams, the caller calling heads, the toss's
// winner batting; any question is answered Yes.
inline void answerMatchStart(QWidget *modal)
{
    if (modal->objectName() == u"frmTeamMode")
        return click(modal, u"cmdInBuilt"_s);
    if (modal->objectName() != u"frmToss")
        return ModalDriver::answer(QMessageBox::Yes)(modal);
    click(modal, u"cmdHeads"_s);
    click(modal, u"cmdBat"_s);
}

inline void startInBuiltMatch(mdiMain &frame)
{
    ModalDriver modals(answerMatchStart);
    trigger(&frame, u"mnu2Human"_s);
}

inline void pressRoll(mdiMain &frame)
{
    click(frame.matchWindows().innings(frame.session().match().currentInnings()), u"cmdRoll"_s);
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
                shown << name + u" enabled="_s + QString::number(control->isEnabled()) + at;
        }
        if (auto *log = window->findChild<QPlainTextEdit *>())
            shown << log->toPlainText();
    }
    if (area->activeSubWindow())
        shown << u"active "_s + area->activeSubWindow()->windowTitle();
    return shown;
}

inline QStringList screenOf(mdiMain &frame)
{
    return screenOf(frame.mdiArea());
}
