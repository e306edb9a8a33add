// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmToss.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *makeTossLabel(QWidget *parent, const QString &name, int top)
{
    QLabel *label = makeLabel(parent, name, QString(), 120, top, 4455, 615);
    setSingleBorder(label);
    setForeColour(label, QColor(0, 0, 192));
    label->setFont(sansSerifFont(9.75));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmToss::frmToss(std::array<Side, 2> &sides, RandomSource &random, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_sides(sides),
      m_random(random)
{
    setObjectName(QStringLiteral("frmToss"));
    setWindowTitle(QStringLiteral("frmToss"));
    setBackColour(this, QColor(192, 192, 192));
    setFixedClientTwips(this, 4710, 3195);

    m_lbltoss = makeTossLabel(this, QStringLiteral("lbltoss"), 120);
    m_cmdHeads =
        makeButton(this, QStringLiteral("cmdHeads"), QStringLiteral("&Heads"), 960, 960, 855, 375);
    m_cmdTails =
        makeButton(this, QStringLiteral("cmdTails"), QStringLiteral("&Tails"), 2880, 960, 855, 375);
    m_lblresult = makeTossLabel(this, QStringLiteral("lblresult"), 1560);
    m_lblresult->hide();
    m_cmdBat =
        makeButton(this, QStringLiteral("cmdBat"), QStringLiteral("&Bat"), 960, 2400, 855, 375);
    m_cmdBowl =
        makeButton(this, QStringLiteral("cmdBowl"), QStringLiteral("B&owl"), 2880, 2400, 855, 375);
    m_cmdBat->hide();
    m_cmdBowl->hide();
    setTabOrder(m_cmdHeads, m_cmdTails);
    setTabOrder(m_cmdTails, m_cmdBat);
    setTabOrder(m_cmdBat, m_cmdBowl);

    connect(m_cmdHeads, &QPushButton::clicked, this, &frmToss::cmdHeads_Click);
    connect(m_cmdTails, &QPushButton::clicked, this, &frmToss::cmdTails_Click);
    connect(m_cmdBat, &QPushButton::clicked, this, &frmToss::cmdBat_Click);
    connect(m_cmdBowl, &QPushButton::clicked, this, &frmToss::cmdBowl_Click);
}

TossRecord frmToss::showModal(QWidget *parent, std::array<Side, 2> &sides, RandomSource &random)
{
    frmToss window(sides, random, parent);
    window.Form_Load();
    window.exec();
    return window.m_toss;
}

void frmToss::Form_Load()
{
    m_lbltoss->setText(TossRules::tossText(m_sides));
    m_cmdHeads->setFocus();
}

void frmToss::cmdHeads_Click()
{
    call(TossRules::Call::Heads);
}

void frmToss::cmdTails_Click()
{
    call(TossRules::Call::Tails);
}

void frmToss::call(TossRules::Call call)
{
    // One flip per dialog: a second press cannot reach here once both buttons are disabled.
    if (m_CoinResult != 0)
        return;
    m_CoinResult = quint8(TossRules::flipCoin(m_random));
    m_toss.call = call;
    m_toss.coin = m_CoinResult;
    m_CallerWon = TossRules::callerWon(call, m_CoinResult);
    m_lblresult->show();
    m_cmdBat->show();
    m_cmdBowl->show();
    m_cmdHeads->setEnabled(false);
    m_cmdTails->setEnabled(false);
    m_cmdBat->setFocus();
    ShowTossResult();
}

void frmToss::ShowTossResult()
{
    m_lblresult->setText(TossRules::resultText(m_sides, m_CoinResult, m_CallerWon));
}

void frmToss::cmdBat_Click()
{
    choose(TossRules::Choice::Bat);
}

void frmToss::cmdBowl_Click()
{
    choose(TossRules::Choice::Bowl);
}

void frmToss::choose(TossRules::Choice choice)
{
    if (m_CoinResult == 0 || m_decided)
        return;
    m_decided = true;
    m_toss.choice = choice;
    TossRules::applyChoice(m_sides, m_CallerWon, choice);
    accept();
}

void frmToss::reject()
{
    // Esc and the window frame land here; only Bat or Bowl may end the toss.
}
