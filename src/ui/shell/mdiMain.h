// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"
#include "core/match/MatchLog.h"
#include "core/match/MatchMode.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class ComputerPlayer;
class Match;
class MatchStore;
class MatchWindows;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class frmHowToPlay;

// The one frame of the program: it owns the match and the windows that show it in its MDI
// area; its menus reach everything else.
class mdiMain : public QMainWindow
{
    Q_OBJECT
public:
    // Least client area when restored from maximised (twips, menu bar not counted).
    static constexpr int RestoredClientWidth = 9900;
    static constexpr int RestoredClientHeight = 6000;

    explicit mdiMain(QWidget *parent = nullptr);
    ~mdiMain() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    Match &match() const { return *m_match; }
    MatchWindows &matchWindows() const { return *m_windows; }
    ComputerPlayer &computerPlayer() const { return *m_computer; }
    // Where the coin, the die and the appeals draw from; the time-seeded source by default,
    // nullptr restores it.
    void setRandomSource(RandomSource *random);
    // Where matches are saved: the per-user data folder unless a test says otherwise.
    void setStorePath(const QString &path) { m_storePath = path; }
    // Opens the match store and offers to resume the match left in progress.
    void openMatchStore();
    // Room for the scorecard with the state of play and summary to its right and the
    // highlights below it, title bars and borders of the style included.
    QSize restoredClientSize() const;

    // Shows the frame, then the splash modally.
    void MDIForm_Load();

public slots:
    void mnu2Human_Click();
    void mnu1Human_Click();
    void mnuHuman0_Click();
    void mnuAbout_Click();
    void mnuFOWChart_Click();
    void mnuPlayers_Click();
    void mnuHowToPlay_Click();
    void mnuHistory_Click();
    void mnuStats_Click();
    void mnuExport_Click();
    void mnuPrint_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void startMatch(MatchMode mode);
    // Who bats for which side from now on; a computer side waits for Pause when `paused`.
    void beginPlay(MatchMode mode, int userSide, bool paused);
    void chooseSpeed(QAction *speed);
    bool abandonMatchInProgress();
    void saveOver(int index);
    void saveResult();
    void reportStoreProblem();
    void offerResume();
    bool resumeStoredMatch(qint64 id, bool ask);
    void resumeFromHistory(qint64 id);
    // The store's id of the match on screen, or 0.
    qint64 matchOnScreen() const;
    // True when the store can be read; says why not otherwise.
    bool storeReadable();
    void showHintIfEmpty();

    QMdiArea *m_mdiArea = nullptr;
    QLabel *m_lblHint = nullptr;
    QPointer<frmHowToPlay> m_howToPlay;
    Match *m_match = nullptr;
    MatchWindows *m_windows = nullptr;
    ComputerPlayer *m_computer = nullptr;
    TimeSeededRandom m_timeSeeded;
    RandomSource *m_random = &m_timeSeeded;
    // The teams the next match starts from: the in-built ones until others are picked, and
    // as the last toss left them.
    std::array<Side, 2> m_sides;
    QString m_storePath;
    std::unique_ptr<MatchStore> m_store;
    qint64 m_storedMatch = 0; // the store's id of the match on screen, 0 when not saved

    QAction *m_mnu2Human = nullptr;
    QAction *m_mnu1Human = nullptr;
    QAction *m_mnuHuman0 = nullptr;
    QActionGroup *m_speeds = nullptr;
    QAction *m_mnuPause = nullptr;
    QAction *m_mnuFOWChart = nullptr;
    QAction *m_mnuPlayers = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuHowToPlay = nullptr;
    QAction *m_mnuHistory = nullptr;
    QAction *m_mnuStats = nullptr;
    QAction *m_mnuExport = nullptr;
    QAction *m_mnuPrint = nullptr;
};
