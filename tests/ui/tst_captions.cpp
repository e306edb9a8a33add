// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/store/MatchStore.h"
#include "core/store/SideStore.h"
#include "ui/charts/frmFOWGraph.h"
#include "ui/common/Fonts.h"
#include "ui/database/frmAddPlayers.h"
#include "ui/database/frmFoundPlayers.h"
#include "ui/database/frmPlayers.h"
#include "ui/selection/frmNewSide.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/selection/frmTeamSelection.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmSide.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/frmToss.h"

#include "MatchInvariants.h"
#include "PlayerFileTest.h"
#include "ScriptedRandom.h"

#include <QLineEdit>
#include <QtTest>
#include <QtWidgets>

// The label's text fits inside its box with the font it actually uses.
static bool fits(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const int flags =
        int(label->alignment()) | Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Every visible caption of every window fits its box, with the longest texts the game writes.
class tst_Captions : public QObject
{
    Q_OBJECT
private slots:
    void captionsFit()
    {
        installFontSubstitutions();
        CurrentTempDir dir;
        QVERIFY(PlayerFile().CreateEmpty().ok());
        ScriptedRandom die{1};
        std::array<Side, 2> sides = inBuiltSides();
        Match match;
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        MatchWindows windows(&area, match);
        match.start(MatchSetup{sides, {}, {}}, die);
        for (int over = 0; over < 450; ++over) // the longest result: time up
            match.playOver(2);
        MatchState chart = match.state(); // ten partnerships: the legend's longest texts
        for (std::size_t k = 1; k <= 10; ++k) {
            chart.Cards[1].Pair[k] =
                chart.Team1.Players[k].trimmed() + u'/' + chart.Team1.Players[k + 1].trimmed();
            chart.Cards[1].FOW[k] = qint16(k * 111);
        }
        frmToss toss(sides, die);
        toss.Form_Load();
        toss.cmdHeads_Click();
        PlayerDatabase file;
        frmPlayers players(file);
        QVERIFY(players.Form_Load());
        frmAddPlayers add(file);
        add.Form_Load();
        frmTeamMode mode;
        frmTeamSelection selection(sides, file);
        MatchStore store(dir.dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY(store.open());
        SideStore saved(store);
        frmNewSide newSide(saved, file);
        newSide.findChild<QLineEdit *>(u"txtSideName"_s)->setText(u"Ke\tnt"_s); // the longest
        frmFoundPlayers found(nullptr, u"Lockwood-Norcross"_s, QList<NumberedPlayer>(2));
        frmFOWGraph graph(chart);
        frmSplash splash;
        frmAbout about;
        QStringList clipped;
        for (QWidget *shown : std::initializer_list<QWidget *>{
                 windows.innings(1), windows.state(), windows.summary(), windows.result(), &toss,
                 &players, &add, &mode, &selection, &newSide, &found, &graph, &splash, &about}) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown->window()));
            QCOMPARE(shown->devicePixelRatioF(),
                     qEnvironmentVariableIsSet("STUMPWELL_SCALING_RUN") ? 2.0 : 1.0);
            for (const QLabel *label : shown->findChildren<QLabel *>()) {
                if (!label->text().isEmpty() && label->isVisibleTo(shown) && !fits(label))
                    clipped << shown->objectName() + u'.' + label->objectName();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", "_s)));
    }

    // Team names run to 80 characters: on the toss and the side chooser each shows whole or cut
    // short with the whole name in its tooltip, never overflowing.
    void longTeamNamesFitOrAreCutWithATooltip()
    {
        installFontSubstitutions();
        std::array<Side, 2> sides = inBuiltSides();
        QStringList names;
        for (Side &side : sides) {
            names << side.team.Name.trimmed().leftJustified(79, u'w') + u'z';
            side.team.Name = names.last();
        }
        ScriptedRandom die{1};
        frmToss toss(sides, die);
        toss.Form_Load();
        toss.cmdHeads_Click();
        frmSide side(sides);
        for (QWidget *shown : std::initializer_list<QWidget *>{&toss, &side}) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            for (const QLabel *label : shown->findChildren<QLabel *>()) {
                QVERIFY2(fits(label), qPrintable(label->objectName()));
                if (label->text().contains(u'\u2026'))
                    QVERIFY(label->toolTip().contains(names[0]) ||
                            label->toolTip().contains(names[1]));
            }
            for (const QPushButton *button : shown->findChildren<QPushButton *>())
                QVERIFY2(button->sizeHint().width() <= shown->width(), qPrintable(button->text()));
        }
    }

    // Mended fault: captions were clipped at 200%, where rounding and hinting differ; so the
    // test runs its captionsFit again there.
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
        QVERIFY2(output.contains(u"PASS   : tst_Captions::captionsFit()"_s), qPrintable(output));
    }
};

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
