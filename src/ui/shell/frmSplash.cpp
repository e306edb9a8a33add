// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmSplash.h"

#include "ui/common/Controls.h"
#include "ui/shell/ProductDesign.h"

#include <QTimer>

frmSplash::frmSplash(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedClientTwips(this, 5520, 3645);

    const QStringList notices = ProductDesign::splashNotices();
    ProductDesign::build(this, 2415,
                         {{notices.value(0), 1320, 495},
                          {notices.value(1), 1920, 495},
                          {notices.value(2), 2520, 735}});

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(Timer1Interval);
    // A coarse timer may fire a little early; the splash promises its full time on screen.
    m_Timer1->setTimerType(Qt::PreciseTimer);
    connect(m_Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::showModal(QWidget *parent)
{
    frmSplash window(parent);
    window.Form_Load();
    window.exec();
}

void frmSplash::Form_Load()
{
    m_Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    m_Timer1->stop();
    accept();
}
