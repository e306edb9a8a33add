// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

// Drives match start through the real modal dialogs: team mode answered with the in-built
// teams, the toss with a call and a choice (the coin itself comes from the test's script).

#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmState.h"

#include "TestSupport.h"

#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

namespace ShellMatch {

struct TossAnswer
{
    bool heads = true;
    bool bat = true;
    // Looks at the match while team mode, or the toss, is up.
    std::function<void()> atTeamMode = {};
    std::function<void()> atToss = {};
};

// The windows seen on the way, in order, for the test to check.
using Seen = std::shared_ptr<QStringList>;

inline void pressNamed(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QPushButton *>(QLatin1String(name)))
        QTest::mouseClick(button, Qt::LeftButton);
}

inline void answerToss(const TossAnswer &answer, const Seen &seen)
{
    whenModalShown([answer, seen](QWidget *toss) {
        *seen << toss->objectName();
        if (answer.atToss)
            answer.atToss();
        pressNamed(toss, answer.heads ? "cmdHeads" : "cmdTails");
        pressNamed(toss, answer.bat ? "cmdBat" : "cmdBowl");
    });
}

// Team mode gets "&In-built Teams" (a dialog without that button is simply closed), then the
// toss is answered.
inline void answerTeamModeAndToss(const TossAnswer &answer, const Seen &seen)
{
    whenModalShown([answer, seen](QWidget *teamMode) {
        *seen << teamMode->objectName();
        if (answer.atTeamMode)
            answer.atTeamMode();
        answerToss(answer, seen);
        if (auto *inBuilt = teamMode->findChild<QPushButton *>(QStringLiteral("cmdInBuilt")))
            QTest::mouseClick(inBuilt, Qt::LeftButton);
        else if (auto *dialog = qobject_cast<QDialog *>(teamMode))
            dialog->reject();
    });
}

// Answers the abandon question; on Yes the new start's dialogs are answered as well.
inline void answerAbandon(bool yes, const TossAnswer &answer, const Seen &seen)
{
    whenModalShown([yes, answer, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            *seen << modal->objectName();
            return;
        }
        *seen << box->text();
        if (box->defaultButton() == box->button(QMessageBox::No))
            *seen << QStringLiteral("default No");
        if (box->icon() == QMessageBox::Question)
            *seen << QStringLiteral("question");
        if (yes)
            answerTeamModeAndToss(answer, seen);
        QAbstractButton *button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
    });
}

inline QLabel *label(QWidget *window, const QString &name)
{
    return window->findChild<QLabel *>(name);
}

inline QString caption(QWidget *window, const QString &name)
{
    const QLabel *found = label(window, name);
    return found ? found->text() : QStringLiteral("<no %1>").arg(name);
}

inline QString lineCaption(int innings, const char *column, int line)
{
    return caption(MatchWindows::InningsWindows(innings),
                   QLatin1String(column) + QLatin1Char('_') + QString::number(line));
}

// The four match windows in the order match start opens them.
inline QList<QWidget *> matchWindows()
{
    return {MatchWindows::InningsWindows(1), MatchWindows::state(), MatchWindows::summary(),
            MatchWindows::highlights()};
}

inline bool noMatchWindowOpen()
{
    for (int i = 1; i <= 4; ++i) {
        if (MatchWindows::isInningsOpen(i))
            return false;
    }
    return !MatchWindows::isStateOpen() && !MatchWindows::isSummaryOpen() &&
           !MatchWindows::isHighlightsOpen() && !MatchWindows::isResultOpen() &&
           !MatchWindows::matchInProgress();
}

inline QString highlightsText()
{
    QWidget *window = MatchWindows::highlights();
    if (auto *plain = window->findChild<QPlainTextEdit *>(QStringLiteral("txtHighlights")))
        return plain->toPlainText();
    if (auto *rich = window->findChild<QTextEdit *>(QStringLiteral("txtHighlights")))
        return rich->toPlainText();
    return QStringLiteral("<no txtHighlights>");
}

// The running figures of every match window, which a fresh match shows at their design values.
inline QStringList designTimeFigures()
{
    QStringList figures;
    for (const char *name : {"lblTotal", "lblExtras", "lblRuns_0", "lblBalls_1", "lblMins_0"})
        figures << caption(MatchWindows::InningsWindows(1), QLatin1String(name));
    for (const char *name : {"lblInn1", "lblInn2", "lblInn3", "lblInn4", "lblTotal1", "lblTotal2"})
        figures << caption(MatchWindows::summary(), QLatin1String(name));
    for (const char *name : {"lblDay", "lblTime", "lblOvers", "lblOversR", "lblSession"})
        figures << caption(MatchWindows::state(), QLatin1String(name));
    figures << highlightsText();
    return figures;
}

inline const QStringList freshFigures{QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("0"),
                                      QStringLiteral("1"),
                                      QStringLiteral("10:00a"),
                                      QStringLiteral("0"),
                                      QStringLiteral("90"),
                                      QStringLiteral("1"),
                                      QStringLiteral("Match Highlights")};

} // namespace ShellMatch
