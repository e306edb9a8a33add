// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmSide.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/LongNames.h"

#include <QLabel>
#include <QPushButton>

frmSide::frmSide(const std::array<Side, 2> &sides, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmSide"));
    setWindowTitle(tr("Choose Your Side"));
    // The toss's look, since the toss follows at once.
    setBackColour(this, QColor(192, 192, 192));
    setFixedClientTwips(this, 4710, 1545);

    m_lblSide = makeLabel(this, QStringLiteral("lblSide"), tr("Which side will you play?"), 120,
                          120, 4455, 375);
    setForeColour(m_lblSide, QColor(0, 0, 192));
    m_lblSide->setFont(sansSerifFont(9.75));
    m_lblSide->setAlignment(Qt::AlignCenter);

    for (std::size_t i = 0; i < m_cmdSide.size(); ++i) {
        const int index = int(i);
        m_cmdSide[i] = makeButton(this, QStringLiteral("cmdSide_") + QString::number(index),
                                  QString(), 360 + 2160 * index, 720, 1815, 495);
        setTeamButton(m_cmdSide[i], sides[i].team.Name.trimmed());
        connect(m_cmdSide[i], &QPushButton::clicked, this, [this, index] { cmdSide_Click(index); });
    }
    setTabOrder(m_cmdSide[0], m_cmdSide[1]);
    m_cmdSide[0]->setFocus();
}

int frmSide::showModal(QWidget *parent, const std::array<Side, 2> &sides)
{
    frmSide window(sides, parent);
    window.exec();
    return window.m_chosen;
}

void frmSide::cmdSide_Click(int index)
{
    m_chosen = index;
    accept();
}
