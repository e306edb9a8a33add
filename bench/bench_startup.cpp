// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// Whole-process figures: start-up to the frame's first paint, and peak memory over a whole
// match, each against the minimal Qt Widgets program of bench/minimal measured in the same run.
// Every figure is a fresh process; the benchmark process only starts them and reads their
// reports, so its own memory never counts.
#include "RunBenchmarks.h"
#include "ui/common/EndProgram.h"
#include "ui/common/Fonts.h"
#include "ui/shell/mdiMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr char PlayMatchArgument[] = "--play-match";

// ----- the match child: one whole match through the real windows, offscreen -----

// Plays as a user would: in-built teams, heads, bat, then ROLL until the result can be closed.
class MatchDriver : public QObject
{
public:
    explicit MatchDriver(QWidget *frame) : m_frame(frame)
    {
        connect(&m_timer, &QTimer::timeout, this, &MatchDriver::step);
        // Not 0 ms: a zero timer that always fires starves the splash's own timer.
        m_timer.start(1);
    }

    bool done() const { return m_finished || !m_failure.isEmpty(); }
    const QString &failure() const { return m_failure; }
    int rolls() const { return m_rolls; }
    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure = why;
        m_timer.stop();
    }

private:
    void step()
    {
        if (done())
            return;
        if (QWidget *modal = QApplication::activeModalWidget()) {
            answer(modal);
            return;
        }
        if (auto *result = m_frame->findChild<QWidget *>(QStringLiteral("frmResult"));
            result && result->isVisible()) {
            auto *ok = result->findChild<QPushButton *>(QStringLiteral("cmdOk"));
            if (ok && ok->isEnabled()) {
                ok->click();
                m_finished = true;
                m_timer.stop();
            }
            return;
        }
        const auto rolls = m_frame->findChildren<QPushButton *>(QStringLiteral("cmdRoll"));
        for (QPushButton *roll : rolls) {
            if (roll->isVisible() && roll->isEnabled()) {
                roll->click();
                ++m_rolls;
                return;
            }
        }
    }

    void answer(QWidget *modal)
    {
        const QString name = modal->objectName();
        if (name == u"frmSplash")
            return; // closes itself
        if (name == u"frmTeamMode") {
            press(modal, QStringLiteral("cmdInBuilt"));
        } else if (name == u"frmToss") {
            auto *heads = modal->findChild<QPushButton *>(QStringLiteral("cmdHeads"));
            press(modal, heads && heads->isEnabled() ? QStringLiteral("cmdHeads")
                                                     : QStringLiteral("cmdBat"));
        } else {
            const auto *box = qobject_cast<QMessageBox *>(modal);
            fail(QStringLiteral("unexpected window during the match: ") +
                 (box ? box->text() : name));
            modal->close();
        }
    }

    void press(QWidget *window, const QString &button)
    {
        auto *found = window->findChild<QPushButton *>(button);
        if (!found)
            fail(window->objectName() + QStringLiteral(" has no ") + button);
        else if (found->isVisible() && found->isEnabled())
            found->click();
    }

    QWidget *m_frame;
    QTimer m_timer;
    QString m_failure;
    bool m_finished = false;
    int m_rolls = 0;
};

long peakRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int playMatch(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stumpwell"));
    installFontSubstitutions();

    mdiMain frame;
    MatchDriver driver(&frame);
    setEndProgramHandler([&driver] { driver.fail(QStringLiteral("the program ended itself")); });
    frame.MDIForm_Load();
    auto *start = frame.findChild<QAction *>(QStringLiteral("mnu2Human"));
    if (!start)
        driver.fail(QStringLiteral("no mnu2Human menu item"));
    else
        start->trigger();

    QElapsedTimer clock;
    clock.start();
    while (!driver.done() && clock.elapsed() < 300'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!driver.done())
        driver.fail(QStringLiteral("the match did not end within 300 s"));
    if (!driver.failure().isEmpty()) {
        std::fprintf(stderr, "bench_startup: %s\n", qPrintable(driver.failure()));
        return 1;
    }
    std::printf("match-played peak_rss_kib=%ld rolls=%d\n", peakRssKib(), driver.rolls());
    std::fflush(stdout);
    return 0;
}

// ----- the benchmark process: starts the programs and reads their reports -----

struct Report
{
    double milliseconds = 0; // process start to the report line
    double peakMiB = 0;
    QString error;
};

// STUMPWELL_BIN and STUMPWELL_MINIMAL_BIN override the places in the build tree.
QString programPath(const char *variable, const QString &inBuildTree)
{
    const QString given = qEnvironmentVariable(variable);
    if (!given.isEmpty())
        return given;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(inBuildTree);
}

QString gamePath()
{
    return programPath("STUMPWELL_BIN", QStringLiteral("../src/stumpwell"));
}

QString minimalPath()
{
    return programPath("STUMPWELL_MINIMAL_BIN", QStringLiteral("minimal/stumpwell_minimal"));
}

// `language`, when given, is the LANGUAGE the program starts in.
Report run(const QString &program, const QStringList &arguments, const QByteArray &reportPrefix,
           int timeoutMs, const QString &language = {})
{
    Report report;
    if (!QFileInfo(program).isExecutable()) {
        report.error = program + QStringLiteral(" is not built");
        return report;
    }
    QTemporaryDir workDir; // "Basic.kdt" would be read and written here
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The match store too: a benchmark never touches the user's.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), workDir.path());
    if (reportPrefix == "first-paint")
        environment.insert(QStringLiteral("STUMPWELL_BENCH_FIRST_PAINT"), QStringLiteral("1"));
    if (!language.isEmpty())
        environment.insert(QStringLiteral("LANGUAGE"), language);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workDir.path());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    const auto reportLine = [&process, &reportPrefix]() -> std::optional<QByteArray> {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith(reportPrefix))
                return line;
        }
        return std::nullopt;
    };
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    std::optional<QByteArray> line;
    while (!(line = reportLine()) && clock.elapsed() < timeoutMs) {
        if (!process.waitForReadyRead(int(std::max<qint64>(1, timeoutMs - clock.elapsed()))) &&
            process.state() == QProcess::NotRunning) {
            line = reportLine();
            break;
        }
    }
    report.milliseconds = double(clock.nsecsElapsed()) / 1e6;
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    if (!line) {
        report.error =
            QFileInfo(program).fileName() + QStringLiteral(" gave no \"%1\" report within %2 s")
                                                .arg(QString::fromLatin1(reportPrefix))
                                                .arg(timeoutMs / 1000);
        if (reportPrefix == "first-paint")
            report.error += QStringLiteral(" (its main() must call reportFirstPaintIfAsked)");
        return report;
    }
    static const QRegularExpression peak(QStringLiteral("peak_rss_kib=(\\d+)"));
    const QRegularExpressionMatch found = peak.match(QString::fromLatin1(*line));
    report.peakMiB = found.hasMatch() ? found.captured(1).toDouble() / 1024.0 : 0.0;
    return report;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The table in bench/run.sh reads "value" beside "reference", the unit from the label, and
// checks the goal counters.
void setFigure(benchmark::State &state, double value, double reference, const char *unit)
{
    state.counters["value"] = value;
    state.counters["reference"] = reference;
    state.SetLabel(unit);
}

// The game's start-up in `language` (the system's when empty) against the minimal program's.
void startupFigure(benchmark::State &state, const QString &language)
{
    constexpr int Pairs = 10;
    const QByteArray prefix("first-paint");
    for (auto _ : state) {
        std::vector<double> game;
        std::vector<double> minimal;
        // The first pair only warms the file cache; then the order alternates so that drift
        // on a busy machine falls on both alike.
        for (int i = 0; i <= Pairs; ++i) {
            const bool gameFirst = i % 2 == 1;
            Report first = run(gameFirst ? gamePath() : minimalPath(), {}, prefix, 20'000,
                               gameFirst ? language : QString());
            Report second = run(gameFirst ? minimalPath() : gamePath(), {}, prefix, 20'000,
                                gameFirst ? QString() : language);
            for (const Report *report : {&first, &second}) {
                if (!report->error.isEmpty()) {
                    state.SkipWithError(qPrintable(report->error));
                    return;
                }
            }
            if (i == 0)
                continue;
            game.push_back(gameFirst ? first.milliseconds : second.milliseconds);
            minimal.push_back(gameFirst ? second.milliseconds : first.milliseconds);
        }
        state.SetIterationTime(median(game) / 1000.0);
        setFigure(state, median(game), median(minimal), "ms");
        state.counters["goal_ratio"] = 1.2;
    }
}

void StartupToFirstPaint(benchmark::State &state)
{
    startupFigure(state, {});
}
BENCHMARK(StartupToFirstPaint)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// With the German catalogue and Qt's own loaded.
void StartupInGermanToFirstPaint(benchmark::State &state)
{
    startupFigure(state, QStringLiteral("de"));
}
BENCHMARK(StartupInGermanToFirstPaint)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void PeakMemoryWholeMatch(benchmark::State &state)
{
    constexpr int Runs = 3;
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        std::vector<double> game;
        std::vector<double> minimal;
        std::vector<double> seconds;
        for (int i = 0; i < Runs; ++i) {
            const Report match =
                run(self, {QString::fromLatin1(PlayMatchArgument)}, "match-played", 330'000);
            const Report reference = run(minimalPath(), {}, "first-paint", 20'000);
            for (const Report *report : {&match, &reference}) {
                if (!report->error.isEmpty()) {
                    state.SkipWithError(qPrintable(report->error));
                    return;
                }
            }
            game.push_back(match.peakMiB);
            minimal.push_back(reference.peakMiB);
            seconds.push_back(match.milliseconds / 1000.0);
        }
        state.SetIterationTime(median(seconds));
        setFigure(state, median(game), median(minimal), "MiB");
        state.counters["goal_diff"] = 15;
    }
}
BENCHMARK(PeakMemoryWholeMatch)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], PlayMatchArgument) == 0)
        return playMatch(argc, argv);

    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
