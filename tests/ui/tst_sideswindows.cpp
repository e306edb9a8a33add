// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/MatchStore.h"
#include "ui/selection/frmNewSide.h"

#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"

#include <QLineEdit>

// Sides picked once in New Side, then played against each other from team mode.
class tst_SidesWindows : public QObject
{
    Q_OBJECT

    // Picks the eleven of New Side by `key`, checking Save as the name changes; saves as `name`.
    static void newSide(SideStore &sides, int key, const QString &name)
    {
        frmNewSide window(sides);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *save = find<QPushButton>(&window, u"cmdSaveSide"_s);
        auto *txtName = find<QLineEdit>(&window, u"txtSideName"_s);
        QTest::keyClick(find(&window, u"cboTeams_0"_s), Qt::Key_Down); // Australia
        QCOMPARE(txtName->text(), u"Australia"_s);
        pickByKey(&window, 0, 10, key);
        QVERIFY(!save->isEnabled());
        pickByKey(&window, 0, 1, key);
        QVERIFY(save->isEnabled());
        for (const QString &refused : {u"australia (in-built)"_s, u" "_s, u"kent"_s}) {
            txtName->clear();
            QTest::keyClicks(txtName, refused);
            QCOMPARE(save->isEnabled(), refused == u"kent" && name == u"Kent");
        }
        txtName->clear();
        QTest::keyClicks(txtName, name);
        QTest::keyClick(txtName, Qt::Key_Return);
        QVERIFY(window.savedId() > 0);
    }

private slots:
    void savedSidesPickedByKeysPlayEachOther()
    {
        CurrentTempDir dir;
        QVERIFY(writeNumberedPlayers(10, 21));
        ScriptedRandom die{1}; // the coin: the side calling heads wins
        auto frame = shownFrame(dir.dir.filePath(u"stumpwell.sqlite"_s), &die);
        frame->openMatchStore();
        SideStore sides(*frame->session().store());
        newSide(sides, Qt::Key_Space, u"Kent"_s);
        newSide(sides, Qt::Key_Enter, u"Surrey"_s);

        ModalDriver modals([](QWidget *modal) {
            if (modal->objectName() == u"frmTeamMode")
                return click(modal, u"cmdSaved"_s);
            if (modal->objectName() == u"frmChooseSides")
                return click(modal, u"cmdPlaySides"_s);
            answerMatchStart(modal);
        });
        trigger(frame.get(), u"mnu2Human"_s);
        const MatchStore::Entry stored = frame->session().store()->history().value(0);
        QCOMPARE(QStringList({stored.team1, stored.team2}).join(u" v "_s), u"Surrey v Kent"_s);
        QCOMPARE(frame->session().match().log().setup.source, TeamSource::PlayerFile);
    }
};

QTEST_MAIN(tst_SidesWindows)
#include "tst_sideswindows.moc"
