// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "common/CaptionNumbers.h"
#include "common/Controls.h"
#include "common/Fonts.h"
#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmResult.h"
#include "engine/frmState.h"
#include "state/Globals.h"

#include "ScriptedRandom.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The in-built teams' colours and averages (the averages decide the appeals).
inline void fillTeams(MatchState &state)
{
    static constexpr quint8 averages[22] = {22, 46, 48, 56, 83, 11, 31, 8,  23, 11, 2,
                                            25, 13, 45, 35, 43, 47, 13, 27, 5,  2,  8};
    for (int t = 0; t < 2; ++t) {
        TeamRecord &team = (t ? state.Team2 : state.Team1) = TeamRecord();
        team.Name = QStringView(t ? u"England" : u"Australia");
        team.BackColour = t ? 0x800000 : 0x008000;
        team.OutColour = team.WaitingColour = t ? 0xFFFF00 : 0x00FFFF, team.CreaseColour = 0xFFFFFF;
        for (std::size_t i = 1; i <= 11; ++i)
            team.Players[i] = (t ? u"Eng "_s : u"Aus "_s) + QString::number(i),
            team.BatAverage[i] = averages[11 * t + i - 1];
    }
}

// Plays `count` overs with the same draws; {5, 1, 1, 6} is a wicket for any average.
template <typename Roll>
void repeat(ScriptedRandom &die, int count, std::initializer_list<int> draws, Roll roll)
{
    for (int i = 0; i < count; ++i)
        die.push(draws), roll();
}

struct TestMatch
{
    QMdiArea area;
    TestMatch()
    {
        installFontSubstitutions();
        area.resize(1000, 700);
        MatchWindows::setMdiArea(&area);
        MatchState &state = Globals::matchState();
        fillTeams(state);
        state.TimeUp = false, state.CurrentInnings = 1, state.ClockHour = 10, state.ClockMinute = 0;
        for (QWidget *window : std::initializer_list<QWidget *>{innings(1), MatchWindows::state(),
                                                                MatchWindows::summary(),
                                                                MatchWindows::highlights(), &area})
            window->show();
    }
    ~TestMatch() { MatchWindows::closeMatchWindows(), MatchWindows::setMdiArea(nullptr); }

    static frmInnings1 *innings(int n) { return MatchWindows::InningsWindows(n); }
    static QLabel *label(QWidget *w, const QString &n) { return w->findChild<QLabel *>(n); }
    static QString text(QWidget *w, const char *n) { return label(w, QLatin1String(n))->text(); }
    static int number(const QString &caption) { return int(captionValue(caption)); }
    static QLabel *line(int n, const char *column, int i)
    {
        return label(innings(n), QLatin1String(column) + u'_' + QString::number(i));
    }
    static QString cell(int n, const char *column, int i) { return line(n, column, i)->text(); }
    static QColor fore(int n, const char *column, int i) { return foreColour(line(n, column, i)); }
    static QString row(int n, int i) // how out|runs|balls|mins|fow
    {
        return QStringList{cell(n, "lblHowOut", i), cell(n, "lblRuns", i), cell(n, "lblBalls", i),
                           cell(n, "lblMins", i), cell(n, "lblFOW", i)}
            .join(u'|');
    }
    static QString summary(const QByteArray &n) { return text(MatchWindows::summary(), n.data()); }
    static QString playState(const char *name) { return text(MatchWindows::state(), name); }
    static QLineEdit *box(int n) { return innings(n)->findChild<QLineEdit *>(u"txtRoll"_s); }
    static auto button(int n) { return innings(n)->findChild<QPushButton *>(u"cmdRoll"_s); }
    static void roll(int n) { QTest::mouseClick(button(n), Qt::LeftButton); }
};
