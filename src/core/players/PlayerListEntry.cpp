// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/PlayerListEntry.h"

#include "core/players/FormatPlayerName.h"

#include <algorithm>

QString PlayerListEntry(QStringView playerName, int recordNumber)
{
    const QStringView name = trimBlanks(playerName);
    const qsizetype lastBlank = name.lastIndexOf(u' ');
    const QStringView surname = name.sliced(lastBlank + 1);
    const QStringView givenNames = name.first(lastBlank + 1);

    QString entry;
    entry.reserve(surname.size() + 2 + givenNames.size() + ListEntryGap + 6);
    entry.append(surname);
    entry.append(u", ");
    entry.append(givenNames);
    entry.append(QString(ListEntryGap, u' '));
    entry.append(QString::number(recordNumber));
    return entry;
}

int RecordNumberOfEntry(QStringView entry)
{
    QStringView tail = entry.right(ListEntryNumberWidth);
    while (!tail.isEmpty() && tail.front() == u' ')
        tail = tail.sliced(1);
    qsizetype digits = 0;
    while (digits < tail.size() && tail[digits] >= u'0' && tail[digits] <= u'9')
        ++digits;
    bool ok = false;
    const int number = tail.first(digits).toInt(&ok);
    return ok ? number : 0;
}

bool PlayerListEntryLess(const QString &left, const QString &right)
{
    const int folded = left.compare(right, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : left < right;
}

QStringList SortedPlayerListEntries(const QList<NumberedPlayer> &players)
{
    QStringList entries;
    entries.reserve(players.size());
    for (const NumberedPlayer &player : players)
        entries.append(PlayerListEntry(player.record.PlayerName.text(), player.recordNumber));
    std::sort(entries.begin(), entries.end(), PlayerListEntryLess);
    return entries;
}
