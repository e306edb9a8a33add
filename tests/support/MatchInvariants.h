// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/CaptionNumbers.h"
#include "core/match/Match.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"

#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <array>

// Checks the match on screen from its windows' captions and the match record, for any die.
// Call observe() after each over at most; it returns the first rule broken, or nothing.
class MatchInvariants
{
public:
    MatchInvariants(MatchWindows &windows, const Match &match) : m_windows(windows), m_match(match)
    {}

    QString observe()
    {
        m_problem.clear();
        if (!m_windows.isInningsOpen(1) || !m_windows.isStateOpen() || !m_windows.isSummaryOpen()) {
            m_first = nullptr;
            return {};
        }
        const Snapshot now = snapshot();
        const int innings = m_last.innings;
        if (m_first != m_windows.innings(1)) {
            m_first = m_windows.innings(1);
            m_tally = {};
            ++m_matches;
        } else if (now.overs == m_last.overs + 1 && innings >= 1 && innings <= 4) {
            Tally &tally = m_tally[innings];
            ++tally.overs;
            const bool appeal = now.log != m_last.log; // the newest highlight comes first
            if (appeal && now.log.section(QStringLiteral("\r\n"), 0, 0).endsWith(u"NOT OUT!")) {
                ++tally.noBalls;
            } else if (appeal && m_last.wickets == 9) {
                // The batsman out faced every ball bowled in the over; nobody faces the rest.
                const int faced =
                    now.cards[innings].sum("lblBalls") - m_last.cards[innings].sum("lblBalls");
                tally.ballsLost = 6 - faced;
                tally.minsLost = 4 - (faced == 1 ? 1 : faced <= 3 ? 2 : faced <= 5 ? 3 : 4);
            }
        }
        m_last = now;
        checkStanding(now);
        return m_problem;
    }

    int matches() const { return m_matches; }
    int matchOvers() const { return m_last.overs; }

private:
    struct Card
    {
        QHash<QString, int> sums; // each column's figures, by label name up to its '_'
        QStringList fow;          // the captions shown, sorted
        int sum(const char *column) const { return sums.value(QLatin1String(column), -1); }
    };
    struct Snapshot
    {
        int innings = 0, wickets = 0, overs = 0, timeUp = 0;
        QString log;
        std::array<Card, 5> cards{};
    };
    struct Tally // noBalls: turned-down appeals; the rest lost after the tenth wicket
    {
        int overs = 0, noBalls = 0, ballsLost = 0, minsLost = 0;
    };

    void check(bool holds, const char *rule)
    {
        if (!holds && m_problem.isEmpty())
            m_problem =
                QString::asprintf("innings %d over %d: %s", m_last.innings, m_last.overs, rule);
    }
    static QString text(QWidget *w, const QString &n) { return w->findChild<QLabel *>(n)->text(); }
    static int value(QWidget *w, const QString &n) { return int(captionValue(text(w, n))); }

    Snapshot snapshot()
    {
        const MatchState &state = m_match.state();
        Snapshot shot{state.CurrentInnings, state.WicketsDown, 0, state.TimeUp, {}, {}};
        shot.overs = (value(m_windows.state(), QStringLiteral("lblDay")) - 1) * 90 +
                     value(m_windows.state(), QStringLiteral("lblOvers"));
        shot.log = m_match.highlights();
        for (int i = 1; i <= 4; ++i) {
            if (!m_windows.isInningsOpen(i))
                continue;
            Card &card = shot.cards[i];
            for (const QLabel *label : m_windows.innings(i)->findChildren<QLabel *>()) {
                const QString column = label->objectName().section(u'_', 0, 0);
                card.sums[column] += int(captionValue(label->text()));
                if (column == u"lblFOW" && !label->text().isEmpty())
                    card.fow << label->text();
            }
            card.fow.sort();
        }
        return shot;
    }

    void checkStanding(const Snapshot &now)
    {
        QWidget *summary = m_windows.summary();
        int aggregate[2] = {0, 0};
        for (int i = 1; i <= 4; ++i) {
            const Card &card = now.cards[i];
            const int total = qMax(card.sum("lblTotal"), 0);
            aggregate[(i - 1) % 2] += total;
            check(value(summary, QStringLiteral("lblInn%1").arg(i)) == total,
                  "the summary shows each innings' total");
            if (card.sum("lblTotal") < 0)
                continue;
            check(total == card.sum("lblRuns") + card.sum("lblExtras"), "total = runs + extras");
            const Tally &tally = m_tally[i];
            const int bowled = tally.overs - tally.noBalls;
            check(card.sum("lblBalls") == 6 * bowled - tally.ballsLost, "6 balls an over bowled");
            check(card.sum("lblMins") == 8 * bowled - tally.minsLost, "8 batsman-minutes an over");
            QStringList fow;
            for (int w = 1; w <= (i == now.innings ? now.wickets : 10); ++w)
                fow << QString::asprintf(" %d/%d", w, int(m_match.state().Cards[i].FOW[w]));
            fow.sort();
            check(card.fow == fow, "the fall-of-wicket captions are \" w/FOW(w)\"");
        }
        // Four minutes an over from 10:00, 40 for lunch after the 30th, 20 for tea after the 60th.
        QWidget *clock = m_windows.state();
        const int today = value(clock, QStringLiteral("lblOvers"));
        const int minutes = 4 * today + (today >= 30 ? 40 : 0) + (today >= 60 ? 20 : 0);
        const int hour = 10 + minutes / 60;
        check(today >= 0 && today <= 89 && now.timeUp == (now.overs >= 450) &&
                  text(clock, QStringLiteral("lblTime")) ==
                      QString::asprintf("%d:%02d%c", hour > 12 ? hour - 12 : hour, minutes % 60,
                                        hour < 12 ? 'a' : 'p') &&
                  value(clock, QStringLiteral("lblOversR")) == 90 - today,
              "the clock follows the overs played");
        const bool over = now.timeUp || now.innings == 5;
        int results = 0;
        for (QMdiSubWindow *window : m_windows.mdiArea()->subWindowList())
            results += qobject_cast<frmResult *>(window) && window->isVisible();
        check(m_windows.isResultOpen() == over && results == int(over),
              "one result window exactly when the match is over");
        if (!over)
            return;
        const int lead = aggregate[0] - aggregate[1];
        const MatchState &state = m_match.state();
        const QString verdict =
            now.timeUp  ? QStringLiteral("The time allowed for this match has expired; the innings "
                                          "were not completed and the match has been declared a draw")
            : lead == 0 ? QStringLiteral("This test match has been tied!")
                        : QStringLiteral("I declare the winner of this test match, by ") +
                              signedNumber(qAbs(lead)) + QStringLiteral(" runs : ") +
                              (lead > 0 ? state.Team1 : state.Team2).Name.trimmed();
        check(text(m_windows.result(), QStringLiteral("lblResult")) == verdict,
              "the result follows the aggregates");
    }

    MatchWindows &m_windows;
    const Match &m_match;
    QPointer<frmInnings1> m_first;
    Snapshot m_last;
    std::array<Tally, 5> m_tally{};
    QString m_problem;
    int m_matches = 0;
};
