// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

#include "charts/frmFOWGraph.h"
#include "common/Fonts.h"
#include "database/PlayerFile.h"
#include "database/frmAddPlayers.h"
#include "database/frmFoundPlayers.h"
#include "database/frmPlayers.h"
#include "engine/MatchWindows.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmResult.h"
#include "engine/frmState.h"
#include "selection/frmTeamMode.h"
#include "selection/frmTeamSelection.h"
#include "shell/InBuiltTeams.h"
#include "shell/frmAbout.h"
#include "shell/frmSplash.h"
#include "shell/frmToss.h"
#include "state/Globals.h"

#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// Rounding and hinting differ at 200%: the captions must fit at both scales, so the test runs
// itself again with QT_SCALE_FACTOR=2.
class tst_Scaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
        QVERIFY(PlayerFile().CreateEmpty().ok());
        m_area.resize(1400, 1000);
        m_area.show();
        MatchWindows::setMdiArea(&m_area);
    }
    void cleanup() { MatchWindows::closeMatchWindows(); }
    void cleanupTestCase() { MatchWindows::setMdiArea(nullptr); }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"frmInnings1", "frmState", "frmMatchSummary", "frmResult draw", "frmResult win",
              "frmToss", "frmTeamMode", "frmTeamSelection", "frmPlayers", "frmAddPlayers",
              "frmFoundPlayers", "frmFOWGraph", "frmSplash", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void captionsFit()
    {
        QFETCH(QString, window);
        MatchState &state = Globals::matchState();
        state = MatchState{};
        storeInBuiltTeams(state);
        state.CurrentInnings = 1;
        state.TimeUp = window.endsWith(u"draw");
        // Ten partnerships, so the chart's legend shows its longest texts.
        for (std::size_t k = 1; k <= 10 && window == u"frmFOWGraph"; ++k) {
            state.Cards[1].Pair[k] =
                state.Team1.Players[k].trimmed() + u'/' + state.Team1.Players[k + 1].trimmed();
            state.Cards[1].FOW[k] = qint16(k * 111);
        }
        NumberedPlayer found{2, {}};
        found.record.PlayerName = u"Harold Alexander Lockwood-Norcross";
        found.record.Country = u"West Indies";
        found.record.BattingAverage = found.record.BowlingAverage = 255;
        ScriptedRandom coin{1};
        std::unique_ptr<QWidget> owned;
        QWidget *shown = nullptr;
        if (window == u"frmInnings1") {
            shown = MatchWindows::InningsWindows(1);
        } else if (window == u"frmState") {
            shown = MatchWindows::state();
        } else if (window == u"frmMatchSummary") {
            shown = MatchWindows::summary();
        } else if (window.startsWith(u"frmResult")) {
            MatchWindows::summary()->model().total2 = 1234;
            shown = MatchWindows::result();
        } else if (window == u"frmToss") {
            auto *toss = own(owned, new frmToss);
            toss->Form_Load();
            toss->cmdHeads_Click();
        } else if (window == u"frmPlayers") {
            QVERIFY(own(owned, new frmPlayers)->Form_Load());
        } else if (window == u"frmAddPlayers") {
            own(owned, new frmAddPlayers)->Form_Load();
        } else if (window == u"frmFoundPlayers") {
            owned = std::make_unique<frmFoundPlayers>(nullptr, u"Lock"_s, QList{found});
        } else {
            owned.reset(window == u"frmTeamMode" ? static_cast<QWidget *>(new frmTeamMode)
                        : window == u"frmTeamSelection"
                            ? static_cast<QWidget *>(new frmTeamSelection)
                        : window == u"frmFOWGraph" ? static_cast<QWidget *>(new frmFOWGraph)
                        : window == u"frmSplash"   ? static_cast<QWidget *>(new frmSplash)
                                                   : new frmAbout);
        }
        if (owned)
            shown = owned.get();
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

    void captionsFitAtTwiceTheScale()
    {
        if (qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN"))
            QSKIP("this is the run at twice the scale");
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_s, u"2"_s);
        environment.insert(u"STUMPWELL_SCALING_RUN"_s, u"1"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {u"captionsFit"_s});
        QVERIFY(run.waitForFinished(5 * 60 * 1000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0 &&
                     output.contains(u"PASS   : tst_Scaling::captionsFit(frmAbout)"_s),
                 qPrintable(output));
    }

private:
    template <typename T>
    static T *own(std::unique_ptr<QWidget> &owned, T *window)
    {
        owned.reset(window);
        return window;
    }

    QTemporaryDir m_dir;
    QMdiArea m_area;
};

QTEST_MAIN(tst_Scaling)
#include "tst_scaling.moc"
