// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/selection/frmChooseSides.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

frmChooseSides::frmChooseSides(const QList<SavedSide> &sides, QWidget *parent)
    : QDialog(parent), m_sides(sides)
{
    setObjectName(u"frmChooseSides"_s);
    setWindowTitle(tr("Saved Sides"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 5535, 2160);

    const auto combo = [this](const QString &name, const QString &caption, int top) {
        QLabel *label = makeLabel(this, u"lbl"_s + name.mid(3), caption, 120, top + 30, 1095, 240);
        auto *box = new QComboBox(this);
        box->setObjectName(name);
        box->setGeometry(twipsRect(1260, top, 4155, 315));
        for (const SavedSide &side : m_sides)
            box->addItem(side.name);
        label->setBuddy(box);
        connect(box, &QComboBox::currentIndexChanged, this, &frmChooseSides::updatePlay);
        return box;
    };
    m_cboSide1 = combo(u"cboSide1"_s, tr("Side &1:"), 120);
    m_cboSide2 = combo(u"cboSide2"_s, tr("Side &2:"), 555);
    m_lblSidesProblem = makeLabel(this, u"lblSidesProblem"_s, QString(), 1260, 990, 4155, 240);
    setForeColour(m_lblSidesProblem, QColor(192, 0, 0));

    QPushButton *cancel =
        makeButton(this, u"cmdCancelSides"_s, tr("Cancel"), 2760, 1620, 1215, 375);
    cancel->setAutoDefault(false);
    m_cmdPlaySides = makeButton(this, u"cmdPlaySides"_s, tr("&Play"), 4200, 1620, 1215, 375);
    m_cmdPlaySides->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdPlaySides, &QPushButton::clicked, this, &QDialog::accept);

    // Saved sides are what the window is for: two of them are offered first when there are any.
    const int first = int(std::clamp<qsizetype>(m_sides.size() - 2, 0, 2));
    m_cboSide1->setCurrentIndex(first);
    m_cboSide2->setCurrentIndex(first + 1);
    updatePlay();
    m_cboSide1->setFocus();
}

void frmChooseSides::updatePlay()
{
    const bool same = m_cboSide1->currentIndex() == m_cboSide2->currentIndex();
    m_lblSidesProblem->setText(same ? tr("Choose two different sides.") : QString());
    m_cmdPlaySides->setEnabled(!same && m_cboSide1->currentIndex() >= 0 &&
                               m_cboSide2->currentIndex() >= 0);
}

std::optional<std::array<SavedSide, 2>> frmChooseSides::showModal(QWidget *parent,
                                                                  const QList<SavedSide> &sides)
{
    frmChooseSides window(sides, parent);
    if (window.exec() != QDialog::Accepted || !window.m_cmdPlaySides->isEnabled())
        return std::nullopt;
    return std::array<SavedSide, 2>{sides[window.m_cboSide1->currentIndex()],
                                    sides[window.m_cboSide2->currentIndex()]};
}
