// The steps of the sprite effects on an 800 x 600 main panel: the XYZ animation and the
// rotating picture with a 200 x 150 picture, the star field and the magic stars. Each reports
// `vs_memcpy`: its time divided by the time of one memcpy of the picture's pixels as the run-time
// keeps them (4 bytes a pixel), the copy a picture control makes when it is handed a bitmap,
// measured in the same run.
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

namespace {

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 150;
constexpr size_t kPictureBytes = size_t{4} * kPictureWidth * kPictureHeight;

tov::platform::Surface SpritePicture(int width, int height, uint32_t salt) {
    tov::platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            s.At(x, y) = ((x * 255 / width) << 16) | ((y * 255 / height) << 8) | (salt & 0xFF);
    }
    return s;
}

// An engine with the 800 x 600 main panel, a front and a back picture in slots 0 and 1, and
// the magic star images in the table's folder.
class SpriteBench {
  public:
    SpriteBench() {
        dir_ = std::filesystem::temp_directory_path() /
               ("tov-bench-sprites-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_ / "gfx_extern");
        for (const char* name :
             {"MagicStarYellow", "MagicStarGreen", "MagicStarLilac", "MagicStarRed"}) {
            tov::platform::WritePng((dir_ / "gfx_extern" / (std::string(name) + ".bmp")).string(),
                                    SpritePicture(32, 32, 0xC0));
        }
        for (int slot = 0; slot < 2; ++slot) {
            const std::string name = "sprite" + std::to_string(slot) + ".png";
            tov::platform::WritePng((dir_ / name).string(),
                                    SpritePicture(kPictureWidth, kPictureHeight, slot * 0x80));
        }
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        engine_.MainPanel().InstallPanel(0, 0, 800, 600);
        for (int16_t slot = 0; slot < 2; ++slot) {
            engine_.BitmapSelection().AddBitmapToSelection("sprite" + std::to_string(slot) + ".png",
                                                           slot, kPictureWidth, kPictureHeight);
        }
        std::filesystem::current_path(previous);
    }
    ~SpriteBench() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    tov::Engine& Get() { return engine_; }

  private:
    std::filesystem::path dir_;
    tov::Engine engine_;
};

// Seconds of one memcpy of the picture's pixels: the fastest of several batches.
double MemcpySeconds() {
    static const double seconds = [] {
        std::vector<uint8_t> from(kPictureBytes, 0x5A);
        std::vector<uint8_t> to(kPictureBytes);
        constexpr int kBatch = 200;
        double best = 1e9;
        for (int round = 0; round < 10; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kBatch; ++i) {
                from[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
                std::memcpy(to.data(), from.data(), kPictureBytes);
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

// Runs `step` with a running counter in the timing loop and reports the mean time per call in
// microseconds and against the memcpy.
template <typename Step>
void TimeSteps(benchmark::State& state, Step step) {
    const double memcpy_seconds = MemcpySeconds();
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    for (auto _ : state)
        step(n++);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double per_call = took.count() / static_cast<double>(state.iterations());
    state.counters["us_per_call"] = per_call * 1e6;
    state.counters["vs_memcpy"] = per_call / memcpy_seconds;
}

void BM_MemcpyPicturePixels(benchmark::State& state) {
    std::vector<uint8_t> from(kPictureBytes, 0x5A);
    std::vector<uint8_t> to(kPictureBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kPictureBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPictureBytes);
}
BENCHMARK(BM_MemcpyPicturePixels);

// Steps 0..159 of a Z zoom in turn: four attributes of the XYZ canvas.
void BM_XyzAnimStep(benchmark::State& state) {
    SpriteBench bench;
    tov::XyzAnim& xyz = bench.Get().XyzAnim();
    xyz.GenerateXYZAnimZoomProc(0, 0, 0.2, 1.5, 1.0, 30, 100);
    xyz.PrepareXYZAnimProc(0);
    TimeSteps(state, [&](int n) { xyz.ShowXYZAnimStep(0, static_cast<int16_t>(n % 160)); });
}
BENCHMARK(BM_XyzAnimStep);

// Steps 0..319 in turn: the side's picture handed to the XYZ canvas and four attributes.
void BM_RotatingPicStep(benchmark::State& state) {
    SpriteBench bench;
    tov::RotatingPic& rotating = bench.Get().RotatingPic();
    rotating.SetRotatingPicAttr(0, 1, -1, -1, 1.5, 1.5, 1);
    TimeSteps(state, [&](int n) { rotating.ShowRotatingPicStep(static_cast<int16_t>(n % 320)); });
}
BENCHMARK(BM_RotatingPicStep);

// 72 points on the DMD canvas: 36 erased, 36 drawn.
void BM_StarAnimStep(benchmark::State& state) {
    SpriteBench bench;
    tov::StarAnim& stars = bench.Get().StarAnim();
    TimeSteps(state, [&](int) { stars.ShowStarAnimNextStep(); });
}
BENCHMARK(BM_StarAnimStep);

// Four stars grown, shrunk or moved: sixteen attributes.
void BM_MagicStarStep(benchmark::State& state) {
    SpriteBench bench;
    tov::MagicStar& magic = bench.Get().MagicStar();
    magic.SetMagicStarAttr(2, 32, 2, 4, 28, 3, 2, 24, 1, 6, 36, 4);
    TimeSteps(state, [&](int) { magic.ShowNextMagicStarStep(); });
}
BENCHMARK(BM_MagicStarStep);

}  // namespace
