// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/InBuiltTeams.h"
#include "state/MatchState.h"

#include <QTest>

class tst_InBuiltTeams : public QObject
{
    Q_OBJECT
private slots:
    void playersAndAveragesInBattingOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("team1Player");
        QTest::addColumn<int>("team1Average");
        QTest::addColumn<QString>("team2Player");
        QTest::addColumn<int>("team2Average");

        const struct
        {
            const char *p1;
            int a1;
            const char *p2;
            int a2;
        } rows[] = {{"KR Dunmore", 22, "OH Pelham", 25},   {"PJ Ashgrove", 46, "CS Wrenfield", 13},
                    {"DL Brindle", 48, "VK Dabney", 45},   {"BT Coyle", 56, "EJ Harrowby", 35},
                    {"GH Coyle", 83, "WP Kilbride", 43},   {"NA Fenwick", 11, "DR Oakhurst", 47},
                    {"TC Hartigan", 31, "FG Selwood", 13}, {"RW Esterby", 8, "SMT Ridley", 27},
                    {"JF Quarrie", 23, "B Yarwood", 5},    {"AM Tollard", 11, "PE Lockett", 2},
                    {"LB Varga", 2, "HAL Norcross", 8}};
        int index = 1;
        for (const auto &row : rows) {
            QTest::addRow("%d", index) << index << QString::fromLatin1(row.p1) << row.a1
                                       << QString::fromLatin1(row.p2) << row.a2;
            ++index;
        }
    }
    void playersAndAveragesInBattingOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, team1Player);
        QFETCH(int, team1Average);
        QFETCH(QString, team2Player);
        QFETCH(int, team2Average);

        MatchState state;
        storeInBuiltTeams(state);
        // Stored padded to the slot's 20 characters, as the scorecard shows them.
        QCOMPARE(state.Team1.Players[index].text(), team1Player.leftJustified(20));
        QCOMPARE(int(state.Team1.BatAverage[index]), team1Average);
        QCOMPARE(state.Team2.Players[index].text(), team2Player.leftJustified(20));
        QCOMPARE(int(state.Team2.BatAverage[index]), team2Average);
    }

    void namesAndColoursOfBothSides()
    {
        MatchState state;
        storeInBuiltTeams(state);
        QCOMPARE(state.Team1.Name.text(), QStringLiteral("Australia").leftJustified(80));
        QCOMPARE(state.Team1.CreaseColour, 0xFFFFFFu);
        QCOMPARE(state.Team1.OutColour, 0x00FFFFu);
        QCOMPARE(state.Team1.BackColour, 0x008000u);
        QCOMPARE(state.Team1.WaitingColour, 0x00FFFFu);

        QCOMPARE(state.Team2.Name.text(), QStringLiteral("England").leftJustified(80));
        QCOMPARE(state.Team2.CreaseColour, 0xFFFFFFu);
        QCOMPARE(state.Team2.OutColour, 0xFFFF00u);
        QCOMPARE(state.Team2.BackColour, 0x800000u);
        QCOMPARE(state.Team2.WaitingColour, 0xFFFF00u);
    }

    void slotZeroAndTheRestOfTheRecordAreLeftAlone()
    {
        MatchState state;
        state.CurrentInnings = 3;
        state.ClockHour = 2;
        state.Cards[2].FOW[4] = 117;
        storeInBuiltTeams(state);
        QCOMPARE(state.Team1.Players[0], PlayerSlot());
        QCOMPARE(state.Team2.Players[0], PlayerSlot());
        QCOMPARE(int(state.Team1.BatAverage[0]), 0);
        QCOMPARE(int(state.Team2.BatAverage[0]), 0);
        QCOMPARE(int(state.CurrentInnings), 3);
        QCOMPARE(int(state.ClockHour), 2);
        QCOMPARE(int(state.Cards[2].FOW[4]), 117);
    }

    void storingAgainRestoresTeamsAMatchChanged()
    {
        MatchState fresh;
        storeInBuiltTeams(fresh);

        MatchState state;
        storeInBuiltTeams(state);
        std::swap(state.Team1, state.Team2);
        state.Team2.Players[4] = u"Somebody Else";
        storeInBuiltTeams(state);
        QCOMPARE(state.Team1, fresh.Team1);
        QCOMPARE(state.Team2, fresh.Team2);
    }
};

QTEST_MAIN(tst_InBuiltTeams)
#include "tst_inbuiltteams.moc"
