// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmTeamMode.h"

#include "core/session/MatchSession.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/selection/frmChooseSides.h"
#include "ui/selection/frmTeamSelection.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

frmTeamMode::frmTeamMode(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTeamMode"));
    setWindowTitle(tr("Use Game Teams or Select from Database"));
    setFont(sansSerifFont(8));
    // A row below the design's two buttons holds the saved sides'.
    setFixedClientTwips(this, 6075, 2625);

    m_label1 = makeLabel(this, QStringLiteral("Label1"),
                         tr("Would you like to the use the in-built teams or choose "
                            "teams and players from the database?  If you use the "
                            "in-built teams, no statistics will be recorded for the "
                            "match."),
                         120, 120, 5895, 615);
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Created first, so it is first in tab order and holds the focus when the window opens.
    m_cmdInBuilt =
        makeButton(this, QStringLiteral("cmdInBuilt"), tr("&In-built Teams"), 360, 1080, 2055, 615);
    m_cmdChoose = makeButton(this, QStringLiteral("cmdChoose"), tr("&Choose teams manually"), 3600,
                             1080, 2055, 615);
    m_cmdSaved = makeButton(this, u"cmdSaved"_s, tr("&Saved Sides…"), 2010, 1800, 2055, 615);
    setTabOrder(m_cmdInBuilt, m_cmdChoose);
    setTabOrder(m_cmdChoose, m_cmdSaved);
    m_cmdInBuilt->setFocus();

    connect(m_cmdInBuilt, &QPushButton::clicked, this, &frmTeamMode::cmdInBuilt_Click);
    connect(m_cmdChoose, &QPushButton::clicked, this, &frmTeamMode::cmdChoose_Click);
    connect(m_cmdSaved, &QPushButton::clicked, this, &frmTeamMode::cmdSaved_Click);
}

void frmTeamMode::cmdInBuilt_Click()
{
    // The teams of the last match (the in-built ones at first) stay exactly as they are.
    accept();
}

void frmTeamMode::cmdChoose_Click()
{
    // Team selection is shown by showModal once this window is gone.
    m_choice = Choice::Manually;
    accept();
}

void frmTeamMode::cmdSaved_Click()
{
    m_choice = Choice::Saved;
    accept();
}

std::optional<MatchSetup> frmTeamMode::showModal(QWidget *parent, MatchSession &session)
{
    MatchSetup setup;
    setup.sides = session.nextSides();
    Choice choice = Choice::InBuilt;
    {
        frmTeamMode window(parent);
        window.exec();
        choice = window.choice();
    }
    switch (choice) {
    case Choice::InBuilt:
        break;
    case Choice::Manually:
        if (!frmTeamSelection::showModal(parent, setup.sides, session.players()))
            return std::nullopt;
        session.setNextSides(setup.sides); // kept for the next match, toss or not
        setup.source = TeamSource::PlayerFile;
        break;
    case Choice::Saved: {
        const auto chosen = frmChooseSides::showModal(parent, session.sides());
        if (!chosen)
            return std::nullopt;
        // Before the toss: a side that cannot play starts nothing.
        if (const QString problem = session.chooseSides((*chosen)[0], (*chosen)[1]);
            !problem.isEmpty()) {
            QMessageBox::warning(parent, tr("Saved Sides"), problem);
            return std::nullopt;
        }
        setup.sides = session.nextSides();
        setup.source = teamSource((*chosen)[0], (*chosen)[1]);
        break;
    }
    }
    return setup;
}
