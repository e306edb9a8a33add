// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/MatchSubWindow.h"

class QPlainTextEdit;

// The highlights log of the match, newest entry on top.
class frmHighlights : public MatchSubWindow
{
    Q_OBJECT
public:
    explicit frmHighlights(QWidget *parent = nullptr);

    // The log as the game keeps it: entries ended by CR LF, "Match Highlights" last.
    const QString &log() const { return m_log; }
    void addEntry(const QString &line);

private:
    QString m_log;
    QPlainTextEdit *m_text;
};

// Puts a line on top of the log, opening the highlights window again if it has been closed.
void AddHighlight(const QString &line);
