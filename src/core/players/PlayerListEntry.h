// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The blanks push the record number out of sight in the list.
constexpr int ListEntryGap = 50;
// The record number is read back from this many characters at the end of an entry.
constexpr int ListEntryNumberWidth = 10;

// "Surname, Given Names " + 50 blanks + record number.
QString PlayerListEntry(QStringView playerName, int recordNumber);

// The record number at the end of an entry; 0 when there is none.
int RecordNumberOfEntry(QStringView entry);

// Entries compare without regard to letter case, as players look for names; the exact text
// breaks ties so that the order never depends on the order of the file.
bool PlayerListEntryLess(const QString &left, const QString &right);

// The entries of a country's players in list order, built and sorted in one go.
QStringList SortedPlayerListEntries(const QList<NumberedPlayer> &players);
