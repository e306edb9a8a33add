// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/charts/frmFOWGraph.h"

#include <QtTest>
#include <QtWidgets>
#include <numbers>

using namespace Qt::StringLiterals;

class tst_ChartWindow : public QObject
{
    Q_OBJECT
private slots:
    // Samples are "degrees:colour" at half the radius, anticlockwise from 3 o'clock; colour 0 is
    // the window's background. The pie is worked out in 465x350 or more, then fitted.
    void drawsTheInningsInPlay_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("card"); // -1: none
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("samples");
        QTest::newRow("third innings, smaller")
            << 3 << 3 << QSize(300, 200) << u"60:1 100:1 160:2 200:2"_s;
        QTest::newRow("after the match, larger")
            << 5 << 4 << QSize(800, 600) << u"60:1 100:1 160:2 200:2 300:2"_s;
        QTest::newRow("before any match")
            << 0 << -1 << QSize(465, 350) << u"45:0 135:0 225:0 315:0"_s;
    }
    void drawsTheInningsInPlay()
    {
        QFETCH(int, innings);
        QFETCH(int, card);
        QFETCH(QSize, client);
        QFETCH(QString, samples);
        MatchState state; // wickets at 30 and 90; every other card a one-slice decoy
        for (std::size_t i = 0; i <= 4; ++i) {
            state.Cards[i].FOW[1] = qint16(int(i) == card ? 30 : 50);
            state.Cards[i].FOW[2] = qint16(int(i) == card ? 90 : 0);
            state.Cards[i].Pair[1] = u"  KR Dunmore/HAL Norcross  ";
        }
        state.CurrentInnings = quint8(innings);
        frmFOWGraph window(state);
        window.show();
        window.resize(client); // the legend must move from the design-size places
        QVERIFY(QTest::qWaitFor([&] { return window.size() == client; }));
        const QImage image = window.grab().toImage();
        const QRgb colours[] = {window.palette().color(QPalette::Window).rgb(), 0xFFFFC0C0,
                                0xFFFFFFC0};
        const double w = std::max(client.width(), 465), h = std::max(client.height(), 350);
        const double r = std::min(w, h) / 4 - 10;
        for (const QString &sample : samples.split(u' ')) {
            const double a = sample.section(u':', 0, 0).toDouble() * std::numbers::pi / 180;
            const QPoint at(int((w / 2 + r * std::cos(a)) * client.width() / w),
                            int((h / 2 - r * std::sin(a)) * client.height() / h));
            QCOMPARE(image.pixel(at), colours[sample.section(u':', 1).toInt()]);
        }
        auto *first = window.findChild<QLabel *>(u"lblBatters_0"_s);
        auto *square = window.findChild<QFrame *>(u"shpLegend_9"_s);
        QCOMPARE(first->text(), card < 0 ? QString() : u"KR Dunmore/HAL Norcross  30"_s);
        QVERIFY(client.width() - square->geometry().right() < 20);   // at the right edge
        QVERIFY(client.height() - square->geometry().bottom() < 20); // and the bottom
    }
};

QTEST_MAIN(tst_ChartWindow)
#include "tst_chartwindow.moc"
