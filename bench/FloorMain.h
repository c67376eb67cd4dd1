// The main of the timed benchmarks: each measured thing's ratio to the floor
// of its work, both measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

// A benchmark and the floor of its work, both registered, and the ratio of
// their median wall times that the benchmark aims to stay within.
struct AgainstFloor {
    const char* thing;
    const char* floor;
    double target;
};

// The console report, keeping the median and the coefficient of variation
// of every benchmark's wall time.
class FloorReporter : public benchmark::ConsoleReporter {
public:
    struct Figures {
        double median = 0, cv = 0;
    };
    std::map<std::string, Figures> figures;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate) continue;
            Figures& f = figures[run.run_name.function_name];
            if (run.aggregate_name == "median") f.median = run.GetAdjustedRealTime();
            if (run.aggregate_name == "cv") f.cv = run.real_accumulated_time;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// The benchmarks' main: 45 repetitions of 0.1 s in random order, aggregates
// only, unless the command line says otherwise; then one line per pair: the
// ratio of the medians, the target, and the spread (cv) of each side. Many
// short repetitions spread both sides over the whole run, so that a burst of
// load on a shared machine falls on both alike.
inline int RunAgainstFloors(int argc, char** argv, const std::vector<AgainstFloor>& pairs) {
    std::vector<char*> args = {argv[0]};
    char repetitions[] = "--benchmark_repetitions=45";
    char minTime[] = "--benchmark_min_time=0.1";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.end(), {repetitions, minTime, aggregates, interleaving});
    args.insert(args.end(), argv + 1, argv + argc);  // later flags win
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const AgainstFloor& p : pairs) {
        const FloorReporter::Figures& thing = reporter.figures[p.thing];
        const FloorReporter::Figures& floor = reporter.figures[p.floor];
        if (thing.median <= 0 || floor.median <= 0) continue;
        const double ratio = thing.median / floor.median;
        char line[256];
        snprintf(line, sizeof line, "%s / %s: %.2fx (median; target <= %.1fx: %s), cv %.1f%% / %.1f%%", p.thing,
                 p.floor, ratio, p.target, ratio <= p.target ? "met" : "NOT met", 100 * thing.cv, 100 * floor.cv);
        std::cout << line << std::endl;  // after the report, which goes to std::cout too
    }
    return 0;
}
