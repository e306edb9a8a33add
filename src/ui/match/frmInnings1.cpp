// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmInnings1.h"

#include "core/common/CaptionNumbers.h"
#include "core/match/Match.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/match/CaptionWriter.h"
#include "ui/match/CardLabel.h"
#include "ui/match/FilledEllipse.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Heading
{
    const char *caption;
    int left, top, width;
    bool right;
};

// Column headings lbl(0..6): left, top, width; all 255 twips high, bold.
constexpr Heading headings[] = {
    {QT_TRANSLATE_NOOP("frmInnings1", "Name"), 240, 120, 1335, false},
    {QT_TRANSLATE_NOOP("frmInnings1", "How Out"), 2280, 120, 2775, false},
    {QT_TRANSLATE_NOOP("frmInnings1", "Runs"), 5160, 120, 495, true},
    {QT_TRANSLATE_NOOP("frmInnings1", "Balls"), 5760, 120, 495, true},
    {QT_TRANSLATE_NOOP("frmInnings1", "Mins"), 6360, 120, 495, true},
    {QT_TRANSLATE_NOOP("frmInnings1", "FOW"), 6960, 120, 495, true},
    {QT_TRANSLATE_NOOP("frmInnings1", "Extras:"), 4320, 3120, 735, true},
};

constexpr int lineTop = 360;
constexpr int lineStep = 240;
constexpr int rowHeight = 255;
constexpr int markerBelowName = 60;

QLabel *tableLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                   int width, bool right, const QFont &font)
{
    QLabel *label = placeLabel(new CardLabel(caption, parent), name, left, top, width, rowHeight);
    label->setFont(font);
    label->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

} // namespace

frmInnings1::frmInnings1(const Match &match, int innings, QWidget *parent)
    : MatchSubWindow(QStringLiteral("frmInnings1"), false, parent), m_match(match),
      m_innings(innings)
{
    buildControls();
    setClientTwips(7800, 4230);
    writeCaptions();
}

void frmInnings1::buildControls()
{
    QWidget *form = client();
    // The box comes first so that it is first in the tab order.
    m_box = new QLineEdit(form);
    m_box->setObjectName(QStringLiteral("txtRoll"));
    m_box->setGeometry(twipsRect(6960, 3690, 735, 405));
    m_box->setMaxLength(1);
    m_box->setFont(sansSerifFont(12, true));
    m_box->setAlignment(Qt::AlignCenter);
    m_box->setAccessibleName(tr("Die face"));

    m_roll = makeButton(form, QStringLiteral("cmdRoll"), tr("&ROLL"), 6120, 3720, 735, 405);
    m_roll->setFont(sansSerifFont(8.25));
    setDefaultButton(m_roll);
    setTabOrder(m_box, m_roll);

    const QFont heading = sansSerifFont(8.25, true);
    const QFont body = sansSerifFont(9.75);
    for (std::size_t i = 0; i < m_headings.size(); ++i) {
        const Heading &h = headings[i];
        m_headings[i] = tableLabel(form, QStringLiteral("lbl_") + QString::number(i), tr(h.caption),
                                   h.left, h.top, h.width, h.right, heading);
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const int top = lineTop + lineStep * int(i);
        const QString index = QString::number(i);
        Line &line = m_lines[i];
        line.name = tableLabel(form, QStringLiteral("lblName_") + index, QString(), 240, top, 1935,
                               false, body);
        line.howOut = tableLabel(form, QStringLiteral("lblHowOut_") + index, QString(), 2280, top,
                                 2775, false, body);
        line.runs = tableLabel(form, QStringLiteral("lblRuns_") + index, QString(), 5160, top, 495,
                               true, body);
        line.balls = tableLabel(form, QStringLiteral("lblBalls_") + index, QString(), 5760, top,
                                495, true, body);
        line.mins = tableLabel(form, QStringLiteral("lblMins_") + index, QString(), 6360, top, 495,
                               true, body);
        line.fow = tableLabel(form, QStringLiteral("lblFOW_") + index, QString(), 6960, top, 735,
                              true, body);
    }
    m_extras =
        tableLabel(form, QStringLiteral("lblExtras"), QString(), 5160, 3120, 495, true, body);
    m_totalLine = tableLabel(form, QStringLiteral("lblTotalLine"), QString(), 1800, 3360, 3255,
                             true, heading);
    m_total = tableLabel(form, QStringLiteral("lblTotal"), QString(), 5160, 3360, 495, true, body);

    m_facing = new FilledEllipse(colourFromBgr(Bgr::DarkRed), form);
    m_facing->setObjectName(QStringLiteral("shpFacing"));
    m_facing->setGeometry(twipsRect(0, 420, 255, 105));

    connect(m_roll, &QPushButton::clicked, this, &frmInnings1::cmdRoll_Click);
    connect(m_box, &QLineEdit::textChanged, this, &frmInnings1::txtRoll_Change);
}

void frmInnings1::writeCaptions()
{
    using namespace CaptionWriter;
    const InningsModel &model = m_match.innings(m_innings);
    if (windowTitle() != model.caption)
        setWindowTitle(model.caption);
    setBack(client(), model.backColour);
    for (QLabel *heading : m_headings)
        setFore(heading, model.headingColour);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const BattingLine &figures = model.lines[i];
        const Line &line = m_lines[i];
        setText(line.name, figures.name);
        setText(line.howOut, figures.howOut);
        setNumber(line.runs, figures.runs);
        setNumber(line.balls, figures.balls);
        setNumber(line.mins, figures.mins);
        setText(line.fow, figures.fow);
        setFore(line.name, figures.nameColour);
        setFore(line.howOut, figures.howOutColour);
        setFore(line.runs, figures.runsColour);
        setFore(line.balls, figures.ballsColour);
        setFore(line.mins, figures.minsColour);
        setFore(line.fow, figures.fowColour);
    }
    setNumber(m_extras, model.extras);
    setFore(m_extras, Bgr::White);
    setText(m_totalLine, model.totalLineCaption());
    setFore(m_totalLine, model.totalLineColour);
    setNumber(m_total, model.total);
    setFore(m_total, Bgr::White);
    const int markerTop = m_lines[std::size_t(model.markerLine)].name->y() + twips(markerBelowName);
    if (m_facing->y() != markerTop)
        m_facing->move(m_facing->x(), markerTop);
    const bool enabled = model.rollEnabled && !m_computerBats;
    if (m_roll->isEnabled() != enabled || m_box->isEnabled() != (enabled && m_typedFaces)) {
        m_roll->setEnabled(enabled);
        m_box->setEnabled(enabled && m_typedFaces);
    }
}

void frmInnings1::setComputerBats(bool computer)
{
    m_computerBats = computer;
    writeCaptions();
}

void frmInnings1::setTypedFaces(bool typed)
{
    m_typedFaces = typed;
    writeCaptions();
}

void frmInnings1::clearRoll()
{
    m_box->setText(QString());
}

void frmInnings1::cmdRoll_Click()
{
    if (m_match.isOver())
        emit resultWanted();
    else
        emit overEntered(0);
}

void frmInnings1::txtRoll_Change()
{
    // Once the match is over the box only brings the result forward, and keeps its text.
    if (m_match.isOver()) {
        emit resultWanted();
        return;
    }
    const double face = captionValue(m_box->text());
    if (face > 0 && face < 7)
        emit overEntered(int(face));
    else if (!m_box->text().isEmpty())
        emit faceRefused();
    // Any text is taken once: emptying the box runs this handler again, which does nothing more.
    clearRoll();
}
