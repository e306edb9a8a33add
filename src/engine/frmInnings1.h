// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/InningsModel.h"
#include "engine/MatchSubWindow.h"

#include <array>

class FilledEllipse;
class QLabel;
class QLineEdit;
class QPushButton;

// The batting scorecard of one innings, where the match is played: ROLL throws the die into
// txtRoll, and every change of that box plays an over.
class frmInnings1 : public MatchSubWindow
{
    Q_OBJECT
public:
    // `innings` is the slot this scorecard fills (1..4).
    explicit frmInnings1(int innings, QWidget *parent = nullptr);

    void Form_Load();
    int innings() const { return m_innings; }
    InningsModel &model() { return m_model; }
    // Rewrites every caption and colour from the figures.
    void writeCaptions();
    // Empties the box; when it held text, the change handler runs again at once.
    void clearRoll();

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

    int m_innings;
    InningsModel m_model;
    std::array<QLabel *, 7> m_headings{};
    std::array<Line, 11> m_lines{};
    QLabel *m_extras = nullptr;
    QLabel *m_totalLine = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_roll = nullptr;
    QLineEdit *m_box = nullptr;
    FilledEllipse *m_facing = nullptr;
};
