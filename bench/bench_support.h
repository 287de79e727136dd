// What the benchmarks share: CPU time per call against a memcpy of the bytes the call writes,
// both measured in the same run, and an engine with an 800 x 600 main panel and two 500 x 250
// pictures in slots 0 and 1.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <functional>

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

}  // namespace tov::bench
