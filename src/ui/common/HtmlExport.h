// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Asks where to save a page (`fileName` offered, `title` on the dialog) and writes `html`
// there; says so when it cannot. False when nothing was written.
bool exportHtml(QWidget *parent, const QString &title, const QString &fileName,
                const QString &html);
