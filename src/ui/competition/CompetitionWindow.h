// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"
#include "core/store/CareerLine.h"

#include <QWidget>

class MatchSession;

// A series or league in a window of its own, not modal, so the computer plays on while it is
// open. It reads the competition again whenever a match starts or ends; the frame plays the
// next fixture when asked.
class CompetitionWindow : public QWidget
{
    Q_OBJECT
public:
    CompetitionWindow(MatchSession &session, qint64 id, QWidget *parent);
    qint64 id() const { return m_id; }
    // Reads the competition again and shows it; a competition deleted closes its window (false).
    bool reload();

signals:
    void playNext(qint64 competition);

protected:
    // Shows the competition just read.
    virtual void showCompetition(const Competition &competition) = 0;
    // Asks for a file and writes the competition's page, as `page` makes it, there.
    void exportPage(const QString &title, const QString &fileName,
                    QString (*page)(const Competition &, const QList<CareerLine> &));
    MatchSession &m_session;
    const qint64 m_id;
};
