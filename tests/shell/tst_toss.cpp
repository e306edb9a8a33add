// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/InBuiltTeams.h"
#include "shell/TossRules.h"
#include "shell/frmToss.h"
#include "state/Globals.h"

#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString question = u" has won the toss.  Would you like to bat or bowl first?"_s;

template <typename T>
T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class tst_Toss : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Globals::matchState() = MatchState{};
        storeInBuiltTeams(Globals::matchState());
    }

    void layoutAndTextsBeforeTheCall()
    {
        frmToss toss;
        toss.Form_Load();
        QCOMPARE(toss.windowTitle(), u"frmToss"_s);
        QCOMPARE(toss.size(), QSize(314, 213));
        auto *lbltoss = control<QLabel>(&toss, "lbltoss");
        QCOMPARE(lbltoss->text(), u"Australia will toss the coin, England will call!"_s);
        QCOMPARE(lbltoss->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(control<QPushButton>(&toss, "cmdHeads")->text(), u"&Heads"_s);
        QCOMPARE(control<QPushButton>(&toss, "cmdTails")->text(), u"&Tails"_s);
        QCOMPARE(control<QPushButton>(&toss, "cmdBat")->text(), u"&Bat"_s);
        QCOMPARE(control<QPushButton>(&toss, "cmdBowl")->text(), u"B&owl"_s);
        QVERIFY(control<QLabel>(&toss, "lblresult")->text().isEmpty());
        QVERIFY(control<QLabel>(&toss, "lblresult")->isHidden());
        QVERIFY(control<QPushButton>(&toss, "cmdBat")->isHidden());
        QVERIFY(control<QPushButton>(&toss, "cmdBowl")->isHidden());
        QVERIFY(control<QPushButton>(&toss, "cmdHeads")->isEnabled());
        QVERIFY(control<QPushButton>(&toss, "cmdTails")->isEnabled());
        QCOMPARE(control<QPushButton>(&toss, "cmdHeads")->geometry(), QRect(64, 64, 57, 25));
        QCOMPARE(control<QLabel>(&toss, "lblresult")->geometry(), QRect(8, 104, 297, 41));
    }

    void namesAreShownTrimmed()
    {
        MatchState &state = Globals::matchState();
        state.Team1.Name = u"  West Indies  ";
        state.Team2.Name = u"New Zealand";
        ScriptedRandom coin{2};
        frmToss toss;
        toss.Form_Load();
        toss.show();
        QCOMPARE(control<QLabel>(&toss, "lbltoss")->text(),
                 u"West Indies will toss the coin, New Zealand will call!"_s);
        QTest::mouseClick(control<QPushButton>(&toss, "cmdHeads"), Qt::LeftButton);
        QCOMPARE(control<QLabel>(&toss, "lblresult")->text(),
                 u"The result was tails. West Indies"_s + question);
    }

    // The four ways a toss can end, each reached through a different call and coin.
    void outcomeTable_data()
    {
        QTest::addColumn<bool>("callHeads");
        QTest::addColumn<int>("coin");
        QTest::addColumn<bool>("bat");
        QTest::addColumn<QString>("resultText");
        QTest::addColumn<bool>("exchanged");

        QTest::newRow("tosser wins, bats")
            << false << 1 << true << u"The result was heads. Australia"_s + question << false;
        QTest::newRow("tosser wins, bowls")
            << true << 2 << false << u"The result was tails. Australia"_s + question << true;
        QTest::newRow("caller wins, bats")
            << true << 1 << true << u"The result was heads. England"_s + question << true;
        QTest::newRow("caller wins, bowls")
            << false << 2 << false << u"The result was tails. England"_s + question << false;
    }
    void outcomeTable()
    {
        QFETCH(bool, callHeads);
        QFETCH(int, coin);
        QFETCH(bool, bat);
        QFETCH(QString, resultText);
        QFETCH(bool, exchanged);

        MatchState &state = Globals::matchState();
        state.Team2.Players[7] = u"Changed Player";
        const TeamRecord tosser = state.Team1;
        const TeamRecord caller = state.Team2;

        ScriptedRandom script{coin};
        frmToss toss;
        toss.Form_Load();
        toss.show();
        QTest::mouseClick(control<QPushButton>(&toss, callHeads ? "cmdHeads" : "cmdTails"),
                          Qt::LeftButton);
        QCOMPARE(script.reseeds(), 1);
        QCOMPARE(script.ranges(), QList<int>{2});
        QVERIFY(control<QLabel>(&toss, "lblresult")->isVisible());
        QCOMPARE(control<QLabel>(&toss, "lblresult")->text(), resultText);
        QVERIFY(control<QPushButton>(&toss, "cmdBat")->isVisible());
        QVERIFY(control<QPushButton>(&toss, "cmdBowl")->isVisible());
        // Nothing changes hands before the winner chooses.
        QCOMPARE(state.Team1, tosser);

        QTest::mouseClick(control<QPushButton>(&toss, bat ? "cmdBat" : "cmdBowl"), Qt::LeftButton);
        QVERIFY(!toss.isVisible());
        QCOMPARE(toss.result(), int(QDialog::Accepted));
        // Whole records move: colours, players and averages go with their side.
        QCOMPARE(state.Team1, exchanged ? caller : tosser);
        QCOMPARE(state.Team2, exchanged ? tosser : caller);
    }

    void exchangeRuleTable()
    {
        using TossRules::Choice;
        QVERIFY(!TossRules::exchangeNeeded(false, Choice::Bat));
        QVERIFY(TossRules::exchangeNeeded(false, Choice::Bowl));
        QVERIFY(TossRules::exchangeNeeded(true, Choice::Bat));
        QVERIFY(!TossRules::exchangeNeeded(true, Choice::Bowl));
        using TossRules::Call;
        QVERIFY(TossRules::callerWon(Call::Heads, 1));
        QVERIFY(!TossRules::callerWon(Call::Heads, 2));
        QVERIFY(!TossRules::callerWon(Call::Tails, 1));
        QVERIFY(TossRules::callerWon(Call::Tails, 2));
    }

    void callButtonsAreDisabledAfterTheFlip()
    {
        ScriptedRandom script{1};
        frmToss toss;
        toss.Form_Load();
        toss.show();
        auto *heads = control<QPushButton>(&toss, "cmdHeads");
        auto *tails = control<QPushButton>(&toss, "cmdTails");
        QTest::mouseClick(tails, Qt::LeftButton);
        QVERIFY(!heads->isEnabled());
        QVERIFY(!tails->isEnabled());
        QVERIFY(heads->isVisible());
        QVERIFY(tails->isVisible());
        const QString shown = control<QLabel>(&toss, "lblresult")->text();

        // A second call would need a second draw, which the script does not have.
        QTest::mouseClick(heads, Qt::LeftButton);
        QTest::mouseClick(tails, Qt::LeftButton);
        toss.cmdHeads_Click();
        QCOMPARE(script.ranges().size(), 1);
        QCOMPARE(control<QLabel>(&toss, "lblresult")->text(), shown);
    }

    void onlyBatOrBowlCloseTheToss()
    {
        ScriptedRandom script{2};
        QVERIFY(!(frmToss().windowFlags() & Qt::WindowCloseButtonHint));
        bool openAfterEscape = false;
        bool openAfterClose = false;
        bool openAfterEscapeDecided = false;
        QString titleSeen;
        whenModalShown([&](QWidget *modal) {
            titleSeen = modal->objectName();
            QTest::keyClick(modal, Qt::Key_Escape);
            openAfterEscape = modal->isVisible();
            modal->close();
            openAfterClose = modal->isVisible();
            QTest::mouseClick(control<QPushButton>(modal, "cmdHeads"), Qt::LeftButton);
            QTest::keyClick(modal, Qt::Key_Escape);
            openAfterEscapeDecided = modal->isVisible();
            QTest::mouseClick(control<QPushButton>(modal, "cmdBowl"), Qt::LeftButton);
        });
        frmToss::showModal(nullptr);
        QCOMPARE(titleSeen, u"frmToss"_s);
        QVERIFY(openAfterEscape);
        QVERIFY(openAfterClose);
        QVERIFY(openAfterEscapeDecided);
        QVERIFY(!QApplication::activeModalWidget());
        // Heads against tails: Australia won and bowls, so England bats first.
        QCOMPARE(Globals::matchState().Team1.Name.trimmed(), u"England"_s);
    }

    void enterOnTheCallPlaysThatCall()
    {
        ScriptedRandom script{1};
        frmToss toss;
        toss.Form_Load();
        toss.show();
        QVERIFY(QTest::qWaitForWindowActive(&toss));
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(&toss, "cmdHeads"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(control<QLabel>(&toss, "lblresult")->text(),
                 u"The result was heads. England"_s + question);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(&toss, "cmdBat"));
    }
};

QTEST_MAIN(tst_Toss)
#include "tst_toss.moc"
