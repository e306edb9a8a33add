// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerFile.h"

#include <QDialog>

class QListWidget;

// The answer to "&Find Player": every player whose name holds the text, one line each.
class frmFoundPlayers : public QDialog
{
    Q_OBJECT
public:
    frmFoundPlayers(QWidget *parent, const QString &part, const QList<NumberedPlayer> &players);
    static void showModal(QWidget *parent, const QString &part,
                          const QList<NumberedPlayer> &players);

    // "Ann Lee, India, batting 40, bowling 0"
    static QString line(const PlayerRecord &record);
};
