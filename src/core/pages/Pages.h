// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"
#include "core/store/CareerLine.h"
#include "core/store/MatchRecords.h"

#include <QList>
#include <QString>

class Match;

// Every page the game makes to share, from values the windows already hold; nothing here reads
// the store. HTML pages are self-contained: styles inline, no external file, narrow enough for
// a phone.

// A match's scorecards: every innings opened, the match summary, the result and the highlights,
// with the figures the windows show. `state` stands in for the result while the match is not
// over ("Match abandoned on day 2 at 11:20a.").
QString scorecardText(const Match &match, const QString &state);
QString scorecardHtml(const Match &match, const QString &state);
// A series: its tests, its score, the batting of its tests, and each test's result in words.
QString seriesHtml(const Competition &series, const QList<CareerLine> &batting);
// A league: the table and its rules, the fixtures and results, the batting of its matches.
QString leagueHtml(const Competition &league, const QList<CareerLine> &batting);
// Every list of the records book, `lists[i]` being `RecordList(i)`; `team` names the filter.
QString recordsHtml(const QList<QList<RecordRow>> &lists, const QString &team = {});
// Career lines as comma-separated values with a heading row, quoted where needed.
QString careersCsv(const QList<CareerLine> &lines);
