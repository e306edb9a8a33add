// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/session/MatchReplay.h"

#include "core/store/MatchStore.h"

#include <QCoreApplication>
#include <algorithm>

QString MatchReplay::load(MatchStore &store, qint64 id)
{
    if (QString error = store.replayMatch(id, m_match, m_unused); !error.isEmpty())
        return error;
    m_log = m_match.log();
    m_drawsBefore.assign(1, 0);
    for (const quint8 count : m_log.drawCounts)
        m_drawsBefore.push_back(m_drawsBefore.back() + count);
    m_over = m_log.overs();
    return {};
}

// Replaying from the toss is quick enough for every move of the slider: no checkpoints.
void MatchReplay::seek(int over)
{
    over = std::clamp(over, 0, overs());
    const auto end = std::size_t(over);
    MatchLog upTo{m_log.setup,
                  {m_log.faces.begin(), m_log.faces.begin() + qsizetype(end)},
                  {m_log.drawCounts.begin(), m_log.drawCounts.begin() + qsizetype(end)},
                  {m_log.draws.begin(), m_log.draws.begin() + qsizetype(m_drawsBefore[end])}};
    // The whole log replayed when it was loaded: a part of it replays too.
    m_match.replay(upTo, m_unused);
    m_over = over;
}

QString replayPosition(const Match &match, int over, int overs)
{
    // After the fourth innings the last one's figures stand.
    const int innings = std::min(match.currentInnings(), 4);
    const InningsModel &card = match.innings(innings);
    const QString score =
        card.wicketsShown == 10
            ? QCoreApplication::translate("MatchReplay", "%1 all out").arg(card.total)
            : QCoreApplication::translate("MatchReplay", "%1 for %2")
                  .arg(card.total)
                  .arg(card.wicketsShown);
    return QCoreApplication::translate("MatchReplay", "Over %1 of %2 · day %3, %4 · %5 %6")
        .arg(over)
        .arg(overs)
        .arg(match.clock().day)
        .arg(match.clock().timeCaption(), card.caption, score);
}
