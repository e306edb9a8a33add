// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

// Small builders for the layout tables: every control gets its objectName and its twips
// geometry in one place.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                  int width, int height);
// The same for a label made elsewhere (a kind of QLabel of the window's own).
QLabel *placeLabel(QLabel *label, const QString &name, int left, int top, int width, int height);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width, int height);
// A button added to a row of them; Enter still presses the window's default button.
QPushButton *addButton(QBoxLayout *row, QWidget *parent, const QString &name,
                       const QString &caption);
// Sorting by a click on a heading, the arrow pointing up for an ascending order and down for a
// descending one on every platform.
void setSortable(QTableView *table);
// A read-only table of whole rows, one line a row, named `name`.
QTableWidget *makeTable(QWidget *parent, const QString &name);

void setForeColour(QWidget *widget, const QColor &colour);
// Paints the widget's background in the colour (labels with a back colour, window forms).
void setBackColour(QWidget *widget, const QColor &colour);
QColor foreColour(const QWidget *widget);
QColor backColour(const QWidget *widget);
// A single-line border as the design's labels have.
void setSingleBorder(QLabel *label);

// Sets a window's client size in twips and keeps it fixed.
void setFixedClientTwips(QWidget *widget, int width, int height);
// Shows a window of its own centred on `frame`, but never over the frame's menu bar.
void showCentred(QWidget *window, const QWidget *frame);
