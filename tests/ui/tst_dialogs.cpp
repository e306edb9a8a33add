// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/common/Fonts.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/ScorecardExport.h"
#include "ui/history/frmHistory.h"
#include "ui/history/frmScorecard.h"
#include "ui/history/frmStats.h"
#include "ui/shell/frmHowToPlay.h"
#include "ui/shell/frmSide.h"
#include "ui/shell/frmToss.h"

#include "HandMadeMatch.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

// The dialogs this game added: their keys, long team names, files written whole or not at all.
class tst_Dialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<MatchStore> m_store;
    Match m_match;

    // Sides whose names take the 80 characters a team record holds.
    static std::array<Side, 2> longSides()
    {
        std::array<Side, 2> sides = inBuiltSides();
        sides[0].team.Name =
            u"The Most Honourable Company of Cricketers of the County Palatine of Lancaster"_s;
        sides[1].team.Name = QString(80, u'W');
        return sides;
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        m_store = std::make_unique<MatchStore>(m_dir.filePath(u"s.sqlite"_s));
        QVERIFY(m_store->open());
        playHandMadeMatch(*m_store, m_match, handMadeSetup(TeamSource::PlayerFile));
    }
    void cleanupTestCase() { m_store.reset(); }

    void everyButtonAndLabelHasItsOwnAltLetter_data()
    {
        QTest::addColumn<int>("window");
        int index = 0;
        for (const char *name :
             {"frmHistory", "frmScorecard", "frmStats", "frmSide", "frmHowToPlay"})
            QTest::newRow(name) << index++;
    }
    // Fault: Alt+C was both Copy and Close, and both Export CSV and Close.
    void everyButtonAndLabelHasItsOwnAltLetter()
    {
        QFETCH(int, window);
        const std::array<Side, 2> sides = inBuiltSides();
        std::unique_ptr<QDialog> shown;
        switch (window) {
        case 0:
            shown = std::make_unique<frmHistory>(*m_store, 0);
            break;
        case 1:
            shown = std::make_unique<frmScorecard>(m_match, QString());
            break;
        case 2:
            shown = std::make_unique<frmStats>(*m_store);
            break;
        case 3:
            shown = std::make_unique<frmSide>(sides);
            break;
        default:
            shown = std::make_unique<frmHowToPlay>();
        }
        QStringList captions;
        for (const QAbstractButton *button : shown->findChildren<QAbstractButton *>())
            captions << button->text();
        for (const QLabel *label : shown->findChildren<QLabel *>())
            captions << label->text();
        QStringList letters;
        for (const QString &caption : std::as_const(captions)) {
            const qsizetype at = QString(caption).replace(u"&&"_s, u"__"_s).indexOf(u'&');
            if (at >= 0 && at + 1 < caption.size())
                letters << caption.mid(at + 1, 1).toLower();
        }
        const qsizetype all = letters.size();
        letters.removeDuplicates();
        QCOMPARE(letters.size(), all);
    }

    // Names of 80 characters never run past the toss's and side chooser's captions.
    void longTeamNamesFitOrAreCutWithTheWholeInATooltip()
    {
        std::array<Side, 2> sides = longSides();
        const QString first = sides[0].team.Name.trimmed(), second = sides[1].team.Name.trimmed();
        ScriptedRandom coin{1};
        frmToss toss(sides, coin);
        toss.Form_Load();
        toss.show();
        QTest::mouseClick(toss.findChild<QPushButton *>(u"cmdHeads"_s), Qt::LeftButton);
        for (const char *name : {"lbltoss", "lblresult"}) {
            const QLabel *label = toss.findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(captionFits(label), name);
            QVERIFY(label->toolTip().contains(second));
        }
        frmSide side(longSides());
        for (const char *name : {"cmdSide_0", "cmdSide_1"}) {
            auto *button = side.findChild<QPushButton *>(QLatin1String(name));
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
            QVERIFY(button->toolTip() == first || button->toolTip() == second);
        }
        HistoryModel history;
        MatchStore::Entry entry;
        entry.team1 = first;
        history.setEntries({entry});
        QCOMPARE(history.index(0, 1).data(Qt::ToolTipRole).toString(), first);
    }

    void historyResultIsShortWithTheWholeVerdictInItsTooltip()
    {
        frmHistory window(*m_store, 0);
        const QAbstractItemModel *rows = window.findChild<QTableView *>(u"tblMatches"_s)->model();
        const QModelIndex result = rows->index(0, 5);
        QCOMPARE(result.data(Qt::ToolTipRole).toString(), m_match.resultText());
        QVERIFY(result.data().toString().size() < m_match.resultText().size());
    }

    void pdfThatCannotBeWrittenSaysSoAndLeavesWhatWasThere_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("under a regular file") << u"file.txt/card.pdf"_s;
        QTest::newRow("a folder of that name") << u"folder.pdf"_s;
    }
    // Fault: a failed PDF export reported success when something of that name was there.
    void pdfThatCannotBeWrittenSaysSoAndLeavesWhatWasThere()
    {
        QFETCH(QString, path);
        QFile file(m_dir.filePath(u"file.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
        file.close();
        QVERIFY(QDir(m_dir.path()).mkpath(u"folder.pdf"_s));
        QVERIFY(!writeScorecard(m_dir.filePath(path), m_match, QString()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept"));
    }

    void pdfIsWrittenWhole()
    {
        const QString path = m_dir.filePath(u"card.pdf"_s);
        QVERIFY(writeScorecard(path, m_match, QString()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().trimmed().endsWith("%%EOF"));
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
