// The steps of the byte-level fades and of the pixel picture on a 500 x 250 picture (the
// largest the fades take). Each fade step also reports `vs_memcpy`: its time divided by the
// time of one memcpy of the picture's pixel bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_support.h"
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
        const std::filesystem::path& dir = folder_.Path();
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        engine_.MainPanel().InstallPanel(0, 0, 1024, 512);
        for (int slot = 0; slot < 2; ++slot) {
            const std::string name = "bench" + std::to_string(slot) + ".png";
            tov::platform::WritePng((dir / name).string(), BenchPicture(slot * 0x55));
            engine_.BitmapSelection().AddBitmapToSelection(name, static_cast<int16_t>(slot), kWidth,
                                                           kHeight);
        }
        std::filesystem::current_path(previous);
    }
    tov::Engine& Get() { return engine_; }

  private:
    tov::bench::TempFolder folder_{"transitions"};
    tov::Engine engine_;
};

// The picture's pixel bytes: padded 24-bit rows.
constexpr size_t kPictureBytes = static_cast<size_t>((3 * kWidth + 3) & ~3) * kHeight;

void BM_MemcpyPictureBytes(benchmark::State& state) {
    tov::bench::MemcpyLoop(state, kPictureBytes);
}
BENCHMARK(BM_MemcpyPictureBytes);

// One memcpy of the picture's pixel bytes, measured once per run.
double PictureMemcpySeconds() {
    static const double seconds = tov::bench::MemcpySeconds(kPictureBytes);
    return seconds;
}

// Runs `step` in the timing loop with the numbers 0, 7, 14 ... modulo 101 and reports its mean
// time against the memcpy of the picture's pixel bytes.
template <typename Step>
void RunAgainstMemcpy(benchmark::State& state, Step step) {
    tov::bench::TimeAgainstMemcpy(state, PictureMemcpySeconds(), [&](int i) { step(i * 7 % 101); });
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
