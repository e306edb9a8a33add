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
    MatchSession m_session;
    MatchStore *m_store = nullptr;

private slots:
    void initTestCase()
    {
        m_session.setStorePath(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY(m_session.openStore());
        m_store = m_session.store();
        for (TeamSource source : {TeamSource::PlayerFile, TeamSource::InBuilt})
            playHandMadeMatch(m_session, handMadeSetup(source));
    }

    void enterOnARowOpensItsScorecard()
    {
        frmRecords records(*m_store);
        records.show();
        QVERIFY(QTest::qWaitForWindowActive(&records));
        auto *table = records.findChild<QTableView *>(u"tblTeamRecords"_s);
        table->setFocus();
        QString opened;
        ModalDriver modals([&opened](QWidget *card) {
            opened = card->windowTitle();
            card->close();
        });
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(modals.seen, QStringList{u"frmScorecard"_s});
        QCOMPARE(opened, u"Scorecard - "_s + table->model()->index(0, 2).data().toString());
    }
};

QTEST_MAIN(tst_RecordsWindow)
#include "tst_recordswindow.moc"
