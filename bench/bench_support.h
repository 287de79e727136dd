// What the benchmarks share: CPU time per call against a memcpy of the bytes the call writes,
// both measured in the same run, an engine with an 800 x 600 main panel and two 500 x 250
// pictures in slots 0 and 1, and a folder of their own for the files an engine loads.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "engine/engine.h"

namespace tov::bench {

constexpr int kPanelWidth = 800;
constexpr int kPanelHeight = 600;
constexpr int kPictureWidth = 500;
constexpr int kPictureHeight = 250;
// The picture's pixel bytes as the fades handle them: 24-bit rows padded to 4 bytes.
constexpr size_t kPictureBytes = static_cast<size_t>((3 * kPictureWidth + 3) & ~3) * kPictureHeight;

// CPU nanoseconds of this thread.
double ThreadNanoseconds();

// CPU nanoseconds of one memcpy of `bytes` bytes: the fastest of several batches, so that
// ratios are against the copy at its best. Measured once per size and run.
double MemcpyNanoseconds(size_t bytes);

// Runs step(n) in the timing loop (n counts 0, 7, 14, ... modulo 101) and reports `vs_memcpy`,
// its CPU time per call over MemcpyNanoseconds(bytes), and `bytes`.
void RunAgainstMemcpy(benchmark::State& state, size_t bytes, const std::function<void(int)>& step);

// An engine with the main panel installed at kPanelWidth x kPanelHeight and two pictures of
// kPictureWidth x kPictureHeight in bitmap selection slots 0 and 1, which differ everywhere.
class BenchEngine {
  public:
    BenchEngine();
    ~BenchEngine();
    BenchEngine(const BenchEngine&) = delete;
    BenchEngine& operator=(const BenchEngine&) = delete;
    tov::Engine& Get() { return engine_; }

  private:
    std::filesystem::path dir_;
    tov::Engine engine_;
};

// A fresh folder "tov-bench-<name>-<process id>" under the system's temporary folder, removed
// with everything in it when the object goes.
class TempFolder {
  public:
    explicit TempFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("tov-bench-" + name + "-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Seconds of one memcpy of `bytes` bytes: the fastest of several batches, so that a ratio is
// against the copy at its best.
inline double MemcpySeconds(size_t bytes) {
    std::vector<uint8_t> from(bytes, 0x5A);
    std::vector<uint8_t> to(bytes);
    constexpr int kBatch = 200;
    double best = 1e9;
    for (int round = 0; round < 10; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBatch; ++i) {
            from[static_cast<size_t>(i) % bytes] = static_cast<uint8_t>(i);
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / kBatch);
    }
    return best;
}

// The memcpy of `bytes` bytes as a benchmark of its own.
inline void MemcpyLoop(benchmark::State& state, size_t bytes) {
    std::vector<uint8_t> from(bytes, 0x5A);
    std::vector<uint8_t> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

// Runs step(i) for i = 0, 1, 2 ... in the timing loop and reports the mean time of a call in
// microseconds (`us_per_call`) and divided by `memcpy_seconds` (`vs_memcpy`).
template <typename Step>
void TimeAgainstMemcpy(benchmark::State& state, double memcpy_seconds, Step step) {
    const auto start = std::chrono::steady_clock::now();
    int i = 0;
    for (auto _ : state)
        step(i++);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double per_call = took.count() / static_cast<double>(state.iterations());
    state.counters["us_per_call"] = per_call * 1e6;
    state.counters["vs_memcpy"] = per_call / memcpy_seconds;
}

}  // namespace tov::bench
