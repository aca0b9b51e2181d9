#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each benchmark as a multiple of the floor it
// is judged against, both taken in this run: the figures the targets name.
// With repetitions, the medians are compared: run interleaved, the floor and
// the benchmark share the machine's slow and fast moments.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string name;
        std::string floor;
        double target = 0; // the largest multiple allowed; 0 for none
    };
    using Extra = std::function<void(const std::map<std::string, double>& nanos)>;

    RatioReporter(std::string heading, std::vector<Ratio> ratios, Extra extra = {})
        : heading_(std::move(heading)), ratios_(std::move(ratios)), extra_(std::move(extra)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                nanos_[name] = run.GetAdjustedRealTime();
                medians_[name] = true;
            } else if (run.run_type == Run::RT_Iteration && !medians_[name]) {
                nanos_[name] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%s\n", heading_.c_str());
        for (const Ratio& r : ratios_) {
            if (!nanos_.count(r.name) || !nanos_.count(r.floor) || nanos_[r.floor] <= 0)
                continue;
            const double x = nanos_[r.name] / nanos_[r.floor];
            std::printf("%-38s = %6.2f x %s", r.name.c_str(), x, r.floor.c_str());
            if (r.target > 0)
                std::printf("  (target at most %.0f x: %s)", r.target,
                            x <= r.target ? "met" : "not met");
            std::printf("\n");
        }
        if (extra_)
            extra_(nanos_);
    }

private:
    std::string heading_;
    std::vector<Ratio> ratios_;
    Extra extra_;
    std::map<std::string, double> nanos_;
    std::map<std::string, bool> medians_;
};
