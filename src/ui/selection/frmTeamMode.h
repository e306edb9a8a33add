// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>
#include <optional>

class MatchSession;
class QLabel;
class QPushButton;

// "Use Game Teams or Select from Database": asked before every match.
class frmTeamMode : public QDialog
{
    Q_OBJECT
public:
    enum class Choice
    {
        InBuilt,
        Manually,
        Saved
    };

    explicit frmTeamMode(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed the setup of the
    // next match before its toss: the elevens chosen (after "&Choose teams manually" those team
    // selection wrote, after "&Saved Sides…" the two sides asked for, both kept as the
    // session's next sides) and where they came from. Nothing when no match is to start: team
    // selection's Cancel ended the program, the sides were not chosen, or a side's players are
    // no longer in the player file (which it says).
    static std::optional<MatchSetup> showModal(QWidget *parent, MatchSession &session);

    Choice choice() const { return m_choice; }

public slots:
    void cmdInBuilt_Click();
    void cmdChoose_Click();
    void cmdSaved_Click();

private:
    QLabel *m_label1 = nullptr;
    QPushButton *m_cmdInBuilt = nullptr;
    QPushButton *m_cmdChoose = nullptr;
    QPushButton *m_cmdSaved = nullptr;
    Choice m_choice = Choice::InBuilt;
};
