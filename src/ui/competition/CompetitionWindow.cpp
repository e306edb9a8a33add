// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/competition/CompetitionWindow.h"

#include "core/competition/CompetitionStore.h"
#include "core/session/MatchSession.h"
#include "core/store/CareerStatistics.h"
#include "ui/common/HtmlExport.h"

CompetitionWindow::CompetitionWindow(MatchSession &session, qint64 id, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_id(id)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool CompetitionWindow::reload()
{
    MatchStore *store = m_session.store();
    // A store that has stopped saving keeps what is shown; only a deleted competition closes.
    if (!store || !store->saving())
        return true;
    const std::optional<Competition> competition = CompetitionStore(*store).competition(m_id);
    if (!competition) {
        close();
        return false;
    }
    showCompetition(*competition);
    return true;
}

void CompetitionWindow::exportPage(const QString &title, const QString &fileName,
                                   QString (*page)(const Competition &, const QList<CareerLine> &))
{
    MatchStore *store = m_session.store();
    const std::optional<Competition> competition =
        store ? CompetitionStore(*store).competition(m_id) : std::nullopt;
    if (competition)
        exportHtml(this, title, fileName,
                   page(*competition, CareerStatistics(*store).careers(m_id)));
}
