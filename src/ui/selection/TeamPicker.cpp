// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/TeamPicker.h"

#include "core/common/CaptionNumbers.h"
#include "core/players/PlayerDatabase.h"
#include "core/players/PlayerListEntry.h"
#include "core/players/PlayerRecord.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {
constexpr quint32 EvenRowColour = 0xC0FFFF;
constexpr quint32 OddRowColour = 0x80FFFF;
constexpr int RowTop = 1200;
constexpr int RowHeight = 240;
constexpr int TotalTop = 3840;

QString indexed(const char *name, int index)
{
    return QLatin1String(name) + u'_' + QString::number(index);
}

QLabel *makeRowLabel(QWidget *parent, const QString &name, const QString &caption, int left,
                     int top, int width, quint32 colour, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(parent, name, caption, left, top, width, RowHeight);
    setBackColour(label, colourFromBgr(colour));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}
} // namespace

// The layout is measured from the corner of Team Selection's tab control, tab strip included.
TeamPicker::TeamPicker(int tab, const PlayerDatabase &players, QWidget *parent)
    : QWidget(parent), m_tab(tab), m_players(players)
{
    setObjectName(indexed("SSTab1Canvas", tab));
    resize(twipsSize(7455, 4815));

    makeLabel(this, indexed("Label1", 2 * tab), tr("Team:"), 120, 360, 3135, 240);
    m_cboTeams = new QComboBox(this);
    m_cboTeams->setObjectName(indexed("cboTeams", tab));
    m_cboTeams->setEditable(false);
    m_cboTeams->setGeometry(twipsRect(120, 600, 3135, 315));
    m_cboTeams->setAccessibleName(tr("Team %1 country").arg(tab + 1));
    for (const QStringView country : CountryNames)
        m_cboTeams->addItem(countryCaption(country), country.toString());
    m_cboTeams->setCurrentIndex(-1);
    connect(m_cboTeams, &QComboBox::activated, this, &TeamPicker::cboTeams_Click);

    makeLabel(this, indexed("Label1", 2 * tab + 1), tr("Available Players:"), 120, 960, 3135, 240);
    m_lstPlayers = new QListWidget(this);
    m_lstPlayers->setObjectName(indexed("lstPlayers", tab));
    m_lstPlayers->setGeometry(twipsRect(120, 1200, 3135, 3375));
    m_lstPlayers->setAccessibleName(tr("Team %1 available players").arg(tab + 1));
    m_lstPlayers->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstPlayers->setUniformItemSizes(true);
    connect(m_lstPlayers, &QListWidget::itemDoubleClicked, this, &TeamPicker::lstPlayers_DblClick);
    connect(&m_players, &PlayerDatabase::playerAdded, this, &TeamPicker::playerAdded);
    // Enter and Space pick as a double-click does (and Enter never reaches a default button).
    m_lstPlayers->installEventFilter(this);

    makeLabel(this, indexed("Label2", 3 * tab), tr("Players (In Batting Order):"), 3480, 960, 3000,
              240);
    makeLabel(this, indexed("Label2", 3 * tab + 1), tr("Bat"), 6600, 960, 375, 240);
    makeLabel(this, indexed("Label2", 3 * tab + 2), tr("Bowl"), 6960, 960, 480, 240);

    const Qt::Alignment numbers = Qt::AlignHCenter;
    for (int row = 0; row <= TeamSheet::Size; ++row) {
        const bool total = row == TeamSheet::Size;
        const quint32 colour = row % 2 == 0 || total ? EvenRowColour : OddRowColour;
        const int top = total ? TotalTop : RowTop + RowHeight * row;
        const int figure = row + 12 * tab;
        if (!total)
            m_lblPlayer[std::size_t(row)] =
                makeRowLabel(this, indexed("lblPlayer", row + 11 * tab), QString(), 3480, top, 3135,
                             colour, Qt::AlignLeft);
        m_lblBat[std::size_t(row)] =
            makeRowLabel(this, indexed("lblBat", figure), u"0"_s, 6600, top, 375, colour, numbers);
        m_lblBowl[std::size_t(row)] =
            makeRowLabel(this, indexed("lblBowl", figure), u"0"_s, 6960, top, 375, colour, numbers);
    }
    QLabel *bat = m_lblBat.back();
    bat->setToolTip(tr("Batting averages of the eleven added up"));
    bat->setAccessibleName(tr("Team %1 batting total").arg(tab + 1));
    QLabel *bowl = m_lblBowl.back();
    bowl->setToolTip(tr("The five best bowling averages added up, a player who does not bowl "
                        "counting 100"));
    bowl->setAccessibleName(tr("Team %1 bowling total").arg(tab + 1));
}

void TeamPicker::labelTotals()
{
    makeRowLabel(this, u"lblTotals"_s, tr("Totals: all 11 bat, best 5 bowl"), 3480, TotalTop, 3135,
                 EvenRowColour, Qt::AlignLeft);
}

QString TeamPicker::country() const
{
    return trimBlanks(m_cboTeams->currentData().toString()).toString();
}

bool TeamPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lstPlayers && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            // The highlighted entry, selected or not, is the one meant.
            if (QListWidgetItem *current = m_lstPlayers->currentItem())
                current->setSelected(true);
            lstPlayers_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TeamPicker::cboTeams_Click()
{
    m_lstPlayers->clear();
    emit countryChosen(country());

    const PlayerFile &file = m_players.file();
    const auto players = file.PlayersOfCountry(m_cboTeams->currentData().toString());
    if (!players.ok()) {
        const QString problem =
            players.error == FileError::FileNotFound
                ? tr("The player database file \"%1\" does not exist yet, so there are no players "
                     "to choose from.")
                      .arg(file.path())
                : tr("The player database file \"%1\" could not be read (%2), so no players can "
                     "be listed.")
                      .arg(file.path(), FileError::reason(players.error));
        QMessageBox::warning(window(), window()->windowTitle(),
                             tr("%1\n\nThe Players Database window (Data menu) creates the "
                                "file when it is missing.")
                                 .arg(problem));
        return;
    }
    // One batch, sorted once: a country may have thousands of players.
    m_lstPlayers->addItems(SortedPlayerListEntries(players.value));
}

void TeamPicker::playerAdded(const NumberedPlayer &player)
{
    if (country().isEmpty() ||
        trimBlanks(player.record.Country.text()).compare(country(), Qt::CaseInsensitive) != 0)
        return;
    const QString entry = PlayerListEntry(player.record.PlayerName.text(), player.recordNumber);
    int row = 0;
    while (row < m_lstPlayers->count() &&
           PlayerListEntryLess(m_lstPlayers->item(row)->text(), entry))
        ++row;
    m_lstPlayers->insertItem(row, entry);
}

void TeamPicker::lstPlayers_DblClick()
{
    if (m_sheet.complete())
        return;
    // The entry's text is the only source of the record number: no entry, no pick.
    const QList<QListWidgetItem *> selected = m_lstPlayers->selectedItems();
    if (selected.isEmpty())
        return;
    const QString entry = selected.first()->text();
    const int recordNumber = RecordNumberOfEntry(entry);
    if (recordNumber < 2)
        return;

    const auto read = m_players.file().ReadRecord(recordNumber);
    // The file may have been replaced since the list was filled; a record that no longer
    // matches its entry is as good as unreadable.
    if (!read.ok() || PlayerListEntry(read.value.PlayerName.text(), recordNumber) != entry) {
        QMessageBox::warning(window(), window()->windowTitle(),
                             tr("The player \"%1\" could not be read from the player database "
                                "(record %2). The file may have changed since the list was filled: "
                                "choose the country again.")
                                 .arg(trimBlanks(entry).toString(), QString::number(recordNumber)));
        return;
    }

    showRow(m_sheet.add(read.value, recordNumber));
    if (m_sheet.complete()) {
        m_lstPlayers->setEnabled(false);
        showTotals();
    }
    emit picksChanged();
}

bool TeamPicker::undo()
{
    const bool wasComplete = m_sheet.complete();
    const int row = m_sheet.removeLast();
    if (row < 0)
        return false;
    // The row as it stood before the pick; totals as an eleven not yet complete shows them.
    showRow(row);
    if (wasComplete) {
        showTotals();
        m_lstPlayers->setEnabled(true);
    }
    emit picksChanged();
    return true;
}

void TeamPicker::showRow(int row)
{
    m_lblPlayer[std::size_t(row)]->setText(m_sheet.name(row));
    m_lblBat[std::size_t(row)]->setText(plainNumber(m_sheet.batting(row)));
    m_lblBowl[std::size_t(row)]->setText(plainNumber(m_sheet.bowling(row)));
}

// An eleven not yet complete shows totals of 0.
void TeamPicker::showTotals()
{
    const bool complete = m_sheet.complete();
    m_lblBat.back()->setText(plainNumber(complete ? m_sheet.battingTotal() : 0));
    m_lblBowl.back()->setText(plainNumber(complete ? m_sheet.bowlingTotal() : 0));
}
