// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmTeamSelection.h"

#include "core/common/CaptionNumbers.h"
#include "core/players/PlayerFile.h"
#include "core/players/PlayerListEntry.h"
#include "core/players/PlayerRecord.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/EndProgram.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

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

frmTeamSelection::frmTeamSelection(std::array<Side, 2> &sides, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_sides(sides)
{
    setObjectName(QStringLiteral("frmTeamSelection"));
    setWindowTitle(QStringLiteral("Team Selection"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 7695, 5520);

    m_SSTab1 = new QTabWidget(this);
    m_SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_SSTab1->setGeometry(twipsRect(120, 120, 7455, 4815));
    for (int tab = 0; tab < 2; ++tab)
        buildTab(tab);

    m_cmdUndo = makeButton(this, QStringLiteral("cmdUndo"), QStringLiteral("&Undo Pick"), 120, 5040,
                           1215, 375);
    m_cmdUndo->setToolTip(QStringLiteral("Take back the last player picked (Backspace)"));
    m_cmdUndo->setEnabled(false);
    connect(m_cmdUndo, &QPushButton::clicked, this, &frmTeamSelection::cmdUndo_Click);
    // A shortcut of its own: the button's is its Alt letter.
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), this), &QShortcut::activated, this,
            &frmTeamSelection::cmdUndo_Click);
    connect(m_SSTab1, &QTabWidget::currentChanged, this, &frmTeamSelection::updateUndo);
    m_cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), 4800,
                             5040, 1215, 375);
    m_cmdOk =
        makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("&Ok"), 6360, 5040, 1215, 375);
    m_cmdOk->setDefault(true);
    m_cmdOk->setEnabled(false);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmTeamSelection::cmdCancel_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &frmTeamSelection::cmdOk_Click);

    Form_Load();
}

void frmTeamSelection::buildTab(int tab)
{
    QWidget *page = new QWidget;
    page->setObjectName(indexed("SSTab1Page", tab));
    m_SSTab1->addTab(page, tab == 0 ? QStringLiteral("Team &1") : QStringLiteral("Team &2"));
    // The tab's layout is measured from the corner of the tab control, tab strip included; the
    // canvas keeps it there whatever height the style gives the strip.
    QWidget *canvas = new QWidget(page);
    canvas->setObjectName(indexed("SSTab1Canvas", tab));
    canvas->resize(twipsSize(7455, 4815));
    page->installEventFilter(this);
    m_pages[std::size_t(tab)] = page;
    m_canvases[std::size_t(tab)] = canvas;

    makeLabel(canvas, indexed("Label1", 2 * tab), QStringLiteral("Team:"), 120, 360, 3135, 240);
    auto *combo = new QComboBox(canvas);
    combo->setObjectName(indexed("cboTeams", tab));
    combo->setEditable(false);
    combo->setGeometry(twipsRect(120, 600, 3135, 315));
    combo->setAccessibleName(QStringLiteral("Team %1 country").arg(tab + 1));
    m_cboTeams[std::size_t(tab)] = combo;
    connect(combo, &QComboBox::activated, this, [this, tab] { cboTeams_Click(tab); });

    makeLabel(canvas, indexed("Label1", 2 * tab + 1), QStringLiteral("Available Players:"), 120,
              960, 3135, 240);
    auto *list = new QListWidget(canvas);
    list->setObjectName(indexed("lstPlayers", tab));
    list->setGeometry(twipsRect(120, 1200, 3135, 3375));
    list->setAccessibleName(QStringLiteral("Team %1 available players").arg(tab + 1));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    m_lstPlayers[std::size_t(tab)] = list;
    connect(list, &QListWidget::itemDoubleClicked, this, [this, tab] { lstPlayers_DblClick(tab); });
    // Enter and Space pick as a double-click does (and Enter never reaches Ok).
    list->installEventFilter(this);

    makeLabel(canvas, indexed("Label2", 3 * tab), QStringLiteral("Players (In Batting Order):"),
              3480, 960, 3000, 240);
    makeLabel(canvas, indexed("Label2", 3 * tab + 1), QStringLiteral("Bat"), 6600, 960, 375, 240);
    makeLabel(canvas, indexed("Label2", 3 * tab + 2), QStringLiteral("Bowl"), 6960, 960, 480, 240);

    const Qt::Alignment numbers = Qt::AlignHCenter;
    for (int row = 0; row < TeamSheet::Size; ++row) {
        const quint32 colour = row % 2 == 0 ? EvenRowColour : OddRowColour;
        const int top = RowTop + RowHeight * row;
        const int player = row + 11 * tab;
        const int figure = row + 12 * tab;
        m_lblPlayer[std::size_t(player)] =
            makeRowLabel(canvas, indexed("lblPlayer", player), QString(), 3480, top, 3135, colour,
                         Qt::AlignLeft);
        m_lblBat[std::size_t(figure)] =
            makeRowLabel(canvas, indexed("lblBat", figure), QStringLiteral("0"), 6600, top, 375,
                         colour, numbers);
        m_lblBowl[std::size_t(figure)] =
            makeRowLabel(canvas, indexed("lblBowl", figure), QStringLiteral("0"), 6960, top, 375,
                         colour, numbers);
    }
    const int total = 11 + 12 * tab;
    QLabel *bat = makeRowLabel(canvas, indexed("lblBat", total), QStringLiteral("0"), 6600,
                               TotalTop, 375, EvenRowColour, numbers);
    bat->setToolTip(QStringLiteral("Batting averages of the eleven added up"));
    bat->setAccessibleName(QStringLiteral("Team %1 batting total").arg(tab + 1));
    QLabel *bowl = makeRowLabel(canvas, indexed("lblBowl", total), QStringLiteral("0"), 6960,
                                TotalTop, 375, EvenRowColour, numbers);
    bowl->setToolTip(QStringLiteral("The five best bowling averages added up, a player who does "
                                    "not bowl counting 100"));
    bowl->setAccessibleName(QStringLiteral("Team %1 bowling total").arg(tab + 1));
    m_lblBat[std::size_t(total)] = bat;
    m_lblBowl[std::size_t(total)] = bowl;
}

void frmTeamSelection::Form_Load()
{
    m_sheets = {};
    for (QComboBox *combo : m_cboTeams) {
        combo->clear();
        for (const QStringView country : CountryNames)
            combo->addItem(country.toString());
        combo->setCurrentIndex(-1);
    }
}

bool frmTeamSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool pick = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        for (int tab = 0; pick && tab < 2; ++tab) {
            QListWidget *list = m_lstPlayers[std::size_t(tab)];
            if (watched == list) {
                // The highlighted entry, selected or not, is the one meant.
                if (QListWidgetItem *current = list->currentItem())
                    current->setSelected(true);
                lstPlayers_DblClick(tab);
                return true;
            }
        }
    }
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
        event->type() == QEvent::Show) {
        for (int tab = 0; tab < 2; ++tab) {
            if (watched == m_pages[std::size_t(tab)]) {
                const QPoint corner = m_pages[std::size_t(tab)]->mapTo(m_SSTab1, QPoint(0, 0));
                m_canvases[std::size_t(tab)]->move(-corner);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTeamSelection::cboTeams_Click(int index)
{
    QListWidget *list = m_lstPlayers[std::size_t(index)];
    list->clear();

    const PlayerFile file;
    const auto players = file.PlayersOfCountry(m_cboTeams[std::size_t(index)]->currentText());
    if (!players.ok()) {
        const QString problem =
            players.error == FileError::FileNotFound
                ? QStringLiteral("The player database file \"%1\" does not exist yet, so there "
                                 "are no players to choose from.")
                      .arg(file.path())
                : QStringLiteral("The player database file \"%1\" could not be read (error %2), "
                                 "so no players can be listed.")
                      .arg(file.path())
                      .arg(players.error);
        QMessageBox::warning(this, windowTitle(),
                             problem + QStringLiteral("\n\nThe Players Database window (Data menu) "
                                                      "creates the file when it is missing."));
        return;
    }
    // One batch, sorted once: a country may have thousands of players.
    list->addItems(SortedPlayerListEntries(players.value));
}

void frmTeamSelection::lstPlayers_DblClick(int index)
{
    TeamSheet &sheet = m_sheets[std::size_t(index)];
    if (sheet.complete())
        return;
    // The entry's text is the only source of the record number: no entry, no pick.
    const QList<QListWidgetItem *> selected = m_lstPlayers[std::size_t(index)]->selectedItems();
    if (selected.isEmpty())
        return;
    const QString entry = selected.first()->text();
    const int recordNumber = RecordNumberOfEntry(entry);
    if (recordNumber < 2)
        return;

    const auto read = PlayerFile().ReadRecord(recordNumber);
    // The file may have been replaced since the list was filled; a record that no longer
    // matches its entry is as good as unreadable.
    if (!read.ok() || PlayerListEntry(read.value.PlayerName.text(), recordNumber) != entry) {
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("The player \"%1\" could not be read from the player database "
                           "(record %2). The file may have changed since the list was filled: "
                           "choose the country again.")
                .arg(trimBlanks(entry).toString(), QString::number(recordNumber)));
        return;
    }

    showRow(index, sheet.add(read.value, recordNumber));
    updateUndo();

    // Both tabs, after every pick, as the totals of a complete eleven are always kept current.
    for (int tab = 0; tab < 2; ++tab) {
        if (m_sheets[std::size_t(tab)].complete()) {
            m_lstPlayers[std::size_t(tab)]->setEnabled(false);
            showTotals(tab);
        }
    }
    if (m_sheets[0].complete() && m_sheets[1].complete()) {
        for (std::size_t tab = 0; tab < 2; ++tab)
            m_sheets[tab].writeSide(m_sides[tab],
                                    trimBlanks(m_cboTeams[tab]->currentText()).toString());
        m_cmdOk->setEnabled(true);
    }
}

void frmTeamSelection::cmdUndo_Click()
{
    const int tab = m_SSTab1->currentIndex();
    TeamSheet &sheet = m_sheets[std::size_t(tab)];
    const bool wasComplete = sheet.complete();
    const int row = sheet.removeLast();
    if (row < 0)
        return;
    // The row as it stood before the pick; totals as an eleven not yet complete shows them.
    m_lblPlayer[std::size_t(row + 11 * tab)]->clear();
    m_lblBat[std::size_t(row + 12 * tab)]->setText(plainNumber(0));
    m_lblBowl[std::size_t(row + 12 * tab)]->setText(plainNumber(0));
    if (wasComplete) {
        const std::size_t total = std::size_t(11 + 12 * tab);
        m_lblBat[total]->setText(plainNumber(0));
        m_lblBowl[total]->setText(plainNumber(0));
        m_lstPlayers[std::size_t(tab)]->setEnabled(true);
        m_cmdOk->setEnabled(false);
    }
    updateUndo();
}

void frmTeamSelection::updateUndo()
{
    m_cmdUndo->setEnabled(m_sheets[std::size_t(m_SSTab1->currentIndex())].picked() > 0);
}

void frmTeamSelection::showRow(int tab, int row)
{
    const TeamSheet &sheet = m_sheets[std::size_t(tab)];
    const std::size_t figure = std::size_t(row + 12 * tab);
    m_lblPlayer[std::size_t(row + 11 * tab)]->setText(sheet.name(row));
    m_lblBat[figure]->setText(plainNumber(sheet.batting(row)));
    m_lblBowl[figure]->setText(plainNumber(sheet.bowling(row)));
}

void frmTeamSelection::showTotals(int tab)
{
    const TeamSheet &sheet = m_sheets[std::size_t(tab)];
    const std::size_t total = std::size_t(11 + 12 * tab);
    m_lblBat[total]->setText(plainNumber(sheet.battingTotal()));
    m_lblBowl[total]->setText(plainNumber(sheet.bowlingTotal()));
}

void frmTeamSelection::cmdOk_Click()
{
    m_done = true;
    accept();
}

void frmTeamSelection::cmdCancel_Click()
{
    m_ending = true;
    endProgram();
}

void frmTeamSelection::reject()
{
    cmdCancel_Click();
}

void frmTeamSelection::closeEvent(QCloseEvent *event)
{
    // Half-picked teams must never reach a match: closing is cancelling.
    if (m_done || m_ending) {
        event->accept();
        return;
    }
    event->ignore();
    cmdCancel_Click();
}

bool frmTeamSelection::showModal(QWidget *parent, std::array<Side, 2> &sides)
{
    frmTeamSelection window(sides, parent);
    window.exec();
    return window.m_done && !window.m_ending;
}
