// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/frmLeague.h"

#include "core/competition/CompetitionRows.h"
#include "core/competition/CompetitionStore.h"
#include "core/competition/FixturePlay.h"
#include "core/pages/Pages.h"
#include "core/session/MatchSession.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/competition/CompetitionTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmLeague::frmLeague(MatchSession &session, qint64 id, QWidget *parent)
    : CompetitionWindow(session, id, parent),
      m_tblLeagueTable(makeTable(this, u"tblLeagueTable"_s)),
      m_tblLeagueFixtures(makeTable(this, u"tblLeagueFixtures"_s)),
      m_cmdPlayNextFixture(new QPushButton(tr("Play &Next Fixture"), this)),
      m_cmdSimulate(new QPushButton(tr("&Simulate Computer Fixtures"), this))
{
    setObjectName(u"frmLeague"_s);
    resize(twipsSize(9000, 8400));
    auto *lblPointsRules = new QLabel(pointsRules(), this);
    lblPointsRules->setObjectName(u"lblPointsRules"_s);
    lblPointsRules->setWordWrap(true);
    m_cmdPlayNextFixture->setObjectName(u"cmdPlayNextFixture"_s);
    m_cmdPlayNextFixture->setDefault(true);
    m_cmdSimulate->setObjectName(u"cmdSimulate"_s);
    auto *cmdExport = new QPushButton(tr("&Export…"), this);
    cmdExport->setObjectName(u"cmdExportLeague"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdPlayNextFixture);
    buttons->addWidget(m_cmdSimulate);
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tblLeagueTable);
    layout->addWidget(lblPointsRules);
    layout->addWidget(m_tblLeagueFixtures, 1);
    layout->addLayout(buttons);

    connect(m_cmdPlayNextFixture, &QPushButton::clicked, this, [this] { emit playNext(m_id); });
    connect(m_cmdSimulate, &QPushButton::clicked, this, &frmLeague::cmdSimulate_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmLeague::cmdExportLeague_Click);
    reload();
}

void frmLeague::showCompetition(const Competition &league)
{
    setWindowTitle(tr("League: %1").arg(league.name));
    QList<QStringList> rows;
    int position = 0;
    for (const TableLine &line : league.table())
        rows << tableCells(line, ++position);
    fillTable(m_tblLeagueTable, tableHeadings(), rows, 2);
    fitRows(m_tblLeagueTable, 1);
    rows.clear();
    bool simulated = false;
    for (const Fixture &fixture : league.fixtures) {
        rows << fixtureCells(league, fixture);
        simulated = simulated || simulationDue(league, fixture, m_session.storedId());
    }
    fillTable(m_tblLeagueFixtures, fixtureHeadings(), rows);
    m_cmdPlayNextFixture->setEnabled(!league.finished());
    m_cmdSimulate->setEnabled(simulated);
}

// Between matches only: each is played to its end and saved whole, so Cancel never leaves one
// half saved.
void frmLeague::cmdSimulate_Click()
{
    MatchStore *store = m_session.store();
    if (!store)
        return;
    QProgressDialog progress(tr("Simulating the computer's fixtures…"), tr("Cancel"), 0, 1, this);
    progress.setObjectName(u"dlgSimulate"_s);
    progress.setWindowTitle(windowTitle());
    // The frame's menus wait too: a fixture of this run resumed from the history meanwhile
    // would be played twice.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    const SimulationRun run =
        simulateComputerFixtures(*store, m_id, m_session.players().file(), m_session.random(),
                                 m_session.storedId(), [&progress](int done, int total) {
                                     progress.setMaximum(total);
                                     progress.setValue(done);
                                     return !progress.wasCanceled();
                                 });
    progress.reset();
    reload();
    if (!run.problem.isEmpty())
        QMessageBox::warning(this, windowTitle(),
                             tr("The fixtures could not all be simulated: %1").arg(run.problem));
}

void frmLeague::cmdExportLeague_Click()
{
    exportPage(tr("Export League"), u"league.html"_s, leagueHtml);
}
