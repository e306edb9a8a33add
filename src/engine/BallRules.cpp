// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/BallRules.h"

#include "common/CaptionNumbers.h"
#include "common/Colours.h"
#include "common/RandomSource.h"
#include "engine/AppealDecision.h"
#include "engine/ClockModel.h"
#include "engine/InningsModel.h"
#include "engine/MatchHost.h"
#include "engine/SummaryModel.h"
#include "state/Globals.h"
#include "state/MatchState.h"

namespace {

// Both batsmen at the crease have their minutes captions brought up to their running minutes.
void showCreaseMinutes(const MatchState &state, InningsModel &card)
{
    if (BattingLine *a = card.batsman(state.BatsmanA))
        a->showMinutes();
    if (BattingLine *b = card.batsman(state.BatsmanB))
        b->showMinutes();
}

// Returns true when the match is over (the result window is open).
bool closeInnings(MatchHost &host)
{
    MatchState &state = Globals::matchState();
    host.innings(state.CurrentInnings).rollEnabled = false;
    state.CurrentInnings += 1;
    if (state.CurrentInnings == 5) {
        host.openResult();
        return true;
    }
    state.Striker = 1;
    state.BatsmanA = 1;
    state.BatsmanB = 2;
    state.WicketsDown = 0;
    InningsModel &next = host.innings(state.CurrentInnings);
    for (BattingLine &line : next.lines)
        line.minsTag = 0;
    host.showInnings(state.CurrentInnings);
    return false;
}

void addToScore(MatchState &state, MatchHost &host, InningsModel &card, int runs)
{
    card.total += runs;
    host.summary().add(state.CurrentInnings, runs);
}

void appealNotOut(MatchState &state, MatchHost &host, InningsModel &card, const QString &name)
{
    host.addHighlight(QStringLiteral("An appeal is made against ") + name +
                      QStringLiteral(" and he is given NOT OUT!"));
    RandomSource &random = Globals::random();
    random.reseed();
    const int extras = BallRules::extrasForDraw(random.draw(20));
    card.total += extras;
    card.extras += extras;
    host.summary().add(state.CurrentInnings, extras);
}

void appealOut(MatchState &state, MatchHost &host, InningsModel &card, const QString &name)
{
    host.addHighlight(QStringLiteral("An appeal is made against ") + name +
                      QStringLiteral(" and he is given out!"));
    const int wickets = state.WicketsDown;
    const TeamRecord &side = state.battingSide();
    BattingCard &record = state.Cards[state.CurrentInnings];
    BattingLine &out = *card.batsman(state.Striker);
    BattingLine &a = *card.batsman(state.BatsmanA);
    BattingLine &b = *card.batsman(state.BatsmanB);
    record.Pair[std::size_t(wickets + 1)] = a.name.trimmed() + QLatin1Char('/') + b.name.trimmed();
    record.FOW[std::size_t(wickets + 1)] = qint16(host.summary().innings[state.CurrentInnings]);

    RandomSource &random = Globals::random();
    random.reseed();
    const int kind = random.draw(12);
    const int balls = random.draw(6);
    BattingLine::add(out.balls, balls);
    const int minutes = BallRules::minutesForBalls(balls);
    out.minsTag += minutes;
    (state.Striker == state.BatsmanA ? b : a).minsTag += 4; // the partner batted the whole over
    a.showMinutes();
    b.showMinutes();
    out.howOut = BallRules::dismissalCaption(kind);
    out.fow = signedNumber(wickets + 1) + QLatin1Char('/') + plainNumber(card.total);
    out.nameColour = out.howOutColour = out.runsColour = side.OutColour;
    out.minsColour = out.ballsColour = side.OutColour;

    const int incoming = wickets + 3;
    if (state.Striker == state.BatsmanA)
        state.BatsmanA = quint8(incoming);
    else
        state.BatsmanB = quint8(incoming);
    state.Striker = quint8(incoming);
    // After the tenth wicket number 12 stands in until the innings closes; he has no line.
    if (wickets <= 8) {
        BattingLine &in = *card.batsman(incoming);
        in.nameColour = in.howOutColour = in.runsColour = Bgr::White;
        in.minsColour = in.ballsColour = Bgr::White;
        in.howOut = QStringLiteral("Not Out");
        in.runs = in.mins = in.balls = 0;
        BattingLine::add(in.balls, 6 - balls);
        in.minsTag += 4 - minutes;
        showCreaseMinutes(state, card);
    }
    state.WicketsDown = quint8(wickets + 1);
    card.wicketsShown = wickets + 1;
}

void playAppeal(MatchState &state, MatchHost &host, InningsModel &card)
{
    const TeamRecord &side = state.battingSide();
    const auto striker = std::size_t(state.Striker);
    const QString name = side.Players[striker].trimmed();
    if (AppealDecision(side.BatAverage[striker]))
        appealOut(state, host, card, name);
    else
        appealNotOut(state, host, card, name);
}

} // namespace

void BallRules::txtRollChange(MatchHost &host, int window, QStringView text)
{
    MatchState &state = Globals::matchState();
    if (state.TimeUp) {
        host.openResult();
        return;
    }
    if (state.WicketsDown == 10 && closeInnings(host))
        return;

    InningsModel &card = host.innings(window);
    const double value = captionValue(text);
    const bool face = value > 0 && value < 7;
    if (face)
        AdvanceClock(state, host.clock());
    // Only number 12, after a tenth wicket, has no line; no over is ever played with him in.
    const bool crease =
        card.batsman(state.Striker) && card.batsman(state.BatsmanA) && card.batsman(state.BatsmanB);
    const int runs = face && crease ? int(value) : 0;
    if (runs == 5) {
        playAppeal(state, host, card);
        host.clearRoll(window);
        return;
    }
    if (runs > 0) {
        BattingLine::add(card.batsman(state.Striker)->runs, runs);
        addToScore(state, host, card, runs);
    }
    if (runs == 1 || runs == 3) {
        state.Striker = state.Striker == state.BatsmanA ? state.BatsmanB : state.BatsmanA;
        // The split goes by the two ends, not by who faces.
        RandomSource &random = Globals::random();
        random.reseed();
        const int split = random.draw(5);
        BattingLine::add(card.batsman(state.BatsmanA)->balls, split);
        BattingLine::add(card.batsman(state.BatsmanB)->balls, 6 - split);
    } else if (runs > 0) {
        BattingLine::add(card.batsman(state.Striker)->balls, 6);
    }
    if (runs > 0) {
        card.batsman(state.BatsmanA)->minsTag += 4;
        card.batsman(state.BatsmanB)->minsTag += 4;
    }
    showCreaseMinutes(state, card);

    host.clearRoll(window);
    if (state.Striker >= 1 && state.Striker <= 11)
        card.markerLine = state.Striker - 1;
}

QString BallRules::rollDie()
{
    RandomSource &random = Globals::random();
    random.reseed();
    return QString::number(random.draw(6));
}

int BallRules::extrasForDraw(int r)
{
    if (r <= 3)
        return 0;
    if (r <= 11)
        return 1;
    if (r <= 14)
        return 2;
    if (r == 15)
        return 3;
    if (r == 16)
        return 4;
    return 1;
}

QString BallRules::dismissalCaption(int k)
{
    switch (k) {
    case 5:
    case 6:
    case 7:
        return QStringLiteral("Bowled");
    case 8:
        // Shown with one ampersand: our labels are plain text, not mnemonics.
        return QStringLiteral("Caught & Bowled");
    case 9:
        return QStringLiteral("Stumped");
    case 10:
    case 11:
        return QStringLiteral("Caught Behind");
    default:
        return QStringLiteral("Caught ");
    }
}

int BallRules::minutesForBalls(int b)
{
    return b == 1 ? 1 : b <= 3 ? 2 : b <= 5 ? 3 : 4;
}
