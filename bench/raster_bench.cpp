// Raster hot paths against the memory operation they cannot beat: each benchmark times its
// baseline in the same run and reports `ratio` = operation time / baseline time.
//
// Aims: unscaled copy of 400 x 300 within 2x a memcpy of the copied bytes; 2x stretch into
// 800 x 600 within 4x a memcpy of the destination bytes; filled 800 x 600 rectangle within 2x
// a memset.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <vector>

#include "platform/raster.h"

namespace tov::platform {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// CPU time of this thread, so that other processes on a busy machine do not count.
double ThreadNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Mean CPU nanoseconds per call of f, over at least 100 ms.
template <typename F>
double NanosecondsPer(F&& f) {
    f();  // warm the caches
    int64_t calls = 0;
    const double start = ThreadNanoseconds();
    double now = start;
    do {
        for (int i = 0; i < 16; ++i)
            f();
        calls += 16;
        now = ThreadNanoseconds();
    } while (now - start < 1e8);
    return (now - start) / static_cast<double>(calls);
}

Bitmap Picture(int width, int height, bool masked) {
    Surface image(width, height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = (i * 2654435761u) >> 8;
    Bitmap b = BitmapFromSurface(image);
    if (masked) {
        b.mask.resize(image.pixels.size());
        for (size_t i = 0; i < b.mask.size(); ++i)
            b.mask[i] = (i / 7) % 3 != 0;
    }
    return b;
}

// Runs op in the benchmark loop and reports its time over the baseline's.
template <typename Op, typename Baseline>
void Measure(benchmark::State& state, Op&& op, Baseline&& baseline, int64_t bytes) {
    for (auto _ : state) {
        op();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    const double base = NanosecondsPer([&] {
        baseline();
        benchmark::ClobberMemory();
    });
    const double own = NanosecondsPer([&] {
        op();
        benchmark::ClobberMemory();
    });
    state.counters["ratio"] = own / base;
}

void BM_DrawBitmapUnscaled(benchmark::State& state) {
    const bool masked = state.range(0) != 0;
    const Bitmap b = Picture(400, 300, masked);
    Surface screen(kScreenWidth, kScreenHeight);
    const size_t bytes = b.image.pixels.size() * sizeof(uint32_t);
    std::vector<uint32_t> from(b.image.pixels), to(b.image.pixels.size());
    Measure(
        state, [&] { DrawBitmap(screen, b, kWholeArea, MakeRect(150, 200, 300, 400)); },
        [&] {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
        },
        static_cast<int64_t>(bytes));
}
BENCHMARK(BM_DrawBitmapUnscaled)->Arg(0)->Arg(1)->ArgName("masked");

void BM_DrawBitmapStretchTwice(benchmark::State& state) {
    const bool masked = state.range(0) != 0;
    const Bitmap b = Picture(400, 300, masked);
    Surface screen(kScreenWidth, kScreenHeight);
    const size_t bytes = screen.pixels.size() * sizeof(uint32_t);
    std::vector<uint32_t> from(screen.pixels.size(), 1), to(screen.pixels.size());
    Measure(
        state, [&] { DrawBitmap(screen, b, kWholeArea, kWholeArea); },
        [&] {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
        },
        static_cast<int64_t>(bytes));
}
BENCHMARK(BM_DrawBitmapStretchTwice)->Arg(0)->Arg(1)->ArgName("masked");

void BM_FillRect(benchmark::State& state) {
    Surface screen(kScreenWidth, kScreenHeight);
    const size_t bytes = screen.pixels.size() * sizeof(uint32_t);
    std::vector<uint32_t> to(screen.pixels.size());
    Color c = 0x123456;
    Measure(
        state,
        [&] {
            FillRect(screen, kWholeArea, c);
            c ^= 0x010101;
        },
        [&] {
            std::memset(to.data(), c & 0xFF, bytes);
            benchmark::DoNotOptimize(to.data());
        },
        static_cast<int64_t>(bytes));
}
BENCHMARK(BM_FillRect);

}  // namespace
}  // namespace tov::platform
