// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/match/frmResult.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

// Closing the program never loses the match: the next start offers it back as it stood.
class tst_Resume : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }

    std::unique_ptr<mdiMain> frame()
    {
        auto frame = std::make_unique<mdiMain>();
        frame->setStorePath(storePath());
        frame->setRandomSource(&m_die);
        frame->show();
        return frame;
    }
    // Opens the store of a new frame, answering its question (if one comes) with `answer`.
    std::unique_ptr<mdiMain> reopen(QMessageBox::StandardButton answer, QStringList *asked)
    {
        auto next = frame();
        whenModalShown(
            [=](QWidget *modal) {
                auto *box = static_cast<QMessageBox *>(modal);
                *asked << box->text() << box->informativeText();
                if (box->defaultButton())
                    *asked << box->defaultButton()->text();
                box->done(answer);
            },
            2000);
        next->openMatchStore();
        return next;
    }
    void takeWickets(mdiMain &frame, int wickets)
    {
        for (int w = 0; w < wickets; ++w) {
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
            pressRoll(frame);
        }
    }
    QStringList statuses() const
    {
        QStringList found;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"look"_s);
            db.setDatabaseName(storePath());
            db.open();
            QSqlQuery query(u"SELECT status FROM matches ORDER BY id"_s, db);
            while (query.next())
                found << query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(u"look"_s);
        return found;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_die = ScriptedRandom{1}; // the coin: the side calling heads wins and bats
    }

    void resumedMatchShowsWhatWasOnScreen()
    {
        QStringList before, asked;
        {
            auto first = frame();
            first->openMatchStore();
            startInBuiltMatch(*first);
            takeWickets(*first, 10);
            m_die.push({2, 1, 3});
            pressRoll(*first);
            pressRoll(*first);
            before = screenOf(*first);
        } // the program ends with the match in progress
        auto second = reopen(QMessageBox::Yes, &asked);
        QCOMPARE(asked,
                 (QStringList{u"Resume the match in progress?"_s,
                              u"England v Australia: day 1, 10:48a, 3 (0 wickets)"_s, u"&Yes"_s}));
        QCOMPARE(screenOf(*second), before);
        QWidget *focus = second->focusWidget(); // the window itself is not active offscreen
        QVERIFY(focus);
        QCOMPARE(focus, second->matchWindows().innings(2)->findChild<QWidget *>(u"txtRoll"_s));
        m_die.push(4); // play goes on where it stopped
        pressRoll(*second);
        QCOMPARE(second->match().log().overs(), 13);
    }

    void resultNotYetAcceptedComesBackAndOkFinishesTheMatch()
    {
        {
            auto first = frame();
            first->openMatchStore();
            startInBuiltMatch(*first);
            takeWickets(*first, 40);
            QVERIFY(first->matchWindows().isResultOpen());
        }
        QStringList asked;
        auto second = reopen(QMessageBox::Yes, &asked);
        QCOMPARE(asked.value(1), u"England v Australia: day 1, 1:20p, 0 (10 wickets)"_s);
        frmResult *result = second->matchWindows().result();
        QVERIFY(result->isVisible());
        auto *ok = result->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(!ok->isEnabled());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(statuses(), QStringList{u"finished"_s});
    }

    void noLeavesTheMatchInProgressAndTheFrameEmpty()
    {
        {
            auto first = frame();
            first->openMatchStore();
            startInBuiltMatch(*first);
        }
        QStringList asked;
        auto second = reopen(QMessageBox::No, &asked);
        QCOMPARE(asked.value(0), u"Resume the match in progress?"_s);
        QVERIFY(second->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(second->match().currentInnings(), 0);
        QCOMPARE(statuses(), QStringList{u"in progress"_s});
    }

    void newMatchOverOneInProgressKeepsItAbandoned()
    {
        auto first = frame();
        first->openMatchStore();
        startInBuiltMatch(*first);
        whenModalShown([](QWidget *question) {
            answerMatchStart();
            static_cast<QMessageBox *>(question)->button(QMessageBox::Yes)->click();
        });
        m_die.push(1);
        first->findChild<QAction *>(u"mnu2Human"_s)->trigger();
        QCOMPARE(statuses(), (QStringList{u"abandoned"_s, u"in progress"_s}));
    }

    void logThatDoesNotReplayIsMarkedDamagedAndNotShown()
    {
        {
            auto first = frame();
            first->openMatchStore();
            startInBuiltMatch(*first);
            m_die.push({2, 2, 2, 2});
            for (int over = 0; over < 4; ++over)
                pressRoll(*first);
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
            db.setDatabaseName(storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(u"UPDATE overs SET face = 9 WHERE number = 3"_s));
        }
        QSqlDatabase::removeDatabase(u"damage"_s);
        QStringList asked;
        auto second = reopen(QMessageBox::Ok, &asked);
        QCOMPARE(asked.value(0),
                 u"The saved match could not be resumed: over 4 has a die face of 9."_s);
        QVERIFY(asked.value(1).contains(QDir::toNativeSeparators(storePath())));
        QVERIFY(second->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(statuses(), QStringList{u"damaged"_s});
    }

    void secondCopySaysItDoesNotSave()
    {
        auto first = frame();
        first->openMatchStore();
        QStringList told;
        auto second = reopen(QMessageBox::Ok, &told);
        QVERIFY(QTest::qWaitFor([&] { return !told.isEmpty(); }));
        QVERIFY(told.value(0).startsWith(u"Another copy of Stumpwell is using the match store"_s));
        QCOMPARE(second->windowTitle(), u"Stumpwell (not saving)"_s);
        QCOMPARE(first->windowTitle(), u"Stumpwell"_s);
    }
};

QTEST_MAIN(tst_Resume)
#include "tst_resume.moc"
