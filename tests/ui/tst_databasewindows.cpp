// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "DatabaseTest.h"
#include "TestSupport.h"
#include "ui/common/Fonts.h"
#include "ui/database/frmAddPlayers.h"
#include "ui/database/frmPlayers.h"

namespace {
template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

const char *valueOf(const QString &name)
{
    return name == u"cboCountry" ? "currentText" : "text";
}

QString texts(const QWidget *window, const QStringList &names, QChar sep = u'|')
{
    QStringList shown;
    for (const QString &name : names)
        shown << control(window, name)->property(valueOf(name)).toString();
    return shown.join(sep);
}

const QStringList EntryBoxes = {u"txtName"_s, u"cboCountry"_s, u"txtBatting"_s, u"txtBowling"_s};
const QStringList CountLabels = {
    u"lblTotal"_s,    u"lblAustralia"_s,   u"lblEngland"_s,  u"lblIndia"_s,      u"lblNewZealand"_s,
    u"lblPakistan"_s, u"lblSouthAfrica"_s, u"lblSriLanka"_s, u"lblWestIndies"_s, u"lblZimbabwe"_s};

void enter(const QWidget *add, const QString &entry)
{
    for (int i = 0; i < 4; ++i)
        control(add, EntryBoxes[i])->setProperty(valueOf(EntryBoxes[i]), entry.section(u'|', i, i));
}

QString failed(const QString &reason)
{
    return message(u"Player Not Added"_s,
                   u"The player could not be written to the Basic Players file: "_s + reason +
                       u".  The file has not been changed, and the entry is still in the boxes."_s,
                   QMessageBox::Critical);
}
QWidget *open(frmAddPlayers &window)
{
    PlayerFile().CreateEmpty(), window.Form_Load(), window.show();
    return &window;
}
} // namespace

class tst_DatabaseWindows : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init() { m_dir.emplace(); } // the last test's goes first

    void windowsShowTheirControls()
    {
        frmAddPlayers window;
        const QWidget *add = open(window);
        const frmPlayers players;
        QCOMPARE(
            add->windowTitle() + u'|' +
                texts(add,
                      {u"Label1_0"_s, u"Label1_2"_s, u"Label2_0"_s, u"Label1_1"_s, u"Label2_1"_s,
                       u"chkCaptain"_s, u"chkWicket"_s, u"cmdAdd"_s, u"cmdClose"_s}),
            u"Adding A New Player|Name:|Country:|Batting Avg:|Bowling Avg:|Player Has:|&Captain "
            "Experience|&Wicket Keeping Experience|&Add|&Cancel"_s);
        for (const QLabel *label : add->findChildren<QLabel *>() + players.findChildren<QLabel *>())
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void addWindowWarnsInOrder()
    {
        frmAddPlayers window;
        const QWidget *add = open(window);
        ModalDriver modals;
        for (const QString &entry : {u" Al ||x|x"_s, u"Ann\tLee||x|x"_s, u"Ann Lee||x|x"_s,
                                     u"Ann Lee|India|1e3|0"_s, u"Ann Lee|India|2.5|256"_s})
            enter(add, entry), QTest::mouseClick(control(add, u"cmdAdd"_s), Qt::LeftButton);
        const QString range = u" averages must be whole numbers between 0 and 255 inclusive"_s;
        QCOMPARE(modals.messages,
                 (QStringList{
                     message(u"Name To Short"_s,
                             u"Players names must be at least 3 characters or more in length"_s),
                     message(u"Invalid Player Name"_s,
                             u"Players names can only hold letters and signs of the Windows-1252 "
                             "character set, and no control characters such as tabs.  This name "
                             "cannot be stored."_s),
                     message(u"No Country Selected"_s,
                             u"You must choose a country for this player before they can be "
                             "added to the database"_s),
                     message(u"Invalid Batting Average"_s, u"Batting"_s + range),
                     message(u"Invalid Bowling Average"_s, u"Bowling"_s + range)}));
        QVERIFY(texts(add, EntryBoxes) == u"Ann Lee|India|3|256"_s && fileBytes().size() == 132);
    }

    void addWindowTellsWhatFailedAndKeepsTheEntry_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::newRow("removed") << failed(u"the file no longer exists (error 53)"_s);
        QTest::newRow("directory") << failed(u"the file cannot be opened (a folder may stand in "
                                             "its place) (error 75)"_s);
        QTest::newRow("database full")
            << message(u"Database Full"_s,
                       u"The Basic Players file already holds 32766 players, as many as it can "
                       "hold.  This player was not added."_s);
    }
    void addWindowTellsWhatFailedAndKeepsTheEntry()
    {
        QFETCH(QString, shown);
        const QString damage = QString::fromLatin1(QTest::currentDataTag());
        frmAddPlayers window;
        const QWidget *add = open(window);
        QVERIFY(QFile::remove(FileName) && (damage != u"directory" || QDir().mkdir(FileName)));
        if (damage == u"database full") // the header and 32766 players
            QVERIFY(writeFile(fileOf(QList<PlayerRecord>(PlayerFile::MaxRecords - 1, {}))));
        const qint64 size = QFileInfo(FileName).size();
        enter(add, u"Ann Lee|India|40|0"_s);
        ModalDriver modals;
        QTest::mouseClick(control(add, u"cmdAdd"_s), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList{shown});
        QVERIFY(texts(add, EntryBoxes) == u"Ann Lee|India|40|0"_s &&
                QFileInfo(FileName).size() == size);
    }

    void playersWindowCreatesAMissingFileOnce()
    {
        ModalDriver modals;
        std::array<frmPlayers, 2> openings;
        for (frmPlayers &window : openings)
            QVERIFY(window.Form_Load() &&
                    texts(&window, CountLabels, u' ') == u"0 0 0 0 0 0 0 0 0 0"_s);
        QCOMPARE(modals.messages,
                 QStringList{message(u"Basic Players Database was not found"_s,
                                     u"The Basic Players file does not exist.  It will be created "
                                     "now will no players in it.  You will now be able to enter "
                                     "players into the Basic Players Database"_s,
                                     QMessageBox::Information)});
        QCOMPARE(fileBytes(), PlayerRecord::header().toBytes());
    }

    // A backup restored while the message is up must not be cut to a header.
    void playersWindowKeepsAFileThatAppearsWhileNotFoundIsShown()
    {
        const QByteArray restored = fileOf({player(u"Ann Lee", u"India")});
        whenModalShown([&restored](QWidget *box) {
            QVERIFY(writeFile(restored));
            static_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
        });
        frmPlayers window;
        QVERIFY(window.Form_Load());
        QCOMPARE(fileBytes(), restored);
        QCOMPARE(texts(&window, CountLabels, u' '), u"1 0 0 1 0 0 0 0 0 0"_s);
    }

    void playersWindowCountsWholeRecordsAndWarnsOfAPiece()
    {
        QVERIFY(writeFile(
            fileOf({player(u"A", u"England"), player(u"B", u"Pakistan"), player(u"C", u"England"),
                    player(u"D", u"india"), player(u"E", u"Zimbabwe"), player(u"F", u"England")}) +
            player(u"Ghost", u"India").toBytes().left(90)));
        ModalDriver modals;
        frmPlayers window;
        QVERIFY(window.Form_Load());
        QCOMPARE(modals.messages,
                 QStringList{message(u"Basic Players Database is damaged"_s,
                                     u"The Basic Players file ends with part of a record, which is "
                                     "not a whole player and is not counted.  The next player you "
                                     "add will be written in its place."_s)});
        QCOMPARE(texts(&window, CountLabels, u' '), u"6 0 3 0 0 1 0 0 0 1"_s);

        QString cleared;
        modals.act = [&cleared](QWidget *add) {
            enter(add, u" Zo\u00eb \u20ac |England|2.5|0"_s);
            control<QCheckBox>(add, u"chkCaptain"_s)->setChecked(true);
            QTest::keyClick(control(add, u"txtBowling"_s), Qt::Key_Return);
            cleared = texts(add, EntryBoxes);
            QTest::mouseClick(control(add, u"cmdClose"_s), Qt::LeftButton);
        };
        QTest::mouseClick(control(&window, u"cmdAdd"_s), Qt::LeftButton);
        QVERIFY(cleared == u"|England||"_s &&
                fileBytes().mid(7 * 132) ==
                    player(u"Zo\u00eb \u20ac", u"England", 3, 0, true).toBytes());
    }

    void playersWindowWarnsThatAShortFileGetsAHeaderFirst()
    {
        QVERIFY(writeFile(player(u"Ghost", u"India").toBytes().left(50)));
        ModalDriver modals;
        frmPlayers window;
        QVERIFY(window.Form_Load());
        QCOMPARE(
            modals.messages,
            QStringList{message(u"Basic Players Database is damaged"_s,
                                u"The Basic Players file is shorter than one record, so it "
                                "holds no player.  The next player you add will be written "
                                "after a new header that replaces what the file holds now."_s)});
    }

    void playersWindowCountsAgainWhenTheAddWindowCloses()
    {
        QVERIFY(writeFile(fileOf({player(u"Ann Lee", u"England")})));
        frmPlayers window;
        QVERIFY(window.Form_Load());
        ModalDriver modals;
        modals.act = [](QWidget *add) {
            for (const QString &name : {u"Raj Rao"_s, u"Dev Nair"_s, u"Ravi Das"_s})
                enter(add, name + u"|India|40|0"_s),
                    QTest::mouseClick(control(add, u"cmdAdd"_s), Qt::LeftButton);
            add->close();
        };
        QTest::mouseClick(control(&window, u"cmdAdd"_s), Qt::LeftButton);
        QCOMPARE(texts(&window, CountLabels, u' '), u"4 0 1 3 0 0 0 0 0 0"_s);
    }

    void playersWindowEndsTheProgramWhenTheFileCannotBeRead()
    {
        QVERIFY(QDir().mkdir(FileName));
        EndProgramObserver ending;
        ModalDriver modals;
        frmPlayers::showModal(nullptr);
        QCOMPARE(modals.messages,
                 QStringList{message(u"Fatal Error"_s,
                                     u"An error  75 has occured in Form_Load, frmPlayers.  Program "
                                     "will end.  Please report this error to the programmer"_s,
                                     QMessageBox::Critical)});
        QCOMPARE(ending.calls(), 1);
    }
};

QTEST_MAIN(tst_DatabaseWindows)
#include "tst_databasewindows.moc"
