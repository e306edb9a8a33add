// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/MatchStatusBar.h"

#include "core/match/Match.h"
#include "core/session/MatchSession.h"

#include <QLabel>

using namespace Qt::StringLiterals;

MatchStatusBar::MatchStatusBar(MatchSession &session, QWidget *parent)
    : QStatusBar(parent), m_session(session), m_lblLastOver(new QLabel(this)),
      m_lblPaused(new QLabel(tr("Paused (Ctrl+Space)"), this)), m_lblTurn(new QLabel(this))
{
    setObjectName(u"stbMain"_s);
    m_lblLastOver->setObjectName(u"lblLastOver"_s);
    m_lblPaused->setObjectName(u"lblPaused"_s);
    addWidget(m_lblLastOver, 1);
    addPermanentWidget(m_lblPaused);
    m_lblPaused->hide();
    m_lblTurn->setObjectName(u"lblTurn"_s);
    m_lblTurn->setTextFormat(Qt::PlainText);
    addPermanentWidget(m_lblTurn);
    m_lblTurn->hide();
    connect(&session.match(), &Match::changed, this, &MatchStatusBar::showLastOver);
    connect(&session, &MatchSession::matchBegun, this, [this] {
        showLastOver();
        showPause();
    });
    connect(&session, &MatchSession::matchEnded, this, [this] {
        clearMessage();
        m_lblLastOver->clear();
        showPause();
    });
    connect(&session, &MatchSession::pausedChanged, this, &MatchStatusBar::showPause);
}

void MatchStatusBar::refuseFace()
{
    showMessage(tr("Type a face from 1 to 6, or press ROLL"));
}

void MatchStatusBar::showTurn(const QString &turn)
{
    m_lblTurn->setText(turn);
    m_lblTurn->setVisible(!turn.isEmpty());
}

void MatchStatusBar::showLastOver()
{
    clearMessage();
    m_lblLastOver->setText(overLine(m_session.match().lastOver()));
}

// Only a computer side in play has anything to pause.
void MatchStatusBar::showPause()
{
    const std::array<bool, 2> computer = m_session.computerSides();
    m_lblPaused->setVisible(m_session.inProgress() && m_session.paused() &&
                            (computer[0] || computer[1]));
}
