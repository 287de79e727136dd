// The steps of the sprite effects on an 800 x 600 main panel: the XYZ animation and the
// rotating picture with a 200 x 150 picture, the star field and the magic stars. Each reports
// `vs_memcpy`: its time divided by the time of one memcpy of the picture's pixels as the run-time
// keeps them (4 bytes a pixel), the copy a picture control makes when it is handed a bitmap,
// measured in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_support.h"
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
        const std::filesystem::path& dir = folder_.Path();
        std::filesystem::create_directories(dir / "gfx_extern");
        for (const char* name :
             {"MagicStarYellow", "MagicStarGreen", "MagicStarLilac", "MagicStarRed"}) {
            tov::platform::WritePng((dir / "gfx_extern" / (std::string(name) + ".bmp")).string(),
                                    SpritePicture(32, 32, 0xC0));
        }
        for (int slot = 0; slot < 2; ++slot) {
            tov::platform::WritePng((dir / ("sprite" + std::to_string(slot) + ".png")).string(),
                                    SpritePicture(kPictureWidth, kPictureHeight, slot * 0x80));
        }
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        engine_.MainPanel().InstallPanel(0, 0, 800, 600);
        for (int16_t slot = 0; slot < 2; ++slot) {
            engine_.BitmapSelection().AddBitmapToSelection("sprite" + std::to_string(slot) + ".png",
                                                           slot, kPictureWidth, kPictureHeight);
        }
        std::filesystem::current_path(previous);
    }
    tov::Engine& Get() { return engine_; }

  private:
    tov::bench::TempFolder folder_{"sprites"};
    tov::Engine engine_;
};

// One memcpy of the picture's pixels, measured once per run.
double PictureMemcpySeconds() {
    static const double seconds = tov::bench::MemcpySeconds(kPictureBytes);
    return seconds;
}

template <typename Step>
void TimeSteps(benchmark::State& state, Step step) {
    tov::bench::TimeAgainstMemcpy(state, PictureMemcpySeconds(), step);
}

void BM_MemcpyPicturePixels(benchmark::State& state) {
    tov::bench::MemcpyLoop(state, kPictureBytes);
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
