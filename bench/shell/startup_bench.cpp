// Time to the first paint of the main window: the program's own start-up
// (modules, application object, every window, the main window shown and
// painted once, then exit) beside a bare application object that creates
// nothing, both under the offscreen platform.  Measured twice: inside this
// process (the application object made anew for every iteration) and as whole
// processes (this executable started again in a child mode, so that loading
// the libraries counts as a user waiting for the window sees it).  An
// application showing one label is measured beside them as a second floor.
// The ratios are printed at the end.
#include "shell/mainform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "shell/startup.h"
#include "../ratios.h"
#include "selfprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
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

// Runs the event loop until the widget has been painted once (at most 5 s);
// false when it never was.
bool waitForFirstPaint(QWidget* widget)
{
    PaintCounter counter;
    widget->installEventFilter(&counter);
    QElapsedTimer waited;
    waited.start();
    while (counter.paints == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    widget->removeEventFilter(&counter);
    return counter.paints > 0;
}

// The bare floor: an application object that creates nothing.
void bareOnce()
{
    QApplication app(appArgc, appArgv);
    QCoreApplication::processEvents();
}

// A second yardstick: an application that shows one label and waits for its
// first paint.  Any window with text pays for starting the font system, which
// the bare application never does; the program's ratio to this one shows what
// is left of start-up besides that.
bool labelOnce()
{
    QApplication app(appArgc, appArgv);
    QLabel label(QStringLiteral("Обучающая система"));
    label.show();
    return waitForFirstPaint(&label);
}

// The program's start-up up to the first paint of the main window, then exit.
// False when the main window was never painted.
bool startupOnce()
{
    startModules();
    bool painted = false;
    {
        GuardedApplication app(appArgc, appArgv);
        installProgramServices(startupLanguage(app.arguments()));
        createWindows();
        painted = waitForFirstPaint(MainForm);
        destroyWindows();
    }
    stopModules();
    return painted;
}

// Times `once` per iteration; the run ends with `failure` when it fails.
void repeat(benchmark::State& state, const std::function<bool()>& once, const char* failure)
{
    for (auto _ : state)
        if (!once()) {
            state.SkipWithError(failure);
            break;
        }
}

void BM_BareProcess(benchmark::State& state)
{
    repeat(state, [] { return runChild("--child=bare"); }, "the bare child failed");
}
BENCHMARK(BM_BareProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LabelProcess(benchmark::State& state)
{
    repeat(state, [] { return runChild("--child=label"); }, "the label child failed");
}
BENCHMARK(BM_LabelProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProgramProcess(benchmark::State& state)
{
    repeat(state, [] { return runChild("--child=program"); }, "the program child failed");
}
BENCHMARK(BM_ProgramProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareApplication(benchmark::State& state)
{
    repeat(state, [] { bareOnce(); return true; }, "");
}
BENCHMARK(BM_BareApplication)->Unit(benchmark::kMillisecond);

void BM_LabelApplication(benchmark::State& state)
{
    repeat(state, labelOnce, "the label was never painted");
}
BENCHMARK(BM_LabelApplication)->Unit(benchmark::kMillisecond);

void BM_ProgramStartup(benchmark::State& state)
{
    repeat(state, startupOnce, "the main window was never painted");
}
BENCHMARK(BM_ProgramStartup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--child=bare") == 0) {
        bareOnce();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--child=label") == 0)
        return labelOnce() ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "--child=program") == 0)
        return startupOnce() ? 0 : 1;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Start-up to the first paint.
    reporter.printRatios({
        {"startup / bare app (whole processes)", "BM_ProgramProcess", "BM_BareProcess", "1.2\u00d7"},
        {"startup / bare app (inside one process)", "BM_ProgramStartup", "BM_BareApplication", "2\u00d7"},
        {"startup / one label (whole processes)", "BM_ProgramProcess", "BM_LabelProcess"},
        {"startup / one label (inside one process)", "BM_ProgramStartup", "BM_LabelApplication"},
    });
    benchmark::Shutdown();
    return 0;
}
