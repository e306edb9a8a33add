// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

class FirstPaintFilter : public QObject
{
public:
    explicit FirstPaintFilter(QWidget *frame) : QObject(frame), m_frame(frame) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_frame) {
            m_seen = true;
            // Queued, so the paint is finished and flushed before the report.
            QMetaObject::invokeMethod(this, &FirstPaintFilter::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-paint peak_rss_kib=%ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        // At once: the splash's event loop may be running, and nothing needs tearing down.
        std::_Exit(0);
    }

    QWidget *m_frame;
    bool m_seen = false;
};

class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QEventLoop &loop) : m_loop(loop) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void reportFirstPaintIfAsked(QWidget *frame)
{
    if (!qEnvironmentVariableIsSet("STUMPWELL_BENCH_FIRST_PAINT"))
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintFilter(frame));
}

void waitForFirstPaint(QWidget *widget, int maxMs)
{
    QEventLoop painted;
    PaintWatch watch(painted);
    widget->installEventFilter(&watch);
    QTimer::singleShot(maxMs, &painted, &QEventLoop::quit);
    painted.exec();
    widget->removeEventFilter(&watch);
}
