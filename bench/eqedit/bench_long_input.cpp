// Growth of the control's evaluator with the length of the formula: the time
// per byte should stay flat from 1,000 to 20,000 bytes.  "pi+" repeated is a
// long sum of substituted values (each trial brackets them); "1+" repeated is
// the bracket-free rewriting alone; "!#" repeated is the marker clean-up.
#include <benchmark/benchmark.h>

#include <QString>

#include "eqedit/evaluator.h"
#include "eqedit/notation.h"

namespace {

QString repeated(const QString& piece, qsizetype length)
{
    QString s;
    while (s.size() + piece.size() <= length)
        s += piece;
    return s;
}

void BM_CompareLongSumOfPi(benchmark::State& state)
{
    const QString text = repeated(QStringLiteral("pi+"), state.range(0) - 2) + QStringLiteral("pi");
    EqEvaluator e;
    for (auto _ : state) {
        bool equal = false;
        benchmark::DoNotOptimize(e.CompareEquation(text, text, equal));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CompareLongSumOfPi)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_CalculateLongSum(benchmark::State& state)
{
    const QString text = repeated(QStringLiteral("1+"), state.range(0) - 1) + QStringLiteral("1");
    EqEvaluator e;
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(e.CalculateEquation(text, value));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CalculateLongSum)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_FilterMarkerRuns(benchmark::State& state)
{
    const QString text = repeated(QStringLiteral("!#"), state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Filter(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_FilterMarkerRuns)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
