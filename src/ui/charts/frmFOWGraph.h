// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/charts/PartnershipPie.h"
#include "ui/charts/ChartLayout.h"

#include <QDialog>
#include <QList>
#include <array>

class QFrame;
class QLabel;

// "Fall of Wickets/Partnership Graph": the partnerships of the innings in play as a pie, with a
// legend of ten coloured squares naming each pair and its runs. It reads the match state when
// it loads; being modal, the match cannot move on while it is open.
class frmFOWGraph : public QDialog
{
    Q_OBJECT
public:
    // Builds the design-time window and loads it.
    explicit frmFOWGraph(const MatchState &state, QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent, const MatchState &state);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void Form_Load();
    void Form_Resize();

private:
    const MatchState &m_state;
    void DrawPartnershipPie();

    std::array<QFrame *, ChartLayout::LegendEntries> m_shpLegend{};
    std::array<QLabel *, ChartLayout::LegendEntries> m_lblBatters{};
    // What the last DrawPartnershipPie worked out; paintEvent draws it on every repaint.
    QSize m_units;
    ChartLayout::PieCircle m_circle;
    QList<PieWedge> m_wedges;
};
