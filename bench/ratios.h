#pragma once
// Ratios between benchmarks run side by side in one program.  The reporter
// keeps one time per benchmark (the median of the repetitions when there are
// aggregates, else the last run), and printRatios() prints one line per ratio,
// each beginning with "ratio: ", which bench.sh gathers at the end of its run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct BenchRatio {
    const char* label;  // what the line says, e.g. "startup / bare app"
    const char* over;   // the benchmark measured
    const char* under;  // the yardstick it is divided by
    const char* target = nullptr; // the figure it must stay within, if any
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            // Real time for benchmarks that asked for it (whole processes),
            // else processor time, which other programs on the machine
            // disturb less.
            const double time = run.run_name.time_type.empty() ? run.GetAdjustedCPUTime()
                                                                : run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_median[name] = time;
            else if (run.run_type == Run::RT_Iteration)
                m_last[name] = time;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The time kept for a benchmark, 0 when it has none (failed or not run).
    double time(const std::string& name) const
    {
        if (const auto m = m_median.find(name); m != m_median.end())
            return m->second;
        const auto l = m_last.find(name);
        return l == m_last.end() ? 0 : l->second;
    }

    // One line per ratio whose two benchmarks both ran.
    void printRatios(const std::vector<BenchRatio>& ratios) const
    {
        for (const BenchRatio& r : ratios) {
            const double over = time(r.over);
            const double under = time(r.under);
            if (over > 0 && under > 0 && r.target)
                std::printf("ratio: %s: %.2f\u00d7 (at most %s)\n", r.label, over / under, r.target);
            else if (over > 0 && under > 0)
                std::printf("ratio: %s: %.2f\u00d7\n", r.label, over / under);
            else
                std::printf("ratio: %s: not measured (%s or %s did not run)\n", r.label, r.over, r.under);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, double> m_median;
    std::map<std::string, double> m_last;
};
