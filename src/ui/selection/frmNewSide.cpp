// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmNewSide.h"

#include "core/store/SideStore.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/selection/TeamPicker.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

frmNewSide::frmNewSide(SideStore &sides, const PlayerDatabase &players, QWidget *parent)
    : QDialog(parent), m_sides(sides)
{
    setObjectName(u"frmNewSide"_s);
    setWindowTitle(tr("New Side"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 7455, 5655);

    // Team Selection's first tab without its tab strip.
    m_picker = new TeamPicker(0, players, this);
    m_picker->move(twipsPoint(0, -240));
    m_picker->labelTotals();

    QLabel *label = makeLabel(this, u"lblSideName"_s, tr("Side &name:"), 120, 4470, 1000, 240);
    m_txtSideName = new QLineEdit(this);
    m_txtSideName->setObjectName(u"txtSideName"_s);
    m_txtSideName->setGeometry(twipsRect(1140, 4440, 2115, 315));
    label->setBuddy(m_txtSideName);
    m_lblSideNameProblem =
        makeLabel(this, u"lblSideNameProblem"_s, QString(), 120, 4800, 7215, 240);
    setForeColour(m_lblSideNameProblem, QColor(192, 0, 0));

    m_cmdUndo = makeButton(this, u"cmdUndo"_s, tr("&Undo Pick"), 120, 5160, 1215, 375);
    m_cmdUndo->setToolTip(tr("Take back the last player picked (Backspace)"));
    m_cmdUndo->setAutoDefault(false);
    QPushButton *cancel = makeButton(this, u"cmdCancelSide"_s, tr("Cancel"), 4785, 5160, 1215, 375);
    cancel->setAutoDefault(false);
    m_cmdSaveSide = makeButton(this, u"cmdSaveSide"_s, tr("&Save"), 6120, 5160, 1215, 375);
    m_cmdSaveSide->setDefault(true);

    connect(m_cmdUndo, &QPushButton::clicked, this, &frmNewSide::cmdUndo_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), this), &QShortcut::activated, this,
            &frmNewSide::cmdUndo_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdSaveSide, &QPushButton::clicked, this, &frmNewSide::cmdSaveSide_Click);
    connect(m_picker, &TeamPicker::picksChanged, this, &frmNewSide::updateSave);
    // The name follows the country until the user types one.
    connect(m_txtSideName, &QLineEdit::textEdited, this, [this] { m_nameTyped = true; });
    connect(m_picker, &TeamPicker::countryChosen, this, [this](const QString &country) {
        if (!m_nameTyped)
            m_txtSideName->setText(country);
    });
    connect(m_txtSideName, &QLineEdit::textChanged, this, &frmNewSide::updateSave);
    updateSave();
}

void frmNewSide::cmdUndo_Click()
{
    m_picker->undo();
}

void frmNewSide::updateSave()
{
    const bool complete = m_picker->sheet().complete();
    const QString problem = m_sides.nameProblem(m_txtSideName->text());
    // No reproach for an empty box before anything is picked.
    const bool quiet = m_txtSideName->text().isEmpty() && !complete;
    m_lblSideNameProblem->setText(quiet ? QString() : problem);
    m_cmdUndo->setEnabled(m_picker->sheet().picked() > 0);
    m_cmdSaveSide->setEnabled(complete && problem.isEmpty());
}

void frmNewSide::cmdSaveSide_Click()
{
    if (!m_cmdSaveSide->isEnabled())
        return;
    SavedSide side{0, m_txtSideName->text(), m_picker->country(), 0, {}};
    for (int row = 0; row < TeamSheet::Size; ++row)
        side.players[std::size_t(row)] = m_picker->sheet().origin(row);
    if (const QString problem = m_sides.add(side); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    m_savedId = side.id;
    accept();
}
