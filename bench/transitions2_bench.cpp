// The steps of the bitmap construct (every style), the square fade and the wave on an 800 x 600
// main panel with a 500 x 250 picture. Each benchmark times single steps (set-ups are left out)
// and reports the mean time per step, `worst_us`, the mean time of the slowest step of a run,
// `vs_memcpy` and `worst_vs_memcpy`: the mean and the slowest step divided by one memcpy of the
// 500 x 250 canvas pixels (32 bits each), measured in the same run.
//
// Times are the thread's processor time, so that a machine shared with other work measures
// what a step costs rather than how long it waited for a processor.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_support.h"
#include "engine/engine.h"

namespace {

using tov::bench::BenchEngine;

constexpr int kWidth = tov::bench::kPictureWidth;
constexpr int kHeight = tov::bench::kPictureHeight;

// Seconds of processor time this thread has used.
double ThreadSeconds() {
    return tov::bench::ThreadNanoseconds() * 1e-9;
}

// Seconds of one memcpy of the canvas pixels, at its best, in thread time like the steps.
double MemcpySeconds() {
    static const double seconds =
        tov::bench::MemcpyNanoseconds(static_cast<size_t>(kWidth) * kHeight * sizeof(uint32_t)) *
        1e-9;
    return seconds;
}

void BM_MemcpyCanvas(benchmark::State& state) {
    tov::bench::MemcpyLoop(state, static_cast<size_t>(kWidth) * kHeight * sizeof(uint32_t));
}
BENCHMARK(BM_MemcpyCanvas);

// Times `step` once per iteration; `prepare` runs untimed before each step, starts a new run
// when one is needed and returns the number of the step about to be made within its run.
// Reports the mean, `worst_us` (the mean time of the run's slowest step: the slowest of the
// per-number means, so that one preempted call does not count as the step's cost) and, on
// the ratios of the mean and of the slowest step to the memcpy.
template <typename Prepare, typename Step>
void TimeSteps(benchmark::State& state, Prepare prepare, Step step) {
    double total = 0.0;
    std::vector<double> time_by_number;
    std::vector<int> count_by_number;
    for (auto _ : state) {
        const auto number = static_cast<size_t>(prepare());
        const double start = ThreadSeconds();
        step();
        const double took = ThreadSeconds() - start;
        state.SetIterationTime(took);
        total += took;
        if (number >= time_by_number.size()) {
            time_by_number.resize(number + 1, 0.0);
            count_by_number.resize(number + 1, 0);
        }
        time_by_number[number] += took;
        ++count_by_number[number];
    }
    double worst = 0.0;
    for (size_t n = 0; n < time_by_number.size(); ++n) {
        if (count_by_number[n] > 0) worst = std::max(worst, time_by_number[n] / count_by_number[n]);
    }
    const double mean = total / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["worst_us"] = worst * 1e6;
    state.counters["vs_memcpy"] = mean / MemcpySeconds();
    state.counters["worst_vs_memcpy"] = worst / MemcpySeconds();
}

// Every step of a construction of the given style on a 500 x 250 display, run after run.
void BM_BitmapConstructStep(benchmark::State& state) {
    BenchEngine bench;
    tov::BitmapConstruct& construct = bench.Get().BitmapConstruct();
    const auto style = static_cast<int16_t>(state.range(0));
    int steps = 0;
    const auto prepare = [&] {
        // Styles without an end run for as long as the longest style does.
        if (construct.BitmapConstructCompletedYN == 1 || steps == 0 || steps >= 400) {
            construct.SetBitmapConstructAttr(0, -1, -1, kWidth, kHeight, style);
            steps = 0;
        }
        return steps++;
    };
    TimeSteps(state, prepare, [&] { construct.ShowNextBitmapConstructStep(); });
}
BENCHMARK(BM_BitmapConstructStep)
    ->DenseRange(1, 14)
    ->ArgName("style")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The drawing steps of a square fade with the smallest cells the picture allows (10 pixels:
// 50 x 25 cells, all drawn in every step): fade in (1) and fade out (0).
void BM_SquareFadeStep(benchmark::State& state) {
    BenchEngine bench;
    tov::SquareFade& fade = bench.Get().SquareFade();
    const auto direction = static_cast<uint8_t>(state.range(0));
    int steps = 5;
    const auto prepare = [&] {
        if (steps == 5) {
            fade.SetBitmapSquareFadeAttr(-1, -1, 0, 10, 1.0, 1, direction);
            fade.ShowBitmapSquareFadeNextStep();  // counters 0: the cells wait one step
            steps = 0;
        }
        return steps++;
    };
    TimeSteps(state, prepare, [&] { fade.ShowBitmapSquareFadeNextStep(); });
}
BENCHMARK(BM_SquareFadeStep)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("fade_in")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The whole picture height as the band, swinging 40 pixels.
void BM_WaveStep(benchmark::State& state) {
    BenchEngine bench;
    tov::Wave& wave = bench.Get().Wave();
    wave.SetWaveAttr(0, -1, -1, 1.0, 1.0, 40, 60, 0, kHeight);
    TimeSteps(
        state, [&] { return static_cast<int>(wave.WavePresentStep); },
        [&] { wave.ShowNextWaveStep(); });
}
BENCHMARK(BM_WaveStep)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
