// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "common/Colours.h"
#include "common/Twips.h"

#include <QTest>

class tst_CaptionNumbers : public QObject
{
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("digits") << QStringLiteral("187") << 187.0;
        QTest::newRow("leading blank") << QStringLiteral(" 58") << 58.0;
        QTest::newRow("trailing text") << QStringLiteral("12:40p") << 12.0;
        QTest::newRow("non-numeric") << QStringLiteral("Not Out") << 0.0;
        QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
        QTest::newRow("decimal") << QStringLiteral("12.5") << 12.5;
        QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
        QTest::newRow("dangling exponent") << QStringLiteral("7e") << 7.0;
        QTest::newRow("fall of wicket") << QStringLiteral(" 3/125") << 3.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    }
    void readsTheNumberAtTheStart()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(captionValue(text), value);
    }

    void writesPlainAndSignedNumbers()
    {
        QCOMPARE(plainNumber(0), QStringLiteral("0"));
        QCOMPARE(plainNumber(187), QStringLiteral("187"));
        QCOMPARE(signedNumber(58), QStringLiteral(" 58"));
        QCOMPARE(signedNumber(0), QStringLiteral(" 0"));
        QCOMPARE(signedNumber(-4), QStringLiteral("-4"));
    }

    void convertsTwipsAndColours()
    {
        QCOMPARE(twips(7800), 520);
        QCOMPARE(twips(255), 17);
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twipsRect(240, 360, 1935, 255), QRect(16, 24, 129, 17));
        QCOMPARE(colourFromBgr(0x0000C0), QColor(192, 0, 0));
        QCOMPARE(colourFromBgr(0xC0E0FF), QColor(255, 224, 192));
        QCOMPARE(bgrFromColour(QColor(0, 255, 255)), 0xFFFF00u);
    }
};

QTEST_MAIN(tst_CaptionNumbers)
#include "tst_captionnumbers.moc"
