// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/match/MatchSubWindow.h"

class QPlainTextEdit;

// The highlights log of the match, newest entry on top.
class frmHighlights : public MatchSubWindow
{
    Q_OBJECT
public:
    // Shows the log as the match keeps it: entries ended by CR LF, "Match Highlights" last.
    explicit frmHighlights(const QString &log, QWidget *parent = nullptr);

    // Puts the match's newest entry on top.
    void addEntry(const QString &line);
    // Shows the whole log again, as the match keeps it.
    void setLog(const QString &log);

private:
    QPlainTextEdit *m_text;
    QString m_shown; // the box's text, kept here: reading it back copies the whole log
};
