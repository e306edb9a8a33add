// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/Match.h"

#include "core/common/CaptionNumbers.h"
#include "core/common/Colours.h"
#include "core/common/RandomSource.h"
#include "core/match/AppealDecision.h"
#include "core/match/BallRules.h"
#include "core/match/HighlightsLog.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <numeric>
#include <utility>

Match::Match(QObject *parent) : QObject(parent) {}

void Match::start(const MatchSetup &setup, RandomSource &random)
{
    m_random = &random;
    m_log = MatchLog{setup, {}, {}, {}};
    m_state = MatchState();
    m_state.Team1 = setup.sides[0].team;
    m_state.Team2 = setup.sides[1].team;
    m_state.ClockHour = 10;
    for (std::size_t i = 1; i < m_state.Cards.size(); ++i) {
        for (auto &pair : m_state.Cards[i].Pair)
            pair = u"";
    }
    m_clock = ClockModel();
    m_summary = SummaryModel();
    m_summary.team1 = m_state.Team1.Name.trimmed();
    m_summary.team2 = m_state.Team2.Name.trimmed();
    m_highlights = HighlightsLog::initialText();
    m_newHighlights.clear();
    m_inningsFirstOver = 0;
    m_lastOver = OverReport();
    for (auto &innings : m_innings)
        innings.reset();
    m_state.CurrentInnings = 1;
    m_innings[1].emplace();
    setupInnings(m_state, *m_innings[1]);
}

QString Match::replay(const MatchLog &log, RandomSource &random)
{
    const auto recorded = std::accumulate(log.drawCounts.begin(), log.drawCounts.end(), 0);
    if (log.drawCounts.size() != log.faces.size() || std::size_t(recorded) != log.draws.size())
        return tr("the draws recorded do not add up to its overs");
    const QSignalBlocker quiet(this);
    start(log.setup, random);
    const quint8 *next = log.draws.data();
    for (int over = 0; over < log.overs(); ++over) {
        const int face = log.faces[std::size_t(over)];
        if (face < 1 || face > 6)
            return tr("over %1 has a die face of %2").arg(over + 1).arg(face);
        if (isOver())
            return tr("over %1 comes after the result").arg(over + 1);
        const quint8 *end = next + log.drawCounts[std::size_t(over)];
        ReplayRandom draws(next, end);
        playOver(face, draws);
        if (!draws.error().isEmpty())
            return tr("over %1: %2").arg(over + 1).arg(draws.error());
        if (!draws.exhausted())
            return tr("over %1 has more draws recorded than it took").arg(over + 1);
        next = end;
    }
    return {};
}

void Match::adopt(const Match &other)
{
    m_state = other.m_state;
    m_innings = other.m_innings;
    m_clock = other.m_clock;
    m_summary = other.m_summary;
    m_highlights = other.m_highlights;
    m_newHighlights = other.m_newHighlights;
    m_log = other.m_log;
    m_inningsFirstOver = other.m_inningsFirstOver;
    m_lastOver = other.m_lastOver;
    m_random = other.m_random;
}

bool Match::inningsOpen(int number) const
{
    return number >= 1 && number <= 4 && m_innings[std::size_t(number)].has_value();
}

const InningsModel &Match::innings(int number) const
{
    Q_ASSERT(inningsOpen(number));
    return *m_innings[std::size_t(number)];
}

MatchResult Match::result() const
{
    return isOver() ? resultOf(m_state.TimeUp, qint16(m_summary.total1), qint16(m_summary.total2))
                    : MatchResult{};
}

QString Match::resultText() const
{
    return ::resultText(result(), {m_summary.team1, m_summary.team2});
}

int Match::rollDie()
{
    m_random->reseed();
    return m_random->draw(6);
}

bool Match::playOver(int face)
{
    return playOver(face, *m_random);
}

bool Match::playOver(int face, RandomSource &draws)
{
    if (!started() || isOver() || face < 1 || face > 6)
        return false;
    const std::size_t firstDraw = m_log.draws.size();
    RecordingRandom random(draws, m_log.draws);
    const ClockModel before = m_clock;
    AdvanceClock(m_state, m_clock);
    InningsModel &played = card();
    m_lastOver = OverReport();
    if (const BattingLine *striker = played.batsman(m_state.Striker))
        m_lastOver.batsman = striker->name.trimmed();
    // Only number 12, after a tenth wicket, has no line; the innings closes before he could bat.
    const bool crease = played.batsman(m_state.Striker) && played.batsman(m_state.BatsmanA) &&
                        played.batsman(m_state.BatsmanB);
    const int runs = crease ? face : 0;
    if (runs == 5)
        playAppeal(random);
    else
        playRuns(runs, random);
    m_log.faces.push_back(quint8(face));
    m_log.drawCounts.push_back(quint8(m_log.draws.size() - firstDraw));
    emit overLogged(m_log.overs() - 1);
    const QStringList appeals = std::exchange(m_newHighlights, {});
    for (const QString &line : appeals)
        emit highlightAdded(line);
    reportOver(before, face);
    settle();
    // After runs the facing marker always follows the striker; after an appeal only while the
    // innings goes on.
    if (runs != 5 && m_state.Striker >= 1 && m_state.Striker <= 11)
        played.markerLine = m_state.Striker - 1;
    emit changed();
    return true;
}

void Match::reportOver(const ClockModel &before, int face)
{
    OverReport &over = m_lastOver;
    over.number = m_log.overs() - m_inningsFirstOver;
    over.face = face;
    const InningsModel &played = card();
    over.team = m_state.battingSide().Name.trimmed();
    over.total = played.total;
    over.wickets = m_state.WicketsDown;
    over.inningsClosed = over.wickets == 10 && !m_state.TimeUp;
    // Lunch and tea move the clock on by their length, which no over of four minutes does.
    over.lunch = before.hour == 11 && m_clock.hour == 12;
    over.tea = before.hour == 2 && m_clock.hour == 3;
    // At time up the result window tells the rest.
    if (m_clock.day != before.day && !m_state.TimeUp)
        over.stumpsDay = before.day;
}

void Match::settle()
{
    if (m_state.TimeUp) {
        emit resultReached();
        return;
    }
    InningsModel &played = card();
    if (m_state.WicketsDown == 10) {
        played.rollEnabled = false;
        m_state.CurrentInnings += 1;
        if (m_state.CurrentInnings == 5) {
            emit resultReached();
            return;
        }
        beginInnings();
    }
    // The scorecard just played (the closed one, when an innings ended) shows the minutes of
    // the two at the crease and marks the striker.
    showCreaseMinutes(played);
    if (m_state.Striker >= 1 && m_state.Striker <= 11)
        played.markerLine = m_state.Striker - 1;
}

void Match::beginInnings()
{
    const int number = m_state.CurrentInnings;
    m_innings[std::size_t(number)].emplace();
    setupInnings(m_state, *m_innings[std::size_t(number)]);
    m_inningsFirstOver = m_log.overs();
    emit inningsStarted(number);
}

void Match::showCreaseMinutes(InningsModel &scorecard)
{
    if (BattingLine *a = scorecard.batsman(m_state.BatsmanA))
        a->showMinutes();
    if (BattingLine *b = scorecard.batsman(m_state.BatsmanB))
        b->showMinutes();
}

void Match::addRuns(int runs)
{
    card().total += runs;
    m_summary.add(m_state.CurrentInnings, runs);
}

void Match::addHighlight(const QString &line)
{
    m_highlights = HighlightsLog::withEntry(m_highlights, line);
    m_newHighlights << line;
}

void Match::playRuns(int runs, RandomSource &random)
{
    InningsModel &played = card();
    m_lastOver.runs = runs;
    if (runs > 0) {
        BattingLine::add(played.batsman(m_state.Striker)->runs, runs);
        addRuns(runs);
    }
    if (runs == 1 || runs == 3) {
        m_state.Striker = m_state.Striker == m_state.BatsmanA ? m_state.BatsmanB : m_state.BatsmanA;
        // The split goes by the two ends, not by who faces.
        random.reseed();
        const int split = random.draw(5);
        BattingLine::add(played.batsman(m_state.BatsmanA)->balls, split);
        BattingLine::add(played.batsman(m_state.BatsmanB)->balls, 6 - split);
    } else if (runs > 0) {
        BattingLine::add(played.batsman(m_state.Striker)->balls, 6);
    }
    if (runs > 0) {
        played.batsman(m_state.BatsmanA)->minsTag += 4;
        played.batsman(m_state.BatsmanB)->minsTag += 4;
    }
    showCreaseMinutes(card());
}

void Match::playAppeal(RandomSource &random)
{
    const TeamRecord &side = m_state.battingSide();
    const auto striker = std::size_t(m_state.Striker);
    const QString name = side.Players[striker].trimmed();
    if (AppealDecision(side.BatAverage[striker], random))
        appealOut(name, random);
    else
        appealNotOut(name, random);
}

void Match::appealNotOut(const QString &name, RandomSource &random)
{
    addHighlight(QCoreApplication::translate(
                     "Match", "An appeal is made against %1 and he is given NOT OUT!")
                     .arg(name));
    random.reseed();
    const int extras = BallRules::extrasForDraw(random.draw(20));
    m_lastOver.kind = OverReport::Kind::NotOut;
    m_lastOver.extras = extras;
    card().extras += extras;
    addRuns(extras);
}

void Match::appealOut(const QString &name, RandomSource &random)
{
    addHighlight(
        QCoreApplication::translate("Match", "An appeal is made against %1 and he is given out!")
            .arg(name));
    InningsModel &played = card();
    const int wickets = m_state.WicketsDown;
    const TeamRecord &side = m_state.battingSide();
    BattingCard &record = m_state.Cards[m_state.CurrentInnings];
    BattingLine &out = *played.batsman(m_state.Striker);
    BattingLine &a = *played.batsman(m_state.BatsmanA);
    BattingLine &b = *played.batsman(m_state.BatsmanB);
    record.Pair[std::size_t(wickets + 1)] = a.name.trimmed() + QLatin1Char('/') + b.name.trimmed();
    record.FOW[std::size_t(wickets + 1)] = qint16(m_summary.innings[m_state.CurrentInnings]);

    random.reseed();
    const int kind = random.draw(12);
    const int balls = random.draw(6);
    BattingLine::add(out.balls, balls);
    const int minutes = BallRules::minutesForBalls(balls);
    out.minsTag += minutes;
    (m_state.Striker == m_state.BatsmanA ? b : a).minsTag += 4; // the partner batted the whole over
    a.showMinutes();
    b.showMinutes();
    out.how = BallRules::dismissalFor(kind);
    out.howOut = BallRules::dismissalCaption(out.how);
    m_lastOver.kind = OverReport::Kind::Out;
    m_lastOver.howOut = out.howOut;
    out.fow = signedNumber(wickets + 1) + QLatin1Char('/') + plainNumber(played.total);
    out.nameColour = out.howOutColour = out.runsColour = side.OutColour;
    out.minsColour = out.ballsColour = side.OutColour;

    const int incoming = wickets + 3;
    if (m_state.Striker == m_state.BatsmanA)
        m_state.BatsmanA = quint8(incoming);
    else
        m_state.BatsmanB = quint8(incoming);
    m_state.Striker = quint8(incoming);
    // After the tenth wicket number 12 stands in until the innings closes; he has no line.
    if (wickets <= 8) {
        BattingLine &in = *played.batsman(incoming);
        in.nameColour = in.howOutColour = in.runsColour = Bgr::White;
        in.minsColour = in.ballsColour = Bgr::White;
        in.howOut = BallRules::dismissalCaption(Dismissal::NotOut);
        in.runs = in.mins = in.balls = 0;
        BattingLine::add(in.balls, 6 - balls);
        in.minsTag += 4 - minutes;
        showCreaseMinutes(card());
    }
    m_state.WicketsDown = quint8(wickets + 1);
    played.wicketsShown = wickets + 1;
}
