// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "selection/BestFiveTotal.h"
#include "selection/TeamSheet.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Eleven = std::array<int, 11>;
using Five = std::array<int, 5>;
Q_DECLARE_METATYPE(Eleven)
Q_DECLARE_METATYPE(Five)

class tst_BestFiveTotal : public QObject
{
    Q_OBJECT
private slots:
    void sumsTheFiveLowestWithNonBowlersAsHundred_data()
    {
        QTest::addColumn<Eleven>("averages");
        QTest::addColumn<int>("total");

        QTest::newRow("one bowler") << Eleven{30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 430;
        QTest::newRow("twenty to seventy")
            << Eleven{20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70} << 150;
        QTest::newRow("seventy to twenty")
            << Eleven{70, 65, 60, 55, 50, 45, 40, 35, 30, 25, 20} << 150;
        QTest::newRow("nobody bowls") << Eleven{} << 500;
        QTest::newRow("worse than a non-bowler")
            << Eleven{150, 200, 255, 101, 0, 120, 130, 140, 160, 170, 180} << 591;
        QTest::newRow("all equal") << Eleven{33, 33, 33, 33, 33, 33, 33, 33, 33, 33, 33} << 165;
    }
    void sumsTheFiveLowestWithNonBowlersAsHundred()
    {
        QFETCH(Eleven, averages);
        QFETCH(int, total);
        QCOMPARE(BestFiveTotal(averages), total);
    }

    void tiesTakeTheLowestRow_data()
    {
        QTest::addColumn<Eleven>("averages");
        QTest::addColumn<Five>("rows");

        QTest::newRow("all equal")
            << Eleven{33, 33, 33, 33, 33, 33, 33, 33, 33, 33, 33} << Five{0, 1, 2, 3, 4};
        QTest::newRow("pairs") << Eleven{90, 40, 80, 40, 20, 80, 20, 95, 96, 97, 98}
                               << Five{4, 6, 1, 3, 2};
        QTest::newRow("non-bowlers after real hundreds")
            << Eleven{0, 100, 0, 100, 30, 0, 0, 0, 0, 0, 0} << Five{4, 0, 1, 2, 3};
    }
    void tiesTakeTheLowestRow()
    {
        QFETCH(Eleven, averages);
        QFETCH(Five, rows);
        QCOMPARE(BestFiveRows(averages), rows);
    }

    void teamSheetFillsRowsInOrderAndStopsAtEleven()
    {
        TeamSheet sheet;
        QCOMPARE(sheet.picked(), 0);
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(sheet.add(QString::number(i), 10 + i, i == 0 ? 30 : 0), i);
            QCOMPARE(sheet.complete(), i == 10);
        }
        QCOMPARE(sheet.add(u"twelfth"_s, 99, 1), -1);
        QCOMPARE(sheet.picked(), 11);
        QCOMPARE(sheet.name(10), u"10"_s);
        QCOMPARE(sheet.battingTotal(), 10 * 11 + 55);
        QCOMPARE(sheet.bowlingTotal(), 430);
    }
};

QTEST_MAIN(tst_BestFiveTotal)
#include "tst_bestfivetotal.moc"
