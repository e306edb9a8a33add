// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "PlayerFileTest.h"
#include "Tables.h"
#include "TestSupport.h"
#include "ui/common/Fonts.h"
#include "ui/database/frmAddPlayers.h"
#include "ui/database/frmPlayers.h"

#include <QtTest>
#include <QtWidgets>

namespace {
const QStringList EntryBoxes = {u"txtName"_s, u"cboCountry"_s, u"txtBatting"_s, u"txtBowling"_s};

// "name|country|batting|bowling" as the add window's boxes show it.
QString entry(const QWidget *add)
{
    QStringList shown;
    for (const QString &name : EntryBoxes)
        shown
            << find(add, name)->property(name == u"cboCountry" ? "currentText" : "text").toString();
    return shown.join(u'|');
}

void enter(const QWidget *add, const QString &entry)
{
    for (int i = 0; i < 4; ++i)
        find(add, EntryBoxes[i])
            ->setProperty(i == 1 ? "currentText" : "text", entry.section(u'|', i, i));
}

void clickAdd(const QWidget *window, const QString &typed = {})
{
    if (!typed.isEmpty())
        enter(window, typed);
    click(window, u"cmdAdd"_s);
}

} // namespace

class tst_DatabaseWindows : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init() { m_dir.emplace(); } // the last test's goes first

    // Each refusal has its message, in the order the entry is checked; nothing is written and
    // the entry stays, as checked, for the user to mend.
    void addWindowRefusesWithAMessageAndKeepsTheEntry()
    {
        PlayerDatabase players; // no player file yet
        frmAddPlayers window(players);
        window.Form_Load();
        ModalDriver modals;
        for (const QString &typed : {u" Al ||x|x"_s, u"Ann\tLee||x|x"_s, u"Ann Lee||x|x"_s,
                                     u"Ann Lee|India|1e3|0"_s, u"Ann Lee|India|2.5|256"_s})
            clickAdd(&window, typed);
        QCOMPARE(entry(&window), u"Ann Lee|India|3|256"_s);
        clickAdd(&window, u"Ann Lee|India|40|0"_s);
        QVERIFY(!QFile::exists(FileName));
        QVERIFY(writeFile(fileOf(QList<PlayerRecord>(PlayerFile::MaxRecords - 1, {})))); // full
        const qint64 full = QFileInfo(FileName).size();
        clickAdd(&window);
        QCOMPARE(modals.seen, (QStringList{u"Name To Short"_s, u"Invalid Player Name"_s,
                                           u"No Country Selected"_s, u"Invalid Batting Average"_s,
                                           u"Invalid Bowling Average"_s, u"Player Not Added"_s,
                                           u"Database Full"_s}));
        QVERIFY2(modals.texts.value(5).contains(u"exists (error 53)."_s),
                 qPrintable(modals.texts.value(5)));
        QVERIFY2(modals.texts.value(6).contains(u"holds 32766 players,"_s),
                 qPrintable(modals.texts.value(6)));
        QCOMPARE(entry(&window), u"Ann Lee|India|40|0"_s);
        QCOMPARE(QFileInfo(FileName).size(), full);
    }

    // Mended fault: a player file appearing while "not found" shows was cut to a header.
    void playersWindowKeepsAFileThatAppearsWhileNotFoundIsShown()
    {
        const QByteArray restored = fileOf({player(u"Ann Lee", u"India")});
        ModalDriver modals;
        modals.act = [&restored](QWidget *box) {
            QVERIFY(writeFile(restored));
            ModalDriver::close(box);
        };
        PlayerDatabase players;
        frmPlayers window(players);
        QVERIFY(window.Form_Load());
        QCOMPARE(fileBytes(), restored);
        QCOMPARE(caption(&window, u"lblIndia"_s), u"1"_s);
    }

    // A damaged file is counted by whole records, and the user is told what the next add does.
    // Mended fault: a file shorter than a record got no warning before its header was written.
    void playersWindowWarnsOfADamagedFile_data() { addRows(u"damagedplayers"_s); }
    void playersWindowWarnsOfADamagedFile()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, warning);
        QVERIFY(QFile::copy(QFINDTESTDATA(u"../data/players/"_s + fixture + u".kdt"_s), FileName));
        QWidget frame; // the notice is centred on it, not on the window not yet shown
        frame.setGeometry(300, 200, 400, 300);
        frame.show();
        ModalDriver modals;
        PlayerDatabase players;
        frmPlayers window(players, &frame);
        QVERIFY(window.Form_Load());
        QVERIFY((modals.places.value(0).center() - frame.geometry().center()).manhattanLength() <
                8);
        QCOMPARE(modals.seen, QStringList{u"Basic Players Database is damaged"_s});
        QVERIFY2(modals.texts.value(0).contains(warning), qPrintable(modals.texts.value(0)));
        QTEST(caption(&window, u"lblTotal"_s), "total");
    }

    // Enter adds the player as typed and clears the entry.
    // Mended fault: the counts were not refreshed after adding; closing the add window counts
    // again.
    void playersWindowAddsThroughTheAddWindow()
    {
        QVERIFY(writeFile(fileOf({player(u"Ann Lee", u"England")})));
        PlayerDatabase players;
        frmPlayers window(players);
        QVERIFY(window.Form_Load());
        ModalDriver modals;
        QString cleared;
        modals.act = [&cleared](QWidget *add) {
            enter(add, u" Zo\u00eb \u20ac |India|2.5|0"_s);
            add->findChild<QCheckBox *>(u"chkCaptain"_s)->setChecked(true);
            QTest::keyClick(add->findChild<QWidget *>(u"txtBowling"_s), Qt::Key_Return);
            cleared = entry(add);
            clickAdd(add, u"Raj Rao|India|40|0"_s);
            add->close();
        };
        clickAdd(&window);
        QCOMPARE(cleared, u"|India||"_s);
        QCOMPARE(PlayerFile().ReadRecord(3).value,
                 player(u"Zo\u00eb \u20ac", u"India", 3, 0, true));
        QCOMPARE(caption(&window, u"lblTotal"_s), u"3"_s);
        QCOMPARE(caption(&window, u"lblIndia"_s), u"2"_s);
    }

    // Find Player asks for part of a name and lists every player holding it, in file order.
    void findPlayerListsThePlayersNamed_data() { addRows(u"findplayer"_s); }
    void findPlayerListsThePlayersNamed()
    {
        QFETCH(QString, typed);
        QVERIFY(
            writeFile(fileOf({player(u"Ann Lee", u"India"), player(u"Bob Kane", u"England", 33, 25),
                              player(u"Kim Fleece", u"England", 12, 30)})));
        PlayerDatabase players;
        frmPlayers window(players);
        QVERIFY(window.Form_Load());
        if (QByteArray(QTest::currentDataTag()) == "file gone")
            QVERIFY(QFile::remove(FileName));
        ModalDriver modals;
        QStringList shown;
        modals.act = [&](QWidget *modal) {
            if (modal->objectName() == u"dlgFindPlayer") {
                QTest::keyClicks(modal->findChild<QLineEdit *>(), typed);
                return QTest::keyClick(modal->findChild<QLineEdit *>(), Qt::Key_Return);
            }
            if (auto *list = modal->findChild<QListWidget *>(u"lstFound"_s)) {
                shown << modal->findChild<QLabel *>(u"lblFound"_s)->text();
                for (int row = 0; row < list->count(); ++row)
                    shown << list->item(row)->text();
            }
            ModalDriver::close(modal);
        };
        QTest::mouseClick(window.findChild<QWidget *>(u"cmdFind"_s), Qt::LeftButton);
        QCOMPARE(modals.seen.value(0), u"dlgFindPlayer"_s);
        QTEST(modals.seen.value(1), "answer");
        QTEST(shown + modals.texts, "shown");
    }
};

QTEST_MAIN(tst_DatabaseWindows)
#include "tst_databasewindows.moc"
