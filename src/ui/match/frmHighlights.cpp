// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmHighlights.h"

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPlainTextEdit>
#include <QTextCursor>

frmHighlights::frmHighlights(const QString &log, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmHighlights"), true, parent),
      m_text(new QPlainTextEdit(client()))
{
    setWindowTitle(QStringLiteral("Highlights Summary"));
    m_text->setObjectName(QStringLiteral("txtHighlights"));
    m_text->setGeometry(twipsRect(0, 0, 7815, 1455));
    m_text->setFont(sansSerifFont(8.25));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setReadOnly(true); // only the game writes the log
    m_text->setAccessibleName(QStringLiteral("Match highlights"));
    setLog(log);
    setClientTwips(7770, 1395);
}

void frmHighlights::addEntry(const QString &line)
{
    // The document keeps lines, not the CR LF pairs of the log; only the new line is laid out.
    QTextCursor top(m_text->document());
    top.insertText(line + QLatin1Char('\n'));
}

void frmHighlights::setLog(const QString &log)
{
    const QString text = QString(log).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_text->toPlainText() != text)
        m_text->setPlainText(text);
}
