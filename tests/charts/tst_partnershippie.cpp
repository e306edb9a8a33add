// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "charts/ChartLayout.h"
#include "charts/PartnershipPie.h"

#include <QTest>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {
constexpr double FullTurn = 2.0 * std::numbers::pi;

// A card as match start leaves it (blank pairs), with the given falls of wicket 1, 2, ...
BattingCard cardWithWickets(const QList<int> &fows)
{
    BattingCard card;
    for (std::size_t k = 1; k <= 10; ++k)
        card.Pair[k] = u"";
    for (qsizetype i = 0; i < fows.size(); ++i) {
        card.FOW[std::size_t(i + 1)] = qint16(fows[i]);
        card.Pair[std::size_t(i + 1)] = QStringLiteral("Bat%1/Bat%2").arg(i + 1).arg(i + 2);
    }
    return card;
}
} // namespace

class tst_PartnershipPie : public QObject
{
    Q_OBJECT
private slots:
    void partnershipsAreRunsBetweenWickets()
    {
        const PartnershipFigures figures = partnershipFigures(cardWithWickets({12, 12, 40, 95}));
        const std::array<int, 11> expected{0, 12, 0, 28, 55, -95, 0, 0, 0, 0, 0};
        QCOMPARE(figures.Partnership, expected);
        // Wickets not yet fallen (total 0) do not take the runs back off.
        QCOMPARE(figures.PartnershipTotal, 95);
    }

    // Slices as (colour k, end angle in radians); each starts where the one before ended.
    void wedges_data()
    {
        QTest::addColumn<QList<int>>("fows");
        QTest::addColumn<QList<int>>("slices");
        QTest::addColumn<QList<double>>("ends");

        QTest::newRow("no wicket") << QList<int>{} << QList<int>{} << QList<double>{};
        QTest::newRow("first at 0, second at 15")
            << QList<int>{0, 15} << QList<int>{2} << QList<double>{6.28};
        QTest::newRow("wickets at 30 and 90")
            << QList<int>{30, 90} << QList<int>{1, 2} << QList<double>{FullTurn / 3.0, 6.28};
        QTest::newRow("one wicket, stand in progress")
            << QList<int>{40} << QList<int>{1} << QList<double>{6.28};

        QList<int> tenFows;
        QList<int> tenSlices;
        QList<double> tenEnds;
        int total = 0;
        for (int k = 1; k <= 10; ++k) {
            total += 10 * k;
            tenFows << total;
            tenSlices << k;
        }
        for (int k = 1, sum = 0; k <= 10; ++k) {
            sum += 10 * k;
            tenEnds << (k == 10 ? 6.28 : FullTurn * sum / total);
        }
        QTest::newRow("all ten wickets") << tenFows << tenSlices << tenEnds;

        // A card whose totals go down: the first slice alone would pass a full turn.
        QTest::newRow("capped, later slice stays empty")
            << QList<int>{100, 10, 50} << QList<int>{1, 3} << QList<double>{6.28, 6.28};
        // Completed partnerships adding up to no runs: nothing to share out.
        QTest::newRow("no runs in total") << QList<int>{-10, 0} << QList<int>{} << QList<double>{};
    }

    void wedges()
    {
        QFETCH(QList<int>, fows);
        QFETCH(QList<int>, slices);
        QFETCH(QList<double>, ends);

        const QList<PieWedge> wedges = partnershipWedges(partnershipFigures(cardWithWickets(fows)));
        QCOMPARE(wedges.size(), slices.size());
        float start = 0.0000001f;
        for (qsizetype i = 0; i < wedges.size(); ++i) {
            QCOMPARE(wedges[i].partnership, slices[i]);
            QCOMPARE(wedges[i].startAngle, start);
            QVERIFY2(std::abs(double(wedges[i].endAngle) - ends[i]) < 1e-5,
                     qPrintable(QStringLiteral("slice %1 ends at %2, not %3")
                                    .arg(slices[i])
                                    .arg(double(wedges[i].endAngle), 0, 'g', 9)
                                    .arg(ends[i], 0, 'g', 9)));
            QVERIFY(wedges[i].endAngle >= wedges[i].startAngle);
            start = wedges[i].endAngle;
        }
    }

    void lastSliceEndsExactlyAtTheCap()
    {
        for (const QList<int> &fows : {QList<int>{0, 15}, QList<int>{30, 90}, QList<int>{1, 2, 3},
                                       QList<int>{7, 300, 301, 999}}) {
            const QList<PieWedge> wedges =
                partnershipWedges(partnershipFigures(cardWithWickets(fows)));
            QVERIFY(!wedges.isEmpty());
            QCOMPARE(wedges.last().endAngle, 6.28f);
            for (const PieWedge &wedge : wedges)
                QVERIFY(wedge.endAngle <= 6.28f);
        }
    }

    void legendText_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("expected");

        QTest::newRow("two blanks before the runs") << u"A/B"_s << 45 << u"A/B  45"_s;
        QTest::newRow("padding trimmed")
            << u"  KR Dunmore/HAL Norcross  "_s << 130 << u"KR Dunmore/HAL Norcross  130"_s;
        QTest::newRow("no runs") << u"A/B"_s << 0 << u"A/B  0"_s;
        QTest::newRow("minus takes the blank") << u"A/B"_s << -5 << u"A/B -5"_s;
        QTest::newRow("blank pair") << QString() << 30 << QString();
        QTest::newRow("null pair") << QString(80, QChar(0)) << 30 << QString();
    }

    void legendText()
    {
        QFETCH(QString, pair);
        QFETCH(int, runs);
        QFETCH(QString, expected);
        QCOMPARE(::legendText(FixedText<80>(pair), runs), expected);
    }

    void chartReadsOnlyCardsOneToFour_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("card"); // -1: no card

        QTest::newRow("before any match") << 0 << -1;
        for (int i = 1; i <= 4; ++i)
            QTest::addRow("innings %d", i) << i << i;
        QTest::newRow("match over shows the fourth") << 5 << 4;
        QTest::newRow("out of range") << 6 << -1;
        QTest::newRow("byte max") << 255 << -1;
    }

    void chartReadsOnlyCardsOneToFour()
    {
        QFETCH(int, innings);
        QFETCH(int, card);
        MatchState state;
        state.CurrentInnings = quint8(innings);
        const BattingCard *shown = chartCard(state);
        if (card < 0)
            QCOMPARE(shown, nullptr);
        else
            QCOMPARE(shown, &state.Cards[std::size_t(card)]);
    }

    void pieNeverWorksInLessThanTheDesignSize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("units");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<int>("radius");

        QTest::newRow("design") << QSize(465, 350) << QSize(465, 350) << QPoint(232, 175) << 155;
        QTest::newRow("smaller") << QSize(300, 200) << QSize(465, 350) << QPoint(232, 175) << 155;
        QTest::newRow("narrow, tall")
            << QSize(200, 700) << QSize(465, 700) << QPoint(232, 350) << 212;
        QTest::newRow("larger") << QSize(801, 600) << QSize(801, 600) << QPoint(400, 300) << 280;
    }

    void pieNeverWorksInLessThanTheDesignSize()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, units);
        QFETCH(QPoint, centre);
        QFETCH(int, radius);
        QCOMPARE(ChartLayout::pieUnits(client), units);
        const ChartLayout::PieCircle circle = ChartLayout::pieCircle(units);
        QCOMPARE(circle.centre, centre);
        QCOMPARE(circle.radius, radius);
    }
};

QTEST_MAIN(tst_PartnershipPie)
#include "tst_partnershippie.moc"
