// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/HtmlExport.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

using namespace Qt::StringLiterals;

bool exportHtml(QWidget *parent, const QString &title, const QString &fileName, const QString &html)
{
    const QString path = QFileDialog::getSaveFileName(parent, title, fileName, u"HTML (*.html)"_s);
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(html.toUtf8()) >= 0 && file.commit())
        return true;
    QMessageBox::warning(
        parent, title,
        u"The page could not be written to %1."_s.arg(QDir::toNativeSeparators(path)));
    return false;
}
