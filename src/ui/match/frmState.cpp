// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmState.h"

#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/match/CaptionWriter.h"

#include <QLabel>

namespace {

QLabel *heading(QWidget *parent, int index, const QString &caption, int left, int top, int width)
{
    QLabel *label = makeLabel(parent, QStringLiteral("Label1_") + QString::number(index), caption,
                              left, top, width, 255);
    // Liberation Sans runs wider than the old bitmap face: "Session:" needs the smaller size.
    label->setFont(sansSerifFont(7.5));
    return label;
}

QLabel *value(QWidget *parent, const QString &name, int left, int top, int width)
{
    QLabel *label = makeLabel(parent, name, QString(), left, top, width, 255);
    label->setFont(sansSerifFont(8.25));
    label->setAlignment(Qt::AlignCenter);
    setBackColour(label, colourFromBgr(0xC0FFFF));
    setSingleBorder(label);
    return label;
}

} // namespace

frmState::frmState(const ClockModel &clock, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmState"), false, parent), m_model(clock)
{
    setWindowTitle(tr("State of Play"));
    QWidget *form = client();
    setBackColour(form, colourFromBgr(0xC0E0FF));
    heading(form, 0, tr("Day:"), 120, 120, 615);
    m_day = value(form, QStringLiteral("lblDay"), 120, 360, 495);
    heading(form, 4, tr("Session:"), 960, 120, 615);
    m_session = value(form, QStringLiteral("lblSession"), 960, 360, 495);
    heading(form, 1, tr("Time:"), 120, 720, 615);
    m_time = value(form, QStringLiteral("lblTime"), 120, 960, 735);
    heading(form, 2, tr("Overs Today"), 120, 1320, 1215);
    m_overs = value(form, QStringLiteral("lblOvers"), 120, 1560, 495);
    heading(form, 3, tr("Overs Remaining:"), 120, 1920, 1335);
    m_oversRemaining = value(form, QStringLiteral("lblOversR"), 120, 2160, 495);
    setClientTwips(1905, 2565);
    writeCaptions();
}

void frmState::writeCaptions()
{
    using namespace CaptionWriter;
    setNumber(m_day, m_model.day);
    setNumber(m_session, m_model.session);
    setText(m_time, m_model.timeCaption());
    setNumber(m_overs, m_model.overs);
    setNumber(m_oversRemaining, m_model.oversRemaining);
}
