// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

// Checks a match on screen against the rules of the over without knowing the draws: it reads
// only the captions of the real windows (and the match record), so it serves matches played
// with the real die and matches played by a monkey alike. Call observe() after anything that
// may have played an over; at most one over may have been played since the last call.

#include "common/CaptionNumbers.h"
#include "common/Colours.h"
#include "common/Controls.h"
#include "common/Twips.h"
#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmResult.h"
#include "engine/frmState.h"
#include "state/Globals.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <array>
#include <numeric>

class MatchInvariants
{
public:
    // Empty when every rule holds, otherwise the first broken one.
    QString observe()
    {
        if (!MatchWindows::isInningsOpen(1) || !MatchWindows::isStateOpen() ||
            !MatchWindows::isSummaryOpen()) {
            m_first = nullptr;
            return {};
        }
        frmInnings1 *first = MatchWindows::InningsWindows(1);
        Snapshot now = snapshot();
        QString problem;
        if (first != m_first) {
            m_first = first;
            m_innings = {};
            ++m_matches;
            if (now.clockOvers != 0)
                problem = QStringLiteral("a new match shows %1 overs played").arg(now.clockOvers);
        } else if (now.clockOvers == m_last.clockOvers + 1) {
            ++m_overs;
            problem = checkOver(m_last, now);
        } else if (now.clockOvers == m_last.clockOvers) {
            problem = checkNoOver(m_last, now);
        } else {
            problem = QStringLiteral("the clock went from %1 to %2 overs in one step")
                          .arg(m_last.clockOvers)
                          .arg(now.clockOvers);
        }
        if (problem.isEmpty())
            problem = checkStanding(now);
        m_last = now;
        return problem;
    }

    int matches() const { return m_matches; }
    int overs() const { return m_overs; }
    // Overs of the current match, from its clock.
    int matchOvers() const { return m_last.clockOvers; }

    static int minutesOfDismissal(int balls)
    {
        return balls == 1 ? 1 : balls <= 3 ? 2 : balls <= 5 ? 3 : 4;
    }

    // The verdict the result window must show for the aggregates on screen.
    static QString expectedResult()
    {
        const MatchState &state = Globals::matchState();
        if (state.TimeUp)
            return QStringLiteral("The time allowed for this match has expired; the innings were "
                                  "not completed and the match has been declared a draw");
        QWidget *summary = MatchWindows::summary();
        const int total1 =
            int(captionValue(summary->findChild<QLabel *>(QStringLiteral("lblTotal1"))->text()));
        const int total2 =
            int(captionValue(summary->findChild<QLabel *>(QStringLiteral("lblTotal2"))->text()));
        if (total1 == total2)
            return QStringLiteral("This test match has been tied!");
        const bool first = total1 > total2;
        return QStringLiteral("I declare the winner of this test match, by ") +
               signedNumber(first ? total1 - total2 : total2 - total1) +
               QStringLiteral(" runs : ") + (first ? state.Team1 : state.Team2).Name.trimmed();
    }

private:
    struct Card
    {
        bool open = false;
        std::array<int, 11> runs{};
        std::array<int, 11> balls{};
        std::array<int, 11> mins{};
        std::array<QString, 11> names;
        std::array<QString, 11> howOut;
        std::array<QString, 11> fow;
        int extras = 0;
        int total = 0;
    };
    struct Snapshot
    {
        int innings = 0;
        int wickets = 0;
        int striker = 0;
        int batsmanA = 0;
        int batsmanB = 0;
        bool timeUp = false;
        int clockOvers = 0;
        QString log;
        std::array<Card, 5> cards{};
        std::array<int, 5> summary{}; // innings 1..4
        int total1 = 0;
        int total2 = 0;
    };
    // What the over-by-over view knows of an innings: how its balls and minutes must add up.
    struct InningsTally
    {
        int overs = 0;
        int notOutAppeals = 0;
        int ballsLost = 0; // the rest of the over at the tenth wicket, which nobody faces
        int minutesLost = 0;
    };

    // findChild walks every control of a window, and the checks read hundreds of captions an
    // over: each window's controls are indexed by name once.
    struct WidgetIndex
    {
        QPointer<QWidget> window;
        QHash<QString, QWidget *> byName;
    };
    template <typename T>
    T *find(QWidget *window, const QString &name)
    {
        for (const WidgetIndex &index : m_index) {
            if (index.window == window)
                return qobject_cast<T *>(index.byName.value(name));
        }
        m_index.removeIf([](const WidgetIndex &index) { return index.window.isNull(); });
        WidgetIndex index{window, {}};
        const QList<QWidget *> children = window->findChildren<QWidget *>();
        for (QWidget *child : children)
            index.byName.insert(child->objectName(), child);
        m_index.append(index);
        return qobject_cast<T *>(index.byName.value(name));
    }
    int value(QWidget *window, const QString &name)
    {
        const auto *label = find<QLabel>(window, name);
        return label ? int(captionValue(label->text())) : -1;
    }
    enum Column
    {
        Name,
        HowOut,
        Runs,
        Balls,
        Mins,
        Fow
    };
    QLabel *line(QWidget *window, Column column, int index)
    {
        static const std::array<std::array<QString, 11>, 6> names = [] {
            std::array<std::array<QString, 11>, 6> all;
            const char *columns[] = {"lblName_",  "lblHowOut_", "lblRuns_",
                                     "lblBalls_", "lblMins_",   "lblFOW_"};
            for (std::size_t c = 0; c < all.size(); ++c) {
                for (std::size_t i = 0; i < 11; ++i)
                    all[c][i] = QLatin1String(columns[c]) + QString::number(i);
            }
            return all;
        }();
        return find<QLabel>(window, names[std::size_t(column)][std::size_t(index)]);
    }
    static int sum(const std::array<int, 11> &figures)
    {
        return std::accumulate(figures.begin(), figures.end(), 0);
    }
    static const TeamRecord &sideOf(int innings)
    {
        return innings % 2 == 1 ? Globals::matchState().Team1 : Globals::matchState().Team2;
    }

    Card cardOf(int innings)
    {
        Card card;
        if (!MatchWindows::isInningsOpen(innings))
            return card;
        QWidget *window = MatchWindows::InningsWindows(innings);
        card.open = true;
        for (int i = 0; i < 11; ++i) {
            const auto at = std::size_t(i);
            card.runs[at] = int(captionValue(line(window, Runs, i)->text()));
            card.balls[at] = int(captionValue(line(window, Balls, i)->text()));
            card.mins[at] = int(captionValue(line(window, Mins, i)->text()));
            card.names[at] = line(window, Name, i)->text();
            card.howOut[at] = line(window, HowOut, i)->text();
            card.fow[at] = line(window, Fow, i)->text();
        }
        card.extras = value(window, QStringLiteral("lblExtras"));
        card.total = value(window, QStringLiteral("lblTotal"));
        return card;
    }

    Snapshot snapshot()
    {
        const MatchState &state = Globals::matchState();
        Snapshot shot;
        shot.innings = state.CurrentInnings;
        shot.wickets = state.WicketsDown;
        shot.striker = state.Striker;
        shot.batsmanA = state.BatsmanA;
        shot.batsmanB = state.BatsmanB;
        shot.timeUp = state.TimeUp;
        QWidget *clock = MatchWindows::state();
        shot.clockOvers = (value(clock, QStringLiteral("lblDay")) - 1) * 90 +
                          value(clock, QStringLiteral("lblOvers"));
        shot.log = MatchWindows::isHighlightsOpen() ? MatchWindows::highlights()->log() : QString();
        for (int i = 1; i <= 4; ++i) {
            shot.cards[std::size_t(i)] = cardOf(i);
            shot.summary[std::size_t(i)] =
                value(MatchWindows::summary(), QStringLiteral("lblInn") + QString::number(i));
        }
        shot.total1 = value(MatchWindows::summary(), QStringLiteral("lblTotal1"));
        shot.total2 = value(MatchWindows::summary(), QStringLiteral("lblTotal2"));
        return shot;
    }

    QString checkOver(const Snapshot &before, const Snapshot &after)
    {
        const int innings = before.innings;
        if (innings < 1 || innings > 4 || before.timeUp)
            return QStringLiteral("an over was played in innings %1 (time up %2)")
                .arg(innings)
                .arg(before.timeUp);
        const Card &was = before.cards[std::size_t(innings)];
        const Card &is = after.cards[std::size_t(innings)];
        if (!is.open)
            return QStringLiteral("the scorecard of innings %1 closed during its over")
                .arg(innings);
        InningsTally &tally = m_innings[std::size_t(innings)];
        ++tally.overs;
        const auto at = [](int batsman) {
            return std::size_t(batsman - 1);
        };
        const int striker = before.striker;
        const int a = before.batsmanA;
        const int b = before.batsmanB;
        const int partner = striker == a ? b : a;
        std::array<int, 11> ballsAdded{};
        std::array<int, 11> minsAdded{};
        for (std::size_t i = 0; i < 11; ++i) {
            ballsAdded[i] = is.balls[i] - was.balls[i];
            minsAdded[i] = is.mins[i] - was.mins[i];
        }
        const int runs = sum(is.runs) - sum(was.runs);
        const int extras = is.extras - was.extras;
        std::array<int, 11> expectedBalls{};
        std::array<int, 11> expectedMins{};

        if (after.log == before.log) {
            // A scoring over: the face is the striker's runs.
            if (runs != 1 && runs != 2 && runs != 3 && runs != 4 && runs != 6)
                return QStringLiteral("a scoring over gave %1 runs").arg(runs);
            if (is.runs[at(striker)] - was.runs[at(striker)] != runs || extras != 0)
                return QStringLiteral("the %1 runs of the over did not all go to the striker %2")
                    .arg(runs)
                    .arg(striker);
            if (runs % 2 == 1) {
                const int split = ballsAdded[at(a)];
                if (split < 1 || split > 5)
                    return QStringLiteral("odd runs split %1 balls to BatsmanA").arg(split);
                expectedBalls[at(a)] = split;
                expectedBalls[at(b)] = 6 - split;
            } else {
                expectedBalls[at(striker)] = 6;
            }
            expectedMins[at(a)] = 4;
            expectedMins[at(b)] = 4;
            const int striking = runs % 2 == 1 ? partner : striker;
            if (after.striker != striking || after.wickets != before.wickets)
                return QStringLiteral("after %1 runs the striker is %2 (expected %3)")
                    .arg(runs)
                    .arg(after.striker)
                    .arg(striking);
        } else {
            const QString batsman = sideOf(innings).Players[std::size_t(striker)].trimmed();
            const QString appeal = QStringLiteral("An appeal is made against ") + batsman;
            const QString newLine = after.log.section(QStringLiteral("\r\n"), 0, 0);
            const QString rest = after.log.mid(newLine.size() + 2);
            if (rest != before.log && rest != QStringLiteral("Match Highlights"))
                return QStringLiteral("the highlights changed by more than one line");
            const bool out = newLine == appeal + QStringLiteral(" and he is given out!");
            if (!out && newLine != appeal + QStringLiteral(" and he is given NOT OUT!"))
                return QStringLiteral("unexpected highlight \"%1\"").arg(newLine);
            if (runs != 0)
                return QStringLiteral("an appeal over gave %1 runs").arg(runs);
            if (!out) {
                ++tally.notOutAppeals;
                if (extras < 0 || extras > 4 || is.total - was.total != extras)
                    return QStringLiteral("a turned-down appeal gave %1 extras, total +%2")
                        .arg(extras)
                        .arg(is.total - was.total);
                if (after.striker != striker || after.wickets != before.wickets)
                    return QStringLiteral("a turned-down appeal changed the strike or wickets");
            } else {
                const QString problem =
                    checkDismissal(before, after, ballsAdded, expectedBalls, expectedMins, tally);
                if (!problem.isEmpty())
                    return problem;
            }
        }
        if (ballsAdded != expectedBalls || minsAdded != expectedMins)
            return QStringLiteral("balls or minutes of the over went astray: balls %1, minutes %2")
                .arg(list(ballsAdded), list(minsAdded));
        return {};
    }

    QString checkDismissal(const Snapshot &before, const Snapshot &after,
                           const std::array<int, 11> &ballsAdded,
                           std::array<int, 11> &expectedBalls, std::array<int, 11> &expectedMins,
                           InningsTally &tally)
    {
        const int innings = before.innings;
        const Card &was = before.cards[std::size_t(innings)];
        const Card &is = after.cards[std::size_t(innings)];
        const MatchState &state = Globals::matchState();
        const auto at = [](int batsman) {
            return std::size_t(batsman - 1);
        };
        const int striker = before.striker;
        const int partner = striker == before.batsmanA ? before.batsmanB : before.batsmanA;
        const int wicket = before.wickets + 1;
        if (is.extras != was.extras)
            return QStringLiteral("a dismissal gave extras");
        const int balls = ballsAdded[at(striker)];
        if (balls < 1 || balls > 6)
            return QStringLiteral("the dismissed batsman faced %1 balls of the over").arg(balls);
        const int minutes = minutesOfDismissal(balls);
        expectedBalls[at(striker)] = balls;
        expectedMins[at(striker)] = minutes;
        expectedMins[at(partner)] = 4;
        static const QSet<QString> kinds{
            QStringLiteral("Caught "),         QStringLiteral("Bowled"),
            QStringLiteral("Caught & Bowled"), QStringLiteral("Caught && Bowled"),
            QStringLiteral("Stumped"),         QStringLiteral("Caught Behind")};
        if (!kinds.contains(is.howOut[at(striker)]))
            return QStringLiteral("dismissed as \"%1\"").arg(is.howOut[at(striker)]);
        const QString fow =
            QLatin1Char(' ') + plainNumber(wicket) + QLatin1Char('/') + plainNumber(is.total);
        if (is.fow[at(striker)] != fow)
            return QStringLiteral("fall of wicket \"%1\", expected \"%2\"")
                .arg(is.fow[at(striker)], fow);
        const BattingCard &card = state.Cards[std::size_t(innings)];
        if (card.FOW[std::size_t(wicket)] != is.total)
            return QStringLiteral("FOW(%1) is %2, the total %3")
                .arg(wicket)
                .arg(card.FOW[std::size_t(wicket)])
                .arg(is.total);
        const QString pair = was.names[at(before.batsmanA)].trimmed() + QLatin1Char('/') +
                             was.names[at(before.batsmanB)].trimmed();
        if (card.Pair[std::size_t(wicket)].trimmed() != pair)
            return QStringLiteral("Pair(%1) is \"%2\", expected \"%3\"")
                .arg(wicket)
                .arg(card.Pair[std::size_t(wicket)].trimmed(), pair);
        QWidget *window = MatchWindows::InningsWindows(innings);
        if (foreColour(line(window, Name, striker - 1)) != colourFromBgr(sideOf(innings).OutColour))
            return QStringLiteral("the dismissed batsman's line is not in the out colour");

        if (wicket < 10) {
            const int incoming = wicket + 2;
            expectedBalls[at(incoming)] = 6 - balls;
            expectedMins[at(incoming)] = 4 - minutes;
            if (is.howOut[at(incoming)] != QStringLiteral("Not Out") || is.runs[at(incoming)] != 0)
                return QStringLiteral("batsman %1 came in as \"%2\" with %3 runs")
                    .arg(incoming)
                    .arg(is.howOut[at(incoming)])
                    .arg(is.runs[at(incoming)]);
            if (after.striker != incoming || after.wickets != wicket)
                return QStringLiteral("after wicket %1 the striker is %2, wickets %3")
                    .arg(wicket)
                    .arg(after.striker)
                    .arg(after.wickets);
            return {};
        }
        // The tenth wicket: nobody faces the rest of the over.
        tally.ballsLost = 6 - balls;
        tally.minutesLost = 4 - minutes;
        if (after.timeUp)
            return after.innings == innings && after.wickets == 10
                       ? QString()
                       : QStringLiteral("the innings closed although the time was up");
        if (after.innings != innings + 1)
            return QStringLiteral("the tenth wicket of innings %1 left innings %2 in play")
                .arg(innings)
                .arg(after.innings);
        auto *oldRoll = find<QPushButton>(window, QStringLiteral("cmdRoll"));
        if (oldRoll->isEnabled())
            return QStringLiteral("the finished scorecard's ROLL is still enabled");
        if (innings == 4)
            return MatchWindows::isResultOpen()
                       ? QString()
                       : QStringLiteral("the fourth innings ended without a result");
        if (after.wickets != 0 || after.striker != 1 || after.batsmanA != 1 || after.batsmanB != 2)
            return QStringLiteral("the next innings did not start with batsmen 1 and 2");
        if (MatchWindows::InningsWindows(innings + 1)->pos() !=
            MatchWindows::InningsWindows(1)->pos())
            return QStringLiteral("innings %1 did not open over innings 1").arg(innings + 1);
        return {};
    }

    static QString checkNoOver(const Snapshot &before, const Snapshot &after)
    {
        if (before.innings != after.innings || before.wickets != after.wickets ||
            before.striker != after.striker)
            return QStringLiteral("the match moved on without an over");
        if (before.total1 != after.total1 || before.total2 != after.total2 ||
            before.summary != after.summary)
            return QStringLiteral("the summary changed without an over");
        for (int i = 1; i <= 4; ++i) {
            const Card &was = before.cards[std::size_t(i)];
            const Card &is = after.cards[std::size_t(i)];
            if (!was.open)
                continue;
            if (!is.open)
                return QStringLiteral("scorecard %1 closed during the match").arg(i);
            if (was.runs != is.runs || was.balls != is.balls || was.mins != is.mins ||
                was.fow != is.fow || was.howOut != is.howOut || was.total != is.total ||
                was.extras != is.extras)
                return QStringLiteral("scorecard %1 changed without an over").arg(i);
        }
        return {};
    }

    // The rules that hold at any moment of the match.
    QString checkStanding(const Snapshot &now)
    {
        const MatchState &state = Globals::matchState();
        std::array<int, 5> totals{};
        for (int i = 1; i <= 4; ++i) {
            const Card &card = now.cards[std::size_t(i)];
            if (!card.open) {
                if (i <= now.innings && i <= 4)
                    return QStringLiteral("scorecard %1 is not open").arg(i);
                continue;
            }
            totals[std::size_t(i)] = card.total;
            if (card.total != sum(card.runs) + card.extras)
                return QStringLiteral("innings %1: total %2 is not runs %3 plus extras %4")
                    .arg(i)
                    .arg(card.total)
                    .arg(sum(card.runs))
                    .arg(card.extras);
            const InningsTally &tally = m_innings[std::size_t(i)];
            const int overs = tally.overs - tally.notOutAppeals;
            if (sum(card.balls) != 6 * overs - tally.ballsLost)
                return QStringLiteral("innings %1: %2 balls on the card for %3 overs with balls, "
                                      "%4 lost at the tenth wicket")
                    .arg(i)
                    .arg(sum(card.balls))
                    .arg(overs)
                    .arg(tally.ballsLost);
            if (sum(card.mins) != 8 * overs - tally.minutesLost)
                return QStringLiteral("innings %1: %2 minutes on the card for %3 overs with "
                                      "balls, %4 lost at the tenth wicket")
                    .arg(i)
                    .arg(sum(card.mins))
                    .arg(overs)
                    .arg(tally.minutesLost);
            const int fallen = i == now.innings ? now.wickets : 10;
            QSet<QString> shown;
            for (const QString &fow : card.fow) {
                if (!fow.isEmpty())
                    shown << fow;
            }
            QSet<QString> recorded;
            for (int wicket = 1; wicket <= fallen; ++wicket)
                recorded << QLatin1Char(' ') + plainNumber(wicket) + QLatin1Char('/') +
                                plainNumber(state.Cards[std::size_t(i)].FOW[std::size_t(wicket)]);
            if (shown != recorded || int(shown.size()) != fallen)
                return QStringLiteral("innings %1: fall-of-wicket captions %2 differ from FOW %3")
                    .arg(i)
                    .arg(QStringList(shown.values()).join(u','),
                         QStringList(recorded.values()).join(u','));
            QWidget *window = MatchWindows::InningsWindows(i);
            const QString totalLine = QStringLiteral("Total for the loss of ") +
                                      plainNumber(fallen) + QStringLiteral(" wickets:");
            if (find<QLabel>(window, QStringLiteral("lblTotalLine"))->text() != totalLine)
                return QStringLiteral("innings %1: the total line is not \"%2\"")
                    .arg(i)
                    .arg(totalLine);
            // Once time is up a change of the box only brings the result forward; nothing
            // clears it any more.
            const QString box = find<QLineEdit>(window, QStringLiteral("txtRoll"))->text();
            if (!now.timeUp && !box.isEmpty())
                return QStringLiteral("innings %1: the roll box holds \"%2\" between overs")
                    .arg(i)
                    .arg(box);
            const bool inPlay = i == now.innings;
            if (find<QPushButton>(window, QStringLiteral("cmdRoll"))->isEnabled() != inPlay)
                return QStringLiteral("innings %1: ROLL enabled is not %2").arg(i).arg(inPlay);
            // Once time is up the re-entry pass stops before moving the marker, so after a
            // wicket in the last over it stays beside the batsman who is out.
            if (inPlay && !now.timeUp && now.striker >= 1 && now.striker <= 11) {
                const int markerTop = line(window, Name, now.striker - 1)->y() + twips(60);
                if (find<QWidget>(window, QStringLiteral("shpFacing"))->y() != markerTop)
                    return QStringLiteral("innings %1: the facing marker is not beside batsman %2")
                        .arg(i)
                        .arg(now.striker);
            }
        }
        for (int i = 1; i <= 4; ++i) {
            if (now.summary[std::size_t(i)] != totals[std::size_t(i)])
                return QStringLiteral("summary innings %1 shows %2, the scorecard %3")
                    .arg(i)
                    .arg(now.summary[std::size_t(i)])
                    .arg(totals[std::size_t(i)]);
        }
        if (now.total1 != totals[1] + totals[3] || now.total2 != totals[2] + totals[4])
            return QStringLiteral("aggregates %1 and %2 are not the innings summed")
                .arg(now.total1)
                .arg(now.total2);
        const QString clock = checkClock(now);
        if (!clock.isEmpty())
            return clock;
        const bool over = now.timeUp || now.innings == 5;
        if (MatchWindows::isResultOpen() != over)
            return QStringLiteral("result window open %1 with time up %2 and innings %3")
                .arg(MatchWindows::isResultOpen())
                .arg(now.timeUp)
                .arg(now.innings);
        if (over) {
            QWidget *result = MatchWindows::result();
            const QString shown = result->findChild<QLabel *>(QStringLiteral("lblResult"))->text();
            if (shown != expectedResult())
                return QStringLiteral("the result reads \"%1\", expected \"%2\"")
                    .arg(shown, expectedResult());
            int results = 0;
            for (QMdiSubWindow *window : MatchWindows::mdiArea()->subWindowList()) {
                if (qobject_cast<frmResult *>(window) && window->isVisible())
                    ++results;
            }
            if (results != 1)
                return QStringLiteral("%1 result windows are shown").arg(results);
        }
        return {};
    }

    QString checkClock(const Snapshot &now)
    {
        QWidget *clock = MatchWindows::state();
        const int today = value(clock, QStringLiteral("lblOvers"));
        if (today < 0 || today > 89)
            return QStringLiteral("%1 overs today").arg(today);
        // Four minutes an over from 10:00, 40 minutes for lunch after the 30th, 20 for tea
        // after the 60th.
        const int minutes = 4 * today + (today >= 30 ? 40 : 0) + (today >= 60 ? 20 : 0);
        const int hour24 = 10 + minutes / 60;
        const QString time = plainNumber(hour24 > 12 ? hour24 - 12 : hour24) + QLatin1Char(':') +
                             QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0')) +
                             QLatin1Char(hour24 < 12 ? 'a' : 'p');
        const int session = today <= 30 ? 1 : today <= 60 ? 2 : 3;
        const QString shown = find<QLabel>(clock, QStringLiteral("lblTime"))->text();
        if (shown != time || value(clock, QStringLiteral("lblSession")) != session ||
            value(clock, QStringLiteral("lblOversR")) != 90 - today)
            return QStringLiteral("after %1 overs today the clock shows %2, session %3, %4 left")
                .arg(today)
                .arg(shown)
                .arg(value(clock, QStringLiteral("lblSession")))
                .arg(value(clock, QStringLiteral("lblOversR")));
        if (now.timeUp != (now.clockOvers >= 450))
            return QStringLiteral("time up %1 after %2 overs").arg(now.timeUp).arg(now.clockOvers);
        return {};
    }

    static QString list(const std::array<int, 11> &figures)
    {
        QStringList texts;
        for (int figure : figures)
            texts << QString::number(figure);
        return texts.join(u' ');
    }

    QPointer<frmInnings1> m_first;
    Snapshot m_last;
    std::array<InningsTally, 5> m_innings{};
    QList<WidgetIndex> m_index;
    int m_matches = 0;
    int m_overs = 0;
};
