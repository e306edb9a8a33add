// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

// What the frame shows when it opens a store holding a match in progress (the flows themselves
// are tst_session's).
class tst_Resume : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;

    QStringList m_asked; // each question: text, details, default button
    ModalDriver m_modals;

    void answer(QWidget *modal)
    {
        auto *box = static_cast<QMessageBox *>(modal);
        m_asked << box->text() << box->informativeText()
                << (box->defaultButton() ? box->defaultButton()->text() : QString());
        box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)->click();
    }

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }
    // A frame of its own with its store opened; questions are answered Yes.
    std::unique_ptr<mdiMain> open()
    {
        auto frame = shownFrame(storePath(), &m_die);
        frame->openMatchStore();
        return frame;
    }
    // Starts a match, plays ten wickets, a single and two, and ends the program.
    QStringList playAndClose()
    {
        auto first = open();
        m_modals.act = answerMatchStart;
        trigger(first.get(), u"mnu2Human"_s);
        m_modals.act = std::bind_front(&tst_Resume::answer, this);
        for (int w = 0; w < 10; ++w) {
            m_die.push({5, 1, 1, 6}); // the throw, then out for any average
            pressRoll(*first);
        }
        m_die.push({2, 1, 3});
        pressRoll(*first);
        pressRoll(*first);
        return screenOf(*first);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_die = ScriptedRandom{1}; // the coin: the side calling heads wins and bats
        m_asked.clear();
        m_modals.act = std::bind_front(&tst_Resume::answer, this);
    }

    void resumedMatchShowsWhatWasOnScreen()
    {
        const QStringList before = playAndClose();
        auto second = open();
        QCOMPARE(m_asked,
                 (QStringList{u"Resume the match in progress?"_s,
                              u"England v Australia: day 1, 10:48a, 3 (0 wickets)"_s, u"&Yes"_s}));
        QCOMPARE(screenOf(*second), before);
        // The frame itself is not active offscreen, so the focus is asked of it.
        QCOMPARE(second->focusWidget(), find(second->matchWindows().innings(2), u"txtRoll"_s));
    }

    void damagedMatchIsToldOfAndNotShown()
    {
        playAndClose();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            db.setDatabaseName(storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(u"UPDATE overs SET face = 9 WHERE number = 3"_s));
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        auto second = open();
        QCOMPARE(m_asked.value(0),
                 u"The saved match could not be resumed: over 4 has a die face of 9."_s);
        QVERIFY(m_asked.value(1).contains(QDir::toNativeSeparators(storePath())));
        QVERIFY(second->mdiArea()->subWindowList().isEmpty());
    }

    // Mended fault: a second copy of the game saved into the store the first was using.
    void secondCopySaysItDoesNotSave()
    {
        auto first = open();
        auto second = open();
        QVERIFY(QTest::qWaitFor([&] { return !m_asked.isEmpty(); }));
        QVERIFY(
            m_asked.value(0).startsWith(u"Another copy of Stumpwell is using the match store"_s));
        QCOMPARE(second->windowTitle(), u"Stumpwell (not saving)"_s);
        QCOMPARE(first->windowTitle(), u"Stumpwell"_s);
    }
};

QTEST_MAIN(tst_Resume)
#include "tst_resume.moc"
