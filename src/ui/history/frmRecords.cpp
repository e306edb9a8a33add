// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmRecords.h"

#include "core/pages/Pages.h"
#include "core/store/CareerStatistics.h"
#include "ui/common/Controls.h"
#include "ui/common/HtmlExport.h"
#include "ui/common/Twips.h"
#include "ui/history/frmScorecard.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int MatchRole = Qt::UserRole + 1;

// One list as shown; Qt::UserRole holds what each column sorts by. The model owns its rows.
class RecordsModel final : public QAbstractTableModel
{
public:
    // `note`, if any, stands in the list in place of rows.
    RecordsModel(RecordList which, QList<RecordRow> rows, const QString &note, QObject *parent)
        : QAbstractTableModel(parent), m_which(which), m_rows(std::move(rows)),
          m_headings(recordHeadings(which)), m_note(note)
    {}
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size()) + (m_note.isEmpty() ? 0 : 1);
    }
    bool noted() const { return !m_note.isEmpty(); }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return noted() ? Qt::ItemIsEnabled : QAbstractTableModel::flags(index);
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_headings.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headings.value(section);
        return {};
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (noted())
            return role == Qt::DisplayRole && index.column() == 0 ? QVariant(m_note) : QVariant();
        const RecordRow &row = m_rows[index.row()];
        const bool figure = index.column() == 1; // every list's figure
        // By place, not by heading, so that the headings may be translated.
        const bool wicket = m_which == RecordList::Partnerships && index.column() == 0;
        const bool date = index.column() == m_headings.size() - 1;
        switch (role) {
        case Qt::DisplayRole:
            return recordCells(m_which, row).value(index.column());
        case Qt::TextAlignmentRole:
            return figure || wicket ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case MatchRole:
            return row.match;
        case Qt::UserRole:
            if (figure)
                return row.value;
            if (wicket)
                return row.wicket;
            if (date)
                return row.date;
            return recordCells(m_which, row).value(index.column());
        default:
            return {};
        }
    }

private:
    RecordList m_which;
    QList<RecordRow> m_rows;
    QStringList m_headings;
    QString m_note;
};

QComboBox *listChoice(QWidget *parent, const QString &name, RecordList from, RecordList to)
{
    auto *choice = new QComboBox(parent);
    choice->setObjectName(name);
    for (int list = int(from); list <= int(to); ++list)
        choice->addItem(recordListTitle(RecordList(list)), list);
    return choice;
}

// A tab: the choice of list above its table.
QWidget *page(QComboBox *choice, QTableView *table)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    if (choice) {
        auto *row = new QHBoxLayout;
        auto *label = new QLabel(QCoreApplication::translate("frmRecords", "&Show:"), widget);
        label->setBuddy(choice);
        row->addWidget(label);
        row->addWidget(choice, 1);
        layout->addLayout(row);
    }
    layout->addWidget(table);
    return widget;
}

} // namespace

frmRecords::frmRecords(MatchStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_records(store)
{
    setObjectName(u"frmRecords"_s);
    setWindowTitle(tr("Records"));
    resize(twipsSize(12000, 6000));

    m_cboRecordsTeam = new QComboBox(this);
    m_cboRecordsTeam->setObjectName(u"cboRecordsTeam"_s);
    m_cboRecordsTeam->addItem(tr("All teams"));
    m_cboRecordsTeam->addItems(m_records.teams());
    auto *lblTeam = new QLabel(tr("&Filter by team:"), this);
    lblTeam->setBuddy(m_cboRecordsTeam);

    m_cboTeamRecord = listChoice(this, u"cboTeamRecord"_s, RecordList::HighestTotals,
                                 RecordList::HighestAggregates);
    m_cboBattingRecord =
        listChoice(this, u"cboBattingRecord"_s, RecordList::HighestScores, RecordList::MostDucks);
    m_tblTeamRecords = addTable(u"tblTeamRecords"_s);
    m_tblBattingRecords = addTable(u"tblBattingRecords"_s);
    m_tblPartnerships = addTable(u"tblPartnerships"_s);
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(u"tabRecords"_s);
    tabs->addTab(page(m_cboTeamRecord, m_tblTeamRecords), tr("&Team"));
    tabs->addTab(page(m_cboBattingRecord, m_tblBattingRecords), tr("&Batting"));
    tabs->addTab(page(nullptr, m_tblPartnerships), tr("&Partnerships"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblTeam);
    top->addWidget(m_cboRecordsTeam, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *cmdExport = addButton(buttons, this, u"cmdExportRecords"_s, tr("&Export…"));
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdClose"_s, tr("&Close"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    for (QComboBox *choice : {m_cboRecordsTeam, m_cboTeamRecord, m_cboBattingRecord})
        connect(choice, &QComboBox::currentIndexChanged, this, &frmRecords::reload);
    connect(cmdExport, &QPushButton::clicked, this, &frmRecords::cmdExportRecords_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    reload();
}

QTableView *frmRecords::addTable(const QString &name)
{
    auto *table = new QTableView(this);
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortable(table);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    // Enter and a double-click both activate a row.
    connect(table, &QTableView::activated, this, &frmRecords::openRow);
    return table;
}

QString frmRecords::team() const
{
    return m_cboRecordsTeam->currentIndex() > 0 ? m_cboRecordsTeam->currentText() : QString();
}

// The list in the order the book keeps it; a heading clicked sorts it another way.
void frmRecords::showList(QTableView *table, RecordList which)
{
    QList<RecordRow> list = m_records.list(which, team());
    // Only player-file sides have players' records: with none, a list of players says so.
    const bool noPlayers = list.isEmpty() && which >= RecordList::HighestScores &&
                           !m_records.list(RecordList::HighestTotals, team()).isEmpty() &&
                           CareerStatistics(m_store).careers().isEmpty();
    auto *rows = new QSortFilterProxyModel(table);
    auto *model = new RecordsModel(
        which, std::move(list),
        noPlayers ? tr("In-built teams add no individual records.") : QString(), rows);
    rows->setSourceModel(model);
    rows->setSortRole(Qt::UserRole);
    rows->setSortCaseSensitivity(Qt::CaseInsensitive);
    QAbstractItemModel *old = table->model();
    table->setModel(rows);
    delete old;
    table->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    table->clearSpans();
    if (model->noted())
        table->setSpan(0, 0, 1, model->columnCount());
    else
        table->resizeColumnsToContents();
    if (!model->noted() && rows->rowCount() > 0)
        table->selectRow(0);
}

void frmRecords::reload()
{
    showList(m_tblTeamRecords, RecordList(m_cboTeamRecord->currentData().toInt()));
    showList(m_tblBattingRecords, RecordList(m_cboBattingRecord->currentData().toInt()));
    showList(m_tblPartnerships, RecordList::Partnerships);
}

void frmRecords::openRow(const QModelIndex &index)
{
    const qint64 match = index.data(MatchRole).toLongLong();
    // A career figure belongs to no one match.
    if (match > 0 && frmScorecard::openStored(this, m_store, match, false)) {
        m_replay = match;
        accept();
    }
}

void frmRecords::cmdExportRecords_Click()
{
    exportHtml(this, tr("Export Records"), u"records.html"_s,
               recordsHtml(m_records.book(team()), team()));
}
