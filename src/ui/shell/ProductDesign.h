// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QDialog;

// The splash and About share one look: green ground, the product name, the subtitle, the
// version line and a framed panel of notices.
namespace ProductDesign {

QString versionText();
QStringList splashNotices();
QString aboutNotice();

// Builds the common elements on the window: lblProduct, lblSubtitle, lblVersion, lblFrame
// (frameHeight twips high) and one word-wrapped lblNotice_i per notice at the given tops and
// heights (twips).
struct Notice
{
    QString text;
    int top;
    int height;
};
void build(QDialog *window, int frameHeight, const QList<Notice> &notices);

} // namespace ProductDesign
