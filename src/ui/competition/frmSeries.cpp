// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/frmSeries.h"

#include "core/competition/CompetitionRows.h"
#include "core/competition/CompetitionStore.h"
#include "core/pages/Pages.h"
#include "core/session/MatchSession.h"
#include "core/store/CareerStatistics.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/competition/CompetitionTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmSeries::frmSeries(MatchSession &session, qint64 id, QWidget *parent)
    : CompetitionWindow(session, id, parent),
      m_tblSeriesTests(makeTable(this, u"tblSeriesTests"_s)), m_lblSeriesScore(new QLabel(this)),
      m_cmdPlayNext(new QPushButton(tr("Play &Next Test"), this)),
      m_tblSeriesBatting(makeTable(this, u"tblSeriesBatting"_s))
{
    setObjectName(u"frmSeries"_s);
    resize(twipsSize(10500, 7500));
    m_lblSeriesScore->setObjectName(u"lblSeriesScore"_s);
    QFont bold = m_lblSeriesScore->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    m_lblSeriesScore->setFont(bold);
    m_cmdPlayNext->setObjectName(u"cmdPlayNext"_s);
    m_cmdPlayNext->setDefault(true);
    auto *cmdExport = new QPushButton(tr("&Export…"), this);
    cmdExport->setObjectName(u"cmdExportSeries"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdPlayNext);
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lblSeriesScore);
    layout->addWidget(m_tblSeriesTests, 2);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(tr("Batting in this series"), this));
    layout->addWidget(m_tblSeriesBatting, 3);

    connect(m_cmdPlayNext, &QPushButton::clicked, this, [this] { emit playNext(m_id); });
    connect(cmdExport, &QPushButton::clicked, this, &frmSeries::cmdExportSeries_Click);
    reload();
}

void frmSeries::showCompetition(const Competition &series)
{
    setWindowTitle(tr("Series: %1").arg(series.name));
    m_lblSeriesScore->setText(series.score());
    QList<QStringList> rows;
    for (const Fixture &test : series.fixtures)
        rows << seriesTestCells(test);
    fillTable(m_tblSeriesTests, seriesTestHeadings(), rows);
    rows.clear();
    for (const CareerLine &line : CareerStatistics(*m_session.store()).careers(m_id))
        rows << careerCells(line);
    fillTable(m_tblSeriesBatting, careerHeadings(), rows, 2);
    m_cmdPlayNext->setEnabled(!series.finished());
}

void frmSeries::cmdExportSeries_Click()
{
    exportPage(tr("Export Series"), u"series.html"_s, seriesHtml);
}
