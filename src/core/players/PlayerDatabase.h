// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerFile.h"

#include <QObject>

// The one player file of a game: every window reads it through here, and a player added here
// reaches every window that shows players.
class PlayerDatabase : public QObject
{
    Q_OBJECT
public:
    explicit PlayerDatabase(QString path = QStringLiteral("Basic.kdt"), QObject *parent = nullptr);

    const PlayerFile &file() const { return m_file; }
    const QString &path() const { return m_file.path(); }

    // Appends the player and tells playerAdded(); on failure nothing changes.
    FileResult<int> add(const PlayerRecord &record);

signals:
    void playerAdded(const NumberedPlayer &player);

private:
    PlayerFile m_file;
};
