// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/SaveWhole.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString failure(const QString &path, const QSaveFile &file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("SaveWhole", "a folder of that name stands there");
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("SaveWhole", "the folder %1 does not exist")
            .arg(folder.filePath());
    if (!folder.isWritable())
        return QCoreApplication::translate("SaveWhole", "the folder is read-only");
    if (file.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("SaveWhole", "the disk is full");
    return file.errorString();
}

} // namespace

QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return {};
    return failure(path, file);
}

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    return saveWhole(path, [&bytes](QIODevice &file) {
        // A full disk first takes part of a write without an error; the next one says why.
        for (qint64 done = 0, wrote = 0; done < bytes.size(); done += wrote) {
            wrote = file.write(bytes.constData() + done, bytes.size() - done);
            if (wrote <= 0)
                return false;
        }
        return true;
    });
}
