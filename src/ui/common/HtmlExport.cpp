// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/HtmlExport.h"

#include "core/common/SaveWhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

bool exportHtml(QWidget *parent, const QString &title, const QString &fileName, const QString &html)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, title, fileName, QCoreApplication::translate("HtmlExport", "HTML (*.html)"));
    if (path.isEmpty())
        return false;
    const QString why = saveWhole(path, html.toUtf8());
    if (why.isEmpty())
        return true;
    QMessageBox::warning(
        parent, title,
        QCoreApplication::translate("HtmlExport", "The page could not be written to %1: %2.")
            .arg(QDir::toNativeSeparators(path), why));
    return false;
}
