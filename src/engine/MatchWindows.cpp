// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/MatchWindows.h"

#include "engine/MatchHost.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmResult.h"
#include "engine/frmState.h"

#include <QMdiArea>
#include <QPointer>
#include <array>

namespace {

QPointer<QMdiArea> g_area;
std::array<QPointer<frmInnings1>, 5> g_innings;
QPointer<frmState> g_state;
QPointer<frmMatchSummary> g_summary;
QPointer<frmHighlights> g_highlights;
QPointer<frmResult> g_result;
bool g_inProgress = false;

template <typename Window>
bool isOpen(const QPointer<Window> &window)
{
    return window && !window->isClosed();
}

// A fresh window goes into the frame's MDI area; the caller shows it when the game does.
template <typename Window>
Window *adopt(Window *window)
{
    if (g_area)
        g_area->addSubWindow(window);
    return window;
}

template <typename Window>
void closeSlot(QPointer<Window> &window)
{
    if (isOpen(window))
        window->closeForGood();
    window = nullptr;
}

class WindowHost final : public MatchHost
{
public:
    InningsModel &innings(int number) override
    {
        return MatchWindows::InningsWindows(number)->model();
    }
    SummaryModel &summary() override { return MatchWindows::summary()->model(); }
    ClockModel &clock() override { return MatchWindows::state()->model(); }
    void addHighlight(const QString &line) override
    {
        if (!MatchWindows::isHighlightsOpen()) {
            // Closed by the user: it comes back where match start put it.
            frmHighlights *window = MatchWindows::highlights();
            if (MatchWindows::isInningsOpen(1)) {
                const QWidget *first = MatchWindows::InningsWindows(1);
                window->move(first->x(), first->y() + first->height());
            }
            window->show();
        }
        AddHighlight(line);
    }
    void openResult() override { MatchWindows::showResult(); }
    void showInnings(int number) override
    {
        frmInnings1 *window = MatchWindows::InningsWindows(number);
        window->show();
        if (number != 1 && MatchWindows::isInningsOpen(1)) {
            const QWidget *first = MatchWindows::InningsWindows(1);
            window->move(first->x(), first->y());
        }
        window->raise();
        if (g_area)
            g_area->setActiveSubWindow(window);
    }
    void clearRoll(int number) override { MatchWindows::InningsWindows(number)->clearRoll(); }
};

} // namespace

void MatchWindows::setMdiArea(QMdiArea *area)
{
    g_area = area;
}

QMdiArea *MatchWindows::mdiArea()
{
    return g_area;
}

frmInnings1 *MatchWindows::InningsWindows(int innings)
{
    Q_ASSERT(innings >= 1 && innings <= 4);
    if (innings < 1 || innings > 4)
        return nullptr;
    auto &slot = g_innings[std::size_t(innings)];
    if (!isOpen(slot)) {
        g_inProgress = true;
        slot = adopt(new frmInnings1(innings));
        slot->Form_Load();
    }
    return slot;
}

frmState *MatchWindows::state()
{
    if (!isOpen(g_state))
        g_state = adopt(new frmState);
    return g_state;
}

frmMatchSummary *MatchWindows::summary()
{
    if (!isOpen(g_summary)) {
        g_summary = adopt(new frmMatchSummary);
        g_summary->Form_Load();
    }
    return g_summary;
}

frmHighlights *MatchWindows::highlights()
{
    if (!isOpen(g_highlights))
        g_highlights = adopt(new frmHighlights);
    return g_highlights;
}

frmResult *MatchWindows::result()
{
    if (!isOpen(g_result)) {
        g_result = adopt(new frmResult);
        g_result->Form_Load();
    }
    return g_result;
}

bool MatchWindows::isInningsOpen(int innings)
{
    return innings >= 1 && innings <= 4 && isOpen(g_innings[std::size_t(innings)]);
}

bool MatchWindows::isStateOpen()
{
    return isOpen(g_state);
}

bool MatchWindows::isSummaryOpen()
{
    return isOpen(g_summary);
}

bool MatchWindows::isHighlightsOpen()
{
    return isOpen(g_highlights);
}

bool MatchWindows::isResultOpen()
{
    return isOpen(g_result);
}

bool MatchWindows::matchInProgress()
{
    return g_inProgress;
}

void MatchWindows::closeMatchWindows()
{
    for (std::size_t i = 1; i < g_innings.size(); ++i)
        closeSlot(g_innings[i]);
    closeSlot(g_summary);
    closeSlot(g_state);
    closeSlot(g_highlights);
    closeSlot(g_result);
    g_inProgress = false;
}

MatchHost &MatchWindows::host()
{
    static WindowHost host;
    return host;
}

void MatchWindows::showResult()
{
    frmResult *window = result();
    window->show();
    window->raise();
    if (g_area)
        g_area->setActiveSubWindow(window);
}

void MatchWindows::writeCaptions()
{
    for (std::size_t i = 1; i < g_innings.size(); ++i) {
        if (isOpen(g_innings[i]))
            g_innings[i]->writeCaptions();
    }
    if (isOpen(g_summary))
        g_summary->writeCaptions();
    if (isOpen(g_state))
        g_state->writeCaptions();
}
