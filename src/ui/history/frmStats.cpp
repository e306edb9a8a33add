// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmStats.h"
#include "core/common/SaveWhole.h"
#include "core/pages/Pages.h"
#include "core/store/CareerStatistics.h"

#include "core/store/MatchStore.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// The figures as shown; Qt::UserRole holds what each column sorts by. It holds its rows: the
// window's members are gone before its child objects.
class StatsModel final : public QAbstractTableModel
{
public:
    StatsModel(QList<CareerLine> lines, QObject *parent)
        : QAbstractTableModel(parent), m_lines(std::move(lines)), m_headings(careerHeadings())
    {}
    const QList<CareerLine> &lines() const { return m_lines; }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_lines.size());
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
        const CareerLine &line = m_lines[index.row()];
        if (role == Qt::TextAlignmentRole)
            return index.column() < 2 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::DisplayRole)
            return careerCells(line).value(index.column());
        if (role != Qt::UserRole)
            return {};
        switch (index.column()) {
        case 0:
            return line.name;
        case 1:
            return line.team;
        case 6:
            return line.highest * 2 + int(line.highestNotOut);
        case 7:
            return line.outs() > 0 ? double(line.runs) / line.outs() : -1.0;
        case 9:
            return line.balls > 0 ? double(line.runs) / line.balls : -1.0;
        default:
            return careerCells(line).value(index.column()).toInt();
        }
    }

private:
    QList<CareerLine> m_lines;
    QStringList m_headings;
};

frmStats::frmStats(MatchStore &store, QWidget *parent)
    : QDialog(parent), m_model(new StatsModel(CareerStatistics(store).careers(), this))
{
    setObjectName(u"frmStats"_s);
    setWindowTitle(tr("Player Statistics"));
    resize(twipsSize(14000, 6000));

    m_cboTeam = new QComboBox(this);
    m_cboTeam->setObjectName(u"cboTeam"_s);
    QStringList teams;
    for (const CareerLine &line : m_model->lines())
        teams << line.team;
    teams.removeDuplicates();
    teams.sort(Qt::CaseInsensitive);
    m_cboTeam->addItem(tr("All teams"));
    m_cboTeam->addItems(teams);
    auto *lblTeam = new QLabel(tr("&Team:"), this);
    lblTeam->setBuddy(m_cboTeam);

    m_rows = new QSortFilterProxyModel(this);
    m_rows->setSourceModel(m_model);
    m_rows->setSortRole(Qt::UserRole);
    m_rows->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_rows->setFilterKeyColumn(1);
    m_rows->setFilterRole(Qt::DisplayRole);

    auto *table = new QTableView(this);
    table->setObjectName(u"tblStats"_s);
    table->setModel(m_rows);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortable(table);
    table->sortByColumn(5, Qt::DescendingOrder);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setWordWrap(false);
    // One line per file player: a few hundred rows measure quickly.
    table->resizeColumnsToContents();

    auto *top = new QHBoxLayout;
    top->addWidget(lblTeam);
    top->addWidget(m_cboTeam, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *cmdCsv = addButton(buttons, this, u"cmdCsv"_s, tr("&Export CSV…"));
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdClose"_s, tr("&Close"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table);
    layout->addLayout(buttons);

    connect(m_cboTeam, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString team = QRegularExpression::escape(m_cboTeam->currentText());
        m_rows->setFilterRegularExpression(index <= 0 ? QString()
                                                      : QRegularExpression::anchoredPattern(team));
    });
    connect(cmdCsv, &QPushButton::clicked, this, &frmStats::cmdCsv_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

// The rows as shown: the team picked and the order chosen.
void frmStats::cmdCsv_Click()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Export Statistics"), u"statistics.csv"_s,
                                                tr("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QList<CareerLine> shown;
    for (int row = 0; row < m_rows->rowCount(); ++row)
        shown << m_model->lines()[m_rows->mapToSource(m_rows->index(row, 0)).row()];
    if (const QString why = saveWhole(path, careersCsv(shown).toUtf8()); !why.isEmpty())
        QMessageBox::warning(this, windowTitle(),
                             tr("The statistics could not be written to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), why));
}
