// The steps of the byte-level fades and of the pixel picture on a 500 x 250 picture (the
// largest the fades take). Each fade step also reports `vs_memcpy`: its time divided by the
// time of one memcpy of the picture's pixel bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 250;

tov::platform::Surface BenchPicture(uint32_t salt) {
    tov::platform::Surface s(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            s.At(x, y) =
                ((x * 255 / kWidth) << 16) | ((y * 255 / kHeight) << 8) | ((x ^ y ^ salt) & 0xFF);
    }
    return s;
}

// An engine with the main panel installed and two 500 x 250 pictures in slots 0 and 1.
class BenchEngine {
  public:
    BenchEngine() {
        dir_ = std::filesystem::temp_directory_path() /
               ("tov-bench-transitions-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        engine_.MainPanel().InstallPanel(0, 0, 1024, 512);
        for (int slot = 0; slot < 2; ++slot) {
            const std::string name = "bench" + std::to_string(slot) + ".png";
            tov::platform::WritePng((dir_ / name).string(), BenchPicture(slot * 0x55));
            engine_.BitmapSelection().AddBitmapToSelection(name, static_cast<int16_t>(slot), kWidth,
                                                           kHeight);
        }
        std::filesystem::current_path(previous);
    }
    ~BenchEngine() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    tov::Engine& Get() { return engine_; }

  private:
    std::filesystem::path dir_;
    tov::Engine engine_;
};

// Seconds of one memcpy of the picture's pixel bytes (padded 24-bit rows): the fastest of
// several batches, so that the ratio is against the copy at its best.
double MemcpySeconds() {
    static const double seconds = [] {
        const size_t bytes = static_cast<size_t>((3 * kWidth + 3) & ~3) * kHeight;
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
    }();
    return seconds;
}

void BM_MemcpyPictureBytes(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>((3 * kWidth + 3) & ~3) * kHeight;
    std::vector<uint8_t> from(bytes, 0x5A);
    std::vector<uint8_t> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_MemcpyPictureBytes);

// Runs `step` in the timing loop and reports its mean time against the memcpy.
template <typename Step>
void RunAgainstMemcpy(benchmark::State& state, Step step) {
    const double memcpy_seconds = MemcpySeconds();
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    for (auto _ : state) {
        step(n);
        n = (n + 7) % 101;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.counters["vs_memcpy"] =
        took.count() / static_cast<double>(state.iterations()) / memcpy_seconds;
}

void BM_FadeInOutStep(benchmark::State& state) {
    BenchEngine bench;
    tov::FadeInOut& fade = bench.Get().FadeInOut();
    fade.SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0);
    RunAgainstMemcpy(state,
                     [&](int n) { fade.ChangeBitmapFadeInOutBrightness(static_cast<int16_t>(n)); });
}
BENCHMARK(BM_FadeInOutStep);

void BM_FadeOverStep(benchmark::State& state) {
    BenchEngine bench;
    tov::FadeOver& over = bench.Get().FadeOver();
    over.SetBitmapFadeOverAttr(0, 1, 0, 0, kWidth, kHeight);
    RunAgainstMemcpy(state,
                     [&](int n) { over.ChangeBitmapFadeOverIntensity(static_cast<uint8_t>(n)); });
}
BENCHMARK(BM_FadeOverStep);

// The two run-time calls of a fade step on their own, to show where a step's time goes:
// handing the bytes to the working bitmap, and drawing it over the effect canvas.
void BM_FadeStepSetBitmapDataOnly(benchmark::State& state) {
    BenchEngine bench;
    tov::Engine& engine = bench.Get();
    engine.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0);
    const tov::PixelBuffers& buffers = engine.FadeInOut().Buffers();
    const int working = engine.BitmapSelection().Handle(tov::BitmapSelection::kFadeWorkingBitmap);
    RunAgainstMemcpy(state, [&](int) {
        engine.Runtime().SetBitmapData(working, buffers.layout.bytes_per_row,
                                       buffers.layout.pixel_depth, buffers.BitmapWorkingColorField,
                                       {});
    });
}
BENCHMARK(BM_FadeStepSetBitmapDataOnly);

void BM_FadeStepDrawOnly(benchmark::State& state) {
    BenchEngine bench;
    tov::Engine& engine = bench.Get();
    engine.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0);
    const int working = engine.BitmapSelection().Handle(tov::BitmapSelection::kFadeWorkingBitmap);
    RunAgainstMemcpy(state, [&](int) {
        engine.Runtime().CanvasDrawBitmap(engine.MainPanel().PanelHandle,
                                          tov::platform::main_panel::kEffectCanvas, working,
                                          tov::platform::kWholeArea, tov::platform::kWholeArea);
    });
}
BENCHMARK(BM_FadeStepDrawOnly);

// Step 99 of a fade in makes 19 passes of 125 pixels each, every pixel a 2 x 2 block.
void BM_PixelPicStep19Passes(benchmark::State& state) {
    BenchEngine bench;
    tov::PixelPic& dissolve = bench.Get().PixelPic();
    dissolve.SetPixelPicAttr(0, 0, 2.0, 2.0, 0, 1);
    for (auto _ : state) {
        dissolve.PixelPicAmountPixelDrawnOf1000 = 0;
        dissolve.ShowPixelPicStep(99);
    }
    state.counters["pixels"] = 19 * kWidth * kHeight / 1000;
}
BENCHMARK(BM_PixelPicStep19Passes);

}  // namespace
