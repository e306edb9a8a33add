// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "selection/FormatPlayerName.h"
#include "state/MatchState.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_FormatPlayerName : public QObject
{
    Q_OBJECT
private slots:
    void shortensEveryWordButTheLast_data()
    {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("expected");

        QTest::newRow("three words") << u"Ann Marie Lee"_s << u"AM Lee"_s;
        QTest::newRow("two words") << u"Ann Lee"_s << u"A Lee"_s;
        QTest::newRow("short words") << u"Jo Ng"_s << u"J Ng"_s;
        QTest::newRow("four words") << u"Kevin Robert John Dunmore"_s << u"KRJ Dunmore"_s;
        QTest::newRow("blanks around") << u"   Ann Marie Lee      "_s << u"AM Lee"_s;
        QTest::newRow("padded as in the file") << (u"Jo Ng"_s + QString(75, u' ')) << u"J Ng"_s;
        // The second blank of a pair is taken as the initial of an empty word.
        QTest::newRow("two blanks in a row") << u"Ann  Lee"_s << u"A  Lee"_s;
        QTest::newRow("two blanks before the middle name") << u"Ann  Marie Lee"_s << u"A M Lee"_s;
        QTest::newRow("lower-case initials") << u"ann marie de Villiers"_s << u"amd Villiers"_s;
        QTest::newRow("hyphen joins a word") << u"Mary-Jo O'Brien"_s << u"M O'Brien"_s;
        QTest::newRow("one word") << u"Dunmore"_s << u"Dunmore"_s;
        QTest::newRow("one word padded") << u"  Dunmore  "_s << u"Dunmore"_s;
        QTest::newRow("nothing but blanks") << u"     "_s << QString();
    }
    void shortensEveryWordButTheLast()
    {
        QFETCH(QString, fullName);
        QFETCH(QString, expected);
        QCOMPARE(FormatPlayerName(fullName), expected);
    }

    void resultIsNotCut()
    {
        const QString name = u"Bartholomew Fitzwilliam-Cholmondeley"_s;
        QCOMPARE(FormatPlayerName(name), u"B Fitzwilliam-Cholmondeley"_s);
        PlayerSlot slot;
        slot = FormatPlayerName(name);
        QCOMPARE(slot.text(), u"B Fitzwilliam-Cholmo"_s);
    }

    void trimBlanksKeepsOtherWhitespace()
    {
        QCOMPARE(trimBlanks(u"  a b  "), u"a b");
        QCOMPARE(trimBlanks(u"\tab "), u"\tab");
        QVERIFY(trimBlanks(u"   ").isEmpty());
    }
};

QTEST_MAIN(tst_FormatPlayerName)
#include "tst_formatplayername.moc"
