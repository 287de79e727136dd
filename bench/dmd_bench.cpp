// The raster copy of the glyph pixels that Dmd/ShowDMDNumeric draws (a ten-digit value with
// thousands separators at zoom 3 on an 800 x 600 DMD), straight onto a surface: the floor under
// the DMD renderer's time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/raster.h"

namespace {

constexpr int kCellWidth = 18;
constexpr int kCellHeight = 24;
constexpr int kCells = 75;
constexpr double kZoom = 3.0;

// A font strip with a pattern in every cell, so that no copy degenerates into a fill.
tov::platform::Surface FontStrip() {
    tov::platform::Surface s(kCellWidth * kCells, kCellHeight);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.At(x, y) = ((x / 3 + y / 3) % 2 != 0) ? 0xFF8C1Au : 0x301800u;
    return s;
}

// The ten glyph and three separator rectangles.
void BM_RasterCopyOfTheSameGlyphs(benchmark::State& state) {
    using tov::platform::MakeRect;
    using tov::platform::Rect;
    const tov::platform::Bitmap font = tov::platform::BitmapFromSurface(FontStrip());
    tov::platform::Surface canvas(800, 600, 0);
    const int digits[] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    std::vector<std::pair<Rect, Rect>> copies;
    const int w = static_cast<int>(kCellWidth * kZoom);
    const int h = static_cast<int>(kCellHeight * kZoom);
    for (int p = 0; p < 10; ++p) {
        copies.emplace_back(MakeRect(0, digits[p] * kCellWidth, kCellHeight, kCellWidth),
                            MakeRect(100, static_cast<int>(10 + kCellWidth * p * kZoom), h, w));
    }
    for (int p : {0, 3, 6}) {
        copies.emplace_back(MakeRect(0, 10 * kCellWidth, kCellHeight / 2, kCellWidth / 2),
                            MakeRect(static_cast<int>(100 + kCellHeight * kZoom),
                                     static_cast<int>(10 + (kCellWidth * (p + 1) - 5) * kZoom),
                                     static_cast<int>(kCellHeight / 2 * kZoom),
                                     static_cast<int>(kCellWidth / 2 * kZoom)));
    }
    for (auto _ : state) {
        for (const auto& [src, dst] : copies)
            tov::platform::DrawBitmap(canvas, font, src, dst);
        benchmark::DoNotOptimize(canvas.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RasterCopyOfTheSameGlyphs);

}  // namespace
