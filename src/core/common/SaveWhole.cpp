// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/SaveWhole.h"

#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString failure(const QString &path, const QSaveFile &file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return u"a folder of that name stands there"_s;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return u"the folder %1 does not exist"_s.arg(folder.filePath());
    if (!folder.isWritable())
        return u"the folder is read-only"_s;
    if (file.error() == QFileDevice::ResourceError)
        return u"the disk is full"_s;
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
