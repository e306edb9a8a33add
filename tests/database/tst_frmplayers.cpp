// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ModalSteps.h"
#include "TestSupport.h"
#include "common/Fonts.h"
#include "common/Twips.h"
#include "database/PlayerFile.h"
#include "database/frmPlayers.h"

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString FileName = QStringLiteral("Basic.kdt");

const QStringList CountLabels = {u"lblAustralia"_qs,  u"lblEngland"_qs,    u"lblIndia"_qs,
                                 u"lblNewZealand"_qs, u"lblPakistan"_qs,   u"lblSouthAfrica"_qs,
                                 u"lblSriLanka"_qs,   u"lblWestIndies"_qs, u"lblZimbabwe"_qs};

PlayerRecord player(QStringView name, QStringView country, int batting = 40, int bowling = 0)
{
    PlayerRecord record;
    record.PlayerName = name;
    record.Country = country;
    record.BattingAverage = quint8(batting);
    record.BowlingAverage = quint8(bowling);
    return record;
}

void writeFile(const QByteArray &bytes)
{
    QFile file(FileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileOf(const QList<PlayerRecord> &players)
{
    QByteArray bytes = PlayerRecord::header().toBytes();
    for (const PlayerRecord &record : players)
        bytes += record.toBytes();
    return bytes;
}

// What the open window shows: the total, then the nine counts in CountryNames order.
struct Shown
{
    bool opened = false;
    QString total;
    QStringList counts;
};

void readAndClose(Shown *shown, QWidget *window)
{
    shown->opened = true;
    shown->total = window->findChild<QLabel *>(u"lblTotal"_qs)->text();
    shown->counts.clear();
    for (const QString &name : CountLabels)
        shown->counts << window->findChild<QLabel *>(name)->text();
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdClose"_qs), Qt::LeftButton);
}

QStringList nineZeros()
{
    return QStringList(9, u"0"_qs);
}
} // namespace

class tst_FrmPlayers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_oldDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_oldDir);
        m_dir.reset();
    }

    void laysOutTheControls()
    {
        frmPlayers window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Players Database"));
        QCOMPARE(window.size(), twipsSize(5685, 2985));
        const auto *zimbabwe = window.findChild<QLabel *>(u"Label2_8"_qs);
        QCOMPARE(zimbabwe->text(), QStringLiteral("Zimbabwe"));
        QCOMPARE(zimbabwe->pos(), twipsPoint(360, 1920));
        QCOMPARE(window.findChild<QLabel *>(u"Label2_7"_qs)->text(), QStringLiteral("Pakistan"));
        QCOMPARE(window.findChild<QLabel *>(u"lblPakistan"_qs)->pos(), twipsPoint(4800, 1560));
        QCOMPARE(window.findChild<QLabel *>(u"lblTotal"_qs)->pos(), twipsPoint(2160, 120));
        QVERIFY(window.findChild<QPushButton *>(u"cmdAdd"_qs)->isDefault());
        QCOMPARE(window.findChild<QPushButton *>(u"cmdFind"_qs)->text(),
                 QStringLiteral("&Find Player"));
        QCOMPARE(window.findChild<QPushButton *>(u"cmdFind"_qs)->pos(), twipsPoint(1560, 2520));
        const QList<QLabel *> labels = window.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 20);
        for (const QLabel *label : labels)
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void createsAMissingFileAfterOneMessage()
    {
        EndProgramObserver ending;
        ShownMessage seen;
        Shown shown;
        whenMessage(&seen, [&shown] {
            whenWindow(u"frmPlayers"_qs, [&shown](QWidget *w) { readAndClose(&shown, w); });
        });
        frmPlayers::showModal(nullptr);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.title, QStringLiteral("Basic Players Database was not found"));
        QCOMPARE(seen.text,
                 QStringLiteral("The Basic Players file does not exist.  It will be created now "
                                "will no players in it.  You will now be able to enter players "
                                "into the Basic Players Database"));
        QVERIFY(shown.opened);
        QCOMPARE(shown.counts, nineZeros());
        QCOMPARE(shown.total, QStringLiteral("0"));
        QCOMPARE(fileBytes(FileName), PlayerRecord::header().toBytes());

        // The second time the file is there: no message, straight to the window.
        Shown again;
        whenActive([](QWidget *) { return true; },
                   [&again](QWidget *w) {
                       QCOMPARE(w->objectName(), QStringLiteral("frmPlayers"));
                       readAndClose(&again, w);
                   });
        frmPlayers::showModal(nullptr);
        QVERIFY(again.opened);
        QCOMPARE(again.counts, nineZeros());
        QCOMPARE(ending.calls(), 0);
    }

    void countsPlayersPerCountry()
    {
        QByteArray bytes =
            fileOf({player(u"A", u"England"), player(u"B", u"Pakistan"), player(u"C", u"England"),
                    player(u"D", u"india"), player(u"E", u"Zimbabwe"), player(u"F", u"England")});
        writeFile(bytes);
        Shown shown;
        whenActive([](QWidget *) { return true; },
                   [&shown](QWidget *w) { readAndClose(&shown, w); });
        frmPlayers::showModal(nullptr);
        QVERIFY(shown.opened);
        // The lower-case "india" is a player in the file but no country's.
        QCOMPARE(shown.total, QStringLiteral("6"));
        QCOMPARE(shown.counts, (QStringList{u"0"_qs, u"3"_qs, u"0"_qs, u"0"_qs, u"1"_qs, u"0"_qs,
                                            u"0"_qs, u"0"_qs, u"1"_qs}));
        QCOMPARE(fileBytes(FileName), bytes);
    }

    void warnsOnceAboutAPartialTail()
    {
        const QByteArray bytes =
            fileOf({player(u"Ann Lee", u"India")}) + player(u"Ghost", u"India").toBytes().left(90);
        writeFile(bytes);
        ShownMessage seen;
        Shown shown;
        whenMessage(&seen, [&shown] {
            whenWindow(u"frmPlayers"_qs, [&shown](QWidget *w) { readAndClose(&shown, w); });
        });
        frmPlayers::showModal(nullptr);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, QStringLiteral("Basic Players Database is damaged"));
        QVERIFY(shown.opened);
        QCOMPARE(shown.total, QStringLiteral("1"));
        QCOMPARE(shown.counts[2], QStringLiteral("1"));
        QCOMPARE(fileBytes(FileName), bytes);
    }

    void endsTheProgramWhenTheFileCannotBeRead()
    {
        QVERIFY(QDir().mkdir(FileName));
        EndProgramObserver ending;
        ShownMessage seen;
        whenMessage(&seen);
        frmPlayers::showModal(nullptr);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Fatal Error"));
        QCOMPARE(seen.text, QStringLiteral("An error  75 has occured in Form_Load, frmPlayers.  "
                                           "Program will end.  Please report this error to the "
                                           "programmer"));
        QCOMPARE(ending.calls(), 1);
        // showModal came back without showing the window.
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(QDir(FileName).isEmpty());
    }

    void countsStayUntilTheWindowIsOpenedAgain()
    {
        writeFile(fileOf({}));
        Shown during;
        whenWindow(u"frmPlayers"_qs, [&during](QWidget *players) {
            whenWindow(u"frmAddPlayers"_qs, [players, &during](QWidget *add) {
                auto *combo = add->findChild<QComboBox *>(u"cboCountry"_qs);
                combo->setCurrentIndex(combo->findText(u"England"_qs));
                const QString names[] = {u"Ann Lee"_qs, u"Bob Cole"_qs, u"Cy Dunn"_qs};
                for (const QString &name : names) {
                    add->findChild<QLineEdit *>(u"txtName"_qs)->setText(name);
                    add->findChild<QLineEdit *>(u"txtBatting"_qs)->setText(u"30"_qs);
                    add->findChild<QLineEdit *>(u"txtBowling"_qs)->setText(u"20"_qs);
                    QTest::mouseClick(add->findChild<QPushButton *>(u"cmdAdd"_qs), Qt::LeftButton);
                }
                QTest::keyClick(add, Qt::Key_Escape);
                // Back in the database window once the add window has gone.
                QTimer::singleShot(0, players,
                                   [players, &during] { readAndClose(&during, players); });
            });
            QTest::mouseClick(players->findChild<QPushButton *>(u"cmdAdd"_qs), Qt::LeftButton);
        });
        frmPlayers::showModal(nullptr);
        QVERIFY(during.opened);
        QCOMPARE(during.counts[1], QStringLiteral("0"));
        QCOMPARE(during.total, QStringLiteral("0"));
        QCOMPARE(fileBytes(FileName).size(), 4 * 132);

        Shown after;
        whenWindow(u"frmPlayers"_qs, [&after](QWidget *w) { readAndClose(&after, w); });
        frmPlayers::showModal(nullptr);
        QCOMPARE(after.counts[1], QStringLiteral("3"));
        QCOMPARE(after.total, QStringLiteral("3"));
    }

    void findsPlayersByPartOfTheName()
    {
        const QByteArray bytes =
            fileOf({player(u"Ann Lee", u"India", 40, 0), player(u"Bob Cole", u"England"),
                    player(u"Al Kleeman", u"Sri Lanka", 12, 34)});
        writeFile(bytes);
        QStringList lines;
        whenWindow(u"frmPlayers"_qs, [&lines](QWidget *players) {
            whenActive([](QWidget *w) { return qobject_cast<QInputDialog *>(w) != nullptr; },
                       [&lines](QWidget *w) {
                           auto *ask = qobject_cast<QInputDialog *>(w);
                           QCOMPARE(ask->windowTitle(), QStringLiteral("Find Player"));
                           whenWindow(u"frmFoundPlayers"_qs, [&lines](QWidget *found) {
                               auto *list = found->findChild<QListWidget *>(u"lstFound"_qs);
                               for (int i = 0; i < list->count(); ++i)
                                   lines << list->item(i)->text();
                               QTest::mouseClick(found->findChild<QPushButton *>(u"cmdOK"_qs),
                                                 Qt::LeftButton);
                           });
                           ask->setTextValue(u" LEE "_qs);
                           ask->accept();
                       });
            QTest::mouseClick(players->findChild<QPushButton *>(u"cmdFind"_qs), Qt::LeftButton);
            QTimer::singleShot(0, players, [players] {
                QTest::mouseClick(players->findChild<QPushButton *>(u"cmdClose"_qs),
                                  Qt::LeftButton);
            });
        });
        frmPlayers::showModal(nullptr);
        QCOMPARE(lines, (QStringList{u"Ann Lee, India, batting 40, bowling 0"_qs,
                                     u"Al Kleeman, Sri Lanka, batting 12, bowling 34"_qs}));
        QCOMPARE(fileBytes(FileName), bytes);
    }

    void saysWhenNoNameMatches()
    {
        const QByteArray bytes = fileOf({player(u"Ann Lee", u"India")});
        writeFile(bytes);
        ShownMessage seen;
        whenWindow(u"frmPlayers"_qs, [&seen](QWidget *players) {
            whenActive([](QWidget *w) { return qobject_cast<QInputDialog *>(w) != nullptr; },
                       [&seen](QWidget *w) {
                           auto *ask = qobject_cast<QInputDialog *>(w);
                           whenMessage(&seen);
                           ask->setTextValue(u"zz"_qs);
                           ask->accept();
                       });
            QTest::mouseClick(players->findChild<QPushButton *>(u"cmdFind"_qs), Qt::LeftButton);
            QTimer::singleShot(0, players, [players] {
                QTest::mouseClick(players->findChild<QPushButton *>(u"cmdClose"_qs),
                                  Qt::LeftButton);
            });
        });
        frmPlayers::showModal(nullptr);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.text, u"No player's name contains \u201czz\u201d."_qs);
        QCOMPARE(fileBytes(FileName), bytes);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

QTEST_MAIN(tst_FrmPlayers)
#include "tst_frmplayers.moc"
