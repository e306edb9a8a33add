// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ModalSteps.h"
#include "TestSupport.h"
#include "common/Fonts.h"
#include "common/Twips.h"
#include "database/PlayerFile.h"
#include "database/frmAddPlayers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString FileName = QStringLiteral("Basic.kdt");
const QString BattingText =
    QStringLiteral("Batting averages must be whole numbers between 0 and 255 inclusive");
const QString BowlingText =
    QStringLiteral("Bowling averages must be whole numbers between 0 and 255 inclusive");
} // namespace

class tst_FrmAddPlayers : public QObject
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
        QVERIFY(PlayerFile().CreateEmpty().ok());
        m_window.reset(new frmAddPlayers);
        m_window->Form_Load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_oldDir);
        m_dir.reset();
    }

    void laysOutTheControls()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Adding A New Player"));
        QCOMPARE(m_window->size(), twipsSize(6075, 2175));
        QCOMPARE(box(u"txtName")->maxLength(), 80);
        QCOMPARE(box(u"txtBatting")->maxLength(), 3);
        QCOMPARE(box(u"txtBowling")->maxLength(), 3);
        QCOMPARE(box(u"txtBowling")->pos(), twipsPoint(3240, 840));
        QVERIFY(!combo()->isEditable());
        QCOMPARE(combo()->currentIndex(), -1);
        QCOMPARE(combo()->count(), 9);
        QCOMPARE(combo()->itemText(0), QStringLiteral("Australia"));
        QCOMPARE(combo()->itemText(8), QStringLiteral("Zimbabwe"));
        QVERIFY(button(u"cmdAdd")->isDefault());
        QCOMPARE(button(u"cmdClose")->text(), QStringLiteral("&Cancel"));
        QCOMPARE(check(u"chkWicket")->text(), QStringLiteral("&Wicket Keeping Experience"));
        for (QStringView name : {u"chkCaptain", u"chkWicket"}) {
            const QCheckBox *box = check(name);
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
        }
        const char *labels[] = {"Label1_0", "Label1_1", "Label1_2", "Label2_0", "Label2_1"};
        for (const char *name : labels) {
            auto *label = m_window->findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY2(label, name);
            QVERIFY2(captionFits(label), name);
        }
        // Tab order as the entry is made.
        const QStringList order = {u"txtName"_qs,    u"cboCountry"_qs, u"txtBatting"_qs,
                                   u"txtBowling"_qs, u"chkCaptain"_qs, u"chkWicket"_qs,
                                   u"cmdAdd"_qs,     u"cmdClose"_qs};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QWidget *next = m_window->findChild<QWidget *>(order[i - 1])->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order[i]);
        }
    }

    void checksTheEntryInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("batting");
        QTest::addColumn<QString>("bowling");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("nameShown");
        QTest::addColumn<QString>("battingShown");
        QTest::addColumn<QString>("bowlingShown");
        const QString shortText =
            QStringLiteral("Players names must be at least 3 characters or more in length");
        const QString countryText = QStringLiteral("You must choose a country for this player "
                                                   "before they can be added to the database");
        const QString batTitle = QStringLiteral("Invalid Batting Average");
        const QString bowlTitle = QStringLiteral("Invalid Bowling Average");
        QTest::newRow("all empty") << "" << -1 << ""
                                   << ""
                                   << "Name To Short" << shortText << ""
                                   << ""
                                   << "";
        QTest::newRow("two letters in blanks") << "  Al  " << 2 << "40"
                                               << "0"
                                               << "Name To Short" << shortText << "Al"
                                               << "40"
                                               << "0";
        QTest::newRow("no country") << "Ann Lee" << -1 << ""
                                    << ""
                                    << "No Country Selected" << countryText << "Ann Lee"
                                    << ""
                                    << "";
        QTest::newRow("empty batting") << " Ann Lee" << 2 << ""
                                       << "" << batTitle << BattingText << "Ann Lee"
                                       << ""
                                       << "";
        QTest::newRow("bad bowling") << "Ann Lee" << 2 << "2.5"
                                     << "x" << bowlTitle << BowlingText << "Ann Lee"
                                     << "2.5"
                                     << "x";
        // The boxes take 3 characters, so 12.5 itself cannot be typed; its rounding is checked
        // with the rules.
        QTest::newRow("2.5 rounded") << "Ann Lee" << 2 << "2.5"
                                     << "300" << bowlTitle << BowlingText << "Ann Lee"
                                     << "3"
                                     << "300";
        QTest::newRow("-.4 rounded") << "Ann Lee" << 2 << "-.4"
                                     << "1e9" << bowlTitle << BowlingText << "Ann Lee"
                                     << "0"
                                     << "1e9";
        QTest::newRow("leading zeros") << "Ann Lee" << 2 << "007"
                                       << "256" << bowlTitle << BowlingText << "Ann Lee"
                                       << "7"
                                       << "256";
        QTest::newRow("minus one") << "Ann Lee" << 2 << "-1"
                                   << "0" << batTitle << BattingText << "Ann Lee"
                                   << "-1"
                                   << "0";
        QTest::newRow("256") << "Ann Lee" << 2 << "256"
                             << "0" << batTitle << BattingText << "Ann Lee"
                             << "256"
                             << "0";
        QTest::newRow("999") << "Ann Lee" << 2 << "999"
                             << "0" << batTitle << BattingText << "Ann Lee"
                             << "999"
                             << "0";
        QTest::newRow("1e3 kept as typed") << "Ann Lee" << 2 << "1e3"
                                           << "0" << batTitle << BattingText << "Ann Lee"
                                           << "1e3"
                                           << "0";
        QTest::newRow("comma") << "Ann Lee" << 2 << "1,5"
                               << "0" << batTitle << BattingText << "Ann Lee"
                               << "1,5"
                               << "0";
        QTest::newRow("inf") << "Ann Lee" << 2 << "inf"
                             << "0" << batTitle << BattingText << "Ann Lee"
                             << "inf"
                             << "0";
        const QString nameTitle = QStringLiteral("Invalid Player Name");
        QTest::newRow("outside the code page")
            << u"\u03a9mega"_qs << -1 << ""
            << "" << nameTitle << QString() << u"\u03a9mega"_qs << ""
            << "";
        QTest::newRow("control character")
            << u"Ann\tLee"_qs << 2 << "40"
            << "0" << nameTitle << QString() << u"Ann\tLee"_qs << "40"
            << "0";
    }
    void checksTheEntryInOrder()
    {
        QFETCH(QString, name);
        QFETCH(int, country);
        QFETCH(QString, batting);
        QFETCH(QString, bowling);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, nameShown);
        QFETCH(QString, battingShown);
        QFETCH(QString, bowlingShown);
        box(u"txtName")->setText(name);
        combo()->setCurrentIndex(country);
        box(u"txtBatting")->setText(batting);
        box(u"txtBowling")->setText(bowling);
        check(u"chkCaptain")->setChecked(true);

        ShownMessage seen;
        whenMessage(&seen);
        QTest::mouseClick(button(u"cmdAdd"), Qt::LeftButton);
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, title);
        if (!text.isEmpty())
            QCOMPARE(seen.text, text);
        QCOMPARE(box(u"txtName")->text(), nameShown);
        QCOMPARE(box(u"txtBatting")->text(), battingShown);
        QCOMPARE(box(u"txtBowling")->text(), bowlingShown);
        QCOMPARE(combo()->currentIndex(), country);
        QVERIFY(check(u"chkCaptain")->isChecked());
        QCOMPARE(fileBytes(FileName).size(), 132);
    }

    void addsAPlayerAndClearsTheBoxes()
    {
        box(u"txtName")->setText(QStringLiteral("  Zo\u00eb \u00dcnal \u20ac "));
        combo()->setCurrentIndex(1);
        box(u"txtBatting")->setText(QStringLiteral("2.5"));
        box(u"txtBowling")->setText(QStringLiteral("0"));
        check(u"chkCaptain")->setChecked(true);
        QTest::mouseClick(button(u"cmdAdd"), Qt::LeftButton);

        const QByteArray file = fileBytes(FileName);
        QCOMPARE(file.size(), 264);
        QByteArray expected = QByteArray("Zo\xEB \xDCnal \x80") + QByteArray(70, ' ') +
                              QByteArray("England") + QByteArray(13, ' ');
        expected += char(3);
        expected += char(0);
        expected += QByteArray("\xFF\xFF", 2) + QByteArray(28, '\0');
        QCOMPARE(file.mid(132), expected);
        QVERIFY(box(u"txtName")->text().isEmpty());
        QVERIFY(box(u"txtBatting")->text().isEmpty());
        QVERIFY(box(u"txtBowling")->text().isEmpty());
        QVERIFY(!check(u"chkCaptain")->isChecked());
        QCOMPARE(combo()->currentText(), QStringLiteral("England"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box(u"txtName")));

        // The same country again, with the wicket box: the next record follows.
        QTest::keyClicks(box(u"txtName"), QStringLiteral("Kim"));
        QTest::keyClicks(box(u"txtBatting"), QStringLiteral("40"));
        QTest::keyClicks(box(u"txtBowling"), QStringLiteral("22"));
        check(u"chkWicket")->setChecked(true);
        QTest::keyClick(box(u"txtBowling"), Qt::Key_Return);
        const QByteArray second = fileBytes(FileName);
        QCOMPARE(second.size(), 396);
        QCOMPARE(second.left(264), file);
        const PlayerRecord read = PlayerRecord::fromBytes(second.constData() + 264);
        QCOMPARE(read.PlayerName.trimmed(), QStringLiteral("Kim"));
        QCOMPARE(read.Country.trimmed(), QStringLiteral("England"));
        QCOMPARE(read.BattingAverage, quint8(40));
        QCOMPARE(read.BowlingAverage, quint8(22));
        QVERIFY(!read.CaptainExperience);
        QVERIFY(read.KeeperExperience);
    }

    void failedAppendTellsWhatFailed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("removed") << "remove"
                                 << "the file no longer exists (error 53)";
        QTest::newRow("directory") << "directory"
                                   << "(error 75)";
        QTest::newRow("disk full") << "full"
                                   << "the disk is full (error 61)";
    }
    void failedAppendTellsWhatFailed()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QVERIFY(QFile::remove(FileName));
        if (damage == u"directory")
            QVERIFY(QDir().mkdir(FileName));
        if (damage == u"full") {
            if (!QFile::exists(QStringLiteral("/dev/full")))
                QSKIP("no /dev/full here");
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), FileName));
        }
        enterAnnLee();
        ShownMessage seen;
        whenMessage(&seen);
        QTest::mouseClick(button(u"cmdAdd"), Qt::LeftButton);
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Player Not Added"));
        QVERIFY2(seen.text.contains(reason), qPrintable(seen.text));
        expectAnnLeeStillEntered();
        if (damage == u"remove")
            QVERIFY(!QFile::exists(FileName));
        if (damage == u"directory")
            QVERIFY(QDir(FileName).isEmpty());
    }

    void refusesThePlayerAfterTheLast()
    {
        QByteArray bytes = PlayerRecord::header().toBytes();
        PlayerRecord one;
        one.PlayerName = u"Ann Lee";
        one.Country = u"India";
        const QByteArray record = one.toBytes();
        while (bytes.size() < qsizetype(PlayerFile::MaxRecords) * 132)
            bytes += record;
        QFile file(FileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        enterAnnLee();
        ShownMessage seen;
        whenMessage(&seen);
        QTest::mouseClick(button(u"cmdAdd"), Qt::LeftButton);
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, QStringLiteral("Database Full"));
        QVERIFY(seen.text.contains(QStringLiteral("32766 players")));
        QCOMPARE(fileBytes(FileName), bytes);
        expectAnnLeeStillEntered();
    }

    void cancelWritesNothing()
    {
        enterAnnLee();
        QTest::mouseClick(button(u"cmdClose"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Rejected));
        QCOMPARE(fileBytes(FileName).size(), 132);
    }

private:
    QLineEdit *box(QStringView name) const
    {
        return m_window->findChild<QLineEdit *>(name.toString());
    }
    QCheckBox *check(QStringView name) const
    {
        return m_window->findChild<QCheckBox *>(name.toString());
    }
    QPushButton *button(QStringView name) const
    {
        return m_window->findChild<QPushButton *>(name.toString());
    }
    QComboBox *combo() const { return m_window->findChild<QComboBox *>(u"cboCountry"_qs); }

    void enterAnnLee()
    {
        box(u"txtName")->setText(QStringLiteral("Ann Lee"));
        combo()->setCurrentIndex(2);
        box(u"txtBatting")->setText(QStringLiteral("40"));
        box(u"txtBowling")->setText(QStringLiteral("0"));
        check(u"chkWicket")->setChecked(true);
    }
    void expectAnnLeeStillEntered()
    {
        QCOMPARE(box(u"txtName")->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(combo()->currentText(), QStringLiteral("India"));
        QCOMPARE(box(u"txtBatting")->text(), QStringLiteral("40"));
        QCOMPARE(box(u"txtBowling")->text(), QStringLiteral("0"));
        QVERIFY(check(u"chkWicket")->isChecked());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<frmAddPlayers> m_window;
    QString m_oldDir;
};

QTEST_MAIN(tst_FrmAddPlayers)
#include "tst_frmaddplayers.moc"
