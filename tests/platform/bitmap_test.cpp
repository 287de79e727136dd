#include "platform/bitmap.h"

#include "platform/raster.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tov::platform {
namespace {

using Bytes = std::vector<uint8_t>;

Bitmap TwoByTwo() {
    Surface image(2, 2);
    image.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC};
    return BitmapFromSurface(image);
}

TEST(BitmapData, RowsArePaddedToFourBytesInBlueGreenRedOrder) {
    const Bitmap b = TwoByTwo();
    EXPECT_EQ(b.bytes_per_row, 8);
    Bytes bits, mask;
    EncodeBitmapData(b, &bits, &mask);
    EXPECT_EQ(bits, (Bytes{0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0,  //
                           0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0}));
    EXPECT_TRUE(mask.empty());
}

TEST(BitmapData, MaskRowsArePaddedTo16BitWordsFirstPixelInTheTopBit) {
    Bitmap b = BitmapFromSurface(Surface(17, 2));
    b.mask.assign(34, 1);
    b.mask[1] = 0;        // row 0, pixel 1
    b.mask[17 + 16] = 0;  // row 1, pixel 16
    Bytes bits, mask;
    EncodeBitmapData(b, &bits, &mask);
    EXPECT_EQ(mask, (Bytes{0xBF, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00}));

    Bitmap back = BitmapFromSurface(Surface(17, 2));
    ASSERT_EQ(DecodeBitmapData(&back, b.bytes_per_row, 24, bits, mask), kUISuccess);
    EXPECT_EQ(back.mask, b.mask);
}

TEST(BitmapData, SetTakesWiderRowsAndThirtyTwoBitsAndAnEmptyMaskRemovesIt) {
    Bitmap b = TwoByTwo();
    b.mask = {1, 0, 0, 1};
    const Bytes wide = {1, 2, 3, 4,  5,  6,  9, 9, 9, 9, 9, 9,  //
                        7, 8, 9, 10, 11, 12, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(DecodeBitmapData(&b, 12, 24, wide, {}), kUISuccess);
    EXPECT_EQ(b.image.pixels, (std::vector<uint32_t>{0x030201, 0x060504, 0x090807, 0x0C0B0A}));
    EXPECT_FALSE(b.HasMask());
    Bytes bits, mask;
    EncodeBitmapData(b, &bits, &mask);
    EXPECT_EQ(bits, (Bytes{1, 2, 3, 4,  5,  6,  0, 0, 0, 0, 0, 0,  //
                           7, 8, 9, 10, 11, 12, 0, 0, 0, 0, 0, 0}));

    const Bytes quads = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
    ASSERT_EQ(DecodeBitmapData(&b, 8, 32, quads, {}), kUISuccess);
    EXPECT_EQ(b.image.pixels, (std::vector<uint32_t>{0x030201, 0x060504, 0x090807, 0x0C0B0A}));
    EXPECT_EQ(b.pixel_depth, 32);
}

TEST(BitmapData, SetRefusesBadLayoutsAndChangesNothing) {
    Bitmap b = TwoByTwo();
    const std::vector<uint32_t> before = b.image.pixels;
    const Bytes bits(16, 0xEE);
    EXPECT_LT(DecodeBitmapData(&b, 8, 16, bits, {}), 0);        // depth
    EXPECT_LT(DecodeBitmapData(&b, 5, 24, bits, {}), 0);        // row shorter than 3 * width
    EXPECT_LT(DecodeBitmapData(&b, -8, 24, bits, {}), 0);       // negative row
    EXPECT_LT(DecodeBitmapData(&b, 8, 24, Bytes(15), {}), 0);   // too few bytes
    EXPECT_LT(DecodeBitmapData(&b, 1 << 30, 24, bits, {}), 0);  // rows beyond the data
    EXPECT_LT(DecodeBitmapData(&b, 8, 24, bits, Bytes(3)), 0);  // mask too short
    EXPECT_LT(DecodeBitmapData(nullptr, 8, 24, bits, {}), 0);
    EXPECT_EQ(b.image.pixels, before);
    EXPECT_EQ(b.bytes_per_row, 8);
}

// The fast conversions of pixel rows against the byte-by-byte reference, on random sizes, row
// lengths (padded or not, down to exactly the pixels' bytes, so that a read past the data shows
// under the address sanitiser) and random bytes.
TEST(BitmapData, FastDecodePathsGiveTheReferencePixels) {
    std::mt19937 random(22);
    for (int round = 0; round < 400; ++round) {
        const int depth = round % 3 == 0 ? 32 : 24;
        const int width = 1 + static_cast<int>(random() % 70);
        const int height = 1 + static_cast<int>(random() % 5);
        const int bytes_per_row = width * depth / 8 + static_cast<int>(random() % 9);
        Bytes bits(static_cast<size_t>(bytes_per_row) * height);
        for (uint8_t& byte : bits)
            byte = static_cast<uint8_t>(random());
        Surface reference(width, height, 0xDEADBEEF);
        DecodePixelRowsReference(reference, bytes_per_row, depth, bits.data());
        for (DecodePath path : {DecodePath::Fastest, DecodePath::Portable}) {
            Surface fast(width, height, 0xDEADBEEF);
            DecodePixelRows(fast, bytes_per_row, depth, bits.data(), path);
            ASSERT_EQ(fast.pixels, reference.pixels)
                << width << " x " << height << ", " << bytes_per_row << " bytes a row, depth "
                << depth << (path == DecodePath::Fastest ? ", fastest" : ", portable");
        }
    }
}

// Rows kept as SetBitmapData gave them are converted by the draw itself: every draw of a bitmap
// with kept rows (unscaled, stretched, shrunk, clipped, masked, at both depths and with padded
// rows) equals the draw of the same data decoded at once.
TEST(BitmapData, KeptRowsDrawAsTheDecodedPixels) {
    std::mt19937 random(5);
    const Rect kDraws[][2] = {
        {kWholeArea, kWholeArea},
        {kWholeArea, MakeRect(0, 0, kKeepSameSize, kKeepSameSize)},
        {kWholeArea, MakeRect(-3, -5, kKeepSameSize, kKeepSameSize)},
        {MakeRect(1, 2, 4, 7), MakeRect(3, 9, 11, 23)},
        {kWholeArea, MakeRect(2, -4, 5, 9)},
        {MakeRect(0, 3, kToFarEdge, kToFarEdge), MakeRect(40, 60, 30, 50)},
    };
    for (int round = 0; round < 60; ++round) {
        const int depth = round % 3 == 0 ? 32 : 24;
        const int width = 1 + static_cast<int>(random() % 70);
        const int height = 1 + static_cast<int>(random() % 9);
        const int bytes_per_row = width * depth / 8 + static_cast<int>(random() % 5);
        Bytes bits(static_cast<size_t>(bytes_per_row) * height);
        for (uint8_t& byte : bits)
            byte = static_cast<uint8_t>(random());
        Bytes mask;
        if (round % 2 == 1) {
            mask.resize(static_cast<size_t>(MaskBytesPerRow(width)) * height);
            for (uint8_t& byte : mask)
                byte = static_cast<uint8_t>(random());
        }
        Bitmap decoded = BitmapFromSurface(Surface(width, height));
        Bitmap kept = decoded;
        ASSERT_EQ(DecodeBitmapData(&decoded, bytes_per_row, depth, bits, mask), kUISuccess);
        ASSERT_EQ(KeepBitmapData(&kept, bytes_per_row, depth, bits, mask), kUISuccess);
        ASSERT_TRUE(kept.rows_newer);
        for (const auto& [src, dst] : kDraws) {
            Surface expected(90, 80, 0x123456);
            Surface actual(90, 80, 0x123456);
            DrawBitmap(expected, decoded, src, dst);
            DrawBitmap(actual, kept, src, dst);
            ASSERT_EQ(actual.pixels, expected.pixels)
                << width << " x " << height << ", " << bytes_per_row << " bytes a row, depth "
                << depth << (mask.empty() ? "" : ", masked");
        }
        SettleBitmap(&kept);
        EXPECT_FALSE(kept.rows_newer);
        EXPECT_EQ(kept.image.pixels, decoded.image.pixels);
    }
}

TEST(BitmapData, SwappedRowsComeBackAsABufferOfTheSameSize) {
    Bitmap b = BitmapFromSurface(Surface(2, 2));
    Bytes first(16, 0x11);
    // The bitmap holds no rows yet: the caller gets a copy of what it gave.
    ASSERT_EQ(SwapBitmapData(&b, 8, 24, &first), kUISuccess);
    EXPECT_EQ(first, Bytes(16, 0x11));
    EXPECT_EQ(b.rows, Bytes(16, 0x11));
    Bytes second(16, 0x22);
    ASSERT_EQ(SwapBitmapData(&b, 8, 24, &second), kUISuccess);
    EXPECT_EQ(second, Bytes(16, 0x11));  // the rows before
    SettleBitmap(&b);
    EXPECT_EQ(b.image.At(1, 1), 0x222222u);

    // A refusal changes neither the buffer nor the bitmap, and the mask goes with a swap.
    Bytes short_rows(15, 0x33);
    EXPECT_LT(SwapBitmapData(&b, 8, 24, &short_rows), 0);
    EXPECT_EQ(short_rows, Bytes(15, 0x33));
    EXPECT_LT(SwapBitmapData(&b, 8, 24, nullptr), 0);
    EXPECT_EQ(b.image.At(0, 0), 0x222222u);
    ASSERT_EQ(KeepBitmapData(&b, 8, 24, Bytes(16, 0x44), Bytes(4, 0)), kUISuccess);
    EXPECT_TRUE(b.HasMask());
    ASSERT_EQ(SwapBitmapData(&b, 8, 24, &second), kUISuccess);
    EXPECT_FALSE(b.HasMask());
}

}  // namespace
}  // namespace tov::platform
