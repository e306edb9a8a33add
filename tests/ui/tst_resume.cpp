// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/session/MatchSession.h"
#include "ui/match/frmResult.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Closing the program never loses the match: the next start offers it back as it stood.
class tst_Resume : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;
    QStringList m_asked; // the question at the last start: text, details, default button

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }
    // Starts a match in a frame with its store opened, plays `wickets` wickets, then
    // `more` (if any), and closes the program; what it last showed.
    QStringList playAndClose(int wickets, const std::function<void(mdiMain &)> &more = {})
    {
        auto first = shownFrame(storePath(), &m_die);
        first->openMatchStore();
        startInBuiltMatch(*first);
        for (int w = 0; w < wickets; ++w) {
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
            pressRoll(*first);
        }
        if (more)
            more(*first);
        return screenOf(*first);
    }
    // Opens the store of a new frame, answering its question (if one comes) with `answer`.
    std::unique_ptr<mdiMain> reopen(QMessageBox::StandardButton answer)
    {
        auto next = shownFrame(storePath(), &m_die);
        whenModalShown(
            [this, answer](QWidget *modal) {
                auto *box = static_cast<QMessageBox *>(modal);
                m_asked << box->text() << box->informativeText();
                if (box->defaultButton())
                    m_asked << box->defaultButton()->text();
                box->done(answer);
            },
            2000);
        next->openMatchStore();
        return next;
    }
    // Runs `statement` on the store as another program would; the matches' statuses after.
    QStringList sql(const QString &statement = {}) const
    {
        QStringList found;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"look"_s);
            db.setDatabaseName(storePath());
            db.open();
            if (!statement.isEmpty())
                QSqlQuery(db).exec(statement);
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
        m_asked.clear();
        m_die = ScriptedRandom{1}; // the coin: the side calling heads wins and bats
    }

    void resumedMatchShowsWhatWasOnScreen()
    {
        const QStringList before = playAndClose(10, [this](mdiMain &first) {
            m_die.push({2, 1, 3});
            pressRoll(first);
            pressRoll(first);
        });
        auto second = reopen(QMessageBox::Yes);
        QCOMPARE(m_asked,
                 (QStringList{u"Resume the match in progress?"_s,
                              u"England v Australia: day 1, 10:48a, 3 (0 wickets)"_s, u"&Yes"_s}));
        QCOMPARE(screenOf(*second), before);
        // The frame itself is not active offscreen, so the focus is asked of it.
        QCOMPARE(second->focusWidget(),
                 second->matchWindows().innings(2)->findChild<QWidget *>(u"txtRoll"_s));
        m_die.push(4); // play goes on where it stopped
        pressRoll(*second);
        QCOMPARE(second->session().match().log().overs(), 13);
    }

    void resultNotYetAcceptedComesBackAndOkFinishesTheMatch()
    {
        playAndClose(40);
        auto second = reopen(QMessageBox::Yes);
        QCOMPARE(m_asked.value(1), u"England v Australia: day 1, 1:20p, 0 (10 wickets)"_s);
        QVERIFY(second->matchWindows().result()->isVisible());
        auto *ok = second->matchWindows().result()->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(!ok->isEnabled());
        QVERIFY(QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(sql(), QStringList{u"finished"_s});
    }

    void noLeavesTheMatchInProgressAndTheFrameEmpty()
    {
        playAndClose(0);
        auto second = reopen(QMessageBox::No);
        QVERIFY(second->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(second->session().match().currentInnings(), 0);
        QCOMPARE(sql(), QStringList{u"in progress"_s});
    }

    void newMatchOverOneInProgressKeepsItAbandoned()
    {
        auto first = shownFrame(storePath(), &m_die);
        first->openMatchStore();
        startInBuiltMatch(*first);
        whenModalShown([](QWidget *question) {
            answerMatchStart();
            static_cast<QMessageBox *>(question)->button(QMessageBox::Yes)->click();
        });
        m_die.push(1);
        first->findChild<QAction *>(u"mnu2Human"_s)->trigger();
        QCOMPARE(sql(), (QStringList{u"abandoned"_s, u"in progress"_s}));
    }

    void logThatDoesNotReplayIsMarkedDamagedAndNotShown()
    {
        playAndClose(0, [this](mdiMain &first) {
            m_die.push({2, 2, 2, 2});
            for (int over = 0; over < 4; ++over)
                pressRoll(first);
        });
        sql(u"UPDATE overs SET face = 9 WHERE number = 3"_s);
        auto second = reopen(QMessageBox::Ok);
        QCOMPARE(m_asked.value(0),
                 u"The saved match could not be resumed: over 4 has a die face of 9."_s);
        QVERIFY(m_asked.value(1).contains(QDir::toNativeSeparators(storePath())));
        QVERIFY(second->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(sql(), QStringList{u"damaged"_s});
    }

    void secondCopySaysItDoesNotSave()
    {
        auto first = shownFrame(storePath(), &m_die);
        first->openMatchStore();
        auto second = reopen(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return !m_asked.isEmpty(); }));
        QVERIFY(
            m_asked.value(0).startsWith(u"Another copy of Stumpwell is using the match store"_s));
        QCOMPARE(second->windowTitle(), u"Stumpwell (not saving)"_s);
        QCOMPARE(first->windowTitle(), u"Stumpwell"_s);
    }
};

QTEST_MAIN(tst_Resume)
#include "tst_resume.moc"
