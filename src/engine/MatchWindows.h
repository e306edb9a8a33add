// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

class MatchHost;
class QMdiArea;
class frmInnings1;
class frmState;
class frmMatchSummary;
class frmHighlights;
class frmResult;

// The child windows of a match. Each slot creates and loads its window the first time it is
// used, inside the frame's MDI area, exactly as the game expects of its match windows; a window
// that is closed is gone, and the next use loads a fresh one from its design-time captions.
// Every form here is a QMdiSubWindow, so its geometry is the outer window's.
namespace MatchWindows {
void setMdiArea(QMdiArea *area);
QMdiArea *mdiArea();

frmInnings1 *InningsWindows(int innings); // 1..4; nullptr for any other number
frmState *state();
frmMatchSummary *summary();
frmHighlights *highlights();
frmResult *result();

// Whether the slot holds a live window (without creating one).
bool isInningsOpen(int innings);
bool isStateOpen();
bool isSummaryOpen();
bool isHighlightsOpen();
bool isResultOpen();
// True from match start until the result window's Ok closes the match windows.
bool matchInProgress();

// The result window's Ok: innings 1..4, summary, state, highlights, then the result itself.
void closeMatchWindows();

// The over's view of the match windows (the figures of each window, and the windows it opens).
MatchHost &host();
// Opens the result window at the end of the match, or brings the one already open to the front.
void showResult();
// Rewrites the captions of the open scorecards, the state of play and the summary.
void writeCaptions();
} // namespace MatchWindows
