// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/database/frmAddPlayers.h"

#include "core/players/NewPlayerEntry.h"
#include "core/players/PlayerDatabase.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr int LabelWidth = 1095;
constexpr int LabelHeight = 255;
constexpr int BoxHeight = 285;

QLineEdit *makeTextBox(QWidget *parent, const QString &name, int maxLength, int left, int top,
                       int width)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setGeometry(twipsRect(left, top, width, BoxHeight));
    return box;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(twipsRect(left, top, width, LabelHeight));
    return box;
}

} // namespace

frmAddPlayers::frmAddPlayers(PlayerDatabase &players, QWidget *parent)
    : QDialog(parent), m_players(players)
{
    setObjectName(QStringLiteral("frmAddPlayers"));
    setWindowTitle(tr("Adding A New Player"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 6075, 2175);

    // Created in tab order.
    makeLabel(this, QStringLiteral("Label1_0"), tr("Name:"), 120, 120, LabelWidth, LabelHeight);
    m_txtName = makeTextBox(this, QStringLiteral("txtName"), 80, 1320, 120, 4635);
    m_txtName->setAccessibleName(tr("Name"));
    makeLabel(this, QStringLiteral("Label1_2"), tr("Country:"), 120, 480, LabelWidth, LabelHeight);
    m_cboCountry = new QComboBox(this);
    m_cboCountry->setObjectName(QStringLiteral("cboCountry"));
    m_cboCountry->setEditable(false);
    m_cboCountry->setGeometry(twipsRect(1320, 480, 2535, 315));
    m_cboCountry->setAccessibleName(tr("Country"));
    makeLabel(this, QStringLiteral("Label2_0"), tr("Batting Avg:"), 120, 840, LabelWidth,
              LabelHeight);
    m_txtBatting = makeTextBox(this, QStringLiteral("txtBatting"), 3, 1320, 840, 615);
    m_txtBatting->setAccessibleName(tr("Batting average"));
    makeLabel(this, QStringLiteral("Label1_1"), tr("Bowling Avg:"), 2040, 840, LabelWidth,
              LabelHeight);
    m_txtBowling = makeTextBox(this, QStringLiteral("txtBowling"), 3, 3240, 840, 615);
    m_txtBowling->setAccessibleName(tr("Bowling average"));
    makeLabel(this, QStringLiteral("Label2_1"), tr("Player Has:"), 120, 1200, LabelWidth,
              LabelHeight);
    m_chkCaptain = makeCheckBox(this, QStringLiteral("chkCaptain"), tr("&Captain Experience"), 1320,
                                1200, 1875);
    m_chkWicket = makeCheckBox(this, QStringLiteral("chkWicket"), tr("&Wicket Keeping Experience"),
                               3240, 1200, 2715);
    m_cmdAdd = makeButton(this, QStringLiteral("cmdAdd"), tr("&Add"), 3360, 1680, 1335, 375);
    m_cmdClose = makeButton(this, QStringLiteral("cmdClose"), tr("&Cancel"), 4800, 1680, 1155, 375);
    m_cmdAdd->setDefault(true);

    QWidget *order[] = {m_txtName,    m_cboCountry, m_txtBatting, m_txtBowling,
                        m_chkCaptain, m_chkWicket,  m_cmdAdd,     m_cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_txtName->setFocus();

    connect(m_cmdAdd, &QPushButton::clicked, this, &frmAddPlayers::cmdAdd_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmAddPlayers::cmdClose_Click);
}

void frmAddPlayers::showModal(QWidget *parent, PlayerDatabase &players)
{
    frmAddPlayers window(players, parent);
    window.Form_Load();
    window.exec();
}

void frmAddPlayers::Form_Load()
{
    m_cboCountry->clear();
    for (QStringView country : CountryNames)
        m_cboCountry->addItem(countryCaption(country), country.toString());
    m_cboCountry->setCurrentIndex(-1);
}

void frmAddPlayers::cmdAdd_Click()
{
    const EntryCheck check = checkNewPlayer(
        m_txtName->text(), m_cboCountry->currentData().toString(), m_txtBatting->text(),
        m_txtBowling->text(), m_chkCaptain->isChecked(), m_chkWicket->isChecked());
    m_txtName->setText(check.name);
    m_txtBatting->setText(check.batting);
    m_txtBowling->setText(check.bowling);

    switch (check.fault) {
    case EntryFault::ShortName:
        warn(tr("Name To Short"),
             tr("Players names must be at least 3 characters or more in length"));
        return;
    case EntryFault::UnstorableName:
        warn(tr("Invalid Player Name"),
             tr("Players names can only hold letters and signs of the Windows-1252 "
                "character set, and no control characters such as tabs.  This name "
                "cannot be stored."));
        return;
    case EntryFault::NoCountry:
        warn(tr("No Country Selected"),
             tr("You must choose a country for this player before they can be added "
                "to the database"));
        return;
    case EntryFault::BadBatting:
        warn(tr("Invalid Batting Average"),
             tr("Batting averages must be whole numbers between 0 and 255 inclusive"));
        return;
    case EntryFault::BadBowling:
        warn(tr("Invalid Bowling Average"),
             tr("Bowling averages must be whole numbers between 0 and 255 inclusive"));
        return;
    case EntryFault::None:
        break;
    }

    const FileResult<int> added = m_players.add(check.record);
    if (!added.ok()) {
        appendFailed(added.error);
        return;
    }
    m_txtBatting->clear();
    m_txtBowling->clear();
    m_txtName->clear();
    m_chkCaptain->setChecked(false);
    m_chkWicket->setChecked(false);
    m_txtName->setFocus();
}

void frmAddPlayers::cmdClose_Click()
{
    reject();
}

void frmAddPlayers::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.exec();
}

void frmAddPlayers::appendFailed(int code)
{
    if (code == FileError::BadRecordNumber) {
        warn(tr("Database Full"),
             tr("The Basic Players file already holds %1 players, as many as it can "
                "hold.  This player was not added.")
                 .arg(PlayerFile::MaxRecords - 1));
        return;
    }
    QMessageBox box(QMessageBox::Critical, tr("Player Not Added"),
                    tr("The player could not be written to the Basic Players file: %1 "
                       "(error %2).  The file has not been changed, and the entry is "
                       "still in the boxes.")
                        .arg(FileError::reason(code))
                        .arg(code),
                    QMessageBox::Ok, this);
    box.exec();
}
