// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "database/PlayerFile.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

inline const QString FileName = u"Basic.kdt"_s;

struct CurrentTempDir
{
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    CurrentTempDir() { QDir::setCurrent(dir.path()); }
    ~CurrentTempDir() { QDir::setCurrent(old); }
};

inline PlayerRecord player(QStringView name, QStringView country, int batting = 40, int bowling = 0,
                           bool captain = false, bool keeper = false)
{
    PlayerRecord record;
    record.PlayerName = name;
    record.Country = country;
    record.BattingAverage = quint8(batting);
    record.BowlingAverage = quint8(bowling);
    record.CaptainExperience = captain;
    record.KeeperExperience = keeper;
    return record;
}

inline QByteArray fileOf(const QList<PlayerRecord> &players)
{
    QByteArray bytes = PlayerRecord::header().toBytes();
    for (const PlayerRecord &record : players)
        bytes += record.toBytes();
    return bytes;
}

inline bool writeFile(const QByteArray &bytes)
{
    QFile file(FileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes()
{
    QFile file(FileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString message(const QString &title, const QString &text,
                       QMessageBox::Icon icon = QMessageBox::Warning)
{
    return u"%1|%2|%3"_s.arg(int(icon)).arg(title, text);
}

// Answers modal dialogs while alive: message boxes are noted and confirmed; any other goes to
// act, which must close it without opening another one.
struct ModalDriver
{
    QStringList messages;
    std::function<void(QWidget *)> act = [](QWidget *w) {
        w->close();
    };
    QTimer timer;

    ModalDriver()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                messages << message(box->windowTitle(), box->text(), box->icon());
                box->button(QMessageBox::Ok)->click();
            } else if (modal) {
                messages << modal->objectName();
                act(modal);
            }
        });
        timer.start(10);
    }
};
