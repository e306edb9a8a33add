// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/ComputerPlayer.h"
#include "core/match/Match.h"
#include "core/match/Scorecard.h"
#include "core/net/NetMatch.h"
#include "core/session/MatchReplay.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"
#include "ui/charts/frmFOWGraph.h"
#include "ui/common/Controls.h"
#include "ui/common/EndProgram.h"
#include "ui/common/FirstPaintProbe.h"
#include "ui/common/GameIcon.h"
#include "ui/common/GameSettings.h"
#include "ui/common/LongNames.h"
#include "ui/common/Twips.h"
#include "ui/database/frmPlayers.h"
#include "ui/history/ScorecardExport.h"
#include "ui/history/frmHistory.h"
#include "ui/history/frmRecords.h"
#include "ui/history/frmReplay.h"
#include "ui/history/frmStats.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/selection/frmSides.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/shell/CompetitionDesk.h"
#include "ui/shell/LanguageMenu.h"
#include "ui/shell/MatchStatusBar.h"
#include "ui/shell/WindowMenu.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmHost.h"
#include "ui/shell/frmHowToPlay.h"
#include "ui/shell/frmJoin.h"
#include "ui/shell/frmSide.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/frmToss.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QAction *makeAction(QObject *parent, const QString &name, const QString &caption,
                    const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu *makeMenu(QWidget *parent, const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

struct Speed
{
    const char16_t *name;
    const char *caption;
    int interval;
};

constexpr Speed speeds[] = {
    {u"Slow", QT_TRANSLATE_NOOP("mdiMain", "&Slow"), ComputerPlayer::Slow},
    {u"Normal", QT_TRANSLATE_NOOP("mdiMain", "&Normal"), ComputerPlayer::Normal},
    {u"Fast", QT_TRANSLATE_NOOP("mdiMain", "&Fast"), ComputerPlayer::Fast},
    {u"Instant", QT_TRANSLATE_NOOP("mdiMain", "&Instant"), ComputerPlayer::Instant},
};

} // namespace

mdiMain::mdiMain(QWidget *parent)
    : QMainWindow(parent), m_session(new MatchSession(this)), m_net(new NetMatch(*m_session, this))
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Stumpwell"));
    QApplication::setWindowIcon(gameIcon());

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // The application-workspace colour of the platform, as an MDI frame shows it.
    m_mdiArea->setBackground(m_mdiArea->palette().brush(QPalette::Dark));
    // A small frame still reaches every window.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    m_windows = new MatchWindows(m_mdiArea, m_session->match(), this);
    // A dialog in front of the match (chart, database, About, a question) holds play while open.
    m_session->computer().setHold([] { return QApplication::activeModalWidget() != nullptr; });
    connect(m_session, &MatchSession::matchBegun, this, &mdiMain::showMatch);
    connect(m_session, &MatchSession::matchEnded, m_windows, &MatchWindows::close);
    connect(m_session, &MatchSession::storeProblem, this, &mdiMain::reportStoreProblem);
    connect(m_session, &MatchSession::storeNotice, this,
            [this](const QString &notice) { QMessageBox::warning(this, windowTitle(), notice); });
    connect(m_windows, &MatchWindows::resultAccepted, m_session, &MatchSession::acceptResult);
    // A network match's over is thrown by both computers' dice.
    connect(m_windows, &MatchWindows::overEntered, m_session, [this](int face) {
        if (m_session->mode() == MatchMode::Network)
            m_net->roll();
        else
            m_session->submit({face, {}});
    });
    connect(m_net, &NetMatch::ended, this, [this](const QString &why) {
        // The Join window says it itself.
        if (!qobject_cast<frmJoin *>(QApplication::activeModalWidget()))
            QMetaObject::invokeMethod(
                this,
                [this, why] {
                    // The other computer's words: shown as they are, never as rich text.
                    QMessageBox box(QMessageBox::Information, windowTitle(), why, QMessageBox::Ok,
                                    this);
                    box.setTextFormat(Qt::PlainText);
                    box.exec();
                },
                Qt::QueuedConnection);
    });
    m_competitions = new CompetitionDesk(*m_session, *m_windows, this,
                                         {[this] { return storeReadable(); },
                                          [this] { return abandonMatchInProgress(); },
                                          [this](qint64 id) {
                                              resumeStoredMatch(id, false);
                                          }});
    // After the session has finished the match: its series or league shows the new score.
    connect(m_windows, &MatchWindows::resultAccepted, m_competitions,
            &CompetitionDesk::returnToCompetition);
    connect(m_session, &MatchSession::matchBegun, m_competitions, &CompetitionDesk::followMatch);
    connect(m_session, &MatchSession::matchEnded, m_competitions, &CompetitionDesk::refresh);

    // A new player facing the empty workspace learns where a match starts.
    m_lblHint = new QLabel(tr("Game > Dice (Basic) > Human v Human (Ctrl+F1) starts a match."),
                           m_mdiArea->viewport());
    m_lblHint->setObjectName(QStringLiteral("lblHint"));
    auto *centre = new QVBoxLayout(m_mdiArea->viewport());
    centre->addWidget(m_lblHint, 0, Qt::AlignCenter);
    m_mdiArea->viewport()->installEventFilter(this);

    createActions();
    createMenus();
    auto *status = new MatchStatusBar(*m_session, this);
    setStatusBar(status);
    connect(m_windows, &MatchWindows::faceRefused, status, &MatchStatusBar::refuseFace);
    connect(m_net, &NetMatch::turnChanged, status,
            [this, status] { status->showTurn(m_net->turnText()); });
    // While a match waits for its other computer, a stranger's wrong code is told too.
    connect(m_net, &NetMatch::peerRefused, status,
            [status](const QString &why) { status->showMessage(why); });

    resize(restoredClientSize() +
           QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height()));
}

mdiMain::~mdiMain() = default;

QSize mdiMain::restoredClientSize() const
{
    // Client areas of the match windows (twips): scorecard, state of play, summary, highlights.
    const QSize innings = twipsSize(7800, 4230);
    const QSize playState = twipsSize(1905, 2565);
    const QSize summary = twipsSize(1845, 2070);
    const QSize highlights = twipsSize(7770, 1395);

    QStyleOptionTitleBar titleBar;
    titleBar.initFrom(this);
    titleBar.titleBarFlags = Qt::SubWindow | Qt::WindowTitleHint;
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, &titleBar, nullptr);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, nullptr);
    const QSize frame(2 * border, title + border);

    const int width =
        std::max(innings.width(), highlights.width()) + playState.width() + 2 * frame.width();
    const int height =
        std::max(innings.height() + highlights.height(), playState.height() + summary.height()) +
        2 * frame.height();
    return QSize(width, height).expandedTo(twipsSize(RestoredClientWidth, RestoredClientHeight));
}

void mdiMain::createActions()
{
    m_mnu2Human = makeAction(this, QStringLiteral("mnu2Human"), tr("&Human v Human"),
                             QKeySequence(Qt::CTRL | Qt::Key_F1));
    connect(m_mnu2Human, &QAction::triggered, this, &mdiMain::mnu2Human_Click);

    m_mnu1Human = makeAction(this, QStringLiteral("mnu1Human"), tr("H&uman v CPU"),
                             QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(m_mnu1Human, &QAction::triggered, this, &mdiMain::mnu1Human_Click);
    m_mnuHuman0 = makeAction(this, QStringLiteral("mnuHuman0"), tr("&CPU v CPU"),
                             QKeySequence(Qt::CTRL | Qt::Key_F3));
    connect(m_mnuHuman0, &QAction::triggered, this, &mdiMain::mnuHuman0_Click);
    m_mnuHostMatch = makeAction(this, QStringLiteral("mnuHostMatch"), tr("&Host…"),
                                QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(m_mnuHostMatch, &QAction::triggered, this, &mdiMain::mnuHostMatch_Click);
    m_mnuJoinMatch = makeAction(this, QStringLiteral("mnuJoinMatch"), tr("&Join…"),
                                QKeySequence(Qt::CTRL | Qt::Key_F5));
    connect(m_mnuJoinMatch, &QAction::triggered, this, &mdiMain::mnuJoinMatch_Click);

    m_speeds = new QActionGroup(this);
    const QString stored = gameSettings()->value(QStringLiteral("speed")).toString();
    for (const Speed &speed : speeds) {
        const QString name = QString::fromUtf16(speed.name);
        QAction *action = makeAction(this, QStringLiteral("mnuSpeed") + name, tr(speed.caption));
        action->setCheckable(true);
        action->setData(speed.interval);
        action->setChecked(name == stored || (speed.interval == ComputerPlayer::Normal &&
                                              !m_speeds->checkedAction()));
        m_speeds->addAction(action);
    }
    m_session->setInterval(m_speeds->checkedAction()->data().toInt());
    connect(m_speeds, &QActionGroup::triggered, this, &mdiMain::chooseSpeed);

    m_mnuPause = makeAction(this, QStringLiteral("mnuPause"), tr("&Pause"),
                            QKeySequence(Qt::CTRL | Qt::Key_Space));
    m_mnuPause->setCheckable(true);
    connect(m_mnuPause, &QAction::toggled, m_session, &MatchSession::setPaused);
    connect(m_session, &MatchSession::pausedChanged, m_mnuPause, &QAction::setChecked);

    m_mnuFOWChart = makeAction(this, QStringLiteral("mnuFOWChart"), tr("&FOW Chart"));
    connect(m_mnuFOWChart, &QAction::triggered, this, &mdiMain::mnuFOWChart_Click);

    m_mnuPlayers = makeAction(this, QStringLiteral("mnuPlayers"), tr("&Players Database"),
                              QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_mnuPlayers, &QAction::triggered, this, &mdiMain::mnuPlayers_Click);

    m_mnuAbout = makeAction(this, QStringLiteral("mnuAbout"), tr("&About"),
                            QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(m_mnuAbout, &QAction::triggered, this, &mdiMain::mnuAbout_Click);

    // As the frame's close button: the program ends when its last window closes.
    m_mnuExit = makeAction(this, QStringLiteral("mnuExit"), tr("E&xit"),
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_mnuExit, &QAction::triggered, this, &QWidget::close);

    m_mnuSides = makeAction(this, QStringLiteral("mnuSides"), tr("Si&des"));
    connect(m_mnuSides, &QAction::triggered, this, &mdiMain::mnuSides_Click);
    m_mnuHistory = makeAction(this, QStringLiteral("mnuHistory"), tr("Match &History"),
                              QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_mnuHistory, &QAction::triggered, this, &mdiMain::mnuHistory_Click);
    m_mnuStats = makeAction(this, QStringLiteral("mnuStats"), tr("Player &Statistics"));
    connect(m_mnuStats, &QAction::triggered, this, &mdiMain::mnuStats_Click);
    m_mnuRecords = makeAction(this, QStringLiteral("mnuRecords"), tr("&Records"));
    connect(m_mnuRecords, &QAction::triggered, this, &mdiMain::mnuRecords_Click);
    m_mnuExport = makeAction(this, QStringLiteral("mnuExport"), tr("&Export Scorecard…"));
    connect(m_mnuExport, &QAction::triggered, this, &mdiMain::mnuExport_Click);
    m_mnuPrint = makeAction(this, QStringLiteral("mnuPrint"), tr("&Print…"));
    connect(m_mnuPrint, &QAction::triggered, this, &mdiMain::mnuPrint_Click);

    m_mnuNewSeries = makeAction(this, QStringLiteral("mnuNewSeries"), tr("New Se&ries…"));
    connect(m_mnuNewSeries, &QAction::triggered, m_competitions, &CompetitionDesk::newSeries);
    m_mnuNewLeague = makeAction(this, QStringLiteral("mnuNewLeague"), tr("New &League…"));
    connect(m_mnuNewLeague, &QAction::triggered, m_competitions, &CompetitionDesk::newLeague);
    m_mnuCompetitions =
        makeAction(this, QStringLiteral("mnuCompetitions"), tr("Series and &Leagues"));
    connect(m_mnuCompetitions, &QAction::triggered, m_competitions,
            &CompetitionDesk::showCompetitions);

    m_mnuHowToPlay = makeAction(this, QStringLiteral("mnuHowToPlay"), tr("&How to Play"),
                                QKeySequence(Qt::Key_F1));
    connect(m_mnuHowToPlay, &QAction::triggered, this, &mdiMain::mnuHowToPlay_Click);
}

void mdiMain::createMenus()
{
    QMenu *mnuGame = makeMenu(this, QStringLiteral("mnuGame"), tr("&Game"));
    QMenu *mnuDice = makeMenu(mnuGame, QStringLiteral("mnuDice"), tr("&Dice (Basic)"));
    mnuDice->addAction(m_mnu2Human);
    mnuDice->addAction(m_mnu1Human);
    mnuDice->addAction(m_mnuHuman0);
    mnuGame->addMenu(mnuDice);
    QMenu *mnuNetwork = makeMenu(mnuGame, QStringLiteral("mnuNetwork"), tr("&Network Match"));
    mnuNetwork->addAction(m_mnuHostMatch);
    mnuNetwork->addAction(m_mnuJoinMatch);
    mnuGame->addMenu(mnuNetwork);
    mnuGame->addAction(m_mnuNewSeries);
    mnuGame->addAction(m_mnuNewLeague);
    QMenu *mnuSpeed = makeMenu(mnuGame, QStringLiteral("mnuSpeed"), tr("&Speed"));
    mnuSpeed->addActions(m_speeds->actions());
    mnuGame->addMenu(mnuSpeed);
    mnuGame->addMenu(new LanguageMenu(mnuGame));
    mnuGame->addAction(m_mnuPause);
    mnuGame->addSeparator();
    mnuGame->addAction(m_mnuExport);
    mnuGame->addAction(m_mnuPrint);
    // Only a match on screen has a scorecard to share.
    connect(mnuGame, &QMenu::aboutToShow, this, [this] {
        m_mnuExport->setEnabled(m_session->inProgress());
        m_mnuPrint->setEnabled(m_session->inProgress());
    });
    mnuGame->addSeparator();
    mnuGame->addAction(m_mnuExit);
    menuBar()->addMenu(mnuGame);

    QMenu *mnuCharts = makeMenu(this, QStringLiteral("mnuCharts"), tr("&Charts"));
    mnuCharts->addAction(m_mnuFOWChart);
    menuBar()->addMenu(mnuCharts);

    QMenu *mnuData = makeMenu(this, QStringLiteral("mnuData"), tr("&Data"));
    mnuData->addAction(m_mnuPlayers);
    mnuData->addAction(m_mnuSides);
    mnuData->addAction(m_mnuHistory);
    mnuData->addAction(m_mnuStats);
    mnuData->addAction(m_mnuRecords);
    mnuData->addAction(m_mnuCompetitions);
    menuBar()->addMenu(mnuData);

    menuBar()->addMenu(new WindowMenu(m_mdiArea, *m_windows, this));

    QMenu *mnuHelp = makeMenu(this, QStringLiteral("mnuHelp"), tr("&Help"));
    mnuHelp->addAction(m_mnuHowToPlay);
    mnuHelp->addAction(m_mnuAbout);
    menuBar()->addMenu(mnuHelp);
}

void mdiMain::MDIForm_Load()
{
    showMaximized();
    // The splash's large fonts are the slowest part of start-up: the frame is on screen first.
    waitForFirstPaint(m_mdiArea->viewport(), FirstPaintWaitMs);
    frmSplash::showModal(this);
    if (!programEnding())
        openMatchStore();
}

int mdiMain::run()
{
    watchForQuit();
    mdiMain frame;
    reportFirstPaintIfAsked(&frame);
    QMetaObject::invokeMethod(&frame, &mdiMain::MDIForm_Load, Qt::QueuedConnection);
    return QApplication::exec();
}

void mdiMain::chooseSpeed(QAction *speed)
{
    m_session->setInterval(speed->data().toInt());
    for (frmReplay *replay : findChildren<frmReplay *>())
        replay->setInterval(speed->data().toInt());
    gameSettings()->setValue(QStringLiteral("speed"),
                             speed->objectName().mid(QStringLiteral("mnuSpeed").size()));
}

void mdiMain::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void mdiMain::mnuFOWChart_Click()
{
    frmFOWGraph::showModal(this, m_session->match().state());
}

void mdiMain::mnuPlayers_Click()
{
    frmPlayers::showModal(this, m_session->players());
}

// Not modal: the rules can stay open beside the match they explain.
void mdiMain::mnuHowToPlay_Click()
{
    if (!m_howToPlay)
        m_howToPlay = new frmHowToPlay(this);
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

bool mdiMain::eventFilter(QObject *watched, QEvent *event)
{
    // Match windows are children of the viewport; the area's list of them changes only after
    // this event, so the hint is set once it has.
    if (watched == m_mdiArea->viewport() &&
        (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved))
        QMetaObject::invokeMethod(this, &mdiMain::showHintIfEmpty, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void mdiMain::showHintIfEmpty()
{
    m_lblHint->setVisible(m_mdiArea->subWindowList().isEmpty());
}

void mdiMain::mnu2Human_Click()
{
    startMatch(MatchMode::HumanVHuman);
}

void mdiMain::mnu1Human_Click()
{
    startMatch(MatchMode::HumanVCpu);
}

void mdiMain::mnuHuman0_Click()
{
    startMatch(MatchMode::CpuVCpu);
}

void mdiMain::mnuHostMatch_Click()
{
    if (m_session->inProgress() && !abandonMatchInProgress())
        return;
    const std::optional<MatchSetup> setup = frmTeamMode::showModal(this, *m_session);
    if (setup && frmHost::showModal(this, *m_net, *setup))
        playNetworkToss();
}

void mdiMain::mnuJoinMatch_Click()
{
    if (m_session->inProgress() && !abandonMatchInProgress())
        return;
    if (frmJoin::showModal(this, *m_net))
        playNetworkToss();
}

// The sides as the host picked them; the match begins on both computers once the toss is made.
void mdiMain::playNetworkToss()
{
    std::array<Side, 2> sides = m_net->setup().sides;
    frmToss toss(sides, m_session->random(), {}, this);
    toss.followNetwork(*m_net);
    toss.Form_Load();
    toss.exec();
}

void mdiMain::startMatch(MatchMode mode)
{
    if (m_session->inProgress() && !abandonMatchInProgress())
        return;
    // Cancel in team selection ends the program, and sides that cannot play were reported:
    // the match start stops here.
    std::optional<MatchSetup> setup = frmTeamMode::showModal(this, *m_session);
    if (!setup)
        return;
    const int chosenSide =
        mode == MatchMode::HumanVCpu ? frmSide::showModal(this, setup->sides) : -1;
    // Backing out of the side chooser starts nothing: no toss, no stored match.
    if (mode == MatchMode::HumanVCpu && chosenSide < 0)
        return;
    setup->toss = frmToss::showModal(this, setup->sides, m_session->random(),
                                     computerSides(mode, chosenSide));
    // A quit while the questions were open leaves their answers unmade.
    if (programEnding())
        return;
    m_session->start(MatchStart::afterToss(*setup, mode, chosenSide));
}

void mdiMain::showMatch()
{
    // The other computer's side is greyed here as the computer's own would be.
    const bool network = m_session->mode() == MatchMode::Network;
    const int local = m_session->userSide();
    m_windows->setComputerSides(network ? std::array{local != 0, local != 1}
                                        : m_session->computerSides());
    m_windows->setTypedFaces(!network);
    m_windows->open();
}

// Starting over the open windows would mix two matches in one set of scorecards, so the
// player chooses: keep the match, or close it as the result's Ok would and start cleanly.
bool mdiMain::abandonMatchInProgress()
{
    const auto answer = QMessageBox::question(
        this, windowTitle(), tr("A match is in progress. Abandon it and start a new match?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    m_session->abandon();
    return true;
}

void mdiMain::openMatchStore()
{
    if (m_session->store())
        return;
    if (!m_session->openStore())
        return;
    if (const std::optional<qint64> id = m_session->lastInProgress())
        resumeStoredMatch(*id, true);
}

void mdiMain::reportStoreProblem(const QString &why)
{
    setWindowTitle(tr("Stumpwell (not saving)"));
    // Not inside the over that failed: its figures are written first.
    QMetaObject::invokeMethod(
        this,
        [this, why] {
            QMessageBox::warning(this, QStringLiteral("Stumpwell"),
                                 tr("%1\n\nPlay goes on, but matches are not saved.").arg(why));
        },
        Qt::QueuedConnection);
}

// From the history: the match on screen, if another, is given up first as a new match would.
void mdiMain::resumeFromHistory(qint64 id)
{
    if (id == m_session->storedId())
        return;
    if (m_session->inProgress() && !abandonMatchInProgress())
        return;
    resumeStoredMatch(id, false);
}

void mdiMain::resumeStoredMatch(qint64 id, bool ask)
{
    Match saved;
    QString error = m_session->load(id, saved);
    if (error.isEmpty() && ask) {
        QMessageBox question(QMessageBox::Question, windowTitle(),
                             tr("Resume the match in progress?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::Yes);
        // Long team names cut short, the whole in the tooltip.
        const QString summary = resumeSummary(saved);
        question.setInformativeText(namesElided(summary,
                                                {saved.summary().team1, saved.summary().team2},
                                                question.fontMetrics(), twips(3600)));
        question.setToolTip(summary);
        // The names may have come from another computer.
        if (auto *names =
                question.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
            names->setTextFormat(Qt::PlainText);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    if (error.isEmpty())
        error = m_session->resume(id, &saved);
    // Linked again as it was: the host listens, the joiner calls on it.
    if (error.isEmpty() && m_session->mode() == MatchMode::Network)
        if (const QString why = m_net->reconnect(); !why.isEmpty())
            QMessageBox::warning(this, windowTitle(), why);
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("The saved match could not be resumed: %1.").arg(error), QMessageBox::Ok,
                        this);
        box.setInformativeText(tr("The match store is %1; the match stays there, "
                                  "marked damaged.")
                                   .arg(QDir::toNativeSeparators(m_session->store()->path())));
        box.exec();
    }
}

bool mdiMain::storeReadable()
{
    MatchStore *store = m_session->store();
    if (store && store->saving())
        return true;
    QMessageBox::information(this, windowTitle(),
                             store ? store->problem() : tr("The match store is not open."));
    return false;
}

void mdiMain::mnuHistory_Click()
{
    if (!storeReadable())
        return;
    frmHistory history(*m_session->store(), m_session->storedId(), this);
    history.exec();
    m_competitions->refresh(); // a fixture's match may have been deleted
    // Once the history is gone: the question about the match on screen stands alone.
    if (history.resumeChosen())
        resumeFromHistory(history.resumeChosen());
    if (history.replayChosen())
        openReplay(history.replayChosen());
}

void mdiMain::mnuSides_Click()
{
    if (!storeReadable())
        return;
    frmSides sides(*m_session->store(), m_session->players(), this);
    sides.exec();
}

void mdiMain::mnuStats_Click()
{
    if (!storeReadable())
        return;
    frmStats stats(*m_session->store(), this);
    stats.exec();
}

void mdiMain::mnuExport_Click()
{
    if (m_session->inProgress())
        exportScorecard(this, m_session->match(), scorecardState(m_session->match(), false));
}

void mdiMain::mnuPrint_Click()
{
    if (m_session->inProgress())
        printScorecard(this, m_session->match(), scorecardState(m_session->match(), false));
}

void mdiMain::mnuRecords_Click()
{
    if (!storeReadable())
        return;
    frmRecords records(*m_session->store(), this);
    records.exec();
    if (records.replayChosen())
        openReplay(records.replayChosen());
}

// Not modal: the match on screen, if any, plays on beside it.
void mdiMain::openReplay(qint64 id)
{
    auto replay = std::make_unique<MatchReplay>();
    if (const QString error = replay->load(*m_session->store(), id); !error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The match could not be replayed: %1.").arg(error));
        return;
    }
    auto *window = new frmReplay(std::move(replay), restoredClientSize(), this);
    window->setInterval(m_speeds->checkedAction()->data().toInt());
    showCentred(window, this);
}
