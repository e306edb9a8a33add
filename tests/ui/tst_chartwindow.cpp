// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/charts/frmFOWGraph.h"

#include "TestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {
const QRgb Colours[11] = {0,          0xFFFFC0C0, 0xFFFFFFC0, 0xFFC0FFC0, 0xFFC0FFFF, 0xFFFFC0FF,
                          0xFFC00000, 0xFF808000, 0xFF008000, 0xFF008080, 0xFFC000C0};

MatchState g_state;

// Card `innings` with falls of wicket 1, 2, ...; pairs not given stay as never cleared.
BattingCard &setCard(int innings, const QList<int> &fows, const QStringList &pairs = {})
{
    BattingCard &card = g_state.Cards[std::size_t(innings)];
    card = BattingCard{};
    for (qsizetype k = 1; k <= 10; ++k) {
        card.FOW[std::size_t(k)] = qint16(k <= fows.size() ? fows[k - 1] : 0);
        if (k <= pairs.size())
            card.Pair[std::size_t(k)] = pairs[k - 1];
    }
    return card;
}

// Half-way out at `degrees` anticlockwise from 3 o'clock, the pie worked out in 465x350 or more.
QPoint piePixel(QSize client, double degrees)
{
    const double w = std::max(client.width(), 465), h = std::max(client.height(), 350);
    const double r = std::min(w, h) / 2 - 20, a = degrees * std::numbers::pi / 180;
    return QPoint(int((w / 2 + r / 2 * std::cos(a)) * client.width() / w),
                  int((h / 2 - r / 2 * std::sin(a)) * client.height() / h));
}
} // namespace

class tst_ChartWindow : public QObject
{
    Q_OBJECT
private slots:
    // Samples are "degrees:colour" at half the radius; colour 0 is the window's background.
    void drawsTheInningsInPlayWithTheLegendAtTheEdges_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("card"); // -1: none
        QTest::addColumn<QList<int>>("fows");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("samples");
        const QList<int> two{30, 90};
        const QString slices12 = u"60:1 100:1 160:2 200:2"_s;
        const QString none = u"45:0 135:0 225:0 315:0"_s;
        QTest::newRow("third innings, smaller") << 3 << 3 << two << QSize(300, 200) << slices12;
        QTest::newRow("after the match, larger")
            << 5 << 4 << two << QSize(800, 600) << slices12 + u" 300:2"_s;
        const QList<int> ten{10, 30, 60, 100, 150, 210, 280, 360, 450, 550};
        QTest::newRow("all ten") << 2 << 2 << ten << QSize(465, 350)
                                 << u"3:1 13:2 29:3 52:4 82:5 118:6 160:7 210:8 265:9 327:10"_s;
        QTest::newRow("before any match") << 0 << -1 << two << QSize(465, 350) << none;
        QTest::newRow("out of range") << 6 << -1 << two << QSize(465, 350) << none;
    }
    void drawsTheInningsInPlayWithTheLegendAtTheEdges()
    {
        QFETCH(int, innings);
        QFETCH(int, card);
        QFETCH(QList<int>, fows);
        QFETCH(QSize, client);
        QFETCH(QString, samples);
        // Every card but the one shown is a one-slice decoy.
        for (int i = 0; i <= 4; ++i)
            setCard(i, i == card ? fows : QList<int>{50},
                    {u"  KR Dunmore/HAL Norcross  "_s, i == card ? u"A/B"_s : u"Not/Shown"_s});
        g_state.CurrentInnings = quint8(innings);
        QRect opened;
        QStringList texts;
        whenModalShown([&](QWidget *window) {
            if (window->windowTitle() == u"Fall of Wickets/Partnership Graph")
                opened =
                    window->geometry().translated(-window->screen()->availableGeometry().center());
            window->resize(client); // the legend must move from the design-size places
            [&] {                   // on its own, so that a failed check still closes the window
                QVERIFY(QTest::qWaitFor([&] { return window->size() == client; }));
                const QImage image = window->grab().toImage();
                const QRgb background = window->palette().color(QPalette::Window).rgb();
                for (const QString &sample : samples.split(u' ')) {
                    const int colour = sample.section(u':', 1).toInt();
                    QCOMPARE(image.pixel(piePixel(client, sample.section(u':', 0, 0).toDouble())),
                             colour ? Colours[colour] : background);
                }
                // Two columns of five at the bottom corners, each square beside its label.
                for (int i = 0; i < 10; ++i) {
                    auto *label = window->findChild<QLabel *>(u"lblBatters_%1"_s.arg(i));
                    auto *square = window->findChild<QFrame *>(u"shpLegend_%1"_s.arg(i));
                    const QRect room = window->rect();
                    QVERIFY(room.contains(square->geometry()));
                    QVERIFY(room.contains(label->geometry().topLeft()));
                    QCOMPARE(square->y(), label->y());
                    QVERIFY(i < 5 ? square->x() < 20
                                  : room.right() - square->geometry().right() < 20);
                    QVERIFY(i < 5 ? square->x() < label->x()
                                  : square->x() > label->geometry().right());
                    if (i % 5 == 4)
                        QVERIFY(room.bottom() - square->geometry().bottom() < 20);
                    QCOMPARE(image.pixel(square->geometry().center()), Colours[i + 1]);
                    QCOMPARE(image.pixel(square->geometry().topLeft()), qRgb(0, 0, 0)); // outline
                    texts << label->text();
                }
            }();
            window->close();
        });
        frmFOWGraph::showModal(nullptr, g_state);
        QCOMPARE(opened.size(), QSize(465, 350));
        QVERIFY(opened.center().manhattanLength() <= 40); // centred on the screen
        const QString legend =
            u"KR Dunmore/HAL Norcross  %1|A/B  %2"_s.arg(fows[0]).arg(fows[1] - fows[0]);
        QCOMPARE(texts.join(u'|'), (card < 0 ? u"|"_s : legend) + u"||||||||"_s);
    }
};

QTEST_MAIN(tst_ChartWindow)
#include "tst_chartwindow.moc"
