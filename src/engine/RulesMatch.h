// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ClockModel.h"
#include "engine/InningsModel.h"
#include "engine/MatchHost.h"
#include "engine/SummaryModel.h"

#include <array>
#include <memory>

// A whole match played by the rules alone, with the figures the windows would hold but no
// window: for measuring the rules and for checking whole matches quickly.
class RulesMatch final : public MatchHost
{
public:
    // Match start with the teams already in MatchState: innings 1 set up, clock and cards reset.
    void start();
    // One press of ROLL on the scorecard in play.
    void roll();
    // The scorecard box of innings `number` receives text (typed or rolled).
    void setRollText(int number, const QString &text);

    bool resultOpen() const { return m_resultOpens > 0; }
    int resultOpens() const { return m_resultOpens; }
    const QString &highlights() const { return m_highlights; }
    bool inningsOpen(int number) const { return bool(m_innings[std::size_t(number)]); }

    InningsModel &innings(int number) override;
    SummaryModel &summary() override { return m_summary; }
    ClockModel &clock() override { return m_clock; }
    void addHighlight(const QString &line) override;
    void openResult() override { ++m_resultOpens; }
    void showInnings(int) override {}
    void clearRoll(int number) override { setRollText(number, QString()); }

private:
    std::array<std::unique_ptr<InningsModel>, 5> m_innings;
    std::array<QString, 5> m_boxes;
    SummaryModel m_summary;
    ClockModel m_clock;
    QString m_highlights;
    int m_resultOpens = 0;
};
