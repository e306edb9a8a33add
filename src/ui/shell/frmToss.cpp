// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmToss.h"

#include "core/common/RandomSource.h"
#include "core/net/NetMatch.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/LongNames.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

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

frmToss::frmToss(std::array<Side, 2> &sides, RandomSource &random, std::array<bool, 2> computer,
                 QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_sides(sides),
      m_random(random), m_computer(computer)
{
    setObjectName(QStringLiteral("frmToss"));
    //: Title bar of the toss window.
    setWindowTitle(tr("frmToss"));
    setBackColour(this, QColor(192, 192, 192));
    setFixedClientTwips(this, 4710, 3195);

    m_lbltoss = makeTossLabel(this, QStringLiteral("lbltoss"), 120);
    m_cmdHeads = makeButton(this, QStringLiteral("cmdHeads"), tr("&Heads"), 960, 960, 855, 375);
    m_cmdTails = makeButton(this, QStringLiteral("cmdTails"), tr("&Tails"), 2880, 960, 855, 375);
    m_lblresult = makeTossLabel(this, QStringLiteral("lblresult"), 1560);
    m_lblresult->hide();
    m_cmdBat = makeButton(this, QStringLiteral("cmdBat"), tr("&Bat"), 960, 2400, 855, 375);
    m_cmdBowl = makeButton(this, QStringLiteral("cmdBowl"), tr("B&owl"), 2880, 2400, 855, 375);
    m_cmdBat->hide();
    m_cmdBowl->hide();
    // In the room under Bat and Bowl: what the computer did, for the user to follow.
    m_lblcpu = makeLabel(this, QStringLiteral("lblcpu"), QString(), 120, 2835, 4455, 300);
    setForeColour(m_lblcpu, QColor(0, 0, 192));
    m_lblcpu->setFont(sansSerifFont(8.25));
    m_lblcpu->hide();
    setTabOrder(m_cmdHeads, m_cmdTails);
    setTabOrder(m_cmdTails, m_cmdBat);
    setTabOrder(m_cmdBat, m_cmdBowl);

    connect(m_cmdHeads, &QPushButton::clicked, this, &frmToss::cmdHeads_Click);
    connect(m_cmdTails, &QPushButton::clicked, this, &frmToss::cmdTails_Click);
    connect(m_cmdBat, &QPushButton::clicked, this, &frmToss::cmdBat_Click);
    connect(m_cmdBowl, &QPushButton::clicked, this, &frmToss::cmdBowl_Click);
}

TossRecord frmToss::showModal(QWidget *parent, std::array<Side, 2> &sides, RandomSource &random,
                              std::array<bool, 2> computer)
{
    frmToss window(sides, random, computer, parent);
    window.Form_Load();
    window.exec();
    return window.m_toss;
}

void frmToss::followNetwork(NetMatch &net)
{
    m_net = &net;
    connect(&net, &NetMatch::tossChanged, this, &frmToss::netTossChanged);
    connect(&net, &NetMatch::turnChanged, this, [this] {
        if (m_net->phase() == NetMatch::Phase::Playing)
            QDialog::accept();
    });
    connect(&net, &NetMatch::ended, this, [this] { QDialog::done(Rejected); });
}

void frmToss::Form_Load()
{
    setTeamCaption(m_lbltoss, m_sides, &TossRules::tossText);
    m_cmdHeads->setFocus();
    if (m_net && m_net->localSide() != 1) {
        m_cmdHeads->setEnabled(false);
        m_cmdTails->setEnabled(false);
        tellComputerMove(tr("Waiting for %1 to call.").arg(m_sides[1].team.Name.trimmed()));
    }
    if (m_net) { // the other computer may have been quicker than this window
        netTossChanged();
        if (m_net->phase() == NetMatch::Phase::Playing)
            QTimer::singleShot(0, this, &QDialog::accept);
        return;
    }
    if (!m_computer[1])
        return;
    m_random.reseed();
    const bool heads = m_random.draw(2) == TossRules::Heads;
    (heads ? m_cmdHeads : m_cmdTails)->setDown(true);
    tellComputerMove((heads ? tr("%1 calls heads.") : tr("%1 calls tails."))
                         .arg(m_sides[1].team.Name.trimmed()));
    call(heads ? TossRules::Call::Heads : TossRules::Call::Tails);
}

void frmToss::tellComputerMove(const QString &move)
{
    m_cpuMoves = m_cpuMoves.isEmpty() ? move : m_cpuMoves + u' ' + move;
    setElidedCaption(m_lblcpu, m_cpuMoves);
    m_lblcpu->show();
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
    if (m_net) { // the coin comes once both computers have thrown it
        m_cmdHeads->setEnabled(false);
        m_cmdTails->setEnabled(false);
        m_net->call(call);
        return;
    }
    flipped(call, TossRules::flipCoin(m_random));
}

void frmToss::netTossChanged()
{
    if (m_CoinResult != 0 || !m_net->coin())
        return;
    const TossRules::Call call = *m_net->tossCall();
    if (m_net->localSide() != 1) {
        const bool heads = call == TossRules::Call::Heads;
        (heads ? m_cmdHeads : m_cmdTails)->setDown(true);
        m_cpuMoves.clear();
        tellComputerMove((heads ? tr("%1 calls heads.") : tr("%1 calls tails."))
                             .arg(m_sides[1].team.Name.trimmed()));
    }
    flipped(call, m_net->coin());
}

void frmToss::flipped(TossRules::Call call, int coin)
{
    m_CoinResult = quint8(coin);
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
    const std::size_t winner = m_CallerWon ? 1 : 0;
    if (m_net && int(winner) != m_net->localSide()) {
        m_cmdBat->setEnabled(false);
        m_cmdBowl->setEnabled(false);
        tellComputerMove(tr("Waiting for %1 to choose.").arg(m_sides[winner].team.Name.trimmed()));
        return;
    }
    if (!m_computer[winner])
        return;
    // The computer always bats; the user sees its choice before the window goes.
    m_cmdBat->setDown(true);
    m_cmdBat->setEnabled(false);
    m_cmdBowl->setEnabled(false);
    tellComputerMove(tr("%1 chooses to bat.").arg(m_sides[winner].team.Name.trimmed()));
    QTimer::singleShot(ComputerChoiceMs, this, [this] { choose(TossRules::Choice::Bat); });
}

void frmToss::ShowTossResult()
{
    setTeamCaption(m_lblresult, m_sides, [this](const std::array<Side, 2> &sides) {
        return TossRules::resultText(sides, m_CoinResult, m_CallerWon);
    });
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
    if (m_net) // the match begins on both computers, and this window closes
        return m_net->choose(choice);
    m_toss.choice = choice;
    TossRules::applyToss(m_sides, m_toss);
    accept();
}

void frmToss::reject()
{
    // Esc and the window frame land here; only Bat or Bowl may end the toss.
}
