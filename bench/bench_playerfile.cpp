// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/PlayerFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {
QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// One generated file per size, players spread over the nine countries.
QString playerFile(int players)
{
    static std::map<int, QString> made;
    auto found = made.find(players);
    if (found != made.end())
        return found->second;
    const QString path = scratch().filePath(QStringLiteral("players%1.kdt").arg(players));
    QByteArray bytes = PlayerRecord::header().toBytes();
    bytes.reserve(qsizetype(players + 1) * PlayerFile::RecordSize);
    for (int i = 0; i < players; ++i) {
        PlayerRecord record;
        record.PlayerName = QStringLiteral("Player Number %1").arg(i);
        record.Country = CountryNames[std::size_t(i % 9)];
        record.BattingAverage = quint8(i % 256);
        record.BowlingAverage = quint8((i * 7) % 256);
        record.CaptainExperience = i % 5 == 0;
        bytes += record.toBytes();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    made.emplace(players, path);
    return path;
}

void BM_CountByCountry(benchmark::State &state)
{
    const PlayerFile file(playerFile(int(state.range(0))));
    for (auto _ : state) {
        const auto counts = file.CountByCountry();
        if (!counts.ok()) {
            state.SkipWithError("CountByCountry failed");
            break;
        }
        benchmark::DoNotOptimize(counts.value);
    }
}

void BM_PlayersOfCountry(benchmark::State &state)
{
    const PlayerFile file(playerFile(int(state.range(0))));
    for (auto _ : state) {
        const auto players = file.PlayersOfCountry(u"England");
        if (!players.ok()) {
            state.SkipWithError("PlayersOfCountry failed");
            break;
        }
        benchmark::DoNotOptimize(players.value.size());
    }
}

void BM_AppendRecord(benchmark::State &state)
{
    const QString path = playerFile(int(state.range(0)));
    const qint64 length = QFile(path).size();
    const PlayerFile file(path);
    PlayerRecord record;
    record.PlayerName = u"Ann Lee";
    record.Country = u"India";
    record.BattingAverage = 40;
    for (auto _ : state) {
        const auto added = file.AppendRecord(record);
        if (!added.ok()) {
            state.SkipWithError("AppendRecord failed");
            break;
        }
        state.PauseTiming();
        QFile::resize(path, length);
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark *bench)
{
    bench->Arg(1000)->Arg(8000)->Arg(32766);
    bench->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}
} // namespace

BENCHMARK(BM_CountByCountry)->Apply(sizes);
BENCHMARK(BM_PlayersOfCountry)->Apply(sizes);
// 32766 players fill the file, so the largest append goes to one player fewer.
BENCHMARK(BM_AppendRecord)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32765)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
