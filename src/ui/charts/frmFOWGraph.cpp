// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/charts/frmFOWGraph.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>

namespace {
QColor partnershipColour(int k)
{
    const RgbColour &rgb = PartnershipColours[std::size_t(k)];
    return QColor(rgb.red, rgb.green, rgb.blue);
}
} // namespace

frmFOWGraph::frmFOWGraph(const MatchState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("frmFOWGraph"));
    setWindowTitle(tr("Fall of Wickets/Partnership Graph"));
    resize(ChartLayout::DesignWidth, ChartLayout::DesignHeight);
    setForeColour(this, Qt::black);

    const QSize design(ChartLayout::DesignWidth, ChartLayout::DesignHeight);
    for (int i = 0; i < ChartLayout::LegendEntries; ++i) {
        auto *square = new QFrame(this);
        square->setObjectName(QStringLiteral("shpLegend_%1").arg(i));
        square->setFrameStyle(QFrame::Box | QFrame::Plain);
        square->setLineWidth(1);
        setForeColour(square, Qt::black);
        square->setGeometry(ChartLayout::legendSquareRect(i, design));
        m_shpLegend[std::size_t(i)] = square;

        auto *label = new QLabel(tr("1. Batter/Batter"), this);
        label->setObjectName(QStringLiteral("lblBatters_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(false);
        label->setFont(sansSerifFont(8));
        label->setAlignment(i < 5 ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignRight | Qt::AlignTop);
        label->setGeometry(ChartLayout::legendLabelRect(i, design));
        m_lblBatters[std::size_t(i)] = label;
    }

    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());

    m_units = ChartLayout::pieUnits(size());
    Form_Load();
}

void frmFOWGraph::showModal(QWidget *parent, const MatchState &state)
{
    frmFOWGraph window(state, parent);
    window.exec();
}

void frmFOWGraph::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmFOWGraph::Form_Load()
{
    const BattingCard *card = chartCard(m_state);
    const PartnershipFigures figures = card ? partnershipFigures(*card) : PartnershipFigures{};
    QStringList spoken;
    for (int k = 1; k <= ChartLayout::LegendEntries; ++k) {
        const int runs = figures.Partnership[std::size_t(k)];
        const QString text = card ? legendText(card->Pair[std::size_t(k)], runs) : QString();
        m_lblBatters[std::size_t(k - 1)]->setText(text);
        if (!text.isEmpty())
            spoken << tr("%1, %n runs", nullptr, runs).arg(card->Pair[std::size_t(k)].trimmed());
    }
    // The pie itself says nothing to a screen reader; the description does.
    setAccessibleDescription(
        spoken.isEmpty()
            ? tr("No partnership of this innings has ended yet.")
            : tr("Partnerships of this innings: %1.").arg(spoken.join(QStringLiteral("; "))));
    DrawPartnershipPie();
}

void frmFOWGraph::Form_Resize()
{
    // A minimised window has no room to lay out; it is laid out again when restored.
    if (isMinimized())
        return;
    const QSize client = size();
    m_units = ChartLayout::pieUnits(client);
    for (int i = 0; i < ChartLayout::LegendEntries; ++i) {
        m_shpLegend[std::size_t(i)]->setGeometry(ChartLayout::legendSquareRect(i, client));
        m_lblBatters[std::size_t(i)]->setGeometry(ChartLayout::legendLabelRect(i, client));
        setBackColour(m_shpLegend[std::size_t(i)], partnershipColour(i + 1));
    }
    DrawPartnershipPie();
}

void frmFOWGraph::DrawPartnershipPie()
{
    const BattingCard *card = chartCard(m_state);
    m_wedges = card ? partnershipWedges(partnershipFigures(*card)) : QList<PieWedge>();
    m_circle = ChartLayout::pieCircle(m_units);
    update();
}

void frmFOWGraph::paintEvent(QPaintEvent *)
{
    if (isMinimized())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), backColour(this));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(width()) / m_units.width(), qreal(height()) / m_units.height());

    QPen outline(foreColour(this));
    outline.setCosmetic(true); // one pixel however the pie is stretched
    painter.setPen(outline);
    const int r = m_circle.radius;
    const QRectF box(m_circle.centre.x() - r, m_circle.centre.y() - r, 2 * r, 2 * r);
    for (const PieWedge &wedge : std::as_const(m_wedges)) {
        painter.setBrush(partnershipColour(wedge.partnership));
        QPainterPath slice(m_circle.centre);
        const qreal start = qRadiansToDegrees(double(wedge.startAngle));
        const qreal end = qRadiansToDegrees(double(wedge.endAngle));
        slice.arcTo(box, start, end - start);
        slice.closeSubpath();
        painter.drawPath(slice);
    }
}
