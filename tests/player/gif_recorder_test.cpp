#include "gif_recorder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

#include "gif_decode.h"
#include "support/temp_dir.h"

namespace tov::player {
namespace {

using tov::testing::DecodedGif;
using tov::testing::DecodeGif;
using tov::testing::TempDir;

// A DMD-like frame: dots in a dozen colours on black, shifted by `step`.
std::vector<uint32_t> DmdFrame(int width, int height, int step) {
    static const uint32_t kColors[] = {0x000000, 0x301800, 0xFF8C1A, 0x40FF60, 0x002008, 0xFFFFFF,
                                       0xFF0000, 0x0000FF, 0x808080, 0xC0C000, 0x00C0C0, 0x7F3F1F};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x + y) % 3 != 0)
                pixels[static_cast<size_t>(y) * width + x] = kColors[(x / 3 + y / 3 + step) % 12];
    return pixels;
}

TEST(GifRecorder, DmdColoursComeOutExactFrameByFrame) {
    TempDir dir;
    const std::string path = dir.File("dmd.gif");
    GifRecorder gif;
    std::string error;
    ASSERT_TRUE(gif.Open(path, 64, 16, 50, &error)) << error;
    std::vector<std::vector<uint32_t>> frames;
    for (int step = 0; step < 5; ++step)
        frames.push_back(DmdFrame(64, 16, step));
    frames.push_back(frames.back());  // a still frame
    for (const auto& f : frames)
        ASSERT_TRUE(gif.AddFrame(f, &error)) << error;
    ASSERT_TRUE(gif.Close(&error)) << error;

    DecodedGif decoded;
    ASSERT_TRUE(DecodeGif(path, &decoded, &error)) << error;
    EXPECT_EQ(decoded.width, 64);
    EXPECT_EQ(decoded.height, 16);
    EXPECT_TRUE(decoded.loops);
    ASSERT_EQ(decoded.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(decoded.frames[i], frames[i]) << "frame " << i;
}

TEST(GifRecorder, ManyColoursAreReducedWithoutDrift) {
    TempDir dir;
    const std::string path = dir.File("photo.gif");
    constexpr int kW = 64, kH = 64;
    std::vector<uint32_t> photo(kW * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            photo[y * kW + x] = (static_cast<uint32_t>(x * 4) << 16) | (y * 4 << 8) | ((x + y) * 2);
    // The second frame changes one pixel only; the rest must stay as the first frame showed it.
    std::vector<uint32_t> second = photo;
    second[0] = 0xFFFFFF;

    GifRecorder gif;
    std::string error;
    ASSERT_TRUE(gif.Open(path, kW, kH, 30, &error)) << error;
    ASSERT_TRUE(gif.AddFrame(photo, &error));
    ASSERT_TRUE(gif.AddFrame(second, &error));
    ASSERT_TRUE(gif.Close(&error));

    DecodedGif decoded;
    ASSERT_TRUE(DecodeGif(path, &decoded, &error)) << error;
    ASSERT_EQ(decoded.frames.size(), 2u);
    int worst = 0;
    for (size_t i = 0; i < photo.size(); ++i) {
        for (int shift = 0; shift <= 16; shift += 8) {
            const int a = (photo[i] >> shift) & 0xFF, b = (decoded.frames[0][i] >> shift) & 0xFF;
            worst = std::max(worst, std::abs(a - b));
        }
    }
    EXPECT_LE(worst, 24);
    EXPECT_EQ(decoded.frames[1][0], 0xFFFFFFu);
    for (size_t i = 1; i < photo.size(); ++i)
        ASSERT_EQ(decoded.frames[1][i], decoded.frames[0][i]) << "pixel " << i;
}

TEST(GifRecorder, PlaysInTheRecordedTimeAtAnyFrameRate) {
    TempDir dir;
    std::string error;
    // fps, and the frames a GIF of 30 frames keeps: every frame up to 50 a second, fewer above.
    for (const auto& [fps, kept] : {std::pair{30, 30}, {25, 30}, {50, 30}, {60, 20}, {144, 10}}) {
        const std::string path = dir.File("delays" + std::to_string(fps) + ".gif");
        GifRecorder gif;
        ASSERT_TRUE(gif.Open(path, 4, 4, fps, &error));
        for (int i = 0; i < 30; ++i)
            ASSERT_TRUE(gif.AddFrame(std::vector<uint32_t>(16, i), &error));
        EXPECT_EQ(gif.FrameCount(), 30);
        ASSERT_TRUE(gif.Close(&error));
        DecodedGif decoded;
        ASSERT_TRUE(DecodeGif(path, &decoded, &error)) << error;
        EXPECT_EQ(decoded.delays.size(), static_cast<size_t>(kept)) << fps << " fps";
        for (int d : decoded.delays)
            EXPECT_GE(d, 2) << fps << " fps";
        // 30 frames last 30 / fps seconds, to the hundredth.
        const int total = std::accumulate(decoded.delays.begin(), decoded.delays.end(), 0);
        EXPECT_EQ(total, (3000 + fps / 2) / fps) << fps << " fps";
        // Whatever is left out, the picture the recording ends on is the last one given.
        EXPECT_EQ(decoded.frames.back(), std::vector<uint32_t>(16, 29)) << fps << " fps";
    }
}

TEST(GifRecorder, EdgeCasesOfOpeningAndClosing) {
    TempDir dir;
    std::string error;
    GifRecorder gif;
    EXPECT_FALSE(gif.Open(dir.File("no/such/folder/x.gif"), 4, 4, 60, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(gif.Open(dir.File("zero.gif"), 0, 4, 60, &error));
    EXPECT_FALSE(gif.AddFrame(std::vector<uint32_t>(16, 0), &error));

    // A frame of the wrong size is refused and leaves the recording usable.
    const std::string path = dir.File("empty.gif");
    ASSERT_TRUE(gif.Open(path, 4, 4, 60, &error));
    EXPECT_FALSE(gif.AddFrame(std::vector<uint32_t>(15, 0), &error));
    // A recording without frames still closes to a valid file of one black frame.
    ASSERT_TRUE(gif.Close(&error));
    DecodedGif decoded;
    ASSERT_TRUE(DecodeGif(path, &decoded, &error)) << error;
    ASSERT_EQ(decoded.frames.size(), 1u);
    EXPECT_EQ(decoded.frames[0], std::vector<uint32_t>(16, 0));
}

TEST(MedianCutPalette, KeepsFewColoursExactAndReducesMany) {
    const std::vector<uint32_t> few = {0x010203, 0xFF0000, 0x00FF00};
    EXPECT_EQ(MedianCutPalette(few, {1, 1, 1}, 255), few);

    std::vector<uint32_t> many, weights;
    for (uint32_t i = 0; i < 1000; ++i) {
        many.push_back(i * 16411u & 0xFFFFFF);
        weights.push_back(1 + i % 7);
    }
    const std::vector<uint32_t> palette = MedianCutPalette(many, weights, 255);
    EXPECT_EQ(palette.size(), 255u);
    // Two colours only, one of them rare: both survive a reduction to two.
    EXPECT_EQ(MedianCutPalette({0x000000, 0xFFFFFF, 0x000001}, {1000, 1, 1000}, 2).size(), 2u);
}

}  // namespace
}  // namespace tov::player
