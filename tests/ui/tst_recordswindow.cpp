// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "TestSupport.h"
#include "ui/history/frmRecords.h"

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
};

QTEST_MAIN(tst_RecordsWindow)
#include "tst_recordswindow.moc"
