// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/ScorecardExport.h"

#include "core/common/SaveWhole.h"
#include "core/match/Scorecard.h"
#include "core/pages/Pages.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

void printHtml(QPagedPaintDevice *device, const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    document.print(device);
}

} // namespace

QString writeScorecard(const QString &path, const Match &match, const QString &state)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf"_s) {
        return saveWhole(path, [&](QIODevice &file) {
            QPdfWriter writer(&file);
            writer.setTitle(scorecardTitle(match));
            writer.setPageSize(QPageSize(QPageSize::A4));
            printHtml(&writer, scorecardHtml(match, state));
            return true;
        });
    }
    return saveWhole(
        path,
        (suffix == u"txt"_s ? scorecardText(match, state) : scorecardHtml(match, state)).toUtf8());
}

void exportScorecard(QWidget *parent, const Match &match, const QString &state)
{
    const QString html = QCoreApplication::translate("ScorecardExport", "Web page (*.html)");
    const QString text = QCoreApplication::translate("ScorecardExport", "Plain text (*.txt)");
    const QString pdf = QCoreApplication::translate("ScorecardExport", "PDF (*.pdf)");
    QString filter = html;
    QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ScorecardExport", "Export Scorecard"),
        scorecardTitle(match) + u".html"_s, QStringList{html, text, pdf}.join(u";;"_s), &filter);
    if (path.isEmpty())
        return;
    const QString wanted = filter == pdf ? u".pdf"_s : filter == text ? u".txt"_s : u".html"_s;
    if (QFileInfo(path).suffix().isEmpty())
        path += wanted;
    if (const QString why = writeScorecard(path, match, state); !why.isEmpty())
        QMessageBox::warning(parent,
                             QCoreApplication::translate("ScorecardExport", "Export Scorecard"),
                             QCoreApplication::translate(
                                 "ScorecardExport", "The scorecard could not be written to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), why));
}

void printScorecard(QWidget *parent, const Match &match, const QString &state)
{
    QPrinter printer;
    printer.setDocName(scorecardTitle(match));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(u"dlgPrint"_s);
    if (dialog.exec() == QDialog::Accepted)
        printHtml(&printer, scorecardHtml(match, state));
}

void copyScorecard(const Match &match, const QString &state)
{
    QApplication::clipboard()->setText(scorecardText(match, state));
}
