// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/ComputerPlayer.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/charts/frmFOWGraph.h"
#include "ui/common/Twips.h"
#include "ui/database/frmPlayers.h"
#include "ui/match/MatchWindows.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmHowToPlay.h"
#include "ui/shell/frmSplash.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QSvgRenderer>
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
    const char16_t *caption;
    int interval;
};

constexpr Speed speeds[] = {
    {u"Slow", u"&Slow", ComputerPlayer::Slow},
    {u"Normal", u"&Normal", ComputerPlayer::Normal},
    {u"Fast", u"&Fast", ComputerPlayer::Fast},
    {u"Instant", u"&Instant", ComputerPlayer::Instant},
};

// The player's choices kept between runs, under the game's own name whatever the program is
// called (XDG_CONFIG_HOME moves them, as tests do).
std::unique_ptr<QSettings> gameSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Stumpwell"), QStringLiteral("Stumpwell"));
}

// The die and stumps, drawn at the size a title bar asks for when it first asks, so start-up
// draws nothing; Qt's own SVG icon plugin is a package of its own on some systems.
class GameIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(QStringLiteral(":/data/stumpwell.svg")).render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString key =
            QStringLiteral("stumpwell-icon-%1x%2").arg(size.width()).arg(size.height());
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        drawn = QPixmap(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, drawn.rect(), mode, state);
        painter.end();
        QPixmapCache::insert(key, drawn);
        return drawn;
    }
    QIconEngine *clone() const override { return new GameIconEngine; }
};

} // namespace

mdiMain::mdiMain(QWidget *parent)
    : QMainWindow(parent), m_match(new Match(this)), m_sides(inBuiltSides())
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Stumpwell"));
    QApplication::setWindowIcon(QIcon(new GameIconEngine));

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // The application-workspace colour of the platform, as an MDI frame shows it.
    m_mdiArea->setBackground(m_mdiArea->palette().brush(QPalette::Dark));
    // A small frame still reaches every window.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    m_windows = new MatchWindows(m_mdiArea, *m_match, this);
    m_computer = new ComputerPlayer(*m_match, this);
    // A dialog in front of the match (chart, database, About, a question) holds play while open.
    m_computer->setHold([] { return QApplication::activeModalWidget() != nullptr; });
    connect(m_match, &Match::overLogged, this, &mdiMain::saveOver);
    connect(m_windows, &MatchWindows::resultAccepted, this, &mdiMain::saveResult);

    // A new player facing the empty workspace learns where a match starts.
    m_lblHint =
        new QLabel(QStringLiteral("Game > Dice (Basic) > Human v Human (Ctrl+F1) starts a match."),
                   m_mdiArea->viewport());
    m_lblHint->setObjectName(QStringLiteral("lblHint"));
    auto *centre = new QVBoxLayout(m_mdiArea->viewport());
    centre->addWidget(m_lblHint, 0, Qt::AlignCenter);
    m_mdiArea->viewport()->installEventFilter(this);

    createActions();
    createMenus();

    resize(restoredClientSize() + QSize(0, menuBar()->sizeHint().height()));
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
    m_mnu2Human = makeAction(this, QStringLiteral("mnu2Human"), QStringLiteral("&Human v Human"),
                             QKeySequence(Qt::CTRL | Qt::Key_F1));
    connect(m_mnu2Human, &QAction::triggered, this, &mdiMain::mnu2Human_Click);

    m_mnu1Human = makeAction(this, QStringLiteral("mnu1Human"), QStringLiteral("H&uman v CPU"),
                             QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(m_mnu1Human, &QAction::triggered, this, &mdiMain::mnu1Human_Click);
    m_mnuHuman0 = makeAction(this, QStringLiteral("mnuHuman0"), QStringLiteral("&CPU v CPU"),
                             QKeySequence(Qt::CTRL | Qt::Key_F3));
    connect(m_mnuHuman0, &QAction::triggered, this, &mdiMain::mnuHuman0_Click);

    m_speeds = new QActionGroup(this);
    const QString stored = gameSettings()->value(QStringLiteral("speed")).toString();
    for (const Speed &speed : speeds) {
        const QString name = QString::fromUtf16(speed.name);
        QAction *action =
            makeAction(this, QStringLiteral("mnuSpeed") + name, QString::fromUtf16(speed.caption));
        action->setCheckable(true);
        action->setData(speed.interval);
        action->setChecked(name == stored || (speed.interval == ComputerPlayer::Normal &&
                                              !m_speeds->checkedAction()));
        m_speeds->addAction(action);
    }
    m_computer->setInterval(m_speeds->checkedAction()->data().toInt());
    connect(m_speeds, &QActionGroup::triggered, this, &mdiMain::chooseSpeed);

    m_mnuPause = makeAction(this, QStringLiteral("mnuPause"), QStringLiteral("&Pause"),
                            QKeySequence(Qt::CTRL | Qt::Key_Space));
    m_mnuPause->setCheckable(true);
    connect(m_mnuPause, &QAction::toggled, m_computer, &ComputerPlayer::setPaused);

    m_mnuFOWChart = makeAction(this, QStringLiteral("mnuFOWChart"), QStringLiteral("&FOW Chart"));
    connect(m_mnuFOWChart, &QAction::triggered, this, &mdiMain::mnuFOWChart_Click);

    m_mnuPlayers =
        makeAction(this, QStringLiteral("mnuPlayers"), QStringLiteral("&Players Database"),
                   QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_mnuPlayers, &QAction::triggered, this, &mdiMain::mnuPlayers_Click);

    m_mnuAbout = makeAction(this, QStringLiteral("mnuAbout"), QStringLiteral("&About"),
                            QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(m_mnuAbout, &QAction::triggered, this, &mdiMain::mnuAbout_Click);

    // As the frame's close button: the program ends when its last window closes.
    m_mnuExit = makeAction(this, QStringLiteral("mnuExit"), QStringLiteral("E&xit"),
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_mnuExit, &QAction::triggered, this, &QWidget::close);

    m_mnuHistory = makeAction(this, QStringLiteral("mnuHistory"), QStringLiteral("Match &History"),
                              QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_mnuHistory, &QAction::triggered, this, &mdiMain::mnuHistory_Click);
    m_mnuStats = makeAction(this, QStringLiteral("mnuStats"), QStringLiteral("Player &Statistics"));
    connect(m_mnuStats, &QAction::triggered, this, &mdiMain::mnuStats_Click);
    m_mnuExport =
        makeAction(this, QStringLiteral("mnuExport"), QStringLiteral("&Export Scorecard\u2026"));
    connect(m_mnuExport, &QAction::triggered, this, &mdiMain::mnuExport_Click);
    m_mnuPrint = makeAction(this, QStringLiteral("mnuPrint"), QStringLiteral("&Print\u2026"));
    connect(m_mnuPrint, &QAction::triggered, this, &mdiMain::mnuPrint_Click);

    m_mnuHowToPlay = makeAction(this, QStringLiteral("mnuHowToPlay"),
                                QStringLiteral("&How to Play"), QKeySequence(Qt::Key_F1));
    connect(m_mnuHowToPlay, &QAction::triggered, this, &mdiMain::mnuHowToPlay_Click);
}

void mdiMain::createMenus()
{
    QMenu *mnuGame = makeMenu(this, QStringLiteral("mnuGame"), QStringLiteral("&Game"));
    QMenu *mnuDice = makeMenu(mnuGame, QStringLiteral("mnuDice"), QStringLiteral("&Dice (Basic)"));
    mnuDice->addAction(m_mnu2Human);
    mnuDice->addAction(m_mnu1Human);
    mnuDice->addAction(m_mnuHuman0);
    mnuGame->addMenu(mnuDice);
    QMenu *mnuSpeed = makeMenu(mnuGame, QStringLiteral("mnuSpeed"), QStringLiteral("&Speed"));
    mnuSpeed->addActions(m_speeds->actions());
    mnuGame->addMenu(mnuSpeed);
    mnuGame->addAction(m_mnuPause);
    mnuGame->addSeparator();
    mnuGame->addAction(m_mnuExport);
    mnuGame->addAction(m_mnuPrint);
    // Only a match on screen has a scorecard to share.
    connect(mnuGame, &QMenu::aboutToShow, this, [this] {
        m_mnuExport->setEnabled(m_windows->inProgress());
        m_mnuPrint->setEnabled(m_windows->inProgress());
    });
    mnuGame->addSeparator();
    mnuGame->addAction(m_mnuExit);
    menuBar()->addMenu(mnuGame);

    QMenu *mnuCharts = makeMenu(this, QStringLiteral("mnuCharts"), QStringLiteral("&Charts"));
    mnuCharts->addAction(m_mnuFOWChart);
    menuBar()->addMenu(mnuCharts);

    QMenu *mnuData = makeMenu(this, QStringLiteral("mnuData"), QStringLiteral("&Data"));
    mnuData->addAction(m_mnuPlayers);
    mnuData->addAction(m_mnuHistory);
    mnuData->addAction(m_mnuStats);
    menuBar()->addMenu(mnuData);

    QMenu *mnuHelp = makeMenu(this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuHelp->addAction(m_mnuHowToPlay);
    mnuHelp->addAction(m_mnuAbout);
    menuBar()->addMenu(mnuHelp);
}

void mdiMain::MDIForm_Load()
{
    showMaximized();
    frmSplash::showModal(this);
    openMatchStore();
}

void mdiMain::setRandomSource(RandomSource *random)
{
    m_random = random ? random : &m_timeSeeded;
    m_match->setRandomSource(*m_random);
}

void mdiMain::chooseSpeed(QAction *speed)
{
    m_computer->setInterval(speed->data().toInt());
    gameSettings()->setValue(QStringLiteral("speed"),
                             speed->objectName().mid(QStringLiteral("mnuSpeed").size()));
}

void mdiMain::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void mdiMain::mnuFOWChart_Click()
{
    frmFOWGraph::showModal(this, m_match->state());
}

void mdiMain::mnuPlayers_Click()
{
    frmPlayers::showModal(this);
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
