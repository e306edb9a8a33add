// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmHistory.h"

#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/frmScorecard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmHistory::frmHistory(MatchStore &store, qint64 onScreen, QWidget *parent)
    : QDialog(parent), m_store(store), m_onScreen(onScreen)
{
    setObjectName(u"frmHistory"_s);
    setWindowTitle(tr("Match History"));
    resize(twipsSize(14700, 6000)); // every column whole, the competition's too

    m_txtFilter = new QLineEdit(this);
    m_txtFilter->setObjectName(u"txtFilter"_s);
    m_txtFilter->setPlaceholderText(tr("Team or player"));
    m_txtFilter->setClearButtonEnabled(true);
    auto *lblFilter = new QLabel(tr("&Filter:"), this);
    lblFilter->setBuddy(m_txtFilter);

    m_model = new HistoryModel(this);
    auto *rows = new HistoryFilter(this);
    rows->setSourceModel(m_model);
    rows->setSortRole(Qt::UserRole);
    rows->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_rows = rows;

    m_table = new QTableView(this);
    m_table->setObjectName(u"tblMatches"_s);
    m_table->setModel(m_rows);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortable(m_table);
    m_table->sortByColumn(0, Qt::DescendingOrder);
    m_table->verticalHeader()->hide();
    // Fixed sizes: measuring ten thousand rows would make the window slow to open.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->setColumnWidth(0, twips(2400));
    for (int column : {1, 2, 3})
        m_table->setColumnWidth(column, twips(1800));
    m_table->setColumnWidth(4, twips(1200));
    m_table->setColumnWidth(5, twips(2700));

    auto *buttons = new QHBoxLayout;
    m_cmdOpen = addButton(buttons, this, u"cmdOpen"_s, tr("&Open"));
    m_cmdOpen->setDefault(true);
    m_cmdResume = addButton(buttons, this, u"cmdResume"_s, tr("&Resume"));
    m_cmdDelete = addButton(buttons, this, u"cmdDelete"_s, tr("&Delete"));
    QPushButton *cmdReplay = addButton(buttons, this, u"cmdReplay"_s, tr("Re&play"));
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdClose"_s, tr("&Close"));

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(m_txtFilter);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_txtFilter, &QLineEdit::textChanged, rows, &HistoryFilter::setText);
    // Enter reaches Open as the default button; a double-click opens too.
    connect(m_table, &QTableView::doubleClicked, this, &frmHistory::cmdOpen_Click);
    connect(m_cmdOpen, &QPushButton::clicked, this, &frmHistory::cmdOpen_Click);
    connect(m_cmdResume, &QPushButton::clicked, this, &frmHistory::cmdResume_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &frmHistory::cmdDelete_Click);
    connect(cmdReplay, &QPushButton::clicked, this, &frmHistory::chooseReplay);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmHistory::updateButtons);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &frmHistory::updateButtons);
    connect(m_rows, &QAbstractItemModel::layoutChanged, this, &frmHistory::updateButtons);
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, &frmHistory::updateButtons);

    reload();
    m_table->setFocus();
}

void frmHistory::reload()
{
    QString problem;
    m_model->setEntries(m_store.history(&problem));
    if (!problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
    if (m_rows->rowCount() > 0)
        m_table->selectRow(0);
    updateButtons();
}

std::optional<MatchStore::Entry> frmHistory::selected() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_model->entry(m_rows->mapToSource(rows.first()).row());
}

void frmHistory::updateButtons()
{
    const std::optional<MatchStore::Entry> match = selected();
    m_cmdOpen->setEnabled(match.has_value());
    m_cmdResume->setEnabled(match && (match->status == MatchStore::Status::InProgress ||
                                      match->status == MatchStore::Status::Abandoned));
    m_cmdDelete->setEnabled(match && match->id != m_onScreen);
}

void frmHistory::cmdOpen_Click()
{
    const std::optional<MatchStore::Entry> entry = selected();
    if (entry && frmScorecard::openStored(this, m_store, entry->id,
                                          entry->status == MatchStore::Status::Abandoned))
        chooseReplay();
}

// Closes the window as Resume does: the frame opens the replay once it is gone.
void frmHistory::chooseReplay()
{
    const std::optional<MatchStore::Entry> entry = selected();
    if (!entry)
        return;
    m_replay = entry->id;
    accept();
}

void frmHistory::cmdResume_Click()
{
    const std::optional<MatchStore::Entry> entry = selected();
    if (!m_cmdResume->isEnabled() || !entry)
        return;
    m_resume = entry->id;
    accept();
}

void frmHistory::cmdDelete_Click()
{
    const std::optional<MatchStore::Entry> entry = selected();
    if (!m_cmdDelete->isEnabled() || !entry)
        return;
    QMessageBox question(QMessageBox::Question, windowTitle(),
                         tr("Delete the match %1 v %2 and everything recorded from it?")
                             .arg(entry->team1, entry->team2),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    // Its fixture is to be played again.
    if (!entry->fixture.isEmpty())
        question.setInformativeText(
            tr("It is %1, which becomes unplayed again.").arg(entry->fixture));
    if (question.exec() != QMessageBox::Yes)
        return;
    if (const QString problem = m_store.deleteMatch(entry->id); !problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
    reload();
}
