// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/RulesMatch.h"

#include "engine/BallRules.h"
#include "engine/HighlightsLog.h"
#include "state/Globals.h"
#include "state/MatchState.h"

void RulesMatch::start()
{
    MatchState &state = Globals::matchState();
    for (auto &card : m_innings)
        card.reset();
    for (QString &box : m_boxes)
        box.clear();
    m_clock = ClockModel();
    m_summary = SummaryModel();
    m_summary.team1 = state.Team1.Name.trimmed();
    m_summary.team2 = state.Team2.Name.trimmed();
    m_highlights = HighlightsLog::initialText();
    m_resultOpens = 0;
    state.TimeUp = false;
    state.CurrentInnings = 1;
    innings(1);
    state.ClockHour = 10;
    state.ClockMinute = 0;
    for (std::size_t i = 1; i < state.Cards.size(); ++i)
        state.Cards[i] = BattingCard();
    for (std::size_t i = 1; i < state.Cards.size(); ++i) {
        for (auto &pair : state.Cards[i].Pair)
            pair = QStringView();
    }
}

void RulesMatch::roll()
{
    const int number = Globals::matchState().CurrentInnings;
    if (number < 1 || number > 4 || !innings(number).rollEnabled)
        return;
    setRollText(number, BallRules::rollDie());
}

void RulesMatch::setRollText(int number, const QString &text)
{
    QString &box = m_boxes[std::size_t(number)];
    if (box == text)
        return; // an unchanged text raises no change
    box = text;
    BallRules::txtRollChange(*this, number, text);
}

InningsModel &RulesMatch::innings(int number)
{
    auto &slot = m_innings[std::size_t(number)];
    if (!slot) {
        slot = std::make_unique<InningsModel>();
        setupInnings(Globals::matchState(), *slot);
    }
    return *slot;
}

void RulesMatch::addHighlight(const QString &line)
{
    m_highlights = HighlightsLog::withEntry(m_highlights, line);
}
