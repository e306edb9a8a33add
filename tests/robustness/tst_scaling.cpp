// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT

// Every window's captions must fit their boxes at the usual scale and at 200% (QT_SCALE_FACTOR=2),
// where rounding and hinting differ. The test checks the scale it runs at, then runs itself
// again at twice the scale.

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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const char ChildMarker[] = "STUMPWELL_SCALING_RUN";

// Labels of the window whose text does not fit, as "label: text".
QStringList clipped(QWidget *window)
{
    QStringList found;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
            continue;
        if (!captionFits(label))
            found << label->objectName() + QStringLiteral(": \"") + label->text() +
                         QLatin1Char('"');
    }
    return found;
}

// Fills the first innings' card with ten partnerships of the in-built batsmen, so the chart's
// legend shows its longest texts.
void tenPartnerships(MatchState &state)
{
    state.CurrentInnings = 1;
    state.WicketsDown = 10;
    BattingCard &card = state.Cards[1];
    for (std::size_t k = 1; k <= 10; ++k) {
        card.Pair[k] = state.Team1.Players[k].trimmed() + QLatin1Char('/') +
                       state.Team1.Players[k + 1].trimmed();
        card.FOW[k] = qint16(k * 111);
    }
}

} // namespace

class tst_Scaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(PlayerFile().CreateEmpty().ok());
        m_area.resize(1400, 1000);
        m_area.show();
        MatchWindows::setMdiArea(&m_area);
    }
    void cleanup() { MatchWindows::closeMatchWindows(); }
    void cleanupTestCase()
    {
        MatchWindows::setMdiArea(nullptr);
        QDir::setCurrent(QDir::tempPath());
    }

    void scaleIsTheOneAsked()
    {
        const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        QCOMPARE(m_area.devicePixelRatioF(), asked);
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"frmInnings1", "frmState", "frmMatchSummary", "frmResult draw", "frmResult win",
              "frmToss", "frmToss decided", "frmTeamMode", "frmTeamSelection", "frmPlayers",
              "frmAddPlayers", "frmFoundPlayers", "frmFOWGraph", "frmSplash", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void captionsFit()
    {
        QFETCH(QString, window);
        MatchState &state = Globals::matchState();
        state = MatchState{};
        storeInBuiltTeams(state);
        state.CurrentInnings = 1;

        std::unique_ptr<QWidget> owned;
        QWidget *shown = nullptr;
        ScriptedRandom coin{1};
        if (window == u"frmInnings1") {
            shown = MatchWindows::InningsWindows(1);
        } else if (window == u"frmState") {
            shown = MatchWindows::state();
        } else if (window == u"frmMatchSummary") {
            shown = MatchWindows::summary();
        } else if (window.startsWith(u"frmResult")) {
            state.TimeUp = window.endsWith(u"draw");
            MatchWindows::summary()->model().total2 = 1234;
            shown = MatchWindows::result();
        } else if (window.startsWith(u"frmToss")) {
            auto *toss = new frmToss;
            owned.reset(toss);
            toss->Form_Load();
            if (window.endsWith(u"decided"))
                toss->cmdHeads_Click();
        } else if (window == u"frmTeamMode") {
            owned = std::make_unique<frmTeamMode>();
        } else if (window == u"frmTeamSelection") {
            owned = std::make_unique<frmTeamSelection>();
        } else if (window == u"frmPlayers") {
            auto *players = new frmPlayers;
            owned.reset(players);
            QVERIFY(players->Form_Load());
        } else if (window == u"frmAddPlayers") {
            auto *add = new frmAddPlayers;
            owned.reset(add);
            add->Form_Load();
        } else if (window == u"frmFoundPlayers") {
            NumberedPlayer found;
            found.recordNumber = 2;
            found.record.PlayerName = u"Harold Alexander Lockwood-Norcross";
            found.record.Country = u"West Indies";
            found.record.BattingAverage = 255;
            found.record.BowlingAverage = 255;
            owned = std::make_unique<frmFoundPlayers>(nullptr, QStringLiteral("Lock"),
                                                      QList<NumberedPlayer>{found});
        } else if (window == u"frmFOWGraph") {
            tenPartnerships(state);
            owned = std::make_unique<frmFOWGraph>();
        } else if (window == u"frmSplash") {
            owned = std::make_unique<frmSplash>();
        } else if (window == u"frmAbout") {
            owned = std::make_unique<frmAbout>();
        }
        if (owned)
            shown = owned.get();
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown->window()));
        QStringList problems = clipped(shown);
        if (window.startsWith(u"frmResult")) {
            // The "V" is 24 pt: its line is taller than the 495 twips the window gives it, though
            // the letter itself is not cut. Left to the shell; this records it until mended.
            const auto *v = shown->findChild<QLabel *>(QStringLiteral("Label3"));
            QVERIFY(v);
            problems.removeAll(QStringLiteral("Label3: \"V\""));
            QEXPECT_FAIL("", "frmResult Label3 \"V\" (24 pt) is taller than its box", Continue);
            QVERIFY(captionFits(v));
        }
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("at scale %1: ").arg(shown->devicePixelRatioF()) +
                            problems.join(QStringLiteral("; "))));
    }

    void captionsFitAtTwiceTheScale()
    {
        if (qEnvironmentVariableIsSet(ChildMarker))
            QSKIP("this is the run at twice the scale");
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        environment.insert(QString::fromLatin1(ChildMarker), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("scaleIsTheOneAsked"), QStringLiteral("captionsFit")});
        QVERIFY(run.waitForFinished(5 * 60 * 1000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("PASS   : tst_Scaling::captionsFit(frmAbout)")),
                 qPrintable(output));
    }

private:
    QTemporaryDir m_dir;
    QMdiArea m_area;
};

QTEST_MAIN(tst_Scaling)
#include "tst_scaling.moc"
