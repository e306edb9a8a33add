// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmResult.h"

#include "core/match/Match.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>

namespace {

QLabel *centred(QWidget *parent, const QString &name, const QString &caption, int top, int height,
                const QFont &font, const QColor &colour)
{
    QLabel *label = makeLabel(parent, name, caption, 120, top, 4455, height);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    setForeColour(label, colour);
    return label;
}

} // namespace

frmResult::frmResult(const Match &match, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmResult"), false, parent), m_timer(new QTimer(this))
{
    setWindowTitle(tr("End of Test Match"));
    QWidget *form = client();
    setBackColour(form, Qt::white);
    centred(form, QStringLiteral("Label1"), tr("The Result Of"), 120, 495, sansSerifFont(18, true),
            Qt::black);
    m_team1 = centred(form, QStringLiteral("lblTeam1"), QString(), 600, 615,
                      sansSerifFont(24, false, true), QColor(192, 0, 0));
    // A 24 pt line is taller than the 495-twip box it was drawn in; the box grows 30 twips each
    // way about the same middle so the whole line fits and the "V" stays where it was.
    //: Between the two team names: versus.
    centred(form, QStringLiteral("Label3"), tr("V"), 1170, 555, sansSerifFont(24, false, true),
            QColor(0, 0, 192));
    m_team2 = centred(form, QStringLiteral("lblTeam2"), QString(), 1680, 615,
                      sansSerifFont(24, false, true), QColor(192, 0, 0));
    m_result = centred(form, QStringLiteral("lblResult"), QString(), 2400, 855, sansSerifFont(9.75),
                       Qt::black);
    m_result->setWordWrap(true);
    setBackColour(m_result, QColor(255, 192, 192));
    setSingleBorder(m_result);
    m_ok = makeButton(form, QStringLiteral("cmdOk"), tr("&Ok"), 1920, 3360, 735, 375);
    m_ok->setFont(sansSerifFont(8.25));
    m_ok->setEnabled(false);
    setDefaultButton(m_ok);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(2000);
    // A coarse timer may fire up to 5% early; Ok must stay disabled for the full two seconds.
    m_timer->setTimerType(Qt::PreciseTimer);
    setClientTwips(4680, 3825);

    connect(m_timer, &QTimer::timeout, this, &frmResult::Timer1_Timer);
    connect(m_ok, &QPushButton::clicked, this, &frmResult::cmdOk_Click);

    m_team1->setText(match.summary().team1);
    m_team2->setText(match.summary().team2);
    m_result->setText(match.resultText());
    m_timer->start();
}

void frmResult::Timer1_Timer()
{
    if (m_ok->isEnabled())
        return;
    m_ok->setEnabled(true);
    // Nothing in the window could take the focus while Ok was disabled, so Enter went nowhere;
    // while the result is the window in front, Enter now presses Ok.
    if (mdiArea() && mdiArea()->activeSubWindow() == this)
        m_ok->setFocus();
}

void frmResult::cmdOk_Click()
{
    emit okPressed();
}
