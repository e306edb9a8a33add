// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/Controls.h"

#include "ui/common/Twips.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <algorithm>

namespace {

// Qt draws a heading's sort arrow the platform's way, which on Linux points up for a list in
// descending order; players read the arrow as the way the values run.
class SortArrowStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *header = qstyleoption_cast<const QStyleOptionHeader *>(option);
        if (element != PE_IndicatorHeaderArrow || !header ||
            header->sortIndicator == QStyleOptionHeader::None)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        // The heading marks an ascending order SortDown.
        QProxyStyle::drawPrimitive(header->sortIndicator == QStyleOptionHeader::SortDown
                                       ? PE_IndicatorArrowUp
                                       : PE_IndicatorArrowDown,
                                   option, painter, widget);
    }
};

} // namespace

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                  int width, int height)
{
    return placeLabel(new QLabel(caption, parent), name, left, top, width, height);
}

QLabel *placeLabel(QLabel *label, const QString &name, int left, int top, int width, int height)
{
    label->setObjectName(name);
    label->setGeometry(twipsRect(left, top, width, height));
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(false);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, top, width, height));
    return button;
}

QPushButton *addButton(QBoxLayout *row, QWidget *parent, const QString &name,
                       const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

void setSortable(QTableView *table)
{
    auto *style = new SortArrowStyle;
    style->setParent(table->horizontalHeader());
    table->horizontalHeader()->setStyle(style);
    table->setSortingEnabled(true);
}

QTableWidget *makeTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // One line a row, as the history's.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setForeColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor foreColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QColor backColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

void setSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

void setFixedClientTwips(QWidget *widget, int width, int height)
{
    widget->setFixedSize(twipsSize(width, height));
}

void showCentred(QWidget *window, const QWidget *frame)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    QRect placed({}, window->size());
    placed.moveCenter(frame->geometry().center());
    int top = frame->geometry().top();
    if (const auto *main = qobject_cast<const QMainWindow *>(frame); main && main->menuWidget())
        top = main->menuWidget()->mapToGlobal(QPoint(0, main->menuWidget()->height())).y();
    placed.moveTop(std::max(placed.top(), top));
    window->move(placed.topLeft()); // the window's frame, title bar and all, under the menus
    window->show();
}
