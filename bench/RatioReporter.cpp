#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace kv::bench {

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& Times() const { return seconds_; }

private:
    std::map<std::string, double> seconds_;
};

} // namespace

int RunWithRatio(int argc, char** argv, const std::string& target, const std::string& baseline, double goal)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.Times();
    if (!t.contains(target) || !t.contains(baseline) || t.at(baseline) <= 0) {
        std::printf("ratio: not measured (run both %s and %s)\n", target.c_str(), baseline.c_str());
        return 0;
    }
    const double ratio = t.at(target) / t.at(baseline);
    std::printf("ratio %s / %s = %.3f (goal <= %.2f: %s)\n", target.c_str(), baseline.c_str(), ratio, goal,
                ratio <= goal ? "met" : "NOT met");
    return 0;
}

} // namespace kv::bench
