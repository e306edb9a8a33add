// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

// A shape control: a solid ellipse filling its box.
class FilledEllipse : public QWidget
{
public:
    FilledEllipse(const QColor &fill, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};
