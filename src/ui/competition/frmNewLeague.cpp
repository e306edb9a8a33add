// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/frmNewLeague.h"

#include "core/competition/CompetitionStore.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/competition/CompetitionTable.h"
#include "ui/competition/frmNewSeries.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmNewLeague::frmNewLeague(MatchStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_sides(SideStore(store).sides())
{
    setObjectName(u"frmNewLeague"_s);
    setWindowTitle(tr("New League"));
    resize(twipsSize(6000, 6000));

    m_tblLeagueSides = makeTable(this, u"tblLeagueSides"_s);
    m_tblLeagueSides->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tblLeagueSides->setColumnCount(3);
    m_tblLeagueSides->setHorizontalHeaderLabels({tr("Side"), tr("Plays"), tr("Computer")});
    m_tblLeagueSides->setRowCount(int(m_sides.size()));
    for (int row = 0; row < m_sides.size(); ++row) {
        auto *name = new QTableWidgetItem(m_sides[row].name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_tblLeagueSides->setItem(row, SideColumn, name);
        for (int column : {PlaysColumn, ComputerColumn}) {
            auto *box = new QTableWidgetItem;
            box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            box->setCheckState(Qt::Checked);
            m_tblLeagueSides->setItem(row, column, box);
        }
    }
    m_tblLeagueSides->horizontalHeader()->setStretchLastSection(false);
    m_tblLeagueSides->horizontalHeader()->setSectionResizeMode(SideColumn, QHeaderView::Stretch);
    m_tblLeagueSides->setCurrentCell(0, PlaysColumn);

    m_cboRounds = new QComboBox(this);
    m_cboRounds->setObjectName(u"cboRounds"_s);
    m_cboRounds->addItem(tr("Each pair once"), 1);
    m_cboRounds->addItem(tr("Each pair twice"), 2);
    m_txtLeagueName = new QLineEdit(tr("League %1").arg(QDate::currentDate().year()), this);
    m_txtLeagueName->setObjectName(u"txtLeagueName"_s);
    m_txtLeagueName->setMaxLength(CompetitionRules::LongestName);
    m_lblLeagueProblem = new QLabel(this);
    m_lblLeagueProblem->setObjectName(u"lblLeagueProblem"_s);
    m_lblLeagueProblem->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_cmdStartLeague = buttons->addButton(tr("&Start"), QDialogButtonBox::AcceptRole);
    m_cmdStartLeague->setObjectName(u"cmdStartLeague"_s);
    m_cmdStartLeague->setDefault(true);
    QPushButton *cmdCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(u"cmdCancelLeague"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("&Rounds:"), m_cboRounds);
    form->addRow(tr("&Name:"), m_txtLeagueName);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tblLeagueSides);
    layout->addLayout(form);
    layout->addWidget(m_lblLeagueProblem);
    layout->addWidget(buttons);

    connect(m_tblLeagueSides, &QTableWidget::itemChanged, this, &frmNewLeague::updateStart);
    connect(m_txtLeagueName, &QLineEdit::textChanged, this, &frmNewLeague::updateStart);
    connect(m_cmdStartLeague, &QPushButton::clicked, this, &frmNewLeague::cmdStartLeague_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    updateStart();
    m_tblLeagueSides->setFocus();
}

bool frmNewLeague::ticked(int row, int column) const
{
    return m_tblLeagueSides->item(row, column)->checkState() == Qt::Checked;
}

QList<CompetitionSide> frmNewLeague::chosenSides() const
{
    QList<CompetitionSide> sides;
    for (int row = 0; row < m_sides.size(); ++row) {
        if (ticked(row, PlaysColumn))
            sides.append({m_sides[row].id, playingName(m_sides[row]), ticked(row, ComputerColumn)});
    }
    return sides;
}

void frmNewLeague::updateStart()
{
    const QString problem = CompetitionRules::leagueProblem(m_txtLeagueName->text(), chosenSides());
    m_lblLeagueProblem->setText(problem);
    m_cmdStartLeague->setEnabled(problem.isEmpty());
}

void frmNewLeague::cmdStartLeague_Click()
{
    if (!m_cmdStartLeague->isEnabled())
        return;
    const CompetitionStore::Created league = CompetitionStore(m_store).createLeague(
        m_txtLeagueName->text(), chosenSides(), m_cboRounds->currentData().toInt());
    m_created = league.id;
    if (!m_created) {
        QMessageBox::warning(this, windowTitle(), league.problem);
        return;
    }
    accept();
}
