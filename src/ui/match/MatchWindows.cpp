// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/MatchWindows.h"

#include "core/match/Match.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"

#include <QApplication>
#include <QMdiArea>
#include <QShortcut>

namespace {

template <typename Window>
bool isOpen(const QPointer<Window> &window)
{
    return window && !window->isClosed();
}

template <typename Window>
void closeSlot(QPointer<Window> &window)
{
    if (isOpen(window))
        window->closeForGood();
    window = nullptr;
}

} // namespace

MatchWindows::MatchWindows(QMdiArea *area, const Match &match, QObject *parent)
    : QObject(parent), m_area(area), m_match(match)
{
    connect(&match, &Match::changed, this, &MatchWindows::writeCaptions);
    connect(&match, &Match::inningsStarted, this, &MatchWindows::showInnings);
    connect(&match, &Match::highlightAdded, this, &MatchWindows::showHighlight);
    connect(&match, &Match::resultReached, this, &MatchWindows::showResult);
    // The area's own Ctrl+Tab walks the windows in the order they were last active, and a
    // scorecard without a focusable control drops out of that order: these go round them all.
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), m_area);
    auto *previous = new QShortcut(m_area);
    // Shift+Tab arrives as Backtab from a keyboard, as Tab with Shift from elsewhere.
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    for (QShortcut *shortcut : {next, previous})
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    m_shortcuts = {next, previous};
    connect(next, &QShortcut::activated, this, [this] { activateNext(1); });
    connect(previous, &QShortcut::activated, this, [this] { activateNext(-1); });
}

// The keys belong to the area but go with these windows.
MatchWindows::~MatchWindows()
{
    for (const QPointer<QShortcut> &shortcut : m_shortcuts)
        delete shortcut.data();
}

frmInnings1 *MatchWindows::innings(int number)
{
    Q_ASSERT(number >= 1 && number <= 4);
    if (number < 1 || number > 4)
        return nullptr;
    auto &slot = m_innings[std::size_t(number)];
    if (!isOpen(slot)) {
        slot = new frmInnings1(m_match, number);
        slot->setComputerBats(m_computerSides[TossRules::battingSide(number)]);
        slot->setTypedFaces(m_typedFaces);
        m_area->addSubWindow(slot);
        connect(slot, &frmInnings1::resultWanted, this, &MatchWindows::showResult);
        connect(slot, &frmInnings1::faceRefused, this, &MatchWindows::faceRefused);
        connect(slot, &frmInnings1::overEntered, this, &MatchWindows::overEntered);
    }
    return slot;
}

frmState *MatchWindows::state()
{
    if (!isOpen(m_state)) {
        m_state = new frmState(m_match.clock());
        m_area->addSubWindow(m_state);
    }
    return m_state;
}

frmMatchSummary *MatchWindows::summary()
{
    if (!isOpen(m_summary)) {
        m_summary = new frmMatchSummary(m_match.summary());
        m_area->addSubWindow(m_summary);
    }
    return m_summary;
}

frmHighlights *MatchWindows::highlights()
{
    if (!isOpen(m_highlights)) {
        m_highlights = new frmHighlights(m_match.highlights());
        m_area->addSubWindow(m_highlights);
    }
    return m_highlights;
}

frmResult *MatchWindows::result()
{
    if (!isOpen(m_result)) {
        m_result = new frmResult(m_match);
        m_area->addSubWindow(m_result);
        connect(m_result, &frmResult::okPressed, this, [this] {
            emit resultAccepted();
            if (!m_readOnly) // a replay's windows go with the replay
                close();
        });
    }
    return m_result;
}

void MatchWindows::setTypedFaces(bool typed)
{
    m_typedFaces = typed;
    for (int number = 1; number <= 4; ++number) {
        if (isInningsOpen(number))
            m_innings[std::size_t(number)]->setTypedFaces(typed);
    }
}

void MatchWindows::setComputerSides(std::array<bool, 2> sides)
{
    m_computerSides = sides;
    for (int number = 1; number <= 4; ++number) {
        if (isInningsOpen(number))
            m_innings[std::size_t(number)]->setComputerBats(sides[TossRules::battingSide(number)]);
    }
}

void MatchWindows::setReadOnly()
{
    m_readOnly = true;
    setComputerSides({true, true});
    // Nothing in them takes the focus: their keys serve the whole window that holds them.
    for (const QPointer<QShortcut> &shortcut : m_shortcuts)
        shortcut->setContext(Qt::WindowShortcut);
}

bool MatchWindows::isInningsOpen(int number) const
{
    return number >= 1 && number <= 4 && isOpen(m_innings[std::size_t(number)]);
}

bool MatchWindows::isStateOpen() const
{
    return isOpen(m_state);
}

bool MatchWindows::isSummaryOpen() const
{
    return isOpen(m_summary);
}

bool MatchWindows::isHighlightsOpen() const
{
    return isOpen(m_highlights);
}

bool MatchWindows::isResultOpen() const
{
    return isOpen(m_result);
}

// The scorecard at the top left, the state of play to its right with the summary under it,
// and the highlights under the scorecard; outer edges touch, nothing overlaps.
void MatchWindows::open()
{
    frmInnings1 *first = innings(1);
    first->show();
    first->move(0, 0);

    frmState *playState = state();
    playState->show();
    playState->move(first->x() + first->width(), first->y());

    frmMatchSummary *scores = summary();
    scores->show();
    scores->move(playState->x(), playState->y() + playState->height());

    frmHighlights *log = highlights();
    log->show();
    log->move(first->x(), first->y() + first->height());

    m_area->setActiveSubWindow(first);
    for (int number = 2; number <= 4; ++number) {
        if (m_match.inningsOpen(number)) {
            innings(number)->show();
            innings(number)->move(first->pos());
        }
    }
    // The innings in play on top of the closed ones, the focus in it: the frame may not be
    // active yet (a question has just closed), and it gives the focus back where it was set.
    if (m_match.isOver())
        showResult();
    else
        activateInningsInPlay();
}

void MatchWindows::close()
{
    for (std::size_t i = 1; i < m_innings.size(); ++i)
        closeSlot(m_innings[i]);
    closeSlot(m_summary);
    closeSlot(m_state);
    closeSlot(m_highlights);
    closeSlot(m_result);
}

// A new scorecard stands where the first one stands, on top.
void MatchWindows::showInnings(int number)
{
    frmInnings1 *window = innings(number);
    if (number != 1 && isInningsOpen(1))
        window->move(m_innings[1]->pos());
    activate(window);
}

void MatchWindows::showHighlight(const QString &line)
{
    if (isHighlightsOpen()) {
        m_highlights->addEntry(line);
        return;
    }
    // Closed by the user: it comes back with the whole log, and leaves the keys with the
    // innings in play.
    showQuietly(reopenHighlights());
}

// Where match start put it.
frmHighlights *MatchWindows::reopenHighlights()
{
    const bool closed = !isHighlightsOpen();
    frmHighlights *window = highlights();
    if (closed && isInningsOpen(1)) {
        const QWidget *first = m_innings[1];
        window->move(first->x(), first->y() + first->height());
    }
    return window;
}

void MatchWindows::activateHighlights()
{
    activate(reopenHighlights());
}

void MatchWindows::showQuietly(QMdiSubWindow *window)
{
    QMdiSubWindow *active = m_area->activeSubWindow();
    QWidget *focus = QApplication::focusWidget();
    window->show();
    if (active && active != window)
        m_area->setActiveSubWindow(active);
    if (focus && focus != window && !window->isAncestorOf(focus))
        focus->setFocus(Qt::OtherFocusReason);
}

void MatchWindows::activate(QMdiSubWindow *window)
{
    window->show();
    window->raise();
    m_area->setActiveSubWindow(window);
    // The first control that takes the focus: a scorecard's box while a person bats there.
    QWidget *client = window->widget();
    for (QWidget *next = client->nextInFocusChain(); client->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (next->isEnabled() && next->isVisibleTo(window) &&
            (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    window->setFocus(Qt::OtherFocusReason);
}

void MatchWindows::activateInningsInPlay()
{
    const int number = std::min(m_match.currentInnings(), 4);
    if (m_match.inningsOpen(number))
        activate(innings(number));
}

void MatchWindows::activateNext(int step)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible())
            windows << window;
    }
    if (windows.isEmpty())
        return;
    const qsizetype count = windows.size();
    const qsizetype at = windows.indexOf(m_area->activeSubWindow());
    activate(windows[((at < 0 ? 0 : at + step) % count + count) % count]);
}

void MatchWindows::showResult()
{
    frmResult *window = result();
    window->show();
    window->raise();
    m_area->setActiveSubWindow(window);
}

void MatchWindows::writeCaptions()
{
    // A replay keeps the scorecards of innings not yet begun at its over, hidden.
    for (std::size_t i = 1; i < m_innings.size(); ++i) {
        if (isOpen(m_innings[i]) && m_match.inningsOpen(int(i)))
            m_innings[i]->writeCaptions();
    }
    if (isOpen(m_summary))
        m_summary->writeCaptions();
    if (isOpen(m_state))
        m_state->writeCaptions();
}

// Later windows go and earlier ones come in the order play opened them, so the stacking and
// the active window are those play left. Scorecards are hidden rather than closed: making one
// again costs more than a whole move of the slider should.
void MatchWindows::showAsPlayed()
{
    if (!isInningsOpen(1)) {
        open();
        return;
    }
    for (int number = 2; number <= 4; ++number) {
        if (!m_match.inningsOpen(number) && isInningsOpen(number))
            m_innings[std::size_t(number)]->hide();
    }
    if (!m_match.isOver())
        closeSlot(m_result);
    // Play showed it all along: closed by the watcher, it comes back where match start put it.
    const bool closed = !isHighlightsOpen();
    reopenHighlights()->setLog(m_match.highlights());
    if (closed) {
        m_highlights->show();
        raiseInPlayOrder();
    }
    writeCaptions();
    for (int number = 2; number <= 4; ++number) {
        if (m_match.inningsOpen(number) &&
            (!isInningsOpen(number) || m_innings[std::size_t(number)]->isHidden()))
            showInnings(number);
    }
    if (m_match.isOver() && !isResultOpen())
        showResult();
    QMdiSubWindow *top = m_match.isOver() ? static_cast<QMdiSubWindow *>(m_result)
                                          : m_innings[std::size_t(m_match.currentInnings())];
    if (m_area->activeSubWindow() != top)
        m_area->setActiveSubWindow(top);
}

void MatchWindows::raiseInPlayOrder()
{
    for (QMdiSubWindow *window : std::initializer_list<QMdiSubWindow *>{
             m_state, m_summary, m_highlights, m_innings[1], m_innings[2], m_innings[3],
             m_innings[4], m_result}) {
        if (window)
            window->raise();
    }
}
