// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/frmNewSeries.h"

#include "core/competition/CompetitionStore.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString playingName(const SavedSide &side)
{
    return side.inBuilt() ? side.country : side.name;
}

namespace {

QComboBox *makeCombo(QWidget *parent, const QString &name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    return combo;
}

} // namespace

frmNewSeries::frmNewSeries(MatchStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_sides(SideStore(store).sides())
{
    setObjectName(u"frmNewSeries"_s);
    setWindowTitle(tr("New Series"));

    m_cboSeriesSide1 = makeCombo(this, u"cboSeriesSide1"_s);
    m_cboSeriesSide2 = makeCombo(this, u"cboSeriesSide2"_s);
    for (const SavedSide &side : std::as_const(m_sides)) {
        m_cboSeriesSide1->addItem(side.name);
        m_cboSeriesSide2->addItem(side.name);
    }
    m_cboSeriesSide2->setCurrentIndex(m_sides.size() > 1 ? 1 : 0);
    m_spnTests = new QSpinBox(this);
    m_spnTests->setObjectName(u"spnTests"_s);
    m_spnTests->setRange(CompetitionRules::FewestTests, CompetitionRules::MostTests);
    m_spnTests->setValue(5);
    m_cboSeriesMode = makeCombo(this, u"cboSeriesMode"_s);
    for (MatchMode mode : {MatchMode::HumanVHuman, MatchMode::HumanVCpu, MatchMode::CpuVCpu})
        m_cboSeriesMode->addItem(modeText(mode), int(mode));
    m_cboUserSide = makeCombo(this, u"cboUserSide"_s);
    m_txtSeriesName = new QLineEdit(this);
    m_txtSeriesName->setObjectName(u"txtSeriesName"_s);
    m_txtSeriesName->setMaxLength(CompetitionRules::LongestName);
    m_lblSeriesProblem = new QLabel(this);
    m_lblSeriesProblem->setObjectName(u"lblSeriesProblem"_s);

    auto *buttons = new QDialogButtonBox(this);
    m_cmdStartSeries = buttons->addButton(tr("&Start"), QDialogButtonBox::AcceptRole);
    m_cmdStartSeries->setObjectName(u"cmdStartSeries"_s);
    m_cmdStartSeries->setDefault(true);
    QPushButton *cmdCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(u"cmdCancelSeries"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("Side &1:"), m_cboSeriesSide1);
    form->addRow(tr("Side &2:"), m_cboSeriesSide2);
    form->addRow(tr("&Tests:"), m_spnTests);
    form->addRow(tr("&Players:"), m_cboSeriesMode);
    form->addRow(tr("&Your side:"), m_cboUserSide);
    form->addRow(tr("&Name:"), m_txtSeriesName);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_lblSeriesProblem);
    layout->addWidget(buttons);

    connect(m_cboSeriesSide1, &QComboBox::currentIndexChanged, this, &frmNewSeries::sidesChanged);
    connect(m_cboSeriesSide2, &QComboBox::currentIndexChanged, this, &frmNewSeries::sidesChanged);
    connect(m_cboSeriesMode, &QComboBox::currentIndexChanged, this, &frmNewSeries::updateStart);
    connect(m_txtSeriesName, &QLineEdit::textChanged, this, &frmNewSeries::updateStart);
    connect(m_cmdStartSeries, &QPushButton::clicked, this, &frmNewSeries::cmdStartSeries_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    sidesChanged();
}

void frmNewSeries::sidesChanged()
{
    const QString one = playingName(m_sides.value(m_cboSeriesSide1->currentIndex()));
    const QString two = playingName(m_sides.value(m_cboSeriesSide2->currentIndex()));
    const int user = m_cboUserSide->currentIndex();
    m_cboUserSide->clear();
    m_cboUserSide->addItems({one, two});
    m_cboUserSide->setCurrentIndex(std::max(user, 0));
    // The name follows the sides until the user writes one of his own.
    const QString name =
        tr("%1 v %2 %3").arg(one, two, QString::number(QDate::currentDate().year()));
    if (m_txtSeriesName->text() == m_defaultName)
        m_txtSeriesName->setText(name.left(CompetitionRules::LongestName));
    m_defaultName = name.left(CompetitionRules::LongestName);
    // Room for the whole default name, with the box's own margins.
    m_txtSeriesName->setMinimumWidth(
        std::max(m_txtSeriesName->minimumWidth(),
                 m_txtSeriesName->fontMetrics().horizontalAdvance(m_defaultName + u"MM"_s)));
    updateStart();
}

void frmNewSeries::updateStart()
{
    m_cboUserSide->setEnabled(MatchMode(m_cboSeriesMode->currentData().toInt()) ==
                              MatchMode::HumanVCpu);
    const std::array<CompetitionSide, 2> sides = chosenSides();
    const QString problem = CompetitionRules::seriesProblem(
        m_txtSeriesName->text(), {sides[0], sides[1]}, m_spnTests->value());
    m_lblSeriesProblem->setText(problem);
    m_cmdStartSeries->setEnabled(problem.isEmpty());
}

std::array<CompetitionSide, 2> frmNewSeries::chosenSides() const
{
    std::array<CompetitionSide, 2> sides;
    for (std::size_t n = 0; n < 2; ++n) {
        const SavedSide side =
            m_sides.value((n == 0 ? m_cboSeriesSide1 : m_cboSeriesSide2)->currentIndex());
        sides[n] = {side.id, playingName(side), false};
    }
    return sides;
}

void frmNewSeries::cmdStartSeries_Click()
{
    if (!m_cmdStartSeries->isEnabled())
        return;
    const CompetitionStore::Created series = CompetitionStore(m_store).createSeries(
        m_txtSeriesName->text(), chosenSides(), m_spnTests->value(),
        MatchMode(m_cboSeriesMode->currentData().toInt()), m_cboUserSide->currentIndex());
    m_created = series.id;
    if (!m_created) {
        QMessageBox::warning(this, windowTitle(), series.problem);
        return;
    }
    accept();
}
