// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/RandomSource.h"
#include "state/MatchState.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_MatchState : public QObject
{
    Q_OBJECT
private slots:
    void fixedTextHoldsExactlyNCharacters()
    {
        FixedText<20> slot;
        QCOMPARE(slot.text(), QString(20, QChar(0))); // never written
        slot = u"KR Dunmore";
        QCOMPARE(slot.text(), u"KR Dunmore          "_s);
        QCOMPARE(slot.trimmed(), u"KR Dunmore"_s);
        slot = u"Bartholomew Fitzwilliam";
        QCOMPARE(slot.text(), u"Bartholomew Fitzwill"_s);
        const FixedText<80> blanks(u"  Australia ");
        QCOMPARE(blanks.text().size(), 80);
        QCOMPARE(blanks.trimmed(), u"Australia"_s);
    }

    void battingSideFollowsTheInnings()
    {
        MatchState state;
        state.Team1.Name = u"Australia";
        state.Team2.Name = u"England";
        for (int innings = 1; innings <= 4; ++innings) {
            state.CurrentInnings = quint8(innings);
            QCOMPARE(state.battingSide().Name.trimmed(),
                     innings % 2 ? u"Australia"_s : u"England"_s);
        }
    }

    // Every face from 1 to n and nothing else, evenly spread.
    void drawsStayInRangeAndSpreadEvenly()
    {
        TimeSeededRandom random;
        std::array<int, 8> counts{};
        for (int i = 0; i < 60000; ++i) {
            random.reseed();
            ++counts[std::size_t(std::clamp(random.draw(6), 0, 7))];
        }
        QVERIFY(counts[0] == 0 && counts[7] == 0);
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(counts[std::size_t(face)] > 9500 && counts[std::size_t(face)] < 10500,
                     qPrintable(QString::number(counts[std::size_t(face)])));
    }

    void reseedingInTheSameTickDoesNotRepeat()
    {
        TimeSeededRandom first;
        TimeSeededRandom second = first;
        first.mix(1234);
        const int a = first.draw(1000000);
        first.mix(1234);
        QVERIFY(first.draw(1000000) != a);
        second.mix(1234);
        QCOMPARE(second.draw(1000000), a); // same state and time: same draw
    }
};

QTEST_MAIN(tst_MatchState)
#include "tst_matchstate.moc"
