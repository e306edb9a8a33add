// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "common/Colours.h"
#include "common/Twips.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_CaptionNumbers : public QObject
{
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::pair<const char16_t *, double> rows[] = {
            {u"", 0},        {u"187", 187},  {u" 58", 58},    {u"12:40p", 12},
            {u"Not Out", 0}, {u"-3", -3},    {u"12.5", 12.5}, {u"1e3", 1000},
            {u"7e", 7},      {u" 3/125", 3}, {u"-", 0}};
        for (const auto &[text, value] : rows) {
            const QString caption = QString::fromUtf16(text);
            QTest::addRow("[%s]", qPrintable(caption)) << caption << value;
        }
    }
    void readsTheNumberAtTheStart()
    {
        QFETCH(QString, text);
        QTEST(captionValue(text), "value");
    }

    void writesPlainAndSignedNumbers()
    {
        QCOMPARE(plainNumber(187), u"187"_s);
        QCOMPARE(signedNumber(58), u" 58"_s);
        QCOMPARE(signedNumber(0), u" 0"_s);
        QCOMPARE(signedNumber(-4), u"-4"_s);
    }

    void convertsTwipsAndColours()
    {
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twipsRect(240, 360, 1935, 255), QRect(16, 24, 129, 17));
        QCOMPARE(colourFromBgr(0xC0E0FF), QColor(255, 224, 192));
    }
};

QTEST_MAIN(tst_CaptionNumbers)
#include "tst_captionnumbers.moc"
