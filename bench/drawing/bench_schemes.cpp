// Drawing the busiest schemes on a real picture and statement label, and the
// same through the recording canvas (the cost of the calls alone).
#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "drawing/recordingcanvas.h"
#include "exercises/schemes.h"
#include "platform/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void PictureAndLabel(benchmark::State& state, int task, int step)
{
    PictureBox picture(280, 160);
    CanvasLabel statement;
    statement.resize(355, 170);
    const SchemeTarget target{picture.canvas(), statement.canvas(),
                              [&](const QString& text) { statement.setText(text); }, [] {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(task < 0 ? DrawExampleScheme(step, target) : DrawTaskScheme(task, step, target));
}

void Recording(benchmark::State& state, int task, int step)
{
    for (auto _ : state) {
        RecordingCanvas picture(SurfaceKind::Picture);
        RecordingCanvas statement(SurfaceKind::Label);
        const SchemeTarget target{picture, statement, {}, {}};
        benchmark::DoNotOptimize(task < 0 ? DrawExampleScheme(step, target) : DrawTaskScheme(task, step, target));
    }
}

BENCHMARK_CAPTURE(PictureAndLabel, example_scheme_2, -1, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PictureAndLabel, task_0_scheme_5, 0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Recording, example_scheme_2, -1, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Recording, task_0_scheme_5, 0, 5)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
