// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// Renders the README's screenshots from the real program: a match in progress, the team
// selection, the partnership chart, the match history, the player statistics, the records book, a
// replay, a league table and a network match. Run it under Xvfb through scripts/screenshots.sh.
#include "core/common/RandomSource.h"
#include "core/competition/CompetitionStore.h"
#include "core/competition/FixturePlay.h"
#include "core/match/Match.h"
#include "core/net/NetMatch.h"
#include "core/players/PlayerFile.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"
#include "core/store/SideStore.h"
#include "ui/common/Fonts.h"
#include "ui/common/Translations.h"
#include "ui/history/frmReplay.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"
#include "ui/shell/CompetitionDesk.h"
#include "ui/shell/mdiMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

QString g_outDir;

void save(QWidget *widget, const char *name)
{
    const QString path = g_outDir + QLatin1Char('/') + QLatin1String(name);
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// Runs action once the modal window named name is up; the program's own loops keep running.
void whenModal(const QString &name, std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start(20);
}

template <typename T>
T *child(QWidget *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

void writePlayers()
{
    const PlayerFile file;
    file.CreateEmpty();
    const char *given[] = {"Alan",    "Brian Keith",  "Colin", "David John", "Edward",
                           "Frank",   "George Henry", "Ian",   "James",      "Kevin Peter",
                           "Leonard", "Martin",       "Neil",  "Oliver"};
    const char *surnames[] = {"Ashby",   "Barlow",  "Carver", "Denton", "Ellery",
                              "Foley",   "Garrick", "Hadley", "Irwin",  "Jarvis",
                              "Keating", "Lomax",   "Marsh",  "Norbury"};
    int side = 0;
    for (const char *country : {"Australia", "England"}) {
        for (int p = 0; p < 14; ++p) {
            PlayerRecord record;
            // 3 is prime to 14, so every player of a side gets a surname of his own.
            record.PlayerName = QLatin1String(given[(p + 7 * side) % 14]) + QLatin1Char(' ') +
                                QLatin1String(surnames[(3 * p + 5 * side) % 14]);
            record.Country = QString::fromLatin1(country);
            record.BattingAverage = quint8(8 + (p * 37 + side * 11) % 52);
            record.BowlingAverage = quint8((p * 29 + side * 7) % 45);
            file.AppendRecord(record);
        }
        ++side;
    }
}

void pickEleven(QWidget *selection, int tab, const QString &country)
{
    child<QTabWidget>(selection, QStringLiteral("SSTab1"))->setCurrentIndex(tab);
    auto *combo = child<QComboBox>(selection, QStringLiteral("cboTeams_%1").arg(tab));
    combo->setCurrentIndex(combo->findData(country));
    Q_EMIT combo->activated(combo->currentIndex());
    auto *list = child<QListWidget>(selection, QStringLiteral("lstPlayers_%1").arg(tab));
    for (int row = 0; row < 11; ++row) {
        list->setCurrentRow(row);
        Q_EMIT list->itemDoubleClicked(list->currentItem());
    }
}

// A few finished matches between the file's two sides, for the history and the statistics.
void writeHistory(const QString &storePath)
{
    MatchSession session;
    session.setStorePath(storePath);
    session.openStore();
    const PlayerFile file;
    const QStringList countries{QStringLiteral("Australia"), QStringLiteral("England")};
    for (int played = 0; played < 6; ++played) {
        MatchSetup setup;
        setup.source = TeamSource::PlayerFile;
        for (std::size_t side = 0; side < 2; ++side) {
            const int batsFirst = (int(side) + played) % 2;
            setup.sides[side].team.Name = countries[batsFirst];
            for (std::size_t n = 1; n <= 11; ++n) {
                const int number = batsFirst * 14 + int(n) + 1;
                const PlayerRecord player = file.ReadRecord(number).value;
                setup.sides[side].team.Players[n] = player.PlayerName.trimmed();
                setup.sides[side].team.BatAverage[n] = player.BattingAverage;
                setup.sides[side].origins[n] = {number, player.PlayerName.trimmed()};
            }
        }
        session.start(setup, MatchMode::HumanVHuman);
        Match &match = session.match();
        while (!match.isOver())
            match.playOver(match.rollDie());
        session.acceptResult();
    }
}

// A league of six sides, four saved from the file's players and the two in-built ones, ten of
// its fifteen fixtures played by the computer; its id.
qint64 writeLeague(const QString &storePath)
{
    MatchSession session;
    session.setStorePath(storePath);
    session.openStore();
    SideStore saved(*session.store());
    QList<CompetitionSide> sides{{SideStore::Australia, QStringLiteral("Australia"), true},
                                 {SideStore::England, QStringLiteral("England"), true}};
    const PlayerFile file;
    const std::pair<const char *, int> counties[] = {
        {"Sydney", 2}, {"Melbourne", 5}, {"London", 16}, {"Leeds", 19}};
    for (const auto &[name, first] : counties) {
        SavedSide side{0, QString::fromLatin1(name), QString(), 0, {}};
        for (int n = 0; n < 11; ++n)
            side.players[std::size_t(n)] = {first + n,
                                            file.ReadRecord(first + n).value.PlayerName.trimmed()};
        saved.add(side);
        sides.append({side.id, side.name, true});
    }
    const qint64 id = CompetitionStore(*session.store())
                          .createLeague(QStringLiteral("County League 2026"), sides, 1)
                          .id;
    simulateComputerFixtures(*session.store(), id, file, session.random(), 0,
                             [](int done, int) { return done < 10; });
    return id;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The language of the environment (LANGUAGE=de), from the catalogues the build made.
    installTranslations(app, {QCoreApplication::applicationDirPath() + QStringLiteral("/../src")});
    installFontSubstitutions();
    g_outDir =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(g_outDir);

    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    writePlayers();

    writeHistory(workDir.filePath(QStringLiteral("stumpwell.sqlite")));
    const qint64 league = writeLeague(workDir.filePath(QStringLiteral("stumpwell.sqlite")));
    mdiMain frame;
    // Never the user's own matches.
    frame.session().setStorePath(workDir.filePath(QStringLiteral("stumpwell.sqlite")));
    frame.MDIForm_Load();

    whenModal(QStringLiteral("frmTeamMode"), [](QWidget *mode) {
        whenModal(QStringLiteral("frmTeamSelection"), [](QWidget *selection) {
            pickEleven(selection, 1, QStringLiteral("England"));
            pickEleven(selection, 0, QStringLiteral("Australia"));
            save(selection, "team-selection.png");
            child<QPushButton>(selection, QStringLiteral("cmdOk"))->click();
        });
        child<QPushButton>(mode, QStringLiteral("cmdChoose"))->click();
    });
    whenModal(QStringLiteral("frmToss"), [](QWidget *toss) {
        child<QPushButton>(toss, QStringLiteral("cmdHeads"))->click();
        child<QPushButton>(toss, QStringLiteral("cmdBat"))->click();
    });
    child<QAction>(&frame, QStringLiteral("mnu2Human"))->trigger();

    // Real dice: play on into the match until the first side is well into its innings.
    const MatchState &state = frame.session().match().state();
    for (int over = 0; over < 400 && state.CurrentInnings == 1 && state.WicketsDown < 6; ++over) {
        frmInnings1 *innings = frame.matchWindows().innings(1);
        child<QPushButton>(innings, QStringLiteral("cmdRoll"))->click();
        app.processEvents();
    }
    app.processEvents();
    save(&frame, "match.png");

    whenModal(QStringLiteral("frmFOWGraph"), [](QWidget *chart) {
        save(chart, "chart.png");
        chart->close();
    });
    child<QAction>(&frame, QStringLiteral("mnuFOWChart"))->trigger();

    whenModal(QStringLiteral("frmHistory"), [](QWidget *history) {
        save(history, "history.png");
        history->close();
    });
    child<QAction>(&frame, QStringLiteral("mnuHistory"))->trigger();
    whenModal(QStringLiteral("frmStats"), [](QWidget *stats) {
        save(stats, "statistics.png");
        stats->close();
    });
    child<QAction>(&frame, QStringLiteral("mnuStats"))->trigger();
    whenModal(QStringLiteral("frmRecords"), [](QWidget *records) {
        save(records, "records.png");
        records->close();
    });
    child<QAction>(&frame, QStringLiteral("mnuRecords"))->trigger();

    // The newest finished match, replayed to its middle.
    whenModal(QStringLiteral("frmHistory"), [](QWidget *history) {
        child<QTableView>(history, QStringLiteral("tblMatches"))->selectRow(1);
        child<QPushButton>(history, QStringLiteral("cmdReplay"))->click();
    });
    child<QAction>(&frame, QStringLiteral("mnuHistory"))->trigger();
    if (auto *replay = frame.findChild<frmReplay *>()) {
        auto *slider = child<QSlider>(replay, QStringLiteral("sldOver"));
        slider->setValue(slider->maximum() / 2);
        app.processEvents();
        save(replay, "replay.png");
    }
    frame.competitions().open(league);
    if (auto *window = frame.findChild<QWidget *>(QStringLiteral("frmLeague"))) {
        app.processEvents();
        save(window, "league.png");
        window->close();
    }

    // A network match: the frame joins the other computer, played here by a session of its own
    // that bowls if it wins the toss and rolls whenever it is its turn.
    MatchSession peer;
    peer.setStorePath(workDir.filePath(QStringLiteral("peer.sqlite")));
    peer.openStore();
    NetMatch host(peer);
    QObject::connect(&host, &NetMatch::tossChanged, &host, [&host] {
        if (host.coin() && host.tossWinner() == host.localSide())
            host.choose(TossRules::Choice::Bowl);
    });
    QObject::connect(&host, &NetMatch::turnChanged, &host,
                     [&host] { QTimer::singleShot(50, &host, [&host] { host.roll(); }); });
    host.host({peer.nextSides(), {}, TeamSource::InBuilt}, 0, QStringLiteral("SHOW2345"));
    whenModal(QString(), [](QWidget *question) {
        if (auto *box = qobject_cast<QMessageBox *>(question))
            box->button(QMessageBox::Yes)->click();
    });
    whenModal(QStringLiteral("frmJoin"), [&host](QWidget *join) {
        child<QLineEdit>(join, QStringLiteral("txtHostAddress"))->setText(QStringLiteral("::1"));
        child<QSpinBox>(join, QStringLiteral("spnJoinPort"))->setValue(host.port());
        child<QLineEdit>(join, QStringLiteral("txtJoinCode"))->setText(QStringLiteral("SHOW2345"));
        child<QPushButton>(join, QStringLiteral("cmdJoin"))->click();
    });
    whenModal(QStringLiteral("frmToss"), [](QWidget *toss) {
        child<QPushButton>(toss, QStringLiteral("cmdHeads"))->click();
        auto *press = new QTimer(toss);
        QObject::connect(press, &QTimer::timeout, toss, [toss] {
            if (auto *bat = child<QPushButton>(toss, QStringLiteral("cmdBat")); bat->isEnabled())
                bat->click();
        });
        press->start(20);
    });
    child<QAction>(&frame, QStringLiteral("mnuJoinMatch"))->trigger();
    const Match &network = frame.session().match();
    for (int tick = 0; tick < 20000 && network.log().overs() < 120; ++tick) {
        if (frame.network().ourTurn())
            child<QPushButton>(frame.matchWindows().innings(network.currentInnings()),
                               QStringLiteral("cmdRoll"))
                ->click();
        app.processEvents(QEventLoop::AllEvents, 5);
    }
    // The other computer's turn, as the status bar tells it.
    for (int tick = 0; tick < 2000 && frame.network().ourTurn(); ++tick)
        app.processEvents(QEventLoop::AllEvents, 5);
    app.processEvents();
    save(&frame, "network.png");
    return 0;
}
