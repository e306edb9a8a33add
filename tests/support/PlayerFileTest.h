// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

inline const QString FileName = u"Basic.kdt"_s;

// The player file lives in the current folder: each test gets a fresh one.
struct CurrentTempDir
{
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    CurrentTempDir() { QDir::setCurrent(dir.path()); }
    ~CurrentTempDir() { QDir::setCurrent(old); }
};

// The test's row again in a child with its own mounts: `mount` run first, "$0" the folder (also
// in STUMPWELL_MOUNTED_DIR). Skipped where no such mount is allowed.
inline void inMountedChild(const QString &folder, const QString &mount)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"STUMPWELL_MOUNTED_DIR"_s, folder);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(u"unshare"_s, {u"-rm"_s, u"sh"_s, u"-c"_s, mount + u" && exec \"$1\" \"$2\""_s,
                               folder, QCoreApplication::applicationFilePath(),
                               QString::fromLatin1(QTest::currentTestFunction()) + u':' +
                                   QString::fromLatin1(QTest::currentDataTag())});
    if (!child.waitForStarted())
        QSKIP("unshare is missing");
    QVERIFY(child.waitForFinished(60'000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (output.startsWith(u"unshare:"_s) || output.startsWith(u"mount:"_s))
        QSKIP(qPrintable(u"no such mount for the test: "_s + output));
    QVERIFY2(child.exitCode() == 0, qPrintable(output));
}

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

// A file of Australians "Player <n>", n from first to last, each batting and bowling n.
inline bool writeNumberedPlayers(int first, int last, const QString &name = u"Player %1"_s)
{
    QList<PlayerRecord> players;
    for (int n = first; n <= last; ++n)
        players << player(name.arg(n), u"Australia", n, n);
    return writeFile(fileOf(players));
}

inline QByteArray fileBytes(const QString &path = FileName)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
