// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/players/PlayerListEntry.h"
#include "core/store/MatchStore.h"
#include "ui/selection/frmNewSide.h"
#include "ui/selection/frmTeamSelection.h"

#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"
#include "Tables.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// Records 2..13 of the player file: name, batting, bowling; the last is English.
const QString Players = u"Kevin Robert Dunmore,45,0;Ann Marie Lee,38,30;Jo Ng,52,0;Bob Adams,21,25;"
                        "Carl Brown,33,40;Dan Clark,12,22;Ed Davis,8,28;Fred Evans,27,0;"
                        "Gus Fox,30,35;Hal Green,15,26;Bartholomew Fitzwilliam-Cholmondeley,60,50;"
                        "Sam Kane,99,5"_s;

void writePlayers(const QString &players)
{
    QList<PlayerRecord> records;
    for (const QString &player : players.split(u';')) {
        const QStringList field = player.split(u',');
        records << ::player(field[0], field[0] == u"Sam Kane" ? u"England" : u"Australia",
                            field[1].toInt(), field[2].toInt());
    }
    QVERIFY(writeFile(fileOf(records)));
}

// Picks the eleven of New Side by `key`, checking Save as the name changes; saves as `name`.
void newSide(SideStore &sides, int key, const QString &name)
{
    PlayerDatabase players;
    frmNewSide window(sides, players);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *save = find<QPushButton>(&window, u"cmdSaveSide"_s);
    auto *txtName = find<QLineEdit>(&window, u"txtSideName"_s);
    QTest::keyClick(find(&window, u"cboTeams_0"_s), Qt::Key_Down); // Australia
    QCOMPARE(txtName->text(), u"Australia"_s);
    QCOMPARE(find<QLabel>(&window, u"lblTotals"_s)->text(), u"Totals: all 11 bat, best 5 bowl"_s);
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
} // namespace

class tst_TeamSelection : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    std::array<Side, 2> m_sides;
    PlayerDatabase m_players;
    std::unique_ptr<frmTeamSelection> m_window;

    template <typename T = QLabel>
    T *control(const char *name, int index) const
    {
        return m_window->findChild<T *>(QLatin1String(name) + u'_' + QString::number(index));
    }
    void chooseCountry(int tab, int downs)
    {
        for (int down = 0; down < downs; ++down)
            QTest::keyClick(control<QComboBox>("cboTeams", tab), Qt::Key_Down);
    }
    void doubleClickEntry(int tab, int row)
    {
        m_window->findChild<QTabWidget *>()->setCurrentIndex(tab);
        QListWidget *list = control<QListWidget>("lstPlayers", tab);
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void init()
    {
        m_dir.emplace();
        m_sides = inBuiltSides();
        m_window = std::make_unique<frmTeamSelection>(m_sides, m_players);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Picks go in batting order, repeats allowed; a complete tab keeps its eleven whatever its
    // country, and the sides change only when both tabs are complete.
    void picksBothElevensIntoTheSides()
    {
        writePlayers(Players);
        auto *ok = m_window->findChild<QPushButton *>(u"cmdOk"_s);
        chooseCountry(0, 1); // Australia
        chooseCountry(1, 1);
        m_window->lstPlayers_DblClick(0); // nothing selected yet
        for (int row : {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9})
            doubleClickEntry(0, row);
        QCOMPARE(control("lblPlayer", 0)->text(), u"B Adams"_s); // the list is by surname
        QCOMPARE(control("lblPlayer", 1)->text(), u"B Adams"_s);
        QCOMPARE(control("lblBat", 11)->text(), u"310"_s);
        QCOMPARE(control("lblBowl", 11)->text(), u"126"_s); // the best five, a non-bowler as 100
        QVERIFY(!ok->isEnabled());
        chooseCountry(0, 1); // England
        control<QListWidget>("lstPlayers", 0)->setCurrentRow(0);
        m_window->lstPlayers_DblClick(0);
        QCOMPARE(control("lblPlayer", 10)->text(), u"AM Lee"_s);
        QCOMPARE(m_sides, inBuiltSides());
        for (int row = 0; row < 11; ++row)
            doubleClickEntry(1, row);
        QCOMPARE(m_sides[0].team.Name.trimmed(), u"England"_s);
        QCOMPARE(m_sides[1].team.Players[7].text(), u"B Fitzwilliam-Cholmo"_s);
        QCOMPARE(m_sides[1].origins[7],
                 (PlayerOrigin{12, u"Bartholomew Fitzwilliam-Cholmondeley"_s}));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
    }

    // Enter and Space pick the highlighted player and never press Ok; Backspace takes one back.
    void picksByKeysAlone()
    {
        writePlayers(Players);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        chooseCountry(0, 1);
        chooseCountry(1, 1);
        pickByKey(m_window.get(), 0, 11, Qt::Key_Space);
        pickByKey(m_window.get(), 1, 10, Qt::Key_Return);
        const QStringList before = labelTexts(m_window.get());
        QTest::keyClick(control<QListWidget>("lstPlayers", 1), Qt::Key_Enter);
        auto *ok = m_window->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(ok->isEnabled() && m_window->isVisible());
        QTest::keyClick(m_window.get(), Qt::Key_Backspace);
        QCOMPARE(labelTexts(m_window.get()), before);
        QVERIFY(!ok->isEnabled() && control<QListWidget>("lstPlayers", 1)->isEnabled());
    }

    // A player added elsewhere joins his country's list in its place, and no other list.
    void aPlayerAddedElsewhereJoinsHisCountrysList()
    {
        writePlayers(Players);
        chooseCountry(0, 1); // Australia
        chooseCountry(1, 2); // England
        QVERIFY(m_players.add(player(u"Al Abbott"_s, u"Australia"_s, 10, 0)).ok());
        const auto *list = control<QListWidget>("lstPlayers", 0);
        QCOMPARE(list->count(), 12);
        QCOMPARE(list->item(0)->text(), PlayerListEntry(u"Al Abbott", 14));
        QCOMPARE(control<QListWidget>("lstPlayers", 1)->count(), 1);
    }

    void damagedFilesAreReportedAndNothingIsPicked_data() { addRows(u"damagedselection"_s); }
    void damagedFilesAreReportedAndNothingIsPicked()
    {
        QFETCH(QString, told);
        const QByteArray damage = QTest::currentDataTag();
        if (damage != "missing")
            writePlayers(Players.section(u';', 0, 2));
        ModalDriver modals;
        chooseCountry(0, 1);
        if (damage == "cut after listing")
            QVERIFY(QFile(FileName).resize(3 * PlayerFile::RecordSize));
        if (damage == "replaced after listing")
            writePlayers(Players.section(u';', 3, 5));
        if (damage != "missing")
            doubleClickEntry(0, 2);
        QVERIFY(QTest::qWaitFor([&modals] { return !modals.texts.isEmpty(); }));
        QVERIFY2(modals.texts[0].contains(told), qPrintable(modals.texts[0]));
        QCOMPARE(m_sides, inBuiltSides());
    }

    // Sides picked once in New Side, then played against each other from team mode.
    void savedSidesPickedByKeysPlayEachOther()
    {
        QVERIFY(writeNumberedPlayers(10, 21));
        ScriptedRandom die{1}; // the coin: the side calling heads wins
        auto frame = openedFrame(u"stumpwell.sqlite"_s, &die);
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

QTEST_MAIN(tst_TeamSelection)
#include "tst_teamselection.moc"
