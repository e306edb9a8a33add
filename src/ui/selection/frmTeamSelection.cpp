// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmTeamSelection.h"

#include "ui/common/Controls.h"
#include "ui/common/EndProgram.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/selection/TeamPicker.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

using namespace Qt::StringLiterals;

frmTeamSelection::frmTeamSelection(std::array<Side, 2> &sides, const PlayerDatabase &players,
                                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_sides(sides)
{
    setObjectName(QStringLiteral("frmTeamSelection"));
    setWindowTitle(tr("Team Selection"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 7695, 5520);

    m_SSTab1 = new QTabWidget(this);
    m_SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_SSTab1->setGeometry(twipsRect(120, 120, 7455, 4815));
    for (int tab = 0; tab < 2; ++tab) {
        QWidget *page = new QWidget;
        page->setObjectName(u"SSTab1Page_"_s + QString::number(tab));
        m_SSTab1->addTab(page, tab == 0 ? tr("Team &1") : tr("Team &2"));
        // The picker's layout is measured from the corner of the tab control, tab strip
        // included; it is kept there whatever height the style gives the strip.
        page->installEventFilter(this);
        m_pages[std::size_t(tab)] = page;
        m_pickers[std::size_t(tab)] = new TeamPicker(tab, players, page);
        connect(m_pickers[std::size_t(tab)], &TeamPicker::picksChanged, this,
                &frmTeamSelection::picksChanged);
    }

    m_cmdUndo = makeButton(this, QStringLiteral("cmdUndo"), tr("&Undo Pick"), 120, 5040, 1215, 375);
    m_cmdUndo->setToolTip(tr("Take back the last player picked (Backspace)"));
    m_cmdUndo->setEnabled(false);
    connect(m_cmdUndo, &QPushButton::clicked, this, &frmTeamSelection::cmdUndo_Click);
    // A shortcut of its own: the button's is its Alt letter.
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), this), &QShortcut::activated, this,
            &frmTeamSelection::cmdUndo_Click);
    connect(m_SSTab1, &QTabWidget::currentChanged, this, &frmTeamSelection::updateUndo);
    m_cmdCancel =
        makeButton(this, QStringLiteral("cmdCancel"), tr("&Cancel"), 4800, 5040, 1215, 375);
    m_cmdOk = makeButton(this, QStringLiteral("cmdOk"), tr("&Ok"), 6360, 5040, 1215, 375);
    m_cmdOk->setDefault(true);
    m_cmdOk->setEnabled(false);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmTeamSelection::cmdCancel_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &frmTeamSelection::cmdOk_Click);
}

bool frmTeamSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
        event->type() == QEvent::Show) {
        for (int tab = 0; tab < 2; ++tab) {
            if (watched == m_pages[std::size_t(tab)]) {
                const QPoint corner = m_pages[std::size_t(tab)]->mapTo(m_SSTab1, QPoint(0, 0));
                m_pickers[std::size_t(tab)]->move(-corner);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTeamSelection::cboTeams_Click(int index)
{
    m_pickers[std::size_t(index)]->cboTeams_Click();
}

void frmTeamSelection::lstPlayers_DblClick(int index)
{
    m_pickers[std::size_t(index)]->lstPlayers_DblClick();
}

void frmTeamSelection::cmdUndo_Click()
{
    m_pickers[std::size_t(m_SSTab1->currentIndex())]->undo();
}

// Both elevens complete are written into the sides at once; Ok waits for them.
void frmTeamSelection::picksChanged()
{
    const bool complete = m_pickers[0]->sheet().complete() && m_pickers[1]->sheet().complete();
    if (complete) {
        for (std::size_t tab = 0; tab < 2; ++tab)
            m_pickers[tab]->sheet().writeSide(m_sides[tab], m_pickers[tab]->country());
    }
    m_cmdOk->setEnabled(complete);
    updateUndo();
}

void frmTeamSelection::updateUndo()
{
    m_cmdUndo->setEnabled(m_pickers[std::size_t(m_SSTab1->currentIndex())]->sheet().picked() > 0);
}

void frmTeamSelection::cmdOk_Click()
{
    m_done = true;
    accept();
}

void frmTeamSelection::cmdCancel_Click()
{
    m_ending = true;
    endProgram();
}

void frmTeamSelection::reject()
{
    cmdCancel_Click();
}

void frmTeamSelection::closeEvent(QCloseEvent *event)
{
    // Half-picked teams must never reach a match: closing is cancelling.
    if (m_done || m_ending) {
        event->accept();
        return;
    }
    event->ignore();
    cmdCancel_Click();
}

bool frmTeamSelection::showModal(QWidget *parent, std::array<Side, 2> &sides,
                                 const PlayerDatabase &players)
{
    frmTeamSelection window(sides, players, parent);
    window.exec();
    return window.m_done && !window.m_ending;
}
