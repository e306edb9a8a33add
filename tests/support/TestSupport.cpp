// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "ui/common/EndProgram.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

EndProgramObserver::EndProgramObserver()
{
    setEndProgramHandler([this] { ++m_calls; });
}

EndProgramObserver::~EndProgramObserver()
{
    setEndProgramHandler({});
}

bool captionFits(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const QRect needed = metrics.boundingRect(room,
                                              int(label->alignment()) | Qt::TextShowMnemonic |
                                                  (label->wordWrap() ? Qt::TextWordWrap : 0),
                                              label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void whenModalShown(std::function<void(QWidget *)> action, int timeoutMs)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, deadline] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            action(modal);
    });
    timer->start();
}
