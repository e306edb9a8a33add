// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/players/PlayerFile.h"
#include "ui/common/ColourFromBgr.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/selection/frmTeamSelection.h"

#include "TestSupport.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {
// Records 2..14 of the player file, all Australians but Sam Kane: name, batting, bowling.
const QString Players = u"Kevin Robert Dunmore,45,0;Ann Marie Lee,38,30;Jo Ng,52,0;Bob Adams,21,25;"
                        "Carl Brown,33,40;Dan Clark,12,22;Ed Davis,8,28;Fred Evans,27,0;"
                        "Gus Fox,30,35;Hal Green,15,26;Ian Hill,40,0;"
                        "Bartholomew Fitzwilliam-Cholmondeley,60,50;Sam Kane,99,5"_s;
const QString Listed = u"B Adams 21 25|C Brown 33 40|D Clark 12 22|E Davis 8 28|KR Dunmore 45 0|"
                       "F Evans 27 0|B Fitzwilliam-Cholmondeley 60 50|G Fox 30 35|H Green 15 26|"
                       "I Hill 40 0|AM Lee 38 30"_s;

void writePlayers(const QString &players)
{
    QFile::remove(u"Basic.kdt"_s); // the new file replaces any earlier one
    QVERIFY(PlayerFile().CreateEmpty().ok());
    for (const QString &player : players.split(u';')) {
        const QStringList field = player.split(u',');
        PlayerRecord record;
        record.PlayerName = field[0], record.BattingAverage = quint8(field[1].toInt());
        record.Country = field[0] == u"Sam Kane" ? u"England" : u"Australia";
        record.BowlingAverage = quint8(field[2].toInt());
        QVERIFY(PlayerFile().AppendRecord(record).ok());
    }
}
} // namespace

class tst_TeamSelection : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::array<Side, 2> m_sides;
    std::unique_ptr<frmTeamSelection> m_window;

    template <typename T = QLabel>
    T *control(const QString &name, int index = -1) const
    {
        return m_window->findChild<T *>(index < 0 ? name : name + u'_' + QString::number(index));
    }
    QListWidget *list(int tab) const { return control<QListWidget>(u"lstPlayers"_s, tab); }
    QString rows(int tab) const // "name bat bowl|...|Total bat bowl", as in Listed
    {
        QStringList rows;
        for (int r = 0; r < 12; ++r)
            rows << (r < 11 ? control(u"lblPlayer"_s, r + 11 * tab)->text() : u"Total"_s) + u' ' +
                        control(u"lblBat"_s, r + 12 * tab)->text() + u' ' +
                        control(u"lblBowl"_s, r + 12 * tab)->text();
        return rows.join(u'|');
    }
    QString nextCountry(int tab)
    {
        QTest::keyClick(control<QComboBox>(u"cboTeams"_s, tab), Qt::Key_Down);
        return control<QComboBox>(u"cboTeams"_s, tab)->currentText();
    }
    void doubleClickEntry(int tab, int row)
    {
        control<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(tab);
        const QPoint centre = list(tab)->visualItemRect(list(tab)->item(row)).center();
        QTest::mouseClick(list(tab)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list(tab)->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }
    void init()
    {
        QFile::remove(u"Basic.kdt"_s);
        m_sides = inBuiltSides();
        (m_window = std::make_unique<frmTeamSelection>(m_sides))->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void picksBothElevensIntoTheSides()
    {
        writePlayers(Players);
        auto *ok = control<QPushButton>(u"cmdOk"_s);
        QVERIFY(ok->isDefault() && !ok->isEnabled());
        auto *tabs = control<QTabWidget>(u"SSTab1"_s);
        tabs->setCurrentIndex(1);
        for (int row = 0; row < 12; ++row) // the second tab's, numbered on from the first's
            QVERIFY(control(u"lblBat"_s, row + 12)->mapTo(tabs, QPoint()) ==
                        twipsPoint(6600, row < 11 ? 1200 + 240 * row : 3840) &&
                    backColour(control(u"lblBat"_s, row + 12)) ==
                        colourFromBgr(row % 2 && row < 11 ? 0x80FFFF : 0xC0FFFF));
        QCOMPARE(nextCountry(0) + u'/' + nextCountry(1), u"Australia/Australia"_s);
        QCOMPARE(list(0)->item(0)->text(), u"Adams, Bob "_s + QString(50, u' ') + u"5"_s);
        m_window->lstPlayers_DblClick(0); // nothing selected yet
        for (int row : {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9})
            doubleClickEntry(0, row);
        const QString first = rows(0);
        QCOMPARE(first, u"B Adams 21 25|"_s + Listed.section(u'|', 0, 9) + u"|Total 312 126"_s);
        QVERIFY(!list(0)->isEnabled() && !ok->isEnabled());

        // A complete tab keeps its eleven and totals whatever its country and list say.
        QCOMPARE(nextCountry(0), u"England"_s);
        list(0)->setCurrentRow(0);
        m_window->lstPlayers_DblClick(0);
        QCOMPARE(rows(0), first);
        QCOMPARE(m_sides, inBuiltSides()); // nothing is written before both are complete
        for (int row = 0; row < 11; ++row)
            doubleClickEntry(1, row);
        QCOMPARE(rows(1), Listed + u"|Total 329 131"_s);
        const TeamRecord &batFirst = m_sides[0].team, &second = m_sides[1].team;
        QCOMPARE(batFirst.Name.trimmed(), u"England"_s);
        QCOMPARE(second.Name.trimmed(), u"Australia"_s);
        QCOMPARE(batFirst.Players[2].trimmed(), u"B Adams"_s);
        QCOMPARE(second.Players[11].trimmed(), u"AM Lee"_s);
        QCOMPARE(second.Players[7].text(), u"B Fitzwilliam-Cholmo"_s); // cut, shown whole
        QCOMPARE(second.BatAverage[7], 60);
        // Each pick remembers its record and full name; colours stay the side's.
        QCOMPARE(m_sides[1].origins[7],
                 (PlayerOrigin{13, u"Bartholomew Fitzwilliam-Cholmondeley"_s}));
        QCOMPARE(m_sides[0].origins[1], (PlayerOrigin{5, u"Bob Adams"_s}));
        QCOMPARE(second.BackColour, inBuiltSides()[1].team.BackColour);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
    }

    void damagedFilesAreReportedAndNothingIsPicked_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("missing") << 0;
        QTest::newRow("cut after listing") << 1;
        QTest::newRow("replaced after listing") << 2;
    }
    void damagedFilesAreReportedAndNothingIsPicked()
    {
        QFETCH(int, damage);
        if (damage > 0)
            writePlayers(Players.section(u';', 0, 2));
        QString message;
        whenModalShown([&message](QWidget *box) {
            message = static_cast<QMessageBox *>(box)->text(), static_cast<QDialog *>(box)->done(0);
        });
        nextCountry(0);
        if (damage == 1)
            QVERIFY(QFile(u"Basic.kdt"_s).resize(3 * PlayerFile::RecordSize));
        if (damage == 2)
            writePlayers(Players.section(u';', 3, 5));
        if (damage > 0)
            doubleClickEntry(0, 2);
        QVERIFY(QTest::qWaitFor([&message] { return !message.isEmpty(); }));
        QVERIFY(message.contains(damage ? u"could not be read from the player database (record 4)"_s
                                        : u"does not exist yet"_s) &&
                message.contains(u"(Data menu) creates the file"_s) == !damage);
        QCOMPARE(QFile::exists(u"Basic.kdt"_s), damage > 0);
        QCOMPARE(m_sides, inBuiltSides());
    }

    void teamModeChooseOpensTeamSelectionWhichOnlyEndsTheProgram()
    {
        EndProgramObserver observer;
        QString seen;
        whenModalShown([&seen](QWidget *mode) {
            seen = mode->findChild<QLabel *>(u"Label1"_s)->text();
            whenModalShown([&seen, mode = QPointer<QWidget>(mode)](QWidget *selection) {
                seen += u'|' + selection->windowTitle() + // team mode gone, no close button
                        QString::number(!mode &&
                                        !(selection->windowFlags() & Qt::WindowCloseButtonHint));
                QTest::keyClick(selection, Qt::Key_Return); // Ok is disabled: nothing happens
                selection->close();
                QTest::keyClick(selection, Qt::Key_Escape);
                QTest::mouseClick(selection->findChild<QWidget *>(u"cmdCancel"_s), Qt::LeftButton);
                static_cast<QDialog *>(selection)->done(0);
            });
            QTest::mouseClick(mode->findChild<QPushButton *>(u"cmdChoose"_s), Qt::LeftButton);
        });
        std::array<Side, 2> sides;
        QCOMPARE(frmTeamMode::showModal(nullptr, sides), std::optional<TeamSource>()); // ended
        QCOMPARE(seen,
                 u"Would you like to the use the in-built teams or choose teams and players from "
                 "the database?  If you use the in-built teams, no statistics will be recorded "
                 "for the match.|Team Selection1"_s);
        QCOMPARE(observer.calls(), 3); // closing, Esc and Cancel
    }
};

QTEST_MAIN(tst_TeamSelection)
#include "tst_teamselection.moc"
