// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "common/Fonts.h"
#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmState.h"
#include "state/Globals.h"
#include "state/MatchState.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <memory>

// The in-built elevens, as the main window stores them at start-up.
inline void fillInBuiltTeams(MatchState &state)
{
    struct Player
    {
        const char16_t *name;
        quint8 average;
    };
    static constexpr Player australia[] = {
        {u"KR Dunmore", 22}, {u"PJ Ashgrove", 46}, {u"DL Brindle", 48},  {u"BT Coyle", 56},
        {u"GH Coyle", 83},   {u"NA Fenwick", 11},  {u"TC Hartigan", 31}, {u"RW Esterby", 8},
        {u"JF Quarrie", 23}, {u"AM Tollard", 11},  {u"LB Varga", 2}};
    static constexpr Player england[] = {
        {u"OH Pelham", 25},   {u"CS Wrenfield", 13}, {u"VK Dabney", 45},  {u"EJ Harrowby", 35},
        {u"WP Kilbride", 43}, {u"DR Oakhurst", 47},  {u"FG Selwood", 13}, {u"SMT Ridley", 27},
        {u"B Yarwood", 5},    {u"PE Lockett", 2},    {u"HAL Norcross", 8}};
    state.Team1 = TeamRecord();
    state.Team1.Name = u"Australia";
    state.Team1.CreaseColour = 0xFFFFFF;
    state.Team1.OutColour = 0x00FFFF;
    state.Team1.BackColour = 0x008000;
    state.Team1.WaitingColour = 0x00FFFF;
    state.Team2 = TeamRecord();
    state.Team2.Name = u"England";
    state.Team2.CreaseColour = 0xFFFFFF;
    state.Team2.OutColour = 0xFFFF00;
    state.Team2.BackColour = 0x800000;
    state.Team2.WaitingColour = 0xFFFF00;
    for (std::size_t i = 1; i <= 11; ++i) {
        state.Team1.Players[i] = QStringView(australia[i - 1].name);
        state.Team1.BatAverage[i] = australia[i - 1].average;
        state.Team2.Players[i] = QStringView(england[i - 1].name);
        state.Team2.BatAverage[i] = england[i - 1].average;
    }
}

// A match opened the way match start opens it, inside a real MDI area; closed again at the end.
class TestMatch
{
public:
    TestMatch()
    {
        installFontSubstitutions();
        m_area.resize(1000, 700);
        MatchWindows::setMdiArea(&m_area);
        MatchState &state = Globals::matchState();
        fillInBuiltTeams(state);
        state.TimeUp = false;
        state.CurrentInnings = 1;
        frmInnings1 *first = MatchWindows::InningsWindows(1);
        first->show();
        first->move(0, 0);
        MatchWindows::state()->show();
        MatchWindows::summary()->show();
        MatchWindows::highlights()->show();
        state.ClockHour = 10;
        state.ClockMinute = 0;
        for (std::size_t i = 1; i <= 4; ++i) {
            state.Cards[i] = BattingCard();
            for (auto &pair : state.Cards[i].Pair)
                pair = QStringView();
        }
        m_area.show();
    }
    ~TestMatch()
    {
        MatchWindows::closeMatchWindows();
        MatchWindows::setMdiArea(nullptr);
    }

    QMdiArea &area() { return m_area; }
    static frmInnings1 *innings(int n) { return MatchWindows::InningsWindows(n); }
    static QLabel *label(QWidget *window, const QString &name)
    {
        auto *found = window->findChild<QLabel *>(name);
        if (!found)
            qFatal("no label %s", qPrintable(name));
        return found;
    }
    static QLabel *line(int innings, const char *column, int index)
    {
        return label(MatchWindows::InningsWindows(innings),
                     QLatin1String(column) + QLatin1Char('_') + QString::number(index));
    }
    static QString text(QWidget *window, const QString &name)
    {
        return label(window, name)->text();
    }
    static QString summaryText(const char *name)
    {
        return text(MatchWindows::summary(), QLatin1String(name));
    }
    static QString stateText(const char *name)
    {
        return text(MatchWindows::state(), QLatin1String(name));
    }
    static QLineEdit *box(int innings)
    {
        return MatchWindows::InningsWindows(innings)->findChild<QLineEdit *>(
            QStringLiteral("txtRoll"));
    }
    static QPushButton *rollButton(int innings)
    {
        return MatchWindows::InningsWindows(innings)->findChild<QPushButton *>(
            QStringLiteral("cmdRoll"));
    }
    // Presses ROLL of the scorecard in play.
    static void roll(int innings) { QTest::mouseClick(rollButton(innings), Qt::LeftButton); }

private:
    QMdiArea m_area;
};
