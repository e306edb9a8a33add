// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmReplay.h"

#include "core/match/Scorecard.h"
#include "core/session/MatchReplay.h"
#include "ui/common/Controls.h"
#include "ui/match/MatchWindows.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A played over shows for a moment even at the Instant pace.
constexpr int ShortestIntervalMs = 15;

} // namespace

frmReplay::frmReplay(std::unique_ptr<MatchReplay> replay, QSize area, QWidget *parent)
    : QWidget(parent, Qt::Window), m_replay(std::move(replay)), m_area(new QMdiArea(this)),
      m_windows(new MatchWindows(m_area, m_replay->match(), this)),
      m_sldOver(new QSlider(Qt::Horizontal, this)), m_lblPosition(new QLabel(this))
{
    setObjectName(u"frmReplay"_s);
    setWindowTitle(tr("Replay: %1").arg(scorecardTitle(m_replay->match())));
    setAttribute(Qt::WA_DeleteOnClose);
    // The game ends with its frame, whatever replays are still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_area->setObjectName(u"mdiReplay"_s);
    m_area->setBackground(m_area->palette().brush(QPalette::Dark));
    m_area->setMinimumSize(area);
    m_windows->setReadOnly();

    m_sldOver->setObjectName(u"sldOver"_s);
    m_sldOver->setRange(0, m_replay->overs());
    m_sldOver->setValue(m_replay->overs());
    m_sldOver->setAccessibleName(tr("Over"));
    m_lblPosition->setObjectName(u"lblReplayPosition"_s);

    auto *bar = new QHBoxLayout;
    // The window's own keys: they work wherever the focus is, and the slider's own (PageUp
    // forward) never come into play.
    const auto addKeys = [this](const QString &name, QList<QKeySequence> keys) {
        auto *shortcut = new QAction(this);
        shortcut->setObjectName(name + u"Key"_s);
        shortcut->setShortcuts(keys);
        addAction(shortcut);
        return shortcut;
    };
    const auto keyedButton = [&](const QString &name, const QString &caption,
                                 QList<QKeySequence> keys) {
        QPushButton *button = addButton(bar, this, name, caption);
        // A button's own shortcut clicks a moment later, once however often the key repeats.
        connect(addKeys(name, keys), &QAction::triggered, button, &QPushButton::click);
        button->setToolTip(tr("%1 (%2)").arg(caption, keys.first().toString()));
        return button;
    };
    QPushButton *first = keyedButton(u"cmdReplayFirst"_s, tr("First"), {Qt::Key_Home});
    QPushButton *back = keyedButton(u"cmdStepBack"_s, tr("Back"), {Qt::Key_Left, Qt::Key_Up});
    m_cmdPlay = keyedButton(u"cmdReplayPlay"_s, tr("Play"), {Qt::Key_Space});
    QPushButton *forward =
        keyedButton(u"cmdStepForward"_s, tr("Forward"), {Qt::Key_Right, Qt::Key_Down});
    QPushButton *last = keyedButton(u"cmdReplayLast"_s, tr("Last"), {Qt::Key_End});
    bar->addWidget(m_sldOver, 1);
    // The cards by name, to bring up one hidden under another.
    QPushButton *cmdWindows = addButton(bar, this, u"cmdWindows"_s, tr("&Window"));
    auto *cards = new QMenu(cmdWindows);
    cmdWindows->setMenu(cards);
    connect(cards, &QMenu::aboutToShow, this, [this, cards] {
        cards->clear();
        for (QMdiSubWindow *window : m_area->subWindowList()) {
            if (window->isVisible())
                cards->addAction(window->windowTitle(), this, [this, window] {
                    m_windows->activate(window);
                    m_sldOver->setFocus();
                });
        }
    });
    QPushButton *cmdClose = addButton(bar, this, u"cmdClose"_s, tr("&Close"));
    cmdClose->setToolTip(tr("Close (Esc)"));
    connect(addKeys(u"pageBack"_s, {Qt::Key_PageUp}), &QAction::triggered, this,
            [this] { step(-m_sldOver->pageStep()); });
    connect(addKeys(u"pageForward"_s, {Qt::Key_PageDown}), &QAction::triggered, this,
            [this] { step(m_sldOver->pageStep()); });
    connect(addKeys(u"close"_s, {Qt::Key_Escape, Qt::CTRL | Qt::Key_W}), &QAction::triggered, this,
            &QWidget::close);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // The result's Ok ends watching, as it ends a match.
    connect(m_windows, &MatchWindows::resultAccepted, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_area, 1);
    layout->addLayout(bar);
    layout->addWidget(m_lblPosition);

    connect(m_sldOver, &QSlider::valueChanged, this, &frmReplay::moveTo);
    connect(first, &QPushButton::clicked, this, [this] { m_sldOver->setValue(0); });
    connect(back, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_cmdPlay, &QPushButton::clicked, this, &frmReplay::cmdReplayPlay_Click);
    connect(forward, &QPushButton::clicked, this, [this] { step(1); });
    connect(last, &QPushButton::clicked, this,
            [this] { m_sldOver->setValue(m_sldOver->maximum()); });
    connect(&m_timer, &QTimer::timeout, this, &frmReplay::playNext);

    moveTo(m_replay->overs());
    m_sldOver->setFocus();
    m_area->installEventFilter(this);
}

// Windows placed in an area not yet shown do not keep the order they were raised in, and the
// area's first activation activates the window added last: both are put right once it has.
bool frmReplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area || event->type() != QEvent::WindowActivate)
        return QWidget::eventFilter(watched, event);
    m_area->removeEventFilter(this);
    QCoreApplication::sendEvent(m_area, event);
    m_windows->raiseInPlayOrder();
    m_windows->showAsPlayed();
    m_sldOver->setFocus();
    return true;
}

frmReplay::~frmReplay() = default;

void frmReplay::setInterval(int ms)
{
    m_timer.setInterval(std::max(ms, ShortestIntervalMs));
}

void frmReplay::moveTo(int over)
{
    m_replay->seek(over);
    const bool barFocused = !m_area->isAncestorOf(QApplication::focusWidget());
    m_windows->showAsPlayed();
    // The bar keeps the keys: activating a window takes the focus, which goes back.
    if (barFocused && m_area->isAncestorOf(QApplication::focusWidget()))
        m_sldOver->setFocus();
    // Nothing in the windows takes the focus, which would raise its window over those play
    // left on top. Only windows just opened need telling.
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    if (windows != m_focusless) {
        // A window itself may hold the focus: with nothing in it that can, activating it would
        // search the whole window for something that can.
        for (QMdiSubWindow *window : windows) {
            for (QWidget *input : window->findChildren<QAbstractButton *>())
                input->setFocusPolicy(Qt::NoFocus);
            for (QWidget *input : window->findChildren<QAbstractScrollArea *>())
                input->setFocusPolicy(Qt::NoFocus);
            for (QWidget *input : window->findChildren<QLineEdit *>())
                input->setFocusPolicy(Qt::NoFocus);
        }
        m_focusless = windows;
    }
    m_lblPosition->setText(replayPosition(m_replay->match(), m_replay->over(), m_replay->overs()));
}

void frmReplay::step(int overs)
{
    m_sldOver->setValue(m_sldOver->value() + overs);
}

void frmReplay::cmdReplayPlay_Click()
{
    if (m_timer.isActive()) {
        m_timer.stop();
        m_cmdPlay->setText(tr("Play"));
        return;
    }
    // From the end, play starts again from the toss.
    if (m_sldOver->value() == m_sldOver->maximum())
        m_sldOver->setValue(0);
    m_cmdPlay->setText(tr("Pause"));
    m_timer.start();
}

void frmReplay::playNext()
{
    step(1);
    if (m_sldOver->value() == m_sldOver->maximum())
        cmdReplayPlay_Click();
}
