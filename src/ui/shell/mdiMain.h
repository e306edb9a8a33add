// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchMode.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class MatchSession;
class MatchWindows;
class NetMatch;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class frmHowToPlay;
class CompetitionDesk;

// The one frame of the program: it owns the game's session and the windows that show its match
// in the MDI area; it asks the player's questions and passes the answers to the session. Its
// menus reach everything else.
class mdiMain : public QMainWindow
{
    Q_OBJECT
public:
    // Least client area when restored from maximised (twips, menu and status bars not counted).
    static constexpr int RestoredClientWidth = 9900;
    static constexpr int RestoredClientHeight = 6000;
    // Longest wait for the frame's first paint before the splash is shown anyway.
    static constexpr int FirstPaintWaitMs = 1000;

    explicit mdiMain(QWidget *parent = nullptr);
    ~mdiMain() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    MatchSession &session() const { return *m_session; }
    NetMatch &network() const { return *m_net; }
    MatchWindows &matchWindows() const { return *m_windows; }
    CompetitionDesk &competitions() const { return *m_competitions; }
    // Opens the match store and offers to resume the match left in progress.
    void openMatchStore();
    // Room for the scorecard with the state of play and summary to its right and the
    // highlights below it, title bars and borders of the style included.
    QSize restoredClientSize() const;

    // Shows the frame, then the splash modally.
    void MDIForm_Load();
    // The game from its frame's first paint to the end of the event loop, as main() runs it.
    // Start-up runs inside the loop, so a quit at any moment ends it.
    static int run();

public slots:
    void mnu2Human_Click();
    void mnu1Human_Click();
    void mnuHuman0_Click();
    void mnuHostMatch_Click();
    void mnuJoinMatch_Click();
    void mnuAbout_Click();
    void mnuFOWChart_Click();
    void mnuPlayers_Click();
    void mnuHowToPlay_Click();
    void mnuSides_Click();
    void mnuHistory_Click();
    void mnuStats_Click();
    void mnuRecords_Click();
    void mnuExport_Click();
    void mnuPrint_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void startMatch(MatchMode mode);
    void playNetworkToss();
    void showMatch();
    void chooseSpeed(QAction *speed);
    bool abandonMatchInProgress();
    void reportStoreProblem(const QString &why);
    void resumeStoredMatch(qint64 id, bool ask);
    void resumeFromHistory(qint64 id);
    // True when the store can be read; says why not otherwise.
    bool storeReadable();
    void showHintIfEmpty();
    // A stored match in a replay window of its own, or why it cannot be replayed.
    void openReplay(qint64 id);

    QMdiArea *m_mdiArea = nullptr;
    QLabel *m_lblHint = nullptr;
    QPointer<frmHowToPlay> m_howToPlay;
    MatchSession *m_session = nullptr;
    NetMatch *m_net = nullptr;
    MatchWindows *m_windows = nullptr;
    CompetitionDesk *m_competitions = nullptr;

    QAction *m_mnu2Human = nullptr;
    QAction *m_mnu1Human = nullptr;
    QAction *m_mnuHuman0 = nullptr;
    QAction *m_mnuHostMatch = nullptr;
    QAction *m_mnuJoinMatch = nullptr;
    QActionGroup *m_speeds = nullptr;
    QAction *m_mnuPause = nullptr;
    QAction *m_mnuFOWChart = nullptr;
    QAction *m_mnuPlayers = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuHowToPlay = nullptr;
    QAction *m_mnuSides = nullptr;
    QAction *m_mnuHistory = nullptr;
    QAction *m_mnuStats = nullptr;
    QAction *m_mnuRecords = nullptr;
    QAction *m_mnuExport = nullptr;
    QAction *m_mnuPrint = nullptr;
    QAction *m_mnuNewSeries = nullptr;
    QAction *m_mnuNewLeague = nullptr;
    QAction *m_mnuCompetitions = nullptr;
};
