// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/PlayerDatabase.h"

#include <utility>

PlayerDatabase::PlayerDatabase(QString path, QObject *parent)
    : QObject(parent), m_file(std::move(path))
{}

FileResult<int> PlayerDatabase::add(const PlayerRecord &record)
{
    const FileResult<int> added = m_file.AppendRecord(record);
    if (added.ok())
        emit playerAdded({added.value, record});
    return added;
}
