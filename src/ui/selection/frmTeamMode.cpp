// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmTeamMode.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/selection/frmTeamSelection.h"

#include <QLabel>
#include <QPushButton>

frmTeamMode::frmTeamMode(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTeamMode"));
    setWindowTitle(QStringLiteral("Use Game Teams or Select from Database"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 6075, 1905);

    m_label1 = makeLabel(this, QStringLiteral("Label1"),
                         QStringLiteral("Would you like to the use the in-built teams or choose "
                                        "teams and players from the database?  If you use the "
                                        "in-built teams, no statistics will be recorded for the "
                                        "match."),
                         120, 120, 5895, 615);
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Created first, so it is first in tab order and holds the focus when the window opens.
    m_cmdInBuilt = makeButton(this, QStringLiteral("cmdInBuilt"), QStringLiteral("&In-built Teams"),
                              360, 1080, 2055, 615);
    m_cmdChoose = makeButton(this, QStringLiteral("cmdChoose"),
                             QStringLiteral("&Choose teams manually"), 3600, 1080, 2055, 615);
    setTabOrder(m_cmdInBuilt, m_cmdChoose);
    m_cmdInBuilt->setFocus();

    connect(m_cmdInBuilt, &QPushButton::clicked, this, &frmTeamMode::cmdInBuilt_Click);
    connect(m_cmdChoose, &QPushButton::clicked, this, &frmTeamMode::cmdChoose_Click);
}

void frmTeamMode::cmdInBuilt_Click()
{
    // The teams of the last match (the in-built ones at first) stay exactly as they are.
    accept();
}

void frmTeamMode::cmdChoose_Click()
{
    // Team selection is shown by showModal once this window is gone.
    m_chooseManually = true;
    accept();
}

std::optional<TeamSource> frmTeamMode::showModal(QWidget *parent, std::array<Side, 2> &sides)
{
    bool chooseManually = false;
    {
        frmTeamMode window(parent);
        window.exec();
        chooseManually = window.chosenManually();
    }
    if (!chooseManually)
        return TeamSource::InBuilt;
    if (!frmTeamSelection::showModal(parent, sides))
        return std::nullopt;
    return TeamSource::PlayerFile;
}
