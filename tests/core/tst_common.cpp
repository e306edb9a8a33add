// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/CaptionNumbers.h"
#include "core/common/RandomSource.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Common : public QObject
{
    Q_OBJECT
private slots:
    void captionsReadAsTheNumberAtTheirStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::pair<const char16_t *, double> rows[] = {
            {u"", 0},    {u" 58", 58},   {u"12:40p", 12}, {u"Not Out", 0},
            {u"-3", -3}, {u"1e3", 1000}, {u"7e+", 7},     {u" 3/125", 3},
            {u"-", 0},   {u".5", 0.5},   {u"\u0661", 0}};
        for (const auto &[text, value] : rows)
            QTest::addRow("[%s]", qPrintable(QString::fromUtf16(text)))
                << QString::fromUtf16(text) << value;
    }
    void captionsReadAsTheNumberAtTheirStart()
    {
        QFETCH(QString, text);
        QTEST(captionValue(text), "value");
    }

    // Every face from 1 to n and nothing else, evenly spread.
    void timeSeededDrawsStayInRangeAndSpreadEvenly()
    {
        TimeSeededRandom random;
        std::array<int, 8> counts{};
        for (int i = 0; i < 60000; ++i) {
            random.reseed();
            ++counts[std::size_t(std::clamp(random.draw(6), 0, 7))];
        }
        QCOMPARE(counts[0], 0);
        QCOMPARE(counts[7], 0);
        for (std::size_t face = 1; face <= 6; ++face) {
            QVERIFY2(counts[face] > 9500, qPrintable(QString::number(counts[face])));
            QVERIFY2(counts[face] < 10500, qPrintable(QString::number(counts[face])));
        }
    }

    // After the first fault every draw answers 1 and the fault first met stays the one told.
    void replayStopsAtTheFirstFaultAndReadsNoFurther()
    {
        const std::vector<quint8> draws{3, 7, 2};
        ReplayRandom replay(draws.data(), draws.data() + 1);
        QCOMPARE(replay.draw(6), 3);
        QCOMPARE(replay.draw(6), 1);
        QCOMPARE(replay.draw(6), 1);
        QCOMPARE(replay.error(), u"a draw from 1 to 6 was asked for but none was recorded"_s);
    }
};

QTEST_MAIN(tst_Common)
#include "tst_common.moc"
