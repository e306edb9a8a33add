// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/FirstPaintProbe.h"
#include "ui/common/Fonts.h"
#include "ui/shell/mdiMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stumpwell"));
    QApplication::setApplicationVersion(QStringLiteral(STUMPWELL_VERSION));
    installFontSubstitutions();

    mdiMain frame;
    reportFirstPaintIfAsked(&frame);
    frame.MDIForm_Load();
    return app.exec();
}
