// Growth of the engine's clean-up and of a whole comparison with the length of
// the formula, up to the engine's 20,000-byte limit: the time per byte should
// stay flat from 1,000 to 20,000 bytes.  Marker runs ("!#" repeated) are the
// clean-up's hardest input; a long sum of one variable is a long but ordinary
// answer.
#include <benchmark/benchmark.h>

#include <string>

#include "formula/packetequation.h"
#include "formula/text.h"

namespace {

std::string repeated(const std::string& piece, std::size_t bytes)
{
    std::string s;
    while (s.size() + piece.size() <= bytes)
        s += piece;
    return s;
}

void BM_NormalizeMarkerRuns(benchmark::State& state)
{
    const std::string text = repeated("!#", static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalizeEquation(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_NormalizeMarkerRuns)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_NormalizeSubscriptedSum(benchmark::State& state)
{
    const std::string text = repeated("R!A@+", static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalizeEquation(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_NormalizeSubscriptedSum)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_CompareLongSum(benchmark::State& state)
{
    const std::string text = repeated("x+", static_cast<std::size_t>(state.range(0) - 1)) + "x";
    TMyPacketData table;
    table.AddVariable("x", "");
    TMyPacketEquation reference;
    reference.SetEquation(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(reference.Compare(text, table));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CompareLongSum)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
