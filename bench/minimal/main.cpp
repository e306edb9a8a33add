// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// The yardstick for start-up time and memory: the least a Qt Widgets MDI program can be, with
// the same first-paint report as the game.
#include "ui/common/FirstPaintProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Minimal"));
    frame.setCentralWidget(new QMdiArea(&frame));
    QMenu *game = frame.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("E&xit"), &frame, &QWidget::close);
    frame.menuBar()->addMenu(QStringLiteral("&Help"));

    reportFirstPaintIfAsked(&frame);
    frame.showMaximized();
    return app.exec();
}
