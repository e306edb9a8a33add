// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/players/PlayerDatabase.h"
#include "core/players/PlayerFile.h"
#include "core/players/PlayerListEntry.h"
#include "ui/selection/frmTeamSelection.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int CountryPlayers = 10000;

// Names vary in both parts so the sort has real work; a fixed mixing keeps runs comparable.
QString generatedName(int i)
{
    static const std::array<QString, 8> given = {u"Ann"_s,    u"Bob Carl"_s, u"Dev"_s,
                                                 u"Eva Jo"_s, u"Fred"_s,     u"Gus Hal Ian"_s,
                                                 u"Kim"_s,    u"Lee Max"_s};
    static const std::array<QString, 10> syllables = {u"ba"_s,  u"ko"_s,  u"ri"_s,  u"ste"_s,
                                                      u"man"_s, u"wel"_s, u"dun"_s, u"or"_s,
                                                      u"pe"_s,  u"ty"_s};
    const unsigned mixed = unsigned(i) * 2654435761u;
    QString surname;
    for (int s = 0; s < 3; ++s)
        surname += syllables[(mixed >> (4 * s)) % syllables.size()];
    surname[0] = surname[0].toUpper();
    return given[(mixed >> 16) % given.size()] + u' ' + surname;
}

// The file lies in the current directory, as the game opens it by its bare name.
QTemporaryDir &gameDirectory()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        if (!dir.isValid() || !QDir::setCurrent(dir.path()))
            qFatal("no scratch directory");
        QByteArray bytes = PlayerRecord::header().toBytes();
        // The chosen country's players among as many of other countries.
        for (int i = 0; i < 2 * CountryPlayers; ++i) {
            PlayerRecord record;
            record.PlayerName = generatedName(i);
            record.Country = i % 2 == 0 ? u"India" : u"England";
            record.BattingAverage = quint8(i % 256);
            record.BowlingAverage = quint8((i * 7) % 256);
            bytes += record.toBytes();
        }
        QFile file(PlayerFile().path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the player file");
        return true;
    }();
    Q_UNUSED(ready);
    return dir;
}

// Choosing a country in the real window: read the file, build the entries, fill the list.
void BM_CountryFillsItsList(benchmark::State &state)
{
    gameDirectory();
    std::array<Side, 2> sides;
    const PlayerDatabase players; // Basic.kdt in the game's folder
    frmTeamSelection window(sides, players);
    auto *combo = window.findChild<QComboBox *>(u"cboTeams_0"_s);
    auto *list = window.findChild<QListWidget *>(u"lstPlayers_0"_s);
    combo->setCurrentIndex(combo->findText(u"India"_s));
    window.show();
    for (auto _ : state) {
        window.cboTeams_Click(0);
        // Until the list has been laid out and painted, as the user sees it.
        QCoreApplication::processEvents();
        if (list->count() != CountryPlayers)
            state.SkipWithError("the list does not hold the country's players");
    }
    state.counters["players"] = double(list->count());
}

// The entries alone, built and sorted, without the file or the window.
void BM_SortedEntries(benchmark::State &state)
{
    QList<NumberedPlayer> players;
    for (int i = 0; i < CountryPlayers; ++i) {
        NumberedPlayer player;
        player.recordNumber = i + 2;
        player.record.PlayerName = generatedName(i);
        players.append(player);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SortedPlayerListEntries(players));
}
} // namespace

BENCHMARK(BM_CountryFillsItsList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedEntries)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
