#include "effects/pixel_buffers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace tov::testing {
namespace {

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(random());
    return bytes;
}

// Run lengths around the 32-byte blocks of the fast path and the rows of odd widths (3 bytes a
// pixel), each starting at an odd offset so that no load is aligned.
constexpr size_t kCounts[] = {0, 1, 3, 15, 31, 32, 33, 63, 64, 95, 301, 1497, 4096};

TEST(FadeArithmetic, ScaleEqualsTheReferenceAtEveryBrightness) {
    const std::vector<uint8_t> in = RandomBytes(4097, 1);
    for (FadeArithmeticPath path : {FadeArithmeticPath::Fastest, FadeArithmeticPath::Portable}) {
        for (int brightness = 0; brightness <= 100; ++brightness) {
            for (size_t count : kCounts) {
                std::vector<uint8_t> expected(count + 2, 0xA5);
                std::vector<uint8_t> actual(count + 2, 0xA5);
                ScaleFadeBytesReference(in.data() + 1, expected.data() + 1, count, brightness);
                ScaleFadeBytes(in.data() + 1, actual.data() + 1, count, brightness, path);
                // The bytes around the run stay as they were.
                ASSERT_EQ(actual, expected) << brightness << " " << count;
            }
        }
    }
}

TEST(FadeArithmetic, EveryByteValueScalesExactly) {
    std::vector<uint8_t> all(256);
    for (int v = 0; v < 256; ++v)
        all[static_cast<size_t>(v)] = static_cast<uint8_t>(v);
    std::vector<uint8_t> out(256);
    for (FadeArithmeticPath path : {FadeArithmeticPath::Fastest, FadeArithmeticPath::Portable}) {
        for (int brightness = 0; brightness <= 100; ++brightness) {
            ScaleFadeBytes(all.data(), out.data(), all.size(), brightness, path);
            for (int v = 0; v < 256; ++v)
                ASSERT_EQ(out[static_cast<size_t>(v)], v * brightness / 100) << brightness;
        }
    }
}

TEST(FadeArithmetic, BlendEqualsTheReferenceAtEveryIntensity) {
    const std::vector<uint8_t> first = RandomBytes(4097, 2);
    std::vector<uint8_t> second = RandomBytes(4097, 3);
    // Equal bytes and the extremes in both directions, which the sign handling must get right.
    for (size_t j = 0; j < 64; ++j)
        second[j] = first[j];
    second[100] = 255;
    second[101] = 0;
    for (FadeArithmeticPath path : {FadeArithmeticPath::Fastest, FadeArithmeticPath::Portable}) {
        for (int intensity = 0; intensity <= 100; ++intensity) {
            for (size_t count : kCounts) {
                std::vector<uint8_t> expected(count + 2, 0x5A);
                std::vector<uint8_t> actual(count + 2, 0x5A);
                BlendFadeBytesReference(first.data() + 1, second.data() + 1, expected.data() + 1,
                                        count, intensity);
                BlendFadeBytes(first.data() + 1, second.data() + 1, actual.data() + 1, count,
                               intensity, path);
                ASSERT_EQ(actual, expected) << intensity << " " << count;
            }
        }
    }
}

TEST(FadeArithmetic, EveryPairOfBytesBlendsExactly) {
    std::vector<uint8_t> first(65536);
    std::vector<uint8_t> second(65536);
    for (size_t i = 0; i < first.size(); ++i) {
        first[i] = static_cast<uint8_t>(i >> 8);
        second[i] = static_cast<uint8_t>(i);
    }
    std::vector<uint8_t> expected(first.size());
    std::vector<uint8_t> actual(first.size());
    for (int intensity : {1, 7, 33, 50, 67, 99}) {
        BlendFadeBytesReference(first.data(), second.data(), expected.data(), first.size(),
                                intensity);
        BlendFadeBytes(first.data(), second.data(), actual.data(), first.size(), intensity);
        ASSERT_EQ(actual, expected) << intensity;
    }
}

TEST(FadeArithmetic, RunsCoverThePixelBytesOfEveryRowAndNoPadding) {
    PixelLayout padded{16, 24, 5, 3};  // 15 bytes of pixels in rows of 16
    std::vector<std::pair<size_t, size_t>> runs;
    ForEachPixelRun(padded, [&](size_t offset, size_t count) { runs.emplace_back(offset, count); });
    EXPECT_EQ(runs, (std::vector<std::pair<size_t, size_t>>{{0, 15}, {16, 15}, {32, 15}}));

    PixelLayout tight{12, 24, 4, 3};
    runs.clear();
    ForEachPixelRun(tight, [&](size_t offset, size_t count) { runs.emplace_back(offset, count); });
    EXPECT_EQ(runs, (std::vector<std::pair<size_t, size_t>>{{0, 36}}));
}

}  // namespace
}  // namespace tov::testing
