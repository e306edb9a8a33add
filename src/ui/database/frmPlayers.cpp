// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/database/frmPlayers.h"

#include "core/common/BlankTrim.h"
#include "core/common/CaptionNumbers.h"
#include "core/players/NewPlayerEntry.h"
#include "ui/common/Controls.h"
#include "ui/common/EndProgram.h"
#include "ui/common/Fonts.h"
#include "ui/database/frmAddPlayers.h"
#include "ui/database/frmFoundPlayers.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {
struct CountRow
{
    int label2Index;
    int country; // index into CountryNames
    const char16_t *countName;
    int left;
    int top;
    int countLeft;
};

// Left column Australia..Zimbabwe, right column West Indies..Pakistan.
constexpr CountRow CountRows[] = {
    {0, 0, u"lblAustralia", 360, 480, 2160},    {1, 1, u"lblEngland", 360, 840, 2160},
    {2, 5, u"lblSouthAfrica", 360, 1200, 2160}, {3, 3, u"lblNewZealand", 360, 1560, 2160},
    {8, 8, u"lblZimbabwe", 360, 1920, 2160},    {4, 7, u"lblWestIndies", 3000, 480, 4800},
    {5, 6, u"lblSriLanka", 3000, 840, 4800},    {6, 2, u"lblIndia", 3000, 1200, 4800},
    {7, 4, u"lblPakistan", 3000, 1560, 4800}};

constexpr int LabelHeight = 255;
constexpr int NameWidth = 1695;
constexpr int CountWidth = 735;
constexpr int ButtonTop = 2520;
constexpr int ButtonWidth = 1335;
constexpr int ButtonHeight = 375;

void tell(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    // Before the window is shown (its opening notices) the box is centred on the frame instead:
    // a window not yet shown sits at the top left.
    if (!parent->isVisible() && parent->parentWidget())
        parent = parent->parentWidget();
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

frmPlayers::frmPlayers(PlayerDatabase &players, QWidget *parent)
    : QDialog(parent), m_database(players)
{
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(tr("Players Database"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 5685, 2985);

    makeLabel(this, QStringLiteral("Label1"), tr("Players in the database:"), 120, 120, 1935,
              LabelHeight);
    m_lblTotal = makeLabel(this, QStringLiteral("lblTotal"), QStringLiteral("0"), 2160, 120,
                           CountWidth, LabelHeight);
    for (const CountRow &row : CountRows) {
        makeLabel(this, QStringLiteral("Label2_%1").arg(row.label2Index),
                  countryCaption(CountryNames[std::size_t(row.country)]), row.left, row.top,
                  NameWidth, LabelHeight);
        m_countLabels[std::size_t(row.country)] =
            makeLabel(this, QString::fromUtf16(row.countName), QStringLiteral("0"), row.countLeft,
                      row.top, CountWidth, LabelHeight);
    }

    m_cmdAdd = makeButton(this, QStringLiteral("cmdAdd"), tr("&Add New Player"), 120, ButtonTop,
                          ButtonWidth, ButtonHeight);
    m_cmdFind = makeButton(this, QStringLiteral("cmdFind"), tr("&Find Player"), 1560, ButtonTop,
                           ButtonWidth, ButtonHeight);
    m_cmdClose = makeButton(this, QStringLiteral("cmdClose"), tr("&Close"), 4200, ButtonTop,
                            ButtonWidth, ButtonHeight);
    m_cmdAdd->setDefault(true);
    setTabOrder(m_cmdAdd, m_cmdFind);
    setTabOrder(m_cmdFind, m_cmdClose);
    m_cmdAdd->setFocus();

    connect(m_cmdAdd, &QPushButton::clicked, this, &frmPlayers::cmdAdd_Click);
    connect(m_cmdFind, &QPushButton::clicked, this, &frmPlayers::cmdFind_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmPlayers::cmdClose_Click);
    connect(&m_database, &PlayerDatabase::playerAdded, this, &frmPlayers::recount);
}

void frmPlayers::showModal(QWidget *parent, PlayerDatabase &players)
{
    frmPlayers window(players, parent);
    if (!window.Form_Load())
        return;
    window.exec();
}

bool frmPlayers::Form_Load()
{
    FileResult<int> records = m_database.file().RecordCount();
    if (records.error == FileError::FileNotFound) {
        tell(this, QMessageBox::Information, tr("Basic Players Database was not found"),
             tr("The Basic Players file does not exist.  It will be created now will "
                "no players in it.  You will now be able to enter players into the "
                "Basic Players Database"));
        const FileResult<bool> created = m_database.file().CreateEmpty();
        if (!created.ok()) {
            fatalError(created.error);
            return false;
        }
        records = m_database.file().RecordCount();
    }
    const int error = records.ok() ? countPlayers(records.value) : records.error;
    if (error != FileError::None) {
        fatalError(error);
        return false;
    }

    if (records.partialTail) {
        // A file shorter than one record has no header either: the next add writes one first.
        const QString text =
            records.value == 0
                ? tr("The Basic Players file is shorter than one record, so it holds "
                     "no player.  The next player you add will be written after a new "
                     "header that replaces what the file holds now.")
                : tr("The Basic Players file ends with part of a record, which is not "
                     "a whole player and is not counted.  The next player you add "
                     "will be written in its place.");
        tell(this, QMessageBox::Warning, tr("Basic Players Database is damaged"), text);
    }
    return true;
}

int frmPlayers::countPlayers(int records)
{
    std::array<int, 9> counts{};
    if (records > 1) {
        const FileResult<std::array<int, 9>> found = m_database.file().CountByCountry();
        if (!found.ok())
            return found.error;
        counts = found.value;
    }
    m_counts = counts;
    m_players = std::max(0, std::min(records, PlayerFile::MaxRecords) - 1);
    showCounts();
    return FileError::None;
}

void frmPlayers::showCounts()
{
    m_lblTotal->setText(plainNumber(m_players));
    for (std::size_t i = 0; i < m_counts.size(); ++i)
        m_countLabels[i]->setText(plainNumber(m_counts[i]));
}

void frmPlayers::fatalError(int code)
{
    tell(this, QMessageBox::Critical, tr("Fatal Error"),
         tr("An error %1 has occured in Form_Load, frmPlayers.  Program will end.  Please "
            "report this error to the programmer")
             .arg(signedNumber(code)));
    endProgram();
}

void frmPlayers::cmdAdd_Click()
{
    frmAddPlayers::showModal(this, m_database);
}

void frmPlayers::recount()
{
    // A file that cannot be read now keeps the figures shown; the next opening reports it.
    if (const FileResult<int> records = m_database.file().RecordCount(); records.ok())
        countPlayers(records.value);
}

void frmPlayers::cmdFind_Click()
{
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("dlgFindPlayer"));
    ask.setWindowTitle(tr("Find Player"));
    ask.setLabelText(tr("Type all or part of the player's name:"));
    ask.setTextValue(QString());
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString part = trimBlanks(ask.textValue()).toString();
    if (part.isEmpty())
        return;

    const FileResult<QList<NumberedPlayer>> found = m_database.file().PlayersNamed(part);
    if (!found.ok()) {
        tell(this, QMessageBox::Critical, tr("Find Player"),
             tr("The Basic Players file could not be read: %1.")
                 .arg(FileError::reason(found.error)));
    } else if (found.value.isEmpty()) {
        tell(this, QMessageBox::Information, tr("Find Player"),
             tr("No player's name contains “%1”.").arg(part));
    } else {
        frmFoundPlayers::showModal(this, part, found.value);
    }
}

void frmPlayers::cmdClose_Click()
{
    reject();
}
