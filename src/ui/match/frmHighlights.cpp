// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmHighlights.h"

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPlainTextEdit>
#include <QTextCursor>

using namespace Qt::StringLiterals;

frmHighlights::frmHighlights(const QString &log, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmHighlights"), true, parent),
      m_text(new QPlainTextEdit(client()))
{
    setWindowTitle(tr("Highlights Summary"));
    m_text->setObjectName(QStringLiteral("txtHighlights"));
    m_text->setGeometry(twipsRect(0, 0, 7815, 1455));
    m_text->setFont(sansSerifFont(8.25));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setReadOnly(true); // only the game writes the log
    // Nothing to undo in a log only the game writes; a replay would pile up its every move.
    m_text->setUndoRedoEnabled(false);
    m_text->setAccessibleName(tr("Match highlights"));
    // Filled as the window is: the scroll bar, changing with every entry, is then painted
    // without the window's title bar under it.
    client()->setAutoFillBackground(true);
    setLog(log);
    setClientTwips(7770, 1395);
}

void frmHighlights::addEntry(const QString &line)
{
    // The document keeps lines, not the CR LF pairs of the log; only the new line is laid out.
    QTextCursor top(m_text->document());
    top.insertText(line + QLatin1Char('\n'));
    m_shown.prepend(line + QLatin1Char('\n'));
}

// Newer logs only add entries on top: a replay moving back and forth adds or takes away the top
// lines, and the lines below keep their layout.
void frmHighlights::setLog(const QString &log)
{
    const QString text = QString(log).replace(u"\r\n"_s, u"\n"_s);
    const QString shown = m_shown;
    m_shown = text;
    if (shown == text)
        return;
    QTextCursor top(m_text->document());
    if (!shown.isEmpty() && text.endsWith(shown)) {
        top.insertText(text.first(text.size() - shown.size()));
    } else if (shown.endsWith(text)) {
        top.setPosition(int(shown.size() - text.size()), QTextCursor::KeepAnchor);
        top.removeSelectedText();
    } else {
        m_text->setPlainText(text);
    }
}
