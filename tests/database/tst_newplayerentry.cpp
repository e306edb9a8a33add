// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "database/NewPlayerEntry.h"

#include <QTest>

class tst_NewPlayerEntry : public QObject
{
    Q_OBJECT
private slots:
    void readsOnlyPlainDecimalNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "40" << true << 40.0;
        QTest::newRow("blanks around") << "  40 " << true << 40.0;
        QTest::newRow("plus") << "+5" << true << 5.0;
        QTest::newRow("minus") << "-1" << true << -1.0;
        QTest::newRow("point last") << "7." << true << 7.0;
        QTest::newRow("point first") << ".5" << true << 0.5;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("signed exponent") << "25E-1" << true << 2.5;
        QTest::newRow("leading zeros") << "007" << true << 7.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("exponent only") << "e3" << false << 0.0;
        QTest::newRow("dangling exponent") << "1e" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("locale comma") << "1,5" << false << 0.0;
        QTest::newRow("thousands") << "1 000" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("hex") << "0x1A" << false << 0.0;
        QTest::newRow("tab") << "\t12" << false << 0.0;
        QTest::newRow("two signs") << "--1" << false << 0.0;
        QTest::newRow("blank after sign") << "- 1" << false << 0.0;
        QTest::newRow("fractional exponent") << "1e1.5" << false << 0.0;
        QTest::newRow("arabic digits") << u"\u0661\u0662"_qs << false << 0.0;
        QTest::newRow("fullwidth digits") << u"\uff11\uff12"_qs << false << 0.0;
    }
    void readsOnlyPlainDecimalNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> read = entryNumber(text);
        QCOMPARE(read.has_value(), number);
        if (number)
            QCOMPARE(*read, value);
    }

    void roundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12.5") << 12.5 << "13";
        QTest::newRow("2.5") << 2.5 << "3";
        QTest::newRow("2.4") << 2.4 << "2";
        QTest::newRow("-2.5") << -2.5 << "-3";
        QTest::newRow("-0.4") << -0.4 << "0";
        QTest::newRow("0") << 0.0 << "0";
        QTest::newRow("255.49") << 255.49 << "255";
    }
    void roundsHalvesAwayFromZero()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(wholeNumberText(roundHalfAway(value)), shown);
    }

    void buildsTheRecordFromACheckedEntry()
    {
        const EntryCheck check =
            checkNewPlayer(u"  Ann Lee ", u"India", u"12.5", u" 0 ", true, false);
        QCOMPARE(check.fault, EntryFault::None);
        QCOMPARE(check.name, QStringLiteral("Ann Lee"));
        QCOMPARE(check.batting, QStringLiteral("13"));
        QCOMPARE(check.bowling, QStringLiteral("0"));
        QCOMPARE(check.record.PlayerName.trimmed(), QStringLiteral("Ann Lee"));
        QCOMPARE(check.record.Country.trimmed(), QStringLiteral("India"));
        QCOMPARE(check.record.BattingAverage, quint8(13));
        QCOMPARE(check.record.BowlingAverage, quint8(0));
        QVERIFY(check.record.CaptainExperience);
        QVERIFY(!check.record.KeeperExperience);
    }

    void reportsTheFirstFault_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("batting");
        QTest::addColumn<QString>("bowling");
        QTest::addColumn<int>("fault");
        QTest::newRow("everything empty") << ""
                                          << ""
                                          << ""
                                          << "" << int(EntryFault::ShortName);
        QTest::newRow("short before code page") << u"\u03a9x"_qs << ""
                                                << ""
                                                << "" << int(EntryFault::ShortName);
        QTest::newRow("code page") << u"Ann \u03a9"_qs << ""
                                   << ""
                                   << "" << int(EntryFault::UnstorableName);
        QTest::newRow("unassigned byte") << u"Ann\u0081Lee"_qs << "India"
                                         << "1"
                                         << "1" << int(EntryFault::UnstorableName);
        QTest::newRow("country") << "Ann"
                                 << "  "
                                 << ""
                                 << "" << int(EntryFault::NoCountry);
        QTest::newRow("batting") << "Ann"
                                 << "India"
                                 << ""
                                 << "" << int(EntryFault::BadBatting);
        QTest::newRow("bowling") << "Ann"
                                 << "India"
                                 << "1"
                                 << "x" << int(EntryFault::BadBowling);
        QTest::newRow("batting range first") << "Ann"
                                             << "India"
                                             << "256"
                                             << "-1" << int(EntryFault::BadBatting);
        QTest::newRow("bowling range") << "Ann"
                                       << "India"
                                       << "255"
                                       << "-1" << int(EntryFault::BadBowling);
        QTest::newRow("huge exponent") << "Ann"
                                       << "India"
                                       << "1e999"
                                       << "0" << int(EntryFault::BadBatting);
        QTest::newRow("minus half rounds away") << "Ann"
                                                << "India"
                                                << "255"
                                                << "-0.5" << int(EntryFault::BadBowling);
        QTest::newRow("just good") << "Ann"
                                   << "India"
                                   << "255"
                                   << "-0.4" << int(EntryFault::None);
    }
    void reportsTheFirstFault()
    {
        QFETCH(QString, name);
        QFETCH(QString, country);
        QFETCH(QString, batting);
        QFETCH(QString, bowling);
        QFETCH(int, fault);
        QCOMPARE(int(checkNewPlayer(name, country, batting, bowling, false, false).fault), fault);
    }
};

QTEST_MAIN(tst_NewPlayerEntry)
#include "tst_newplayerentry.moc"
