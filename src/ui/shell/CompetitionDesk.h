// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class CompetitionWindow;
class MatchSession;
class MatchWindows;
class QWidget;

// The frame's part in series and leagues: their windows, and the next fixture as the match on
// screen. What it needs of the frame comes as calls, so it never needs the frame itself.
class CompetitionDesk final : public QObject
{
public:
    struct FrameCalls
    {
        std::function<bool()> storeUsable;         // says why not
        std::function<bool()> giveUpMatchOnScreen; // asks first
        std::function<void(qint64)> takeUpMatch;
    };

    CompetitionDesk(MatchSession &session, MatchWindows &windows, QWidget *frame, FrameCalls calls);

    void newSeries();
    void newLeague();
    void showCompetitions();
    // The series or league in its window, brought up (opened first if need be) and read again.
    void open(qint64 id);
    // Its next test or fixture as the match on screen: the match left unfinished taken up, or a
    // new one after its toss, once any other match in progress has been given up.
    void playNext(qint64 id);
    // The competition windows read their competitions again as matches start and end.
    void refresh();
    void followMatch();
    // Once the match windows have closed: the series or league comes back on top.
    void returnToCompetition();

private:
    template <typename NewCompetition>
    void create();

    MatchSession &m_session;
    MatchWindows &m_windows;
    QWidget *m_frame;
    FrameCalls m_calls;
    QHash<qint64, QPointer<CompetitionWindow>> m_open;
    qint64 m_matchCompetition = 0; // the competition of the match on screen, if any
};
