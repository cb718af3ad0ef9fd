// SPDX-License-Identifier: MIT
// Runs every benchmark and prints one table: each measurement per item, and
// its ratio to the reference loop of its group (the benchmark named
// "GROUP/reference: ...").

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            double items = run.counters.count("items") ? double(run.counters.at("items")) : 1.0;
            rows.push_back({run.benchmark_name(), run.GetAdjustedRealTime() / items,
                            run.error_occurred ? run.error_message : std::string()});
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::map<std::string, double> references;
        for (const Row& row : rows)
            if (row.name.find("/reference") != std::string::npos)
                references[row.name.substr(0, row.name.find('/'))] = row.nsPerItem;
        std::printf("\n%-44s %14s %10s\n", "benchmark", "ns per item", "x reference");
        for (const Row& row : rows) {
            if (!row.skipped.empty()) {
                std::printf("%-44s %s\n", row.name.c_str(), row.skipped.c_str());
                continue;
            }
            double reference = references[row.name.substr(0, row.name.find('/'))];
            std::printf("%-44s %14.2f %10.2f\n", row.name.c_str(), row.nsPerItem,
                        reference > 0 ? row.nsPerItem / reference : 0.0);
        }
    }

private:
    struct Row {
        std::string name;
        double nsPerItem;
        std::string skipped;  // why the row did not run
    };
    std::vector<Row> rows;
};
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
