// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmSides.h"

#include "core/common/Moments.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/selection/frmNewSide.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmSides::frmSides(MatchStore &store, const PlayerDatabase &players, QWidget *parent)
    : QDialog(parent), m_store(store), m_players(players)
{
    setObjectName(u"frmSides"_s);
    setWindowTitle(tr("Sides"));
    resize(twipsSize(8400, 5400));

    m_tblSides = makeTable(this, u"tblSides"_s);
    m_tblSides->setColumnCount(3);
    m_tblSides->setHorizontalHeaderLabels({tr("Name"), tr("Country"), tr("Created")});
    m_tblSides->setColumnWidth(0, twips(3600));
    m_tblSides->setColumnWidth(1, twips(1800));

    auto *buttons = new QHBoxLayout;
    QPushButton *cmdNewSide = addButton(buttons, this, u"cmdNewSide"_s, tr("&New…"));
    m_cmdRenameSide = addButton(buttons, this, u"cmdRenameSide"_s, tr("&Rename…"));
    m_cmdDeleteSide = addButton(buttons, this, u"cmdDeleteSide"_s, tr("&Delete"));
    buttons->addStretch();
    QPushButton *cmdCloseSides = addButton(buttons, this, u"cmdCloseSides"_s, tr("&Close"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tblSides);
    layout->addLayout(buttons);

    connect(cmdNewSide, &QPushButton::clicked, this, &frmSides::cmdNewSide_Click);
    connect(m_cmdRenameSide, &QPushButton::clicked, this, &frmSides::cmdRenameSide_Click);
    connect(m_cmdDeleteSide, &QPushButton::clicked, this, &frmSides::cmdDeleteSide_Click);
    connect(cmdCloseSides, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tblSides, &QTableWidget::itemSelectionChanged, this, &frmSides::updateButtons);

    reload(SideStore::Australia);
    m_tblSides->setFocus();
}

void frmSides::reload(qint64 select)
{
    m_sides = m_store.sides();
    m_tblSides->setRowCount(int(m_sides.size()));
    for (int row = 0; row < m_sides.size(); ++row) {
        const SavedSide &side = m_sides[row];
        QStringList eleven;
        for (std::size_t n = 0; n < side.players.size(); ++n)
            eleven << u"%1. %2"_s.arg(n + 1).arg(side.players[n].fullName);
        const QString created =
            side.inBuilt() ? QString() : shownMoment(QDateTime::fromSecsSinceEpoch(side.created));
        const QString cells[] = {side.name, side.country, created};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(eleven.join(u'\n'));
            m_tblSides->setItem(row, column, item);
        }
        if (side.id == select)
            m_tblSides->selectRow(row);
    }
    updateButtons();
}

const SavedSide *frmSides::selected() const
{
    const int row = m_tblSides->currentRow();
    return row >= 0 && row < m_sides.size() && m_tblSides->item(row, 0)->isSelected()
               ? &m_sides[row]
               : nullptr;
}

// The in-built sides are the game's own: they can be neither renamed nor deleted.
void frmSides::updateButtons()
{
    const SavedSide *side = selected();
    m_cmdRenameSide->setEnabled(side && !side->inBuilt());
    m_cmdDeleteSide->setEnabled(side && !side->inBuilt());
}

void frmSides::cmdNewSide_Click()
{
    frmNewSide window(m_store, m_players, this);
    if (window.exec() == QDialog::Accepted)
        reload(window.savedId());
}

void frmSides::cmdRenameSide_Click()
{
    const SavedSide *side = selected();
    if (!side || side->inBuilt())
        return;
    const qint64 id = side->id;
    QInputDialog dialog(this);
    dialog.setObjectName(u"frmRenameSide"_s);
    dialog.setWindowTitle(tr("Rename Side"));
    dialog.setLabelText(tr("New name for \"%1\":").arg(side->name));
    dialog.setTextValue(side->name);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const QString problem = m_store.rename(id, dialog.textValue()); !problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
    reload(id);
}

void frmSides::cmdDeleteSide_Click()
{
    const SavedSide *side = selected();
    if (!side || side->inBuilt())
        return;
    const qint64 id = side->id;
    const auto answer =
        QMessageBox::question(this, windowTitle(), tr("Delete the side \"%1\"?").arg(side->name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (const QString problem = m_store.remove(id); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return reload(id);
    }
    reload(SideStore::Australia);
}
