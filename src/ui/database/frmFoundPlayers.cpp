// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/database/frmFoundPlayers.h"

#include "core/common/CaptionNumbers.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmFoundPlayers::frmFoundPlayers(QWidget *parent, const QString &part,
                                 const QList<NumberedPlayer> &players)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFoundPlayers"));
    setWindowTitle(tr("Find Player"));
    setFont(sansSerifFont(8));
    setFixedClientTwips(this, 6075, 3615);

    const QString heading =
        players.size() == 1
            ? tr("1 player's name contains “%1”:").arg(part)
            : tr("%n players' names contain “%1”:", nullptr, int(players.size())).arg(part);
    auto *label = makeLabel(this, QStringLiteral("lblFound"), heading, 120, 120, 5835, 255);
    label->setTextFormat(Qt::PlainText);

    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstFound"));
    list->setAccessibleName(tr("Players found"));
    list->setGeometry(twipsRect(120, 480, 5835, 2535));
    for (const NumberedPlayer &player : players)
        list->addItem(line(player.record));

    auto *ok = makeButton(this, QStringLiteral("cmdOK"), tr("OK"), 4620, 3120, 1335, 375);
    ok->setDefault(true);
    setTabOrder(list, ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmFoundPlayers::showModal(QWidget *parent, const QString &part,
                                const QList<NumberedPlayer> &players)
{
    frmFoundPlayers window(parent, part, players);
    window.exec();
}

QString frmFoundPlayers::line(const PlayerRecord &record)
{
    return tr("%1, %2, batting %3, bowling %4")
        .arg(record.PlayerName.trimmed(), record.Country.trimmed(),
             plainNumber(record.BattingAverage), plainNumber(record.BowlingAverage));
}
