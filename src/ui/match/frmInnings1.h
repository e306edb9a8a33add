// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/match/MatchSubWindow.h"

#include <array>

class FilledEllipse;
class Match;
class QLabel;
class QLineEdit;
class QPushButton;

// The batting scorecard of one innings, where the match is played: ROLL throws the die into
// txtRoll, and every change of that box plays an over of the match.
class frmInnings1 : public MatchSubWindow
{
    Q_OBJECT
public:
    // Shows innings `innings` (1..4) of the match, which must have begun.
    frmInnings1(const Match &match, int innings, QWidget *parent = nullptr);

    int innings() const { return m_innings; }
    // Rewrites every caption and colour from the figures.
    void writeCaptions();
    // The computer bats here: the box and ROLL are its, not the user's.
    void setComputerBats(bool computer);
    // Whether a face may be typed into the box, or only thrown by ROLL.
    void setTypedFaces(bool typed);
    // Empties the box; when it held text, the change handler runs again at once.
    void clearRoll();

signals:
    // Input reached the box after the match was over.
    void resultWanted();
    // The box was given something other than a face from 1 to 6; it is emptied, nothing played.
    void faceRefused();
    // ROLL (0) or a face typed in the box: the over the player wants played.
    void overEntered(int face);

public slots:
    void cmdRoll_Click();
    void txtRoll_Change();

private:
    struct Line
    {
        QLabel *name;
        QLabel *howOut;
        QLabel *runs;
        QLabel *balls;
        QLabel *mins;
        QLabel *fow;
    };

    void buildControls();

    const Match &m_match;
    int m_innings;
    std::array<QLabel *, 7> m_headings{};
    std::array<Line, 11> m_lines{};
    QLabel *m_extras = nullptr;
    QLabel *m_totalLine = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_roll = nullptr;
    QLineEdit *m_box = nullptr;
    FilledEllipse *m_facing = nullptr;
    bool m_computerBats = false;
    bool m_typedFaces = true;
};
