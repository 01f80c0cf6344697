// Time to the first paint of the main window: the program's own start-up
// (modules, application object, every window, the main window shown and
// painted once, then exit) beside a bare application object that creates
// nothing.  Both run under the offscreen platform in the same process; the
// ratio of the two is printed at the end.
#include "shell/mainform.h"
#include "shell/platform/forms.h"
#include "shell/platform/guard.h"
#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {
int appArgc = 1;
char appName[] = "bench_startup";
char* appArgv[] = {appName, nullptr};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void BM_BareApplication(benchmark::State& state)
{
    for (auto _ : state) {
        QApplication app(appArgc, appArgv);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BareApplication)->Unit(benchmark::kMillisecond);

void BM_ProgramStartup(benchmark::State& state)
{
    for (auto _ : state) {
        startModules();
        {
            GuardedApplication app(appArgc, appArgv);
            createWindows();
            PaintCounter counter;
            MainForm->installEventFilter(&counter);
            QElapsedTimer waited;
            waited.start();
            while (counter.paints == 0 && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            MainForm->removeEventFilter(&counter);
            destroyWindows();
            if (counter.paints == 0) {
                state.SkipWithError("the main window was never painted");
                break;
            }
        }
        stopModules();
    }
    stopModules();
}
BENCHMARK(BM_ProgramStartup)->Unit(benchmark::kMillisecond);

// Keeps the real time per iteration of every plain run, for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> realTime;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                realTime[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto bare = reporter.realTime.find("BM_BareApplication");
    const auto program = reporter.realTime.find("BM_ProgramStartup");
    if (bare != reporter.realTime.end() && program != reporter.realTime.end() && bare->second > 0)
        std::printf("start-up to first paint / bare application: %.2fx (target: at most 2x)\n",
                    program->second / bare->second);
    benchmark::Shutdown();
    return 0;
}
