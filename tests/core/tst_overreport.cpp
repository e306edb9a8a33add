// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "Tables.h"
#include "core/store/ShortResult.h"

#include "HandMadeMatch.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// What one over did, told in a line, and a match's result in a few words.
class tst_OverReport : public QObject
{
    Q_OBJECT
private slots:
    void everyOverNamesItsBatsmanAndEachBreakComesOnce()
    {
        SeededRandom random(testSeed(18u));
        Match match;
        match.start(MatchSetup{inBuiltSides(), {}, {}}, random);
        QMap<QString, int> breaks; // "Tea 3": lines telling of day 3's tea
        int inInnings = 0, lastInnings = 1;
        while (!match.isOver()) {
            const int innings = match.currentInnings();
            const InningsModel card = match.innings(innings);
            const ClockModel clock = match.clock();
            const QString striker = card.lines[match.state().Striker - 1].name.trimmed();
            const int face = match.rollDie();
            match.playOver(face);
            const InningsModel &now = match.innings(innings);
            const QString line = overLine(match.lastOver());
            inInnings = innings == std::exchange(lastInnings, innings) ? inInnings + 1 : 1;
            QVERIFY2(line.startsWith(u"Over %1: rolled %2, "_s.arg(inInnings).arg(face)),
                     qPrintable(line));
            QVERIFY2(line.contains(striker), qPrintable(line));
            const auto runs = [&](const InningsModel &model) {
                return std::accumulate(
                    model.lines.begin(), model.lines.end(), 0,
                    [](int sum, const BattingLine &b) { return sum + b.runs.value_or(0); });
            };
            QCOMPARE(runs(now) - runs(card), face == 5 ? 0 : face);
            if (face != 5)
                QVERIFY2(line.section(u" \u00b7 "_s, 0, 0)
                             .endsWith(u"%1 %2 %3"_s.arg(striker).arg(face).arg(
                                 face == 1 ? u"run"_s : u"runs"_s)),
                         qPrintable(line));
            const bool stumps = match.clock().day != clock.day && !match.state().TimeUp;
            for (const auto &[name, crossed] :
                 {std::pair{u"Lunch"_s, clock.hour == 11 && match.clock().hour == 12},
                  std::pair{u"Tea"_s, clock.hour == 2 && match.clock().hour == 3},
                  std::pair{u"Stumps, day %1"_s.arg(clock.day), stumps}}) {
                QCOMPARE(line.contains(name), crossed);
                breaks[name.left(5) + QString::number(clock.day)] += line.contains(name);
            }
            QCOMPARE(line.contains(u"all out"_s), now.wicketsShown == 10);
        }
        for (const QString &day1 : {u"Lunch1"_s, u"Tea1"_s, u"Stump1"_s})
            QCOMPARE(breaks.value(day1), 1);
        QCOMPARE(*std::max_element(breaks.begin(), breaks.end()), 1);
    }

    // Fault: views heard of an appeal before the store had the over it came in.
    void appealIsToldOnlyOnceItsOverIsStored()
    {
        QTemporaryDir dir;
        MatchStore store(dir.filePath(u"s.sqlite"_s));
        QVERIFY(store.open());
        ScriptedRandom random{5, 10, 16};
        Match match;
        match.start(MatchSetup{inBuiltSides(), {}, {}}, random);
        const qint64 id = store.beginMatch(match.log().setup, MatchMode::HumanVHuman);
        connect(&match, &Match::overLogged, &match,
                [&](int index) { store.appendOver(id, match.log(), index); });
        MatchLog stored;
        connect(&match, &Match::highlightAdded, &match, [&] { store.readLog(id, stored); });
        match.playOver(match.rollDie());
        QCOMPARE(stored.overs(), 1);
    }

    void shortResult_data() { addRows(u"shortresults"_s); }
    void shortResult()
    {
        QFETCH(int, status);
        QFETCH(QString, kind);
        QFETCH(int, winner);
        QFETCH(int, margin);
        QFETCH(int, overs);
        QTEST(::shortResult(MatchStore::Status(status), {resultKindOf(kind), winner, margin},
                            {u"Australia"_s, u"West Indies"_s}, overs),
              "shown");
    }
};

QTEST_GUILESS_MAIN(tst_OverReport)
#include "tst_overreport.moc"
