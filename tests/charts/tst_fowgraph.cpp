// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "charts/frmFOWGraph.h"
#include "state/Globals.h"

#include "TestSupport.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {
const QColor Colours[11] = {
    {},
    {255, 192, 192},
    {255, 255, 192},
    {192, 255, 192},
    {192, 255, 255},
    {255, 192, 255},
    {192, 0, 0},
    {128, 128, 0},
    {0, 128, 0},
    {0, 128, 128},
    {192, 0, 192},
};

// Fills a card as the match leaves it: blank pairs (as match start clears them), then the
// fallen wickets with their totals and, when names are given, their pairs.
void setCard(int innings, const QList<int> &fows, const QStringList &pairs = {})
{
    BattingCard &card = Globals::matchState().Cards[std::size_t(innings)];
    card = BattingCard{};
    for (std::size_t k = 1; k <= 10; ++k)
        card.Pair[k] = u"";
    for (qsizetype i = 0; i < fows.size(); ++i) {
        card.FOW[std::size_t(i + 1)] = qint16(fows[i]);
        if (i < pairs.size())
            card.Pair[std::size_t(i + 1)] = pairs[i];
    }
}

// The pixel at `fraction` of the radius, `degrees` counter-clockwise from 3 o'clock, in a
// client area of the given size: the pie is worked out in at least 465 by 350 units.
QPoint piePixel(QSize client, double degrees, double fraction)
{
    const double unitsW = std::max(client.width(), 465);
    const double unitsH = std::max(client.height(), 350);
    const double cx = std::floor(unitsW / 2);
    const double cy = std::floor(unitsH / 2);
    const double radius = std::abs(std::min(cx, cy) - 20);
    const double angle = degrees * std::numbers::pi / 180.0;
    const double x = cx + fraction * radius * std::cos(angle);
    const double y = cy - fraction * radius * std::sin(angle);
    return QPoint(int(std::lround(x * client.width() / unitsW)),
                  int(std::lround(y * client.height() / unitsH)));
}

struct Seen
{
    QString title;
    bool modal = false;
    bool resizable = false;
    QSize size;
    QRect geometry;
    QColor background;
    QStringList texts;
    QList<bool> textsFit;
    QList<QColor> squareColours;
    QList<QRect> squareRects;
    QList<QRect> labelRects;
    QImage image;

    QColor pixel(QPoint at) const
    {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(QPoint(int(at.x() * ratio), int(at.y() * ratio)));
    }
};

// Opens the chart the way the Charts menu does and records it at each client size (the first
// is taken as it opens, before any resize), then closes it.
QList<Seen> openChart(const QList<QSize> &sizes = {QSize()})
{
    QList<Seen> seen;
    whenModalShown([&seen, sizes](QWidget *window) {
        for (const QSize &size : sizes) {
            if (size.isValid()) {
                window->resize(size);
                if (!QTest::qWaitFor([&] { return window->size() == size; }))
                    break; // the caller finds a record missing
            }
            Seen s;
            s.title = window->windowTitle();
            s.modal = window->isModal() && window->objectName() == u"frmFOWGraph"_s;
            s.resizable = window->minimumSize() != window->maximumSize();
            s.size = window->size();
            s.geometry = window->geometry();
            s.background = window->palette().color(QPalette::Window);
            for (int i = 0; i < 10; ++i) {
                auto *label = window->findChild<QLabel *>(u"lblBatters_%1"_s.arg(i));
                auto *square = window->findChild<QFrame *>(u"shpLegend_%1"_s.arg(i));
                if (!label || !square)
                    continue;
                s.texts << label->text();
                s.textsFit << captionFits(label);
                s.labelRects << label->geometry();
                s.squareRects << square->geometry();
                s.squareColours << square->palette().color(QPalette::Window);
            }
            s.image = window->grab().toImage();
            seen << s;
        }
        window->close();
    });
    frmFOWGraph::showModal(nullptr);
    return seen;
}
} // namespace

class tst_FOWGraph : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Globals::matchState() = MatchState{};
        Globals::matchState().CurrentInnings = 1;
        for (int i = 1; i <= 4; ++i)
            setCard(i, {});
    }

    void opensModalTitledCentredAndResizable()
    {
        const QList<Seen> seen = openChart();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, u"Fall of Wickets/Partnership Graph"_s);
        QVERIFY(seen[0].modal);
        QVERIFY(seen[0].resizable);
        QCOMPARE(seen[0].size, QSize(465, 350));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2(
            (seen[0].geometry.center() - screenCentre).manhattanLength() <= 40,
            qPrintable(u"window at %1,%2"_s.arg(seen[0].geometry.x()).arg(seen[0].geometry.y())));
    }

    void legendTextsCarryTwoBlanksBeforeTheRuns()
    {
        Globals::matchState().CurrentInnings = 2;
        setCard(1, {5}, {u"Wrong/Innings"_s});
        setCard(2, {30, 90, 90},
                {u"KR Dunmore/HAL Norcross  "_s, u"KR Dunmore/B Ashdown"_s, u"B Ashdown/T Pell"_s});
        const QList<Seen> seen = openChart();
        QCOMPARE(seen.size(), 1);
        QStringList expected{u"KR Dunmore/HAL Norcross  30"_s, u"KR Dunmore/B Ashdown  60"_s,
                             u"B Ashdown/T Pell  0"_s};
        while (expected.size() < 10)
            expected << QString();
        QCOMPARE(seen[0].texts, expected);
        QCOMPARE(seen[0].textsFit, QList<bool>(10, true));
    }

    void legendSquaresShowTheTenColours()
    {
        const QList<Seen> seen = openChart();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].squareColours.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(seen[0].squareColours[i], Colours[i + 1]);
            const QRect square = seen[0].squareRects[i];
            QCOMPARE(seen[0].pixel(square.center()).rgb(), Colours[i + 1].rgb());
            // The outline is black.
            QCOMPARE(seen[0].pixel(square.topLeft()).rgb(), QColor(Qt::black).rgb());
        }
    }

    void legendFollowsTheBottomAndRightEdges_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design") << QSize(465, 350);
        QTest::newRow("smaller") << QSize(300, 200);
        QTest::newRow("larger") << QSize(800, 600);
        QTest::newRow("wide and low") << QSize(700, 250);
    }

    void legendFollowsTheBottomAndRightEdges()
    {
        QFETCH(QSize, client);
        // Open at the design size, then resize, so the move is what is checked.
        const QList<Seen> seen = openChart({QSize(), client});
        QCOMPARE(seen.size(), 2);
        const Seen &s = seen[1];
        QCOMPARE(s.size, client);
        const int w = client.width();
        const int h = client.height();
        for (int r = 0; r < 5; ++r) {
            const int top = h - 78 + 16 * r;
            QCOMPARE(s.squareRects[r], QRect(8, top, 12, 12));
            QCOMPARE(s.labelRects[r], QRect(32, top, 193, 17));
            QCOMPARE(s.squareRects[r + 5], QRect(w - 17, top, 12, 12));
            QCOMPARE(s.labelRects[r + 5], QRect(w - 217, top, 193, 17));
        }
    }

    // Samples at half the radius; colour 0 is the window's own background.
    void slicesShowTheirColours_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<QList<int>>("fows");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QList<double>>("degrees");
        QTest::addColumn<QList<int>>("colours");

        const QList<double> around{60, 100, 180, 240, 300};
        const QList<int> thirtyNinety{1, 1, 2, 2, 2};
        QTest::newRow("30 and 90")
            << 1 << QList<int>{30, 90} << QSize(465, 350) << around << thirtyNinety;
        QTest::newRow("30 and 90, squeezed")
            << 3 << QList<int>{30, 90} << QSize(300, 200) << around << thirtyNinety;
        QTest::newRow("30 and 90, enlarged")
            << 4 << QList<int>{30, 90} << QSize(800, 600) << around << thirtyNinety;
        QTest::newRow("0 then 15") << 2 << QList<int>{0, 15} << QSize(465, 350)
                                   << QList<double>{45, 135, 225, 315} << QList<int>{2, 2, 2, 2};
        QTest::newRow("no wicket") << 1 << QList<int>{} << QSize(465, 350)
                                   << QList<double>{45, 135, 225, 315} << QList<int>{0, 0, 0, 0};

        QList<int> fows;
        QList<double> middles;
        QList<int> colours;
        const int total = 10 + 20 + 30 + 40 + 50 + 60 + 70 + 80 + 90 + 100;
        for (int k = 1, sum = 0; k <= 10; ++k) {
            middles << 360.0 * (sum + 5 * k) / total;
            sum += 10 * k;
            fows << sum;
            colours << k;
        }
        QTest::newRow("all ten") << 2 << fows << QSize(465, 350) << middles << colours;
    }

    void slicesShowTheirColours()
    {
        QFETCH(int, innings);
        QFETCH(QList<int>, fows);
        QFETCH(QSize, client);
        QFETCH(QList<double>, degrees);
        QFETCH(QList<int>, colours);

        // Pairs stay blank so that no legend text lies over the samples of a squeezed pie.
        Globals::matchState().CurrentInnings = quint8(innings);
        setCard(innings, fows);
        const QList<Seen> seen = openChart({QSize(), client});
        QCOMPARE(seen.size(), 2);
        const Seen &s = seen[1];
        for (qsizetype i = 0; i < degrees.size(); ++i) {
            const QColor expected = colours[i] ? Colours[colours[i]] : s.background;
            const QPoint at = piePixel(client, degrees[i], 0.5);
            QVERIFY2(s.pixel(at).rgb() == expected.rgb(),
                     qPrintable(u"at %1 degrees (%2,%3): %4, expected %5"_s.arg(degrees[i])
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(s.pixel(at).name(), expected.name())));
        }
        // Outside the circle the window stays clear.
        QCOMPARE(s.pixel(piePixel(client, 45, 1.2)).rgb(), s.background.rgb());
    }

    void beforeAnyMatchTheChartIsEmpty()
    {
        Globals::matchState().CurrentInnings = 0;
        // Neither the unused card 0 nor card 1 belongs to a match yet.
        setCard(0, {30, 90}, {u"Not/Played"_s, u"Not/Played"_s});
        setCard(1, {30, 90}, {u"Not/Played"_s, u"Not/Played"_s});
        const QList<Seen> seen = openChart();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].texts, QStringList(10, QString()));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(seen[0].squareColours[i], Colours[i + 1]);
        for (double degrees : {45.0, 135.0, 225.0, 315.0})
            QCOMPARE(seen[0].pixel(piePixel(QSize(465, 350), degrees, 0.5)).rgb(),
                     seen[0].background.rgb());
    }

    void afterTheMatchTheFourthInningsIsShown()
    {
        Globals::matchState().CurrentInnings = 5;
        setCard(3, {50}, {u"Third/Innings"_s});
        setCard(4, {30, 90}, {u"A/B"_s, u"A/C"_s});
        const QList<Seen> seen = openChart();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].texts.mid(0, 3), (QStringList{u"A/B  30"_s, u"A/C  60"_s, QString()}));
        QCOMPARE(seen[0].pixel(piePixel(QSize(465, 350), 60, 0.5)).rgb(), Colours[1].rgb());
        QCOMPARE(seen[0].pixel(piePixel(QSize(465, 350), 240, 0.5)).rgb(), Colours[2].rgb());
    }
};

QTEST_MAIN(tst_FOWGraph)
#include "tst_fowgraph.moc"
