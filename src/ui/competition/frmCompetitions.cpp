// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/frmCompetitions.h"

#include "core/competition/CompetitionRows.h"
#include "core/competition/CompetitionStore.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/competition/CompetitionTable.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmCompetitions::frmCompetitions(MatchStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_tblCompetitions(makeTable(this, u"tblCompetitions"_s)),
      m_cmdOpenCompetition(new QPushButton(tr("&Open"), this))
{
    setObjectName(u"frmCompetitions"_s);
    setWindowTitle(tr("Series and Leagues"));
    resize(twipsSize(10500, 4500));
    m_cmdOpenCompetition->setObjectName(u"cmdOpenCompetition"_s);
    m_cmdOpenCompetition->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdOpenCompetition);
    m_cmdDeleteCompetition = addButton(buttons, this, u"cmdDeleteCompetition"_s, tr("&Delete"));
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdCloseCompetitions"_s, tr("&Close"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tblCompetitions);
    layout->addLayout(buttons);

    connect(m_tblCompetitions, &QTableWidget::cellDoubleClicked, this,
            &frmCompetitions::cmdOpenCompetition_Click);
    connect(m_cmdOpenCompetition, &QPushButton::clicked, this,
            &frmCompetitions::cmdOpenCompetition_Click);
    connect(m_cmdDeleteCompetition, &QPushButton::clicked, this,
            &frmCompetitions::cmdDeleteCompetition_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    reload();
    m_tblCompetitions->setFocus();
}

void frmCompetitions::reload()
{
    QString problem;
    m_competitions = CompetitionStore(m_store).competitions(&problem);
    if (!problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
    QList<QStringList> rows;
    for (const Competition &competition : std::as_const(m_competitions))
        rows << competitionCells(competition);
    fillTable(m_tblCompetitions, competitionHeadings(), rows);
    if (!rows.isEmpty())
        m_tblCompetitions->selectRow(0);
    m_cmdOpenCompetition->setEnabled(!rows.isEmpty());
    m_cmdDeleteCompetition->setEnabled(!rows.isEmpty());
}

const Competition *frmCompetitions::selected() const
{
    const int row = m_tblCompetitions->currentRow();
    return row >= 0 && row < m_competitions.size() ? &m_competitions[row] : nullptr;
}

void frmCompetitions::cmdOpenCompetition_Click()
{
    if (const Competition *competition = selected()) {
        m_open = competition->id;
        accept();
    }
}

void frmCompetitions::cmdDeleteCompetition_Click()
{
    const Competition *competition = selected();
    if (!competition)
        return;
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        (competition->kind == CompetitionKind::Series
             ? tr("Delete the series \"%1\"? Its matches stay in the match history as single "
                  "matches.")
             : tr("Delete the league \"%1\"? Its matches stay in the match history as single "
                  "matches."))
            .arg(competition->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (const QString problem = CompetitionStore(m_store).remove(competition->id);
        !problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
    reload();
}
