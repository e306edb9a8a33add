// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/players/PlayerFile.h"
#include "ui/charts/frmFOWGraph.h"
#include "ui/common/Fonts.h"
#include "ui/database/frmAddPlayers.h"
#include "ui/database/frmFoundPlayers.h"
#include "ui/database/frmPlayers.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmResult.h"
#include "ui/match/frmState.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/selection/frmTeamSelection.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/frmToss.h"

#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// Every visible caption of every window fits its box, with the longest texts the game writes.
class tst_Captions : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QMdiArea m_area;
    ScriptedRandom m_die;
    Match m_match;
    MatchWindows m_windows{&m_area, m_match};
    std::array<Side, 2> m_sides = inBuiltSides();

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(PlayerFile().CreateEmpty().ok());
        m_area.resize(1200, 900);
        m_area.show();
        // The longest result: time up after the fifth day.
        m_match.start(MatchSetup{m_sides, {}, {}}, m_die);
        for (int over = 0; over < 450; ++over)
            m_match.playOver(2);
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"frmInnings1", "frmState", "frmMatchSummary", "frmResult", "frmToss", "frmTeamMode",
              "frmTeamSelection", "frmPlayers", "frmAddPlayers", "frmFoundPlayers", "frmFOWGraph",
              "frmSplash", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void captionsFit()
    {
        QFETCH(QString, window);
        // Ten partnerships, so the chart's legend shows its longest texts.
        MatchState chart = m_match.state();
        for (std::size_t k = 1; k <= 10; ++k) {
            chart.Cards[1].Pair[k] =
                chart.Team1.Players[k].trimmed() + u'/' + chart.Team1.Players[k + 1].trimmed();
            chart.Cards[1].FOW[k] = qint16(k * 111);
        }
        NumberedPlayer found{2, {}};
        found.record.PlayerName = u"Harold Alexander Lockwood-Norcross";
        found.record.Country = u"West Indies";
        found.record.BattingAverage = found.record.BowlingAverage = 255;
        ScriptedRandom coin{1};
        QWidget *shown = window == u"frmInnings1"        ? m_windows.innings(1)
                         : window == u"frmState"         ? m_windows.state()
                         : window == u"frmMatchSummary"  ? m_windows.summary()
                         : window == u"frmResult"        ? m_windows.result()
                         : window == u"frmToss"          ? new frmToss(m_sides, coin)
                         : window == u"frmTeamMode"      ? new frmTeamMode
                         : window == u"frmTeamSelection" ? new frmTeamSelection(m_sides)
                         : window == u"frmPlayers"       ? new frmPlayers
                         : window == u"frmAddPlayers"    ? new frmAddPlayers
                         : window == u"frmFoundPlayers"
                             ? new frmFoundPlayers(nullptr, u"Lock"_s, QList{found})
                         : window == u"frmFOWGraph" ? new frmFOWGraph(chart)
                         : window == u"frmSplash"   ? new frmSplash
                                                    : static_cast<QWidget *>(new frmAbout);
        const std::unique_ptr<QWidget> owned(shown->parent() ? nullptr : shown); // not the MDI's
        if (auto *toss = qobject_cast<frmToss *>(shown)) {
            toss->Form_Load();
            toss->cmdHeads_Click();
        }
        if (auto *players = qobject_cast<frmPlayers *>(shown))
            QVERIFY(players->Form_Load());
        if (auto *add = qobject_cast<frmAddPlayers *>(shown))
            add->Form_Load();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown->window()));
        QCOMPARE(shown->devicePixelRatioF(),
                 qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN") ? 2.0 : 1.0);
        QStringList clipped;
        for (const QLabel *label : shown->findChildren<QLabel *>()) {
            if (!label->text().isEmpty() && label->isVisibleTo(shown) && !captionFits(label))
                clipped << label->objectName() + u": "_s + label->text();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u"; "_s)));
    }

    // Rounding and hinting differ at 200%, so the test runs its captionsFit again there.
    void captionsFitAtTwiceTheScale()
    {
        if (qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN"))
            QSKIP("this is the run at twice the scale");
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_s, u"2"_s);
        environment.insert(u"STUMPWELL_SCALING_RUN"_s, u"1"_s);
        run.setProcessEnvironment(environment);
        run.start(QCoreApplication::applicationFilePath(), {u"captionsFit"_s});
        QVERIFY(run.waitForFinished(5 * 60 * 1000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 qPrintable(output));
        QVERIFY2(output.contains(u"PASS   : tst_Captions::captionsFit(frmAbout)"_s),
                 qPrintable(output));
    }
};

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
