// The benchmark runner: google-benchmark's console output, and with --results=FILE a Markdown
// table of every result (CPU time per call and the ratio to a memcpy measured in the same run)
// headed by the machine and the date, which `./run bench` writes to bench/RESULTS.md.
#include <benchmark/benchmark.h>

#include <sys/utsname.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Row {
    std::string name;
    double cpu_us = 0;
    double ratio = -1;  // negative: the benchmark reports none
};

class TableReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            Row row;
            row.name = run.benchmark_name();
            row.cpu_us =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
            for (const char* key : {"vs_memcpy", "ratio"}) {
                if (auto found = run.counters.find(key); found != run.counters.end()) {
                    row.ratio = found->second.value;
                }
            }
            rows.push_back(row);
            // A ratio against a memcpy of other bytes ("vs_strip_memcpy") gets a row of its own.
            for (const auto& [key, counter] : run.counters) {
                const std::string prefix = "vs_";
                const std::string suffix = "_memcpy";
                if (key == "vs_memcpy" || key.size() <= prefix.size() + suffix.size() ||
                    key.rfind(prefix, 0) != 0 ||
                    key.compare(key.size() - suffix.size(), suffix.size(), suffix) != 0) {
                    continue;
                }
                Row other = row;
                other.name +=
                    " (against a memcpy of its " +
                    key.substr(prefix.size(), key.size() - prefix.size() - suffix.size()) + ")";
                other.ratio = counter.value;
                rows.push_back(other);
            }
        }
    }
    std::vector<Row> rows;
};

std::string CpuModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const size_t colon = line.find(':');
            if (colon != std::string::npos) return line.substr(colon + 2);
        }
    }
    return "unknown processor";
}

bool WriteResults(const std::string& path, const std::vector<Row>& rows) {
    std::ofstream out(path);
    if (!out) {
        std::fprintf(stderr, "tov_bench: cannot write %s\n", path.c_str());
        return false;
    }
    utsname system{};
    uname(&system);
    char date[64] = "";
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    out << "# Benchmark results\n\n"
        << "Written by `./run bench` (release build). Machine: " << CpuModel() << ", "
        << std::thread::hardware_concurrency() << " hardware threads, " << system.sysname << " "
        << system.release << ". Date: " << date << ".\n\n"
        << "CPU time per call, and its ratio to a memcpy of the bytes the call writes measured "
           "in the same run (the ratio is the figure to compare across machines; absolute "
           "times vary with the machine and its load). The frame budget at 60 Hz is 16,667 µs; "
           "1 % of it is 167 µs.\n\n"
        << "| benchmark | µs per call | × memcpy |\n| --- | ---: | ---: |\n";
    for (const Row& row : rows) {
        char cells[96];
        if (row.ratio >= 0) {
            std::snprintf(cells, sizeof cells, "| %.1f | %.2f |", row.cpu_us, row.ratio);
        } else {
            std::snprintf(cells, sizeof cells, "| %.1f | |", row.cpu_us);
        }
        out << "| " << row.name << " " << cells << "\n";
    }
    out.close();
    if (!out) std::fprintf(stderr, "tov_bench: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    std::string results;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--results=", 10) == 0) {
            // Absolute now: a benchmark may change the current folder (the demo's runs in its
            // assets' folder).
            results = std::filesystem::absolute(argv[i] + 10).string();
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!results.empty() && !WriteResults(results, reporter.rows)) return 1;
    return 0;
}
