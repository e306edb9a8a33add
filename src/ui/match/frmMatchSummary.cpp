// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmMatchSummary.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/match/CaptionWriter.h"

#include <QLabel>

namespace {

QLabel *scoreLabel(QWidget *parent, const QString &name, int left, int top)
{
    QLabel *label = makeLabel(parent, name, QString(), left, top, 735, 255);
    label->setFont(sansSerifFont(8.25));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setBackColour(label, Qt::white);
    setSingleBorder(label);
    return label;
}

QLabel *teamLabel(QWidget *parent, const QString &name, int top)
{
    QLabel *label = makeLabel(parent, name, QString(), 120, top, 1575, 255);
    label->setFont(sansSerifFont(8.25));
    return label;
}

} // namespace

frmMatchSummary::frmMatchSummary(const SummaryModel &model, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmMatchSummary"), false, parent), m_model(model)
{
    setWindowTitle(tr("Match Summary"));
    QWidget *form = client();
    setBackColour(form, QColor(255, 224, 192));
    m_team1 = teamLabel(form, QStringLiteral("lblTeam1"), 120);
    m_innings[1] = scoreLabel(form, QStringLiteral("lblInn1"), 120, 360);
    m_innings[3] = scoreLabel(form, QStringLiteral("lblInn3"), 960, 360);
    m_total1 = scoreLabel(form, QStringLiteral("lblTotal1"), 960, 720);
    m_team2 = teamLabel(form, QStringLiteral("lblTeam2"), 1080);
    m_innings[2] = scoreLabel(form, QStringLiteral("lblInn2"), 120, 1320);
    m_innings[4] = scoreLabel(form, QStringLiteral("lblInn4"), 960, 1320);
    m_total2 = scoreLabel(form, QStringLiteral("lblTotal2"), 960, 1680);
    setClientTwips(1845, 2070);
    writeCaptions();
}

void frmMatchSummary::writeCaptions()
{
    using namespace CaptionWriter;
    setText(m_team1, m_model.team1);
    setText(m_team2, m_model.team2);
    for (std::size_t i = 1; i < m_innings.size(); ++i)
        setNumber(m_innings[i], m_model.innings[i]);
    setNumber(m_total1, m_model.total1);
    setNumber(m_total2, m_model.total2);
}
