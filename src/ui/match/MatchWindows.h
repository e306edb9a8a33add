// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <array>

class Match;
class QMdiArea;
class QMdiSubWindow;
class QShortcut;
class frmInnings1;
class frmState;
class frmMatchSummary;
class frmHighlights;
class frmResult;

// The child windows that show a match, kept by the frame. Each slot creates its window the
// first time it is used, inside the frame's MDI area; a window that is closed is gone, and the
// next use makes a fresh one from the match. The windows follow the match's signals; they
// never call back here.
class MatchWindows : public QObject
{
    Q_OBJECT
public:
    MatchWindows(QMdiArea *area, const Match &match, QObject *parent = nullptr);
    ~MatchWindows() override;

    QMdiArea *mdiArea() const { return m_area; }
    frmInnings1 *innings(int number); // 1..4; nullptr for any other number
    frmState *state();
    frmMatchSummary *summary();
    frmHighlights *highlights();
    frmResult *result();

    // Whether the slot holds a live window (without creating one).
    bool isInningsOpen(int number) const;
    bool isStateOpen() const;
    bool isSummaryOpen() const;
    bool isHighlightsOpen() const;
    bool isResultOpen() const;
    // Which sides the computer bats for ([0] bats first): their scorecards take no input.
    void setComputerSides(std::array<bool, 2> sides);
    // Off in a network match: ROLL alone throws the die.
    void setTypedFaces(bool typed);
    // A replay's windows: no scorecard takes input, and the result's Ok closes nothing.
    void setReadOnly();

    // The windows of a match as it stands: each open innings' scorecard, the latest on top,
    // state of play and summary to its right, highlights below, the result when it is due.
    void open();
    // Innings 1..4, summary, state, highlights, then the result itself.
    void close();
    // Brings the result window up, opening it first if need be.
    void showResult();
    void writeCaptions();
    // Brings the window up as the user's own choice does: active, on top, the focus in it (in
    // a scorecard's box while a person bats there).
    void activate(QMdiSubWindow *window);
    // The scorecard of the innings in play, or of the last innings once the match is over.
    void activateInningsInPlay();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous open window, round all of them.
    void activateNext(int step);
    // Highlights Summary brought up, reopened where match start put it if it was closed.
    void activateHighlights();
    // The windows as play left them at the point the match now stands, as if nobody had closed
    // or moved one: for a replay moving from over to over.
    void showAsPlayed();
    // The side windows under the scorecards, the latest scorecard and the result on top.
    void raiseInPlayOrder();

signals:
    // Ok on the result window, just before it closes the match windows (read-only, it leaves
    // them to their holder).
    void resultAccepted();
    // A scorecard's box was given something other than a face.
    void faceRefused();
    // ROLL (face 0) or a face typed on a card: the over goes to whoever plays the match.
    void overEntered(int face);

private:
    void showInnings(int number);
    void showHighlight(const QString &line);
    frmHighlights *reopenHighlights();
    // Shows a window that opened by itself, leaving the active window and the focus as they were.
    void showQuietly(QMdiSubWindow *window);

    QMdiArea *m_area;
    const Match &m_match;
    std::array<QPointer<frmInnings1>, 5> m_innings;
    QPointer<frmState> m_state;
    QPointer<frmMatchSummary> m_summary;
    QPointer<frmHighlights> m_highlights;
    QPointer<frmResult> m_result;
    std::array<QPointer<QShortcut>, 2> m_shortcuts;
    std::array<bool, 2> m_computerSides{};
    bool m_typedFaces = true;
    bool m_readOnly = false;
};
