// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "engine/AppealDecision.h"
#include "engine/RulesMatch.h"
#include "engine/frmResult.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"

#include <QTest>
#include <random>

namespace {

int number(QLabel *label)
{
    return int(captionValue(label->text()));
}

// Plays a match through the scorecards with a die scripted from a fixed seed, and checks the
// figures of every window after each over.
class ScriptedMatch
{
public:
    ScriptedMatch(unsigned seed, int appealWeight) : m_engine(seed), m_appealWeight(appealWeight) {}

    void play()
    {
        while (!MatchWindows::isResultOpen()) {
            playOver();
            if (QTest::currentTestFailed())
                return;
        }
    }

    int overs() const { return m_overs; }
    // Every draw the match made, in order, to play it again.
    const QList<int> &draws() const { return m_draws; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(1, n)(m_engine); }

    int pickFace()
    {
        // Each other face has weight 2; the appeal weight makes fives rarer or more frequent.
        static constexpr int faces[] = {1, 2, 3, 4, 6};
        const int roll = pick(10 + m_appealWeight);
        return roll <= 10 ? faces[(roll - 1) / 2] : 5;
    }

    void push(int draw)
    {
        m_die.push(draw);
        m_draws.append(draw);
    }

    void playOver()
    {
        MatchState &state = Globals::matchState();
        const int innings = state.CurrentInnings;
        const int face = pickFace();
        push(face);
        int balls = 6;
        int minutes = 8;
        if (face == 1 || face == 3) {
            push(pick(5));
        } else if (face == 5) {
            const int r = pick(10);
            push(r);
            const int average = state.battingSide().BatAverage[state.Striker];
            if (r <= appealOutLimit(average)) {
                const int b = pick(6);
                push(pick(12));
                push(b);
                if (state.WicketsDown == 9) {
                    balls = b;
                    minutes = b == 1 ? 1 + 4 : b <= 3 ? 2 + 4 : b <= 5 ? 3 + 4 : 4 + 4;
                }
            } else {
                push(pick(20));
                balls = minutes = 0;
            }
        }
        TestMatch::roll(innings);
        QCOMPARE(m_die.remaining(), 0);
        ++m_overs;
        m_balls[innings] += balls;
        m_minutes[innings] += minutes;
        check(innings);
    }

    void check(int innings)
    {
        const MatchState &state = Globals::matchState();
        int runs = 0;
        int balls = 0;
        int minutes = 0;
        int falls = 0;
        for (int i = 0; i < 11; ++i) {
            runs += number(TestMatch::line(innings, "lblRuns", i));
            balls += number(TestMatch::line(innings, "lblBalls", i));
            minutes += number(TestMatch::line(innings, "lblMins", i));
            const QString fow = TestMatch::line(innings, "lblFOW", i)->text();
            if (fow.isEmpty())
                continue;
            ++falls;
            const qsizetype slash = fow.indexOf(QLatin1Char('/'));
            QVERIFY(fow.startsWith(QLatin1Char(' ')) && slash > 1);
            const int wicket = fow.mid(1, slash - 1).toInt();
            QVERIFY(wicket >= 1 && wicket <= 10);
            QCOMPARE(int(state.Cards[innings].FOW[std::size_t(wicket)]),
                     fow.mid(slash + 1).toInt());
        }
        frmInnings1 *card = TestMatch::innings(innings);
        const int total = number(TestMatch::label(card, u"lblTotal"_qs));
        const int extras = number(TestMatch::label(card, u"lblExtras"_qs));
        QCOMPARE(total, runs + extras);
        QCOMPARE(balls, m_balls[innings]);
        QCOMPARE(minutes, m_minutes[innings]);
        const int wickets = state.CurrentInnings == innings ? state.WicketsDown : 10;
        QCOMPARE(falls, wickets);
        QCOMPARE(TestMatch::label(card, u"lblTotalLine"_qs)->text(),
                 u"Total for the loss of "_qs + QString::number(wickets) + u" wickets:"_qs);

        int scores[5] = {};
        for (int i = 1; i <= 4; ++i) {
            scores[i] = number(
                TestMatch::label(MatchWindows::summary(), u"lblInn"_qs + QString::number(i)));
            if (MatchWindows::isInningsOpen(i))
                QCOMPARE(scores[i],
                         number(TestMatch::label(TestMatch::innings(i), u"lblTotal"_qs)));
            else
                QCOMPARE(scores[i], 0);
        }
        QCOMPARE(number(TestMatch::label(MatchWindows::summary(), u"lblTotal1"_qs)),
                 scores[1] + scores[3]);
        QCOMPARE(number(TestMatch::label(MatchWindows::summary(), u"lblTotal2"_qs)),
                 scores[2] + scores[4]);
        const int day = TestMatch::stateText("lblDay").toInt();
        const int today = TestMatch::stateText("lblOvers").toInt();
        QCOMPARE((day - 1) * 90 + today, m_overs);
    }

    std::mt19937 m_engine;
    int m_appealWeight;
    ScriptedRandom m_die;
    int m_overs = 0;
    int m_balls[5] = {};
    int m_minutes[5] = {};
    QList<int> m_draws;
};

// Every caption a scorecard shows, line by line, then extras and total.
QStringList scorecard(int innings)
{
    QStringList captions;
    for (int i = 0; i < 11; ++i) {
        for (const char *column :
             {"lblName", "lblHowOut", "lblRuns", "lblBalls", "lblMins", "lblFOW"})
            captions << TestMatch::line(innings, column, i)->text();
    }
    frmInnings1 *card = TestMatch::innings(innings);
    captions << TestMatch::text(card, u"lblExtras"_qs) << TestMatch::text(card, u"lblTotal"_qs)
             << TestMatch::text(card, u"lblTotalLine"_qs);
    return captions;
}

QStringList scorecard(const InningsModel &model)
{
    const auto figure = [](std::optional<int> value) {
        return value ? QString::number(*value) : QString();
    };
    QStringList captions;
    for (const BattingLine &line : model.lines) {
        captions << line.name << line.howOut << figure(line.runs) << figure(line.balls)
                 << figure(line.mins) << line.fow;
    }
    captions << QString::number(model.extras) << QString::number(model.total)
             << model.totalLineCaption();
    return captions;
}

QString verdict()
{
    const MatchState &state = Globals::matchState();
    const int t1 = TestMatch::summaryText("lblTotal1").toInt();
    const int t2 = TestMatch::summaryText("lblTotal2").toInt();
    if (state.TimeUp)
        return u"The time allowed for this match has expired; the innings were not completed and "
               "the match has been declared a draw"_qs;
    if (t1 == t2)
        return u"This test match has been tied!"_qs;
    return u"I declare the winner of this test match, by  "_qs +
           QString::number(std::abs(t1 - t2)) + u" runs : "_qs +
           (t1 > t2 ? u"Australia"_qs : u"England"_qs);
}

} // namespace

class tst_WholeMatch : public QObject
{
    Q_OBJECT
private slots:
    void matchPlayedToTheEnd_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("appealWeight");
        QTest::addColumn<bool>("allOut");
        // Frequent appeals bowl both sides out twice; a fair die runs out of time.
        QTest::newRow("all out") << 20261206u << 8 << true;
        QTest::newRow("rare appeals") << 7u << 1 << false;
    }
    void matchPlayedToTheEnd()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, appealWeight);
        QFETCH(bool, allOut);
        auto match = std::make_unique<TestMatch>();
        auto play = std::make_unique<ScriptedMatch>(seed, appealWeight);
        play->play();
        if (QTest::currentTestFailed())
            return;
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.CurrentInnings == 5, allOut);
        QCOMPARE(state.TimeUp, !allOut);
        if (allOut)
            QVERIFY(play->overs() < 450);
        else
            QCOMPARE(play->overs(), 450);
        frmResult *result = MatchWindows::result();
        QCOMPARE(TestMatch::text(result, u"lblResult"_qs), verdict());

        // The same draws played by the rules alone give the same match.
        const QList<int> draws = play->draws();
        play.reset();
        QList<QStringList> cards;
        for (int i = 1; i <= 4; ++i)
            cards << (MatchWindows::isInningsOpen(i) ? scorecard(i) : QStringList());
        const QString highlights = MatchWindows::highlights()->log();
        const QString total1 = TestMatch::summaryText("lblTotal1");
        const QString total2 = TestMatch::summaryText("lblTotal2");
        const QString time = TestMatch::stateText("lblTime");
        {
            ScriptedRandom replay;
            for (int draw : draws)
                replay.push(draw);
            RulesMatch rules;
            rules.start();
            while (!rules.resultOpen())
                rules.roll();
            QCOMPARE(replay.remaining(), 0);
            for (int i = 1; i <= 4; ++i) {
                QCOMPARE(rules.inningsOpen(i), !cards[i - 1].isEmpty());
                if (rules.inningsOpen(i))
                    QCOMPARE(scorecard(rules.innings(i)), cards[i - 1]);
            }
            QCOMPARE(rules.highlights(), highlights);
            QCOMPARE(QString::number(rules.summary().total1), total1);
            QCOMPARE(QString::number(rules.summary().total2), total2);
            QCOMPARE(rules.clock().timeCaption(), time);
        }

        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_qs);
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!MatchWindows::matchInProgress());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!MatchWindows::isInningsOpen(i));
        QVERIFY(QTest::qWaitFor([&match] { return match->area().subWindowList().isEmpty(); }));
    }
};

QTEST_MAIN(tst_WholeMatch)
#include "tst_wholematch.moc"
