// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/RandomSource.h"
#include "state/Globals.h"
#include "state/MatchState.h"

#include "ScriptedRandom.h"

#include <QTest>

class tst_MatchState : public QObject
{
    Q_OBJECT
private slots:
    void fixedTextNeverWrittenHoldsNulls()
    {
        const FixedText<20> slot;
        QCOMPARE(slot.text(), QString(20, QChar(0)));
    }

    void fixedTextPadsCutsAndTrims()
    {
        FixedText<20> slot;
        slot = u"KR Dunmore";
        QCOMPARE(slot.text(), QStringLiteral("KR Dunmore          "));
        QCOMPARE(slot.trimmed(), QStringLiteral("KR Dunmore"));

        slot = u"Bartholomew Fitzwilliam";
        QCOMPARE(slot.text(), QStringLiteral("Bartholomew Fitzwill"));

        FixedText<80> name(QString(80, QLatin1Char('x')));
        QCOMPARE(name.text().size(), 80);
        QCOMPARE(name.trimmed(), QString(80, QLatin1Char('x')));

        FixedText<80> blanks(u"  Australia ");
        QCOMPARE(blanks.trimmed(), QStringLiteral("Australia"));
        QCOMPARE(blanks.text().size(), 80);
    }

    void teamRecordsSwapByValue()
    {
        TeamRecord a;
        a.Name = u"Australia";
        a.BackColour = 0x008000;
        a.Players[1] = u"KR Dunmore";
        a.BatAverage[1] = 22;
        TeamRecord b;
        b.Name = u"England";
        b.Players[11] = u"HAL Norcross";
        const TeamRecord oldA = a;
        const TeamRecord oldB = b;
        std::swap(a, b);
        QCOMPARE(a, oldB);
        QCOMPARE(b, oldA);
        QCOMPARE(b.Players[1].trimmed(), QStringLiteral("KR Dunmore"));
    }

    void battingSideFollowsTheInnings()
    {
        MatchState state;
        state.Team1.Name = u"Australia";
        state.Team2.Name = u"England";
        for (int innings : {1, 3}) {
            state.CurrentInnings = quint8(innings);
            QCOMPARE(state.battingSide().Name.trimmed(), QStringLiteral("Australia"));
        }
        for (int innings : {2, 4}) {
            state.CurrentInnings = quint8(innings);
            QCOMPARE(state.battingSide().Name.trimmed(), QStringLiteral("England"));
        }
    }

    void scriptedDrawsReplaceTheRealSource()
    {
        {
            ScriptedRandom script{4, 1};
            Globals::random().reseed();
            QCOMPARE(Globals::random().draw(6), 4);
            QCOMPARE(Globals::random().draw(2), 1);
            QCOMPARE(script.ranges(), (QList<int>{6, 2}));
            QCOMPARE(script.reseeds(), 1);
        }
        // Back on the real source: every draw stays in range.
        for (int i = 0; i < 1000; ++i) {
            Globals::random().reseed();
            const int face = Globals::random().draw(6);
            QVERIFY(face >= 1 && face <= 6);
        }
    }

    void reseedingInTheSameTickDoesNotRepeat()
    {
        TimeSeededRandom first;
        TimeSeededRandom second = first;
        first.mix(1234);
        const int a = first.draw(1000000);
        first.mix(1234);
        const int b = first.draw(1000000);
        QVERIFY(a != b);
        second.mix(1234);
        QCOMPARE(second.draw(1000000), a); // same state and time: same draw
    }

    void drawsAreSpreadEvenly()
    {
        TimeSeededRandom random;
        random.mix(42);
        std::array<int, 7> counts{};
        for (int i = 0; i < 60000; ++i)
            ++counts[size_t(random.draw(6))];
        QCOMPARE(counts[0], 0);
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(counts[size_t(face)] > 9500 && counts[size_t(face)] < 10500,
                     qPrintable(QString::number(counts[size_t(face)])));
    }
};

QTEST_MAIN(tst_MatchState)
#include "tst_matchstate.moc"
