// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "common/Controls.h"
#include "common/Twips.h"
#include "database/PlayerFile.h"
#include "selection/frmTeamSelection.h"
#include "state/Globals.h"

#include "TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
struct Player
{
    QString name;
    QString country;
    int batting;
    int bowling;
};

// Twelve Australians; record numbers 2..13 in this order.
const QList<Player> Australians = {
    {u"Kevin Robert Dunmore"_s, u"Australia"_s, 45, 0},
    {u"Ann Marie Lee"_s, u"Australia"_s, 38, 30},
    {u"Jo Ng"_s, u"Australia"_s, 52, 0},
    {u"Bob Adams"_s, u"Australia"_s, 21, 25},
    {u"Carl Brown"_s, u"Australia"_s, 33, 40},
    {u"Dan Clark"_s, u"Australia"_s, 12, 22},
    {u"Ed Davis"_s, u"Australia"_s, 8, 28},
    {u"Fred Evans"_s, u"Australia"_s, 27, 0},
    {u"Gus Fox"_s, u"Australia"_s, 30, 35},
    {u"Hal Green"_s, u"Australia"_s, 15, 26},
    {u"Ian Hill"_s, u"Australia"_s, 40, 0},
    {u"Bartholomew Fitzwilliam-Cholmondeley"_s, u"Australia"_s, 60, 50},
};

QString entryFor(const QString &surnameAndGiven, int record)
{
    return surnameAndGiven + QString(50, u' ') + QString::number(record);
}
} // namespace

class tst_TeamSelection : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_previousDir;
    std::unique_ptr<frmTeamSelection> m_window;

    void writePlayers(const QList<Player> &players)
    {
        const PlayerFile file;
        QVERIFY(file.CreateEmpty().ok());
        for (const Player &player : players) {
            PlayerRecord record;
            record.PlayerName = player.name;
            record.Country = player.country;
            record.BattingAverage = quint8(player.batting);
            record.BowlingAverage = quint8(player.bowling);
            QVERIFY(file.AppendRecord(record).ok());
        }
    }

    frmTeamSelection *openWindow()
    {
        m_window = std::make_unique<frmTeamSelection>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return nullptr;
        return m_window.get();
    }

    template <typename T>
    T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QListWidget *list(int tab) const
    {
        return control<QListWidget>(u"lstPlayers_"_s + QString::number(tab));
    }
    QString caption(const char *array, int index) const
    {
        auto *label = control<QLabel>(QLatin1String(array) + u'_' + QString::number(index));
        return label ? label->text() : u"<missing>"_s;
    }

    void chooseCountry(int tab, const QString &country)
    {
        control<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(tab);
        auto *combo = control<QComboBox>(u"cboTeams_"_s + QString::number(tab));
        const int wanted = combo->findText(country);
        QVERIFY(wanted >= 0);
        // Through the drop-down, as a user picks: one click on the country's line.
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        QVERIFY(QTest::qWaitFor([view] { return view->isVisible(); }));
        const QModelIndex item = view->model()->index(wanted, 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        QVERIFY(QTest::qWaitFor([view] { return !view->isVisible(); }));
        QCOMPARE(combo->currentIndex(), wanted);
    }

    void doubleClickEntry(int tab, int row)
    {
        control<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(tab);
        QListWidget *players = list(tab);
        QListWidgetItem *item = players->item(row);
        QVERIFY(item);
        players->scrollToItem(item);
        const QPoint centre = players->visualItemRect(item).center();
        // A real double-click starts with a click.
        QTest::mouseClick(players->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(players->viewport(), Qt::LeftButton, {}, centre);
    }

    void doubleClickEntry(int tab, const QString &text)
    {
        const QList<QListWidgetItem *> found = list(tab)->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        doubleClickEntry(tab, list(tab)->row(found.first()));
    }

    // Picks the first eleven entries of the tab's list in list order.
    void pickFirstEleven(int tab)
    {
        for (int row = 0; row < 11; ++row)
            doubleClickEntry(tab, row);
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));

        MatchState &state = Globals::matchState();
        state = MatchState{};
        for (TeamRecord *team : {&state.Team1, &state.Team2}) {
            team->Name = u"In-built";
            team->CreaseColour = 0x0000FF;
            team->OutColour = 0x00FF00;
            team->BackColour = 0xFF0000;
            team->WaitingColour = 0x123456;
            for (std::size_t i = 0; i < team->Players.size(); ++i) {
                team->Players[i] = u"Old "_s + QString::number(i);
                team->BatAverage[i] = quint8(100 + i);
            }
        }
    }

    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_previousDir);
        delete m_dir;
        m_dir = nullptr;
    }

    void loadsWithTheDesignedControls()
    {
        QVERIFY(openWindow());
        QCOMPARE(m_window->windowTitle(), u"Team Selection"_s);
        QCOMPARE(m_window->objectName(), u"frmTeamSelection"_s);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));

        auto *tabs = control<QTabWidget>(u"SSTab1"_s);
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), u"Team &1"_s);
        QCOMPARE(tabs->tabText(1), u"Team &2"_s);

        for (int tab = 0; tab < 2; ++tab) {
            auto *combo = control<QComboBox>(u"cboTeams_"_s + QString::number(tab));
            QVERIFY(combo);
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
            QStringList countries;
            for (int i = 0; i < combo->count(); ++i)
                countries << combo->itemText(i);
            QCOMPARE(countries, (QStringList{u"Australia"_s, u"England"_s, u"India"_s,
                                             u"New Zealand"_s, u"Pakistan"_s, u"South Africa"_s,
                                             u"Sri Lanka"_s, u"West Indies"_s, u"Zimbabwe"_s}));
            QVERIFY(list(tab));
            QCOMPARE(list(tab)->count(), 0);
        }
        QCOMPARE(caption("Label1", 0), u"Team:"_s);
        QCOMPARE(caption("Label1", 3), u"Available Players:"_s);
        QCOMPARE(caption("Label2", 3), u"Players (In Batting Order):"_s);
        QCOMPARE(caption("Label2", 4), u"Bat"_s);
        QCOMPARE(caption("Label2", 5), u"Bowl"_s);
        for (int i = 0; i < 22; ++i)
            QCOMPARE(caption("lblPlayer", i), QString());
        for (int i = 0; i < 24; ++i) {
            QCOMPARE(caption("lblBat", i), u"0"_s);
            QCOMPARE(caption("lblBowl", i), u"0"_s);
        }
        for (int i = 0; i < 6; ++i)
            QVERIFY2(captionFits(control<QLabel>(u"Label2_"_s + QString::number(i))),
                     qPrintable(caption("Label2", i)));

        auto *ok = control<QPushButton>(u"cmdOk"_s);
        auto *cancel = control<QPushButton>(u"cmdCancel"_s);
        QCOMPARE(ok->text(), u"&Ok"_s);
        QVERIFY(ok->isDefault());
        QVERIFY(!ok->isEnabled());
        QCOMPARE(cancel->text(), u"&Cancel"_s);
        QCOMPARE(ok->geometry().topLeft(), twipsPoint(6360, 5040));
        QCOMPARE(cancel->geometry().topLeft(), twipsPoint(4800, 5040));
    }

    void rowsSitWhereTheTabPutsThemInTheirColours()
    {
        QVERIFY(openWindow());
        auto *tabs = control<QTabWidget>(u"SSTab1"_s);
        const QColor even = colourFromBgr(0xC0FFFF);
        const QColor odd = colourFromBgr(0x80FFFF);
        for (int tab = 0; tab < 2; ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (int row = 0; row < 11; ++row) {
                const QColor colour = row % 2 == 0 ? even : odd;
                for (const auto &[name, index, left] :
                     {std::tuple{"lblPlayer", row + 11 * tab, 3480},
                      std::tuple{"lblBat", row + 12 * tab, 6600},
                      std::tuple{"lblBowl", row + 12 * tab, 6960}}) {
                    auto *label =
                        control<QLabel>(QLatin1String(name) + u'_' + QString::number(index));
                    QVERIFY(label);
                    QCOMPARE(backColour(label), colour);
                    QCOMPARE(label->mapTo(tabs, QPoint(0, 0)), twipsPoint(left, 1200 + 240 * row));
                }
            }
            for (const char *name : {"lblBat", "lblBowl"}) {
                auto *total =
                    control<QLabel>(QLatin1String(name) + u'_' + QString::number(11 + 12 * tab));
                QCOMPARE(backColour(total), even);
                QCOMPARE(total->mapTo(tabs, QPoint(0, 0)).y(), twips(3840));
            }
            QCOMPARE(list(tab)->mapTo(tabs, QPoint(0, 0)), twipsPoint(120, 1200));
        }
    }

    void countryListsItsPlayersSortedWithTheirRecordNumbers()
    {
        writePlayers({{u"Ann Marie Lee"_s, u"India"_s, 40, 0},
                      {u"Zed Adams"_s, u"England"_s, 10, 10},
                      {u"Dunmore"_s, u" india "_s, 20, 20},
                      {u"Ann Lee"_s, u"INDIA"_s, 30, 30}});
        QVERIFY(openWindow());
        chooseCountry(1, u"India"_s);
        QCOMPARE(list(1)->count(), 3);
        QCOMPARE(list(1)->item(0)->text(), entryFor(u"Dunmore, "_s, 4));
        QCOMPARE(list(1)->item(1)->text(), entryFor(u"Lee, Ann "_s, 5));
        QCOMPARE(list(1)->item(2)->text(), entryFor(u"Lee, Ann Marie "_s, 2));
        QCOMPARE(list(0)->count(), 0);

        chooseCountry(1, u"England"_s);
        QCOMPARE(list(1)->count(), 1);
        QCOMPARE(list(1)->item(0)->text(), entryFor(u"Adams, Zed "_s, 3));
        chooseCountry(1, u"Zimbabwe"_s);
        QCOMPARE(list(1)->count(), 0);
    }

    void bothElevensArePickedIntoTheMatchRecord()
    {
        writePlayers(Australians);
        QVERIFY(openWindow());
        auto *ok = control<QPushButton>(u"cmdOk"_s);
        chooseCountry(0, u"Australia"_s);
        chooseCountry(1, u"Australia"_s);
        QCOMPARE(list(0)->count(), 12);

        // Tab 0: Dunmore twice, then Lee, Ng and eight more.
        const QList<QPair<QString, int>> order = {{u"Dunmore, Kevin Robert "_s, 2},
                                                  {u"Dunmore, Kevin Robert "_s, 2},
                                                  {u"Lee, Ann Marie "_s, 3},
                                                  {u"Ng, Jo "_s, 4},
                                                  {u"Adams, Bob "_s, 5},
                                                  {u"Brown, Carl "_s, 6},
                                                  {u"Clark, Dan "_s, 7},
                                                  {u"Davis, Ed "_s, 8},
                                                  {u"Evans, Fred "_s, 9},
                                                  {u"Fox, Gus "_s, 10},
                                                  {u"Green, Hal "_s, 11}};
        for (int i = 0; i < order.size(); ++i) {
            doubleClickEntry(0, entryFor(order[i].first, order[i].second));
            QCOMPARE(m_window->Team1Picked(), i + 1);
            QVERIFY(!ok->isEnabled());
        }
        const QStringList shortNames = {
            u"KR Dunmore"_s, u"KR Dunmore"_s, u"AM Lee"_s,  u"J Ng"_s,  u"B Adams"_s, u"C Brown"_s,
            u"D Clark"_s,    u"E Davis"_s,    u"F Evans"_s, u"G Fox"_s, u"H Green"_s};
        const QList<int> batting = {45, 45, 38, 52, 21, 33, 12, 8, 27, 30, 15};
        const QList<int> bowling = {0, 0, 30, 0, 25, 40, 22, 28, 0, 35, 26};
        MatchState &state = Globals::matchState();
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(caption("lblPlayer", row), shortNames[row]);
            QCOMPARE(caption("lblBat", row), QString::number(batting[row]));
            QCOMPARE(caption("lblBowl", row), QString::number(bowling[row]));
            QCOMPARE(state.Team1.Players[std::size_t(row + 1)].trimmed(), shortNames[row]);
            QCOMPARE(int(state.Team1.BatAverage[std::size_t(row + 1)]), batting[row]);
        }
        QVERIFY(!list(0)->isEnabled());
        QCOMPARE(caption("lblBat", 11), u"326"_s);
        // 22 + 25 + 26 + 28 + 30
        QCOMPARE(caption("lblBowl", 11), u"131"_s);
        QCOMPARE(m_window->Team2Picked(), 0);
        QCOMPARE(state.Team1.Name.trimmed(), u"In-built"_s);
        QVERIFY(!ok->isEnabled());

        // Tab 1, the same country: the first eleven in list order.
        pickFirstEleven(1);
        QCOMPARE(m_window->Team2Picked(), 11);
        QVERIFY(ok->isEnabled());
        QVERIFY(!list(1)->isEnabled());
        const QStringList secondNames = {u"B Adams"_s,
                                         u"C Brown"_s,
                                         u"D Clark"_s,
                                         u"E Davis"_s,
                                         u"KR Dunmore"_s,
                                         u"F Evans"_s,
                                         u"B Fitzwilliam-Cholmondeley"_s,
                                         u"G Fox"_s,
                                         u"H Green"_s,
                                         u"I Hill"_s,
                                         u"AM Lee"_s};
        const QList<int> secondBatting = {21, 33, 12, 8, 45, 27, 60, 30, 15, 40, 38};
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(caption("lblPlayer", row + 11), secondNames[row]);
            QCOMPARE(caption("lblBat", row + 12), QString::number(secondBatting[row]));
            QCOMPARE(int(state.Team2.BatAverage[std::size_t(row + 1)]), secondBatting[row]);
        }
        QCOMPARE(caption("lblBat", 23), u"329"_s);
        // 22 + 25 + 26 + 28 + 30
        QCOMPARE(caption("lblBowl", 23), u"131"_s);
        QCOMPARE(state.Team1.Name.trimmed(), u"Australia"_s);
        QCOMPARE(state.Team2.Name.trimmed(), u"Australia"_s);

        // Colours and the unused slot 0 are never touched.
        QCOMPARE(state.Team1.CreaseColour, 0x0000FFu);
        QCOMPARE(state.Team2.WaitingColour, 0x123456u);
        QCOMPARE(state.Team1.Players[0].trimmed(), u"Old 0"_s);
        QCOMPARE(int(state.Team2.BatAverage[0]), 100);

        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->isVisible(); }));
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
    }

    void aLongNameShowsWholeButIsStoredCut()
    {
        writePlayers(Australians);
        QVERIFY(openWindow());
        chooseCountry(1, u"Australia"_s);
        doubleClickEntry(1, entryFor(u"Fitzwilliam-Cholmondeley, Bartholomew "_s, 13));
        QCOMPARE(caption("lblPlayer", 11), u"B Fitzwilliam-Cholmondeley"_s);
        QCOMPARE(caption("lblBat", 12), u"60"_s);
        QCOMPARE(caption("lblBowl", 12), u"50"_s);
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.Team2.Players[1].text(), u"B Fitzwilliam-Cholmo"_s);
        QCOMPARE(int(state.Team2.BatAverage[1]), 60);
        // Only the first slot of team 2 changed.
        QCOMPARE(state.Team2.Players[2].trimmed(), u"Old 2"_s);
        QCOMPARE(state.Team1.Players[1].trimmed(), u"Old 1"_s);
        QCOMPARE(m_window->Team1Picked(), 0);
        QCOMPARE(caption("lblBat", 23), u"0"_s);
    }

    void aCompleteTabIgnoresPicksAndKeepsItsTotalsWhenItsCountryChanges()
    {
        QList<Player> players = Australians;
        players.append({u"Sam Kane"_s, u"England"_s, 99, 5});
        writePlayers(players);
        QVERIFY(openWindow());
        chooseCountry(0, u"Australia"_s);
        pickFirstEleven(0);
        const QString batTotal = caption("lblBat", 11);
        const QString bowlTotal = caption("lblBowl", 11);
        QCOMPARE(batTotal, u"329"_s);
        const TeamRecord before = Globals::matchState().Team1;

        doubleClickEntry(0, 11);
        m_window->lstPlayers_DblClick(0);
        QCOMPARE(m_window->Team1Picked(), 11);

        chooseCountry(0, u"England"_s);
        QCOMPARE(list(0)->count(), 1);
        QVERIFY(!list(0)->isEnabled());
        list(0)->setCurrentRow(0);
        m_window->lstPlayers_DblClick(0);
        QCOMPARE(m_window->Team1Picked(), 11);
        QCOMPARE(caption("lblBat", 11), batTotal);
        QCOMPARE(caption("lblBowl", 11), bowlTotal);
        QCOMPARE(caption("lblPlayer", 0), u"B Adams"_s);
        QVERIFY(Globals::matchState().Team1 == before);
        QVERIFY(!control<QPushButton>(u"cmdOk"_s)->isEnabled());

        // Completing the other tab stores the country now shown on each tab.
        chooseCountry(1, u"Australia"_s);
        pickFirstEleven(1);
        QCOMPARE(caption("lblBat", 11), batTotal);
        QCOMPARE(Globals::matchState().Team1.Name.trimmed(), u"England"_s);
        QCOMPARE(Globals::matchState().Team2.Name.trimmed(), u"Australia"_s);
        QVERIFY(control<QPushButton>(u"cmdOk"_s)->isEnabled());
    }

    void aDoubleClickWithNoEntrySelectedDoesNothing()
    {
        writePlayers(Australians.first(2));
        QVERIFY(openWindow());
        chooseCountry(0, u"Australia"_s);
        QCOMPARE(list(0)->count(), 2);
        QVERIFY(list(0)->selectedItems().isEmpty());
        m_window->lstPlayers_DblClick(0);
        // Below the last entry there is no item to pick.
        QTest::mouseDClick(list(0)->viewport(), Qt::LeftButton, {},
                           QPoint(10, list(0)->viewport()->height() - 5));
        QCOMPARE(m_window->Team1Picked(), 0);
        QCOMPARE(caption("lblPlayer", 0), QString());
        QCOMPARE(Globals::matchState().Team1.Players[1].trimmed(), u"Old 1"_s);
    }

    void aMissingFileIsReportedAndNotCreated()
    {
        QVERIFY(openWindow());
        QString message;
        whenModalShown([&message](QWidget *box) {
            if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
                message = messageBox->text();
                messageBox->button(QMessageBox::Ok)->click();
            }
        });
        chooseCountry(0, u"India"_s);
        QVERIFY(message.contains(u"\"Basic.kdt\""_s));
        QVERIFY(message.contains(u"does not exist"_s));
        QVERIFY(message.contains(u"Players Database"_s));
        QVERIFY(message.contains(u"Data menu"_s));
        QCOMPARE(list(0)->count(), 0);
        QVERIFY(!QFile::exists(u"Basic.kdt"_s));
    }

    void anUnreadableFileIsReported()
    {
        QVERIFY(QDir().mkdir(u"Basic.kdt"_s));
        QVERIFY(openWindow());
        QString message;
        whenModalShown([&message](QWidget *box) {
            if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
                message = messageBox->text();
                messageBox->button(QMessageBox::Ok)->click();
            }
        });
        chooseCountry(0, u"India"_s);
        QVERIFY(message.contains(u"could not be read"_s));
        QVERIFY(message.contains(u"Data menu"_s));
        QCOMPARE(list(0)->count(), 0);
    }

    void aRecordThatCanNoLongerBeReadIsNotPicked_data()
    {
        QTest::addColumn<bool>("replaceWithOther");
        QTest::newRow("file cut short") << false;
        QTest::newRow("another player in its place") << true;
    }
    void aRecordThatCanNoLongerBeReadIsNotPicked()
    {
        QFETCH(bool, replaceWithOther);
        writePlayers(Australians.first(3));
        QVERIFY(openWindow());
        chooseCountry(0, u"Australia"_s);
        QCOMPARE(list(0)->item(2)->text(), entryFor(u"Ng, Jo "_s, 4));

        if (replaceWithOther) {
            writePlayers({Australians[5], Australians[6], Australians[7]});
        } else {
            QFile file(u"Basic.kdt"_s);
            QVERIFY(file.resize(3 * PlayerFile::RecordSize));
        }
        QString message;
        whenModalShown([&message](QWidget *box) {
            if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
                message = messageBox->text();
                messageBox->button(QMessageBox::Ok)->click();
            }
        });
        doubleClickEntry(0, 2);
        QVERIFY(QTest::qWaitFor([&message] { return !message.isEmpty(); }));
        QVERIFY(message.contains(u"Ng, Jo"_s));
        QVERIFY(message.contains(u"could not be read"_s));
        QCOMPARE(m_window->Team1Picked(), 0);
        QCOMPARE(caption("lblPlayer", 0), QString());
        QCOMPARE(Globals::matchState().Team1.Players[1].trimmed(), u"Old 1"_s);
    }

    void cancelEscAndClosingEndTheProgram()
    {
        QVERIFY(openWindow());
        EndProgramObserver observer;
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QCOMPARE(observer.calls(), 1);
        QVERIFY(m_window->isVisible());

        QTest::mouseClick(control<QPushButton>(u"cmdCancel"_s), Qt::LeftButton);
        QCOMPARE(observer.calls(), 2);

        m_window.reset();
        QVERIFY(openWindow());
        m_window->close();
        QCOMPARE(observer.calls(), 3);
    }

    void enterDoesNothingUntilOkIsEnabled()
    {
        QVERIFY(openWindow());
        EndProgramObserver observer;
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        QTest::keyClick(m_window.get(), Qt::Key_Enter);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Rejected));
        QCOMPARE(observer.calls(), 0);
    }
};

QTEST_MAIN(tst_TeamSelection)
#include "tst_teamselection.moc"
