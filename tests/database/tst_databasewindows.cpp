// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "DatabaseTest.h"
#include "TestSupport.h"
#include "common/Fonts.h"
#include "database/frmAddPlayers.h"
#include "database/frmPlayers.h"

#include <optional>

namespace {
template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

void click(const QWidget *window, const QString &name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

QString texts(const QWidget *window, const QStringList &names, QChar sep = u'|')
{
    QStringList shown;
    for (const QString &name : names)
        shown << control(window, name)
                     ->property(name == u"cboCountry" ? "currentText" : "text")
                     .toString();
    return shown.join(sep);
}

const QStringList EntryBoxes = {u"txtName"_s, u"cboCountry"_s, u"txtBatting"_s, u"txtBowling"_s};
const QStringList CountLabels = {
    u"lblTotal"_s,    u"lblAustralia"_s,   u"lblEngland"_s,  u"lblIndia"_s,      u"lblNewZealand"_s,
    u"lblPakistan"_s, u"lblSouthAfrica"_s, u"lblSriLanka"_s, u"lblWestIndies"_s, u"lblZimbabwe"_s};

void enter(const QWidget *add, const QString &entry)
{
    const QStringList in = entry.split(u'|');
    for (int i : {0, 2, 3})
        control<QLineEdit>(add, EntryBoxes[i])->setText(in[i]);
    auto *country = control<QComboBox>(add, EntryBoxes[1]);
    country->setCurrentIndex(country->findText(in[1]));
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
    PlayerFile().CreateEmpty();
    window.Form_Load();
    window.show();
    return &window;
}
} // namespace

class tst_DatabaseWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init() { m_dir.emplace(); }
    void cleanup() { m_dir.reset(); }

    void windowsShowTheirControls()
    {
        frmAddPlayers window;
        const QWidget *add = open(window);
        const frmPlayers players;
        QCOMPARE(add->windowTitle(), u"Adding A New Player"_s);
        QCOMPARE(
            texts(add, {u"Label1_0"_s, u"Label1_2"_s, u"Label2_0"_s, u"Label1_1"_s, u"Label2_1"_s,
                        u"chkCaptain"_s, u"chkWicket"_s, u"cmdAdd"_s, u"cmdClose"_s}),
            u"Name:|Country:|Batting Avg:|Bowling Avg:|Player Has:|&Captain Experience|"
            "&Wicket Keeping Experience|&Add|&Cancel"_s);
        for (const QLabel *label : add->findChildren<QLabel *>() + players.findChildren<QLabel *>())
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void addWindowWarnsInOrder()
    {
        frmAddPlayers window;
        const QWidget *add = open(window);
        ModalDriver modals;
        for (const QString &entry : {u" Al ||x|x"_s, u"Ann\tLee||x|x"_s, u"Ann Lee||x|x"_s,
                                     u"Ann Lee|India|1e3|0"_s, u"Ann Lee|India|2.5|256"_s}) {
            enter(add, entry);
            click(add, u"cmdAdd"_s);
        }
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
        QCOMPARE(texts(add, EntryBoxes), u"Ann Lee|India|3|256"_s);
        QCOMPARE(fileBytes().size(), 132);
    }

    void addWindowTellsWhatFailedAndKeepsTheEntry_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("shown");
        QTest::newRow("removed") << u"removed"_s
                                 << failed(u"the file no longer exists (error 53)"_s);
        QTest::newRow("directory") << u"directory"_s
                                   << failed(u"the file cannot be opened (a folder may stand in "
                                             "its place) (error 75)"_s);
        QTest::newRow("database full")
            << u"database full"_s
            << message(u"Database Full"_s,
                       u"The Basic Players file already holds 32766 players, as many as it can "
                       "hold.  This player was not added."_s);
    }
    void addWindowTellsWhatFailedAndKeepsTheEntry()
    {
        QFETCH(QString, damage);
        QFETCH(QString, shown);
        frmAddPlayers window;
        const QWidget *add = open(window);
        QVERIFY(QFile::remove(FileName));
        if (damage == u"directory")
            QVERIFY(QDir().mkdir(FileName));
        if (damage == u"database full") {
            QVERIFY(writeFile(fileOf(QList<PlayerRecord>(PlayerFile::MaxRecords - 2, {}))));
            QCOMPARE(PlayerFile().AppendRecord({}).value, PlayerFile::MaxRecords);
        }
        const qint64 size = QFileInfo(FileName).size();
        enter(add, u"Ann Lee|India|40|0"_s);
        ModalDriver modals;
        click(add, u"cmdAdd"_s);
        QCOMPARE(modals.messages, QStringList{shown});
        QCOMPARE(texts(add, EntryBoxes), u"Ann Lee|India|40|0"_s);
        QCOMPARE(QFileInfo(FileName).size(), size);
    }

    void playersWindowCreatesAMissingFileOnce()
    {
        ModalDriver modals;
        for (int opening = 1; opening <= 2; ++opening) {
            frmPlayers window;
            QVERIFY(window.Form_Load());
            QCOMPARE(texts(&window, CountLabels, u' '), u"0 0 0 0 0 0 0 0 0 0"_s);
        }
        QCOMPARE(modals.messages,
                 QStringList{message(u"Basic Players Database was not found"_s,
                                     u"The Basic Players file does not exist.  It will be created "
                                     "now will no players in it.  You will now be able to enter "
                                     "players into the Basic Players Database"_s,
                                     QMessageBox::Information)});
        QCOMPARE(fileBytes(), PlayerRecord::header().toBytes());
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
            click(add, u"cmdClose"_s);
        };
        click(&window, u"cmdAdd"_s);
        QCOMPARE(cleared, u"|England||"_s);
        QCOMPARE(fileBytes().mid(7 * 132),
                 player(u"Zo\u00eb \u20ac", u"England", 3, 0, true).toBytes());
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

private:
    std::optional<CurrentTempDir> m_dir;
};

QTEST_MAIN(tst_DatabaseWindows)
#include "tst_databasewindows.moc"
