// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/CaptionNumbers.h"
#include "engine/MatchWindows.h"
#include "engine/frmResult.h"
#include "shell/InBuiltTeams.h"
#include "shell/mdiMain.h"
#include "state/Globals.h"

#include "ScriptedRandom.h"
#include "ShellMatch.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <array>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace ShellMatch;

namespace {

// One over as the test means it to go; the draws that make it so are scripted from this.
struct Over
{
    int face = 2;
    int split = 1;          // balls to BatsmanA on a 1 or a 3
    bool wantOut = false;   // the appeal draw; averages under 10 are out whatever it is
    int extrasDraw = 1;     // 1..20, for an appeal turned down
    int kind = 1;           // 1..12, for a dismissal
    int dismissedBalls = 1; // 1..6
};

struct Figures
{
    std::array<int, 11> runs{};
    std::array<int, 11> balls{};
    std::array<int, 11> mins{};
    int extras = 0;
    int total = 0;
};

int value(QWidget *window, const QString &name)
{
    return int(captionValue(caption(window, name)));
}

Figures figuresOf(int innings)
{
    QWidget *window = MatchWindows::InningsWindows(innings);
    Figures figures;
    for (int i = 0; i < 11; ++i) {
        figures.runs[std::size_t(i)] = value(window, u"lblRuns_%1"_s.arg(i));
        figures.balls[std::size_t(i)] = value(window, u"lblBalls_%1"_s.arg(i));
        figures.mins[std::size_t(i)] = value(window, u"lblMins_%1"_s.arg(i));
    }
    figures.extras = value(window, u"lblExtras"_s);
    figures.total = value(window, u"lblTotal"_s);
    return figures;
}

int extrasFor(int draw)
{
    if (draw <= 3)
        return 0;
    if (draw <= 11)
        return 1;
    if (draw <= 14)
        return 2;
    if (draw == 15)
        return 3;
    if (draw == 16)
        return 4;
    return 1;
}

int minutesFor(int balls)
{
    return balls == 1 ? 1 : balls <= 3 ? 2 : balls <= 5 ? 3 : 4;
}

// Plays overs through the ROLL button of the scorecard in play and checks every one of them
// against the rules of the over, the scorecard, the summary and the fall of wickets.
class OverChecker
{
public:
    explicit OverChecker(ScriptedRandom &script) : m_script(script) {}

    int overs() const { return m_overs; }
    bool matchOver() const { return MatchWindows::isResultOpen(); }

    void play(const Over &over)
    {
        MatchState &state = Globals::matchState();
        const int innings = state.CurrentInnings;
        const int striker = state.Striker;
        const int batsmanA = state.BatsmanA;
        const int batsmanB = state.BatsmanB;
        const int wickets = state.WicketsDown;
        QVERIFY(innings >= 1 && innings <= 4);
        const Figures before = figuresOf(innings);
        const bool out =
            over.face == 5 &&
            (over.wantOut || state.battingSide().BatAverage[std::size_t(striker)] < 10);

        m_script.push(over.face);
        if (over.face == 1 || over.face == 3)
            m_script.push(over.split);
        if (over.face == 5) {
            m_script.push(over.wantOut ? 1 : 10);
            if (out)
                m_script.push({over.kind, over.dismissedBalls});
            else
                m_script.push(over.extrasDraw);
        }
        auto *roll = MatchWindows::InningsWindows(innings)->findChild<QPushButton *>(u"cmdRoll"_s);
        QVERIFY(roll && roll->isEnabled());
        QTest::mouseClick(roll, Qt::LeftButton);
        ++m_overs;
        QCOMPARE(m_script.remaining(), 0);

        // What the rules give each line of the scorecard for this over.
        Figures expected = before;
        auto line = [](int batsman) {
            return std::size_t(batsman - 1);
        };
        switch (over.face) {
        case 1:
        case 3:
            expected.runs[line(striker)] += over.face;
            expected.total += over.face;
            expected.balls[line(batsmanA)] += over.split;
            expected.balls[line(batsmanB)] += 6 - over.split;
            expected.mins[line(batsmanA)] += 4;
            expected.mins[line(batsmanB)] += 4;
            break;
        case 2:
        case 4:
        case 6:
            expected.runs[line(striker)] += over.face;
            expected.total += over.face;
            expected.balls[line(striker)] += 6;
            expected.mins[line(batsmanA)] += 4;
            expected.mins[line(batsmanB)] += 4;
            break;
        default:
            if (!out) {
                expected.extras += extrasFor(over.extrasDraw);
                expected.total += extrasFor(over.extrasDraw);
                break;
            }
            const int t = minutesFor(over.dismissedBalls);
            expected.balls[line(striker)] += over.dismissedBalls;
            expected.mins[line(striker)] += t;
            expected.mins[line(striker == batsmanA ? batsmanB : batsmanA)] += 4;
            if (wickets < 9) {
                expected.balls[line(wickets + 3)] += 6 - over.dismissedBalls;
                expected.mins[line(wickets + 3)] += 4 - t;
            }
            break;
        }
        const Figures after = figuresOf(innings);
        QCOMPARE(after.runs, expected.runs);
        QCOMPARE(after.balls, expected.balls);
        QCOMPARE(after.mins, expected.mins);
        QCOMPARE(after.extras, expected.extras);
        QCOMPARE(after.total, expected.total);
        // Six balls to the over, four minutes to each batsman at the crease; a tenth wicket
        // brings nobody in for the rest of the over.
        const int ballsAdded = sum(after.balls) - sum(before.balls);
        const int minsAdded = sum(after.mins) - sum(before.mins);
        if (over.face != 5) {
            QCOMPARE(ballsAdded, 6);
            QCOMPARE(minsAdded, 8);
        } else if (!out) {
            QCOMPARE(ballsAdded, 0);
            QCOMPARE(minsAdded, 0);
        } else {
            QCOMPARE(ballsAdded, wickets < 9 ? 6 : over.dismissedBalls);
            QCOMPARE(minsAdded, wickets < 9 ? 8 : minutesFor(over.dismissedBalls) + 4);
            QCOMPARE(int(state.Cards[std::size_t(innings)].FOW[std::size_t(wickets + 1)]),
                     before.total);
        }
        if (out && wickets == 9 && !state.TimeUp)
            QCOMPARE(int(state.CurrentInnings), innings + 1);
        else if (out)
            QCOMPARE(int(state.WicketsDown), wickets + 1);
        else
            QCOMPARE(int(state.WicketsDown), wickets);

        checkTotalsSummaryAndFallOfWickets();
        if (!state.TimeUp) {
            QWidget *playState = MatchWindows::state();
            QCOMPARE((value(playState, u"lblDay"_s) - 1) * 90 + value(playState, u"lblOvers"_s),
                     m_overs);
        }
    }

private:
    static int sum(const std::array<int, 11> &figures)
    {
        return std::accumulate(figures.begin(), figures.end(), 0);
    }

    static void checkTotalsSummaryAndFallOfWickets()
    {
        const MatchState &state = Globals::matchState();
        std::array<int, 5> totals{};
        for (int innings = 1; innings <= 4; ++innings) {
            if (!MatchWindows::isInningsOpen(innings))
                continue;
            const Figures figures = figuresOf(innings);
            QCOMPARE(figures.total, sum(figures.runs) + figures.extras);
            totals[std::size_t(innings)] = figures.total;

            QSet<QString> shown;
            for (int i = 0; i < 11; ++i) {
                const QString fow = lineCaption(innings, "lblFOW", i);
                if (!fow.isEmpty())
                    shown << fow;
            }
            const int fallen = innings == state.CurrentInnings ? state.WicketsDown : 10;
            QSet<QString> recorded;
            for (int wicket = 1; wicket <= fallen; ++wicket)
                recorded << signedNumber(wicket) + u'/' +
                                plainNumber(
                                    state.Cards[std::size_t(innings)].FOW[std::size_t(wicket)]);
            QCOMPARE(shown, recorded);
        }
        QWidget *summary = MatchWindows::summary();
        for (int innings = 1; innings <= 4; ++innings)
            QCOMPARE(value(summary, u"lblInn%1"_s.arg(innings)), totals[std::size_t(innings)]);
        QCOMPARE(value(summary, u"lblTotal1"_s), totals[1] + totals[3]);
        QCOMPARE(value(summary, u"lblTotal2"_s), totals[2] + totals[4]);
    }

    ScriptedRandom &m_script;
    int m_overs = 0;
};

QString expectedResult()
{
    const MatchState &state = Globals::matchState();
    if (state.TimeUp)
        return u"The time allowed for this match has expired; the innings were not completed "
               "and the match has been declared a draw"_s;
    const int total1 = value(MatchWindows::summary(), u"lblTotal1"_s);
    const int total2 = value(MatchWindows::summary(), u"lblTotal2"_s);
    if (total1 == total2)
        return u"This test match has been tied!"_s;
    const bool first = total1 > total2;
    return u"I declare the winner of this test match, by "_s +
           signedNumber(first ? total1 - total2 : total2 - total1) + u" runs : "_s +
           (first ? state.Team1 : state.Team2).Name.trimmed();
}

// Waits for the result's Ok, presses it, and sees every match window go.
void closeTheResult(mdiMain &frame)
{
    frmResult *result = MatchWindows::result();
    QCOMPARE(result->windowTitle(), u"End of Test Match"_s);
    QCOMPARE(caption(result, u"lblTeam1"_s), Globals::matchState().Team1.Name.trimmed());
    QCOMPARE(caption(result, u"lblTeam2"_s), Globals::matchState().Team2.Name.trimmed());
    QCOMPARE(caption(result, u"lblResult"_s), expectedResult());
    auto *ok = result->findChild<QPushButton *>(u"cmdOk"_s);
    QVERIFY(ok);
    QVERIFY(!ok->isEnabled());
    QCOMPARE(result->findChild<QTimer *>(u"Timer1"_s)->interval(), 2000);
    QVERIFY(QTest::qWaitFor([&] { return ok->isEnabled(); }, 5000));
    QPointer<QWidget> gone = result;
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(noMatchWindowOpen());
    QVERIFY(QTest::qWaitFor([&] { return gone.isNull(); }));
    QVERIFY(QTest::qWaitFor([&] { return frame.mdiArea()->subWindowList().isEmpty(); }));
}

} // namespace

class tst_MenuMatch : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MatchWindows::closeMatchWindows(); }

    void wholeMatchFromStartUpToTheResultAndAgain()
    {
        Globals::matchState() = MatchState{};
        mdiMain frame;
        frame.MDIForm_Load();

        ScriptedRandom script{1};
        auto seen = std::make_shared<QStringList>();
        // Heads on heads: England calls right and bats first.
        answerTeamModeAndToss({true, true}, seen);
        frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();
        QCOMPARE(*seen, (QStringList{u"frmTeamMode"_s, u"frmToss"_s}));
        QCOMPARE(Globals::matchState().Team1.Name.trimmed(), u"England"_s);

        OverChecker checker(script);
        const int faces[] = {1, 5, 2, 4, 5, 3, 6, 5, 1, 2};
        int appeal = 0;
        for (int n = 0; !checker.matchOver() && n < 450; ++n) {
            Over over;
            over.face = faces[n % 10];
            over.split = n % 5 + 1;
            over.wantOut = over.face == 5 && appeal++ % 2 == 0;
            over.extrasDraw = n % 20 + 1;
            over.kind = n % 12 + 1;
            over.dismissedBalls = n % 6 + 1;
            checker.play(over);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"after over %1"_s.arg(checker.overs())));
        }
        QVERIFY(checker.matchOver());
        QCOMPARE(int(Globals::matchState().CurrentInnings), 5);
        QVERIFY(!Globals::matchState().TimeUp);
        for (int innings = 1; innings <= 4; ++innings)
            QVERIFY(MatchWindows::isInningsOpen(innings));
        closeTheResult(frame);
        if (QTest::currentTestFailed())
            return;

        // A new match starts from team mode, with the teams as the first match left them.
        const TeamRecord team1 = Globals::matchState().Team1;
        const TeamRecord team2 = Globals::matchState().Team2;
        bool teamsAsLeft = false;
        seen->clear();
        script.push(2);
        answerTeamModeAndToss({true, true,
                               [&] {
                                   teamsAsLeft = Globals::matchState().Team1 == team1 &&
                                                 Globals::matchState().Team2 == team2;
                               }},
                              seen);
        frame.findChild<QAction *>(u"mnu2Human"_s)->trigger();
        QCOMPARE(*seen, (QStringList{u"frmTeamMode"_s, u"frmToss"_s}));
        QVERIFY(teamsAsLeft);
        // Heads called, tails came: England, in Team1 now, won and bats again.
        QCOMPARE(Globals::matchState().Team1, team1);
        QCOMPARE(designTimeFigures(), freshFigures);
        QCOMPARE(MatchWindows::InningsWindows(1)->windowTitle(), u"England - 1st Innings"_s);
        OverChecker second(script);
        for (int n = 0; n < 12; ++n) {
            Over over;
            over.face = faces[n % 10];
            over.split = 5 - n % 5;
            over.kind = 12 - n % 12;
            over.dismissedBalls = 6 - n % 6;
            over.extrasDraw = 20 - n;
            over.wantOut = n % 3 == 1;
            second.play(over);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"second match, over %1"_s.arg(n + 1)));
        }
    }

    void matchDrawnWhenTheFiveDaysRunOut()
    {
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
        mdiMain frame;
        frame.show();

        ScriptedRandom script{1};
        auto seen = std::make_shared<QStringList>();
        // Tails on heads: Australia wins the toss and bowls, so England bats first.
        answerTeamModeAndToss({false, false}, seen);
        frame.mnu2Human_Click();
        QCOMPARE(Globals::matchState().Team1.Name.trimmed(), u"England"_s);

        OverChecker checker(script);
        const int faces[] = {2, 1, 4, 3, 6, 5, 2, 4, 1, 6, 3, 5};
        int appeal = 0;
        for (int n = 0; !checker.matchOver() && n < 500; ++n) {
            const MatchState &state = Globals::matchState();
            Over over;
            over.face = faces[n % 12];
            // Only batsmen who can survive an appeal face one, so the wickets stay few.
            if (over.face == 5 && state.battingSide().BatAverage[state.Striker] < 10)
                over.face = 4;
            over.split = (n * 3) % 5 + 1;
            over.wantOut = over.face == 5 && appeal++ % 3 == 2;
            over.extrasDraw = (n * 7) % 20 + 1;
            over.kind = (n * 5) % 12 + 1;
            over.dismissedBalls = n % 6 + 1;
            checker.play(over);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"after over %1"_s.arg(checker.overs())));
        }
        QVERIFY(checker.matchOver());
        QCOMPARE(checker.overs(), 450);
        QVERIFY(Globals::matchState().TimeUp);
        QVERIFY(Globals::matchState().CurrentInnings <= 4);
        closeTheResult(frame);
    }
};

QTEST_MAIN(tst_MenuMatch)
#include "tst_menumatch.moc"
