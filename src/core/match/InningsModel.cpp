// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InningsModel.h"

#include "core/common/CaptionNumbers.h"
#include "core/common/Colours.h"
#include "core/match/MatchState.h"

#include <QCoreApplication>

InningsModel::InningsModel()
    : backColour(Bgr::DarkGreen), headingColour(Bgr::Yellow), totalLineColour(Bgr::Yellow)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        BattingLine &line = lines[i];
        const bool opener = i < 2;
        line.name = QCoreApplication::translate("InningsModel", "Player %1").arg(i + 1);
        const quint32 colour = opener ? Bgr::White : Bgr::Yellow;
        line.nameColour = line.howOutColour = line.runsColour = colour;
        line.ballsColour = line.minsColour = colour;
        line.fowColour = Bgr::Yellow;
        if (opener) {
            line.howOut = BallRules::dismissalCaption(Dismissal::NotOut);
            line.runs = line.balls = line.mins = 0;
        }
    }
}

QString InningsModel::totalLineCaption() const
{
    // The plural stays with one wicket, as the scorecard always printed it.
    return QCoreApplication::translate("InningsModel", "Total for the loss of %1 wickets:")
        .arg(plainNumber(wicketsShown));
}

BattingLine *InningsModel::batsman(int n)
{
    return n >= 1 && n <= int(lines.size()) ? &lines[std::size_t(n - 1)] : nullptr;
}

void setupInnings(MatchState &state, InningsModel &model)
{
    state.Striker = 1;
    state.BatsmanA = 1;
    state.BatsmanB = 2;
    state.WicketsDown = 0;
    const TeamRecord &side = state.battingSide();
    for (std::size_t i = 0; i < model.lines.size(); ++i) {
        BattingLine &line = model.lines[i];
        line.minsTag = 0;
        line.name = side.Players[i + 1].text();
        line.nameColour = line.ballsColour = i < 2 ? side.CreaseColour : side.WaitingColour;
    }
    model.headingColour = side.WaitingColour;
    model.backColour = side.BackColour;
    model.totalLineColour = side.WaitingColour;
    model.caption = (state.CurrentInnings <= 2
                         ? QCoreApplication::translate("InningsModel", "%1 - 1st Innings")
                         : QCoreApplication::translate("InningsModel", "%1 - 2nd Innings"))
                        .arg(side.Name.trimmed());
}
