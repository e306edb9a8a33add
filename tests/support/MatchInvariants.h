// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/CaptionNumbers.h"
#include "core/match/Match.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"

#include <QLabel>
#include <QMdiArea>

using namespace Qt::StringLiterals;

// The match windows' captions agree with each other and the match; observe() names a broken rule.
class MatchInvariants
{
public:
    MatchInvariants(MatchWindows &windows, const Match &match) : m_windows(windows), m_match(match)
    {}

    QString observe()
    {
        m_problem.clear();
        if (!m_windows.isInningsOpen(1) || !m_windows.isStateOpen() || !m_windows.isSummaryOpen())
            return {};
        if (m_first != m_windows.innings(1)) { // a new match
            m_first = m_windows.innings(1);
            ++m_matches;
        }
        std::array<int, 2> aggregate{};
        for (int i = 1; i <= 4; ++i) {
            QHash<QString, int> sums; // each column's figures, by label name up to its '_'
            for (const QLabel *label : m_windows.isInningsOpen(i)
                                           ? m_windows.innings(i)->findChildren<QLabel *>()
                                           : QList<QLabel *>())
                sums[label->objectName().section(u'_', 0, 0)] += int(captionValue(label->text()));
            aggregate[std::size_t(i - 1) % 2] += sums[u"lblTotal"_s];
            check(value(m_windows.summary(), u"lblInn%1"_s.arg(i)) == sums[u"lblTotal"_s],
                  "the summary shows each innings' total");
            check(sums[u"lblTotal"_s] == sums[u"lblRuns"_s] + sums[u"lblExtras"_s],
                  "total = runs + extras");
        }
        for (int side = 0; side < 2; ++side)
            check(value(m_windows.summary(), u"lblTotal%1"_s.arg(side + 1)) ==
                      aggregate[std::size_t(side)],
                  "the summary shows each side's aggregate");
        const int overs = (value(m_windows.state(), u"lblDay"_s) - 1) * 90 +
                          value(m_windows.state(), u"lblOvers"_s);
        check(overs == m_match.log().overs(), "day and overs today count the overs played");
        check(m_match.state().TimeUp == (overs >= 450), "time is up after 450 overs");
        int results = 0;
        for (QMdiSubWindow *window : m_windows.mdiArea()->subWindowList())
            results += qobject_cast<frmResult *>(window) && window->isVisible();
        check(results == int(m_match.isOver()), "one result window exactly when the match is over");
        return m_problem;
    }

    int matches() const { return m_matches; }

private:
    void check(bool holds, const char *rule)
    {
        if (!holds && m_problem.isEmpty())
            m_problem = u"after over %1: %2"_s.arg(m_match.log().overs()).arg(QLatin1String(rule));
    }
    static int value(QWidget *window, const QString &name)
    {
        return int(captionValue(window->findChild<QLabel *>(name)->text()));
    }

    MatchWindows &m_windows;
    const Match &m_match;
    QPointer<frmInnings1> m_first;
    QString m_problem;
    int m_matches = 0;
};
