// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Match;
class QWidget;

// A match's scorecards shared in every form: the pages are written from the same figures the
// windows show. `state` stands in for the result of a match not over.

// Asks where, and saves as HTML, plain text or PDF by the type picked.
void exportScorecard(QWidget *parent, const Match &match, const QString &state);
// Writes the form the file's suffix names (.html, .txt, .pdf); false when it cannot.
QString writeScorecard(const QString &path, const Match &match, const QString &state);
void printScorecard(QWidget *parent, const Match &match, const QString &state);
void copyScorecard(const Match &match, const QString &state);
