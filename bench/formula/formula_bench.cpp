// A whole judgement of each exercise reference formula: SetEquation and
// Compare against the same formula typed differently (15 agreeing trials) and
// against a wrong one (decided in the first trial), over the exercise's table.
// ours_reparse makes the reference object anew in every iteration, so that the
// reference is parsed every time too (SetEquation keeps the tree of a text it
// already holds).  The yardstick does the same numeric work with muparser: parse both formulas
// and evaluate each 15 times, parsers and variables reused.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "formula/packetequation.h"
#include "tests/formula/support/reference_formulas.h"

namespace {

constexpr std::uint32_t kSeed = 3;

const TMyPacketData& exerciseTable(bool controlTask)
{
    static const auto make = [](const std::vector<std::string>& names) {
        auto table = std::make_unique<TMyPacketData>();
        fillExerciseTable(*table, names, kSeed);
        return table;
    };
    static const auto example = make(kWorkedExampleVariables);
    static const auto control = make(kControlTaskVariables);
    return controlTask ? *control : *example;
}

void judge(benchmark::State& state, bool controlTask, ReferenceFormula f, bool wrong)
{
    const TMyPacketData& table = exerciseTable(controlTask);
    const std::string reference = f.reference;
    const std::string typed = wrong ? f.wrong : f.reordered;
    const char* expected = wrong ? kVerdictNotEqual : kVerdictEqual;
    TMyPacketEquation equation;
    for (auto _ : state) {
        equation.SetEquation(reference);
        const std::string verdict = equation.Compare(typed, table);
        benchmark::DoNotOptimize(verdict.data());
        if (verdict != expected) {
            state.SkipWithError("unexpected verdict");
            break;
        }
    }
}

// The same judgement with a reference object made anew, so that the reference
// text is parsed in every iteration as well.
void judgeFresh(benchmark::State& state, bool controlTask, ReferenceFormula f)
{
    const TMyPacketData& table = exerciseTable(controlTask);
    const std::string reference = f.reference;
    const std::string typed = f.reordered;
    for (auto _ : state) {
        TMyPacketEquation equation;
        equation.SetEquation(reference);
        const std::string verdict = equation.Compare(typed, table);
        benchmark::DoNotOptimize(verdict.data());
        if (verdict != kVerdictEqual) {
            state.SkipWithError("unexpected verdict");
            break;
        }
    }
}

// Formula text in muparser's syntax: "~p" -> "t_p", "R!B@" -> "R_B",
// "#" -> "^".
std::string muparserText(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '~': out += "t_"; break;
        case '!': out += '_'; break;
        case '@': case ' ': break;
        case '#': out += '^'; break;
        default: out += c;
        }
    }
    return out;
}

void yardstick(benchmark::State& state, bool controlTask, ReferenceFormula f)
{
    const TMyPacketData& table = exerciseTable(controlTask);
    std::vector<double> values(table.Names().size());
    mu::Parser reference, typed;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<double>(table.GetVariable(table.Names()[i]));
        const std::string name = muparserText(table.Names()[i]);
        reference.DefineVar(name, &values[i]);
        typed.DefineVar(name, &values[i]);
    }
    const std::string referenceText = muparserText(f.reference);
    const std::string typedText = muparserText(f.reordered);
    for (auto _ : state) {
        reference.SetExpr(referenceText);
        typed.SetExpr(typedText);
        double sum = 0;
        for (int trial = 0; trial < 15; ++trial)
            sum += reference.Eval() - typed.Eval();
        benchmark::DoNotOptimize(sum);
    }
}

void registerAll(const ReferenceFormula* begin, const ReferenceFormula* end, bool controlTask)
{
    for (const ReferenceFormula* f = begin; f != end; ++f) {
        const std::string id = f->id;
        benchmark::RegisterBenchmark(("ours_equal/" + id).c_str(), judge, controlTask, *f, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ours_wrong/" + id).c_str(), judge, controlTask, *f, true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ours_reparse/" + id).c_str(), judgeFresh, controlTask, *f)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("muparser/" + id).c_str(), yardstick, controlTask, *f)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerAll(kWorkedExampleFormulas.data(), kWorkedExampleFormulas.data() + kWorkedExampleFormulas.size(), false);
    registerAll(kControlTaskFormulas.data(), kControlTaskFormulas.data() + kControlTaskFormulas.size(), true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
