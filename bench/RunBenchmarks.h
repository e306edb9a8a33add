// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/common/Fonts.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

// The table in bench/run.sh reads "value" beside "reference", the unit from the label.
inline void setFigure(benchmark::State &state, double value, const char *unit)
{
    state.counters["value"] = value;
    state.SetLabel(unit);
}

inline double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(double(values.size()) * share))];
}

// The tail of every benchmark's main, once its QApplication exists.
inline int runBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The main of a benchmark of windows: offscreen, with the game's fonts.
inline int runWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    return runBenchmarks(argc, argv);
}
