// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "TestSupport.h"
#include "ui/history/frmRecords.h"

#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The records window over two hand-made matches: one between file players, one in-built.
class tst_RecordsWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<MatchStore> m_store;

private slots:
    void initTestCase()
    {
        m_store = std::make_unique<MatchStore>(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY(m_store->open());
        for (TeamSource source : {TeamSource::PlayerFile, TeamSource::InBuilt}) {
            Match match;
            playHandMadeMatch(*m_store, match, handMadeSetup(source));
        }
    }

    void enterOnARowOpensItsScorecard()
    {
        frmRecords records(*m_store);
        records.show();
        QVERIFY(QTest::qWaitForWindowActive(&records));
        auto *table = records.findChild<QTableView *>(u"tblTeamRecords"_s);
        table->setFocus();
        QString opened;
        whenModalShown([&opened](QWidget *card) {
            opened = card->objectName() + u' ' + card->windowTitle();
            card->close();
        });
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(opened,
                 u"frmScorecard Scorecard - "_s + table->model()->index(0, 2).data().toString());
    }

    // Only the team's own records are left, in every table that names a team.
    void teamFilterKeepsThatTeam_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::newRow("team") << u"tblTeamRecords"_s << 0;
        QTest::newRow("batting") << u"tblBattingRecords"_s << 2;
        QTest::newRow("partnerships") << u"tblPartnerships"_s << 3;
    }
    void teamFilterKeepsThatTeam()
    {
        QFETCH(QString, table);
        QFETCH(int, column);
        frmRecords records(*m_store);
        auto *filter = records.findChild<QComboBox *>(u"cboRecordsTeam"_s);
        const QString team = handMadeSetup(TeamSource::InBuilt).sides[1].team.Name.trimmed();
        filter->setCurrentText(team);
        const QAbstractItemModel *rows = records.findChild<QTableView *>(table)->model();
        QVERIFY(rows->rowCount() > 0);
        QStringList teams;
        for (int row = 0; row < rows->rowCount(); ++row)
            teams << rows->index(row, column).data().toString();
        teams.removeDuplicates();
        QCOMPARE(teams, QStringList{team});
    }

    void headingSortsByTheFigure()
    {
        frmRecords records(*m_store);
        auto *table = records.findChild<QTableView *>(u"tblTeamRecords"_s);
        table->sortByColumn(1, Qt::AscendingOrder);
        QList<int> totals;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            totals << table->model()->index(row, 1).data().toString().section(u'/', 0, 0).toInt();
        QVERIFY(totals.size() > 2);
        QVERIFY(std::is_sorted(totals.begin(), totals.end()));
    }
};

QTEST_MAIN(tst_RecordsWindow)
#include "tst_recordswindow.moc"
