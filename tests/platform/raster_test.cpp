#include "platform/raster.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/golden.h"

namespace tov::platform {
namespace {

constexpr uint32_t kBg = 0x102030;
constexpr Color kPen = 0xFF0000;
constexpr Color kFill = 0x00FF00;

// One line per row: '.' background, '#' pen, 'o' fill, '?' anything else.
std::string Picture(const Surface& s) {
    std::string out;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const uint32_t c = s.At(x, y);
            out += c == kBg ? '.' : c == uint32_t(kPen) ? '#' : c == uint32_t(kFill) ? 'o' : '?';
        }
        out += '\n';
    }
    return out;
}

std::string Lines(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* row : rows)
        out += std::string(row) + "\n";
    return out;
}

Pen PenOf(int width) {
    return Pen{kPen, width};
}

// The straightforward per-pixel definition of DrawBitmap that the fast paths must equal.
void ReferenceDraw(Surface& s, const Bitmap& b, Rect src, Rect dst) {
    src = ResolveRect(src, b.image.width, b.image.height);
    if (dst.height == kKeepSameSize) dst.height = src.height;
    if (dst.width == kKeepSameSize) dst.width = src.width;
    dst = ResolveRect(dst, s.width, s.height);
    if (src.width <= 0 || src.height <= 0 || dst.width <= 0 || dst.height <= 0) return;
    for (int dy = 0; dy < dst.height; ++dy) {
        for (int dx = 0; dx < dst.width; ++dx) {
            const int x = dst.left + dx, y = dst.top + dy;
            const int64_t sx = src.left + int64_t{dx} * src.width / dst.width;
            const int64_t sy = src.top + int64_t{dy} * src.height / dst.height;
            if (!s.Contains(x, y) || !b.image.Contains(int(sx), int(sy))) continue;
            if (b.Opaque(int(sx), int(sy))) s.At(x, y) = b.image.At(int(sx), int(sy));
        }
    }
}

// A w x h bitmap whose pixel (x, y) is 0x0100 * y + x + 1.
Bitmap Numbered(int w, int h) {
    Surface image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.At(x, y) = 0x100u * y + x + 1;
    }
    return BitmapFromSurface(image);
}

TEST(FillRect, CoversExactlyTheRectangleAndMinusOneReachesTheFarEdge) {
    Surface s(6, 4, kBg);
    FillRect(s, MakeRect(1, 2, 2, 3), kPen);
    EXPECT_EQ(Picture(s), Lines({"......", "..###.", "..###.", "......"}));
    s.Reset(6, 4, kBg);
    FillRect(s, MakeRect(2, 3, kToFarEdge, kToFarEdge), kPen);
    EXPECT_EQ(Picture(s), Lines({"......", "......", "...###", "...###"}));
}

TEST(FillRect, ZeroNegativeSizesAndTransparentDrawNothing) {
    Surface s(4, 3, kBg);
    const std::string empty = Picture(s);
    FillRect(s, MakeRect(0, 0, 0, 3), kPen);
    FillRect(s, MakeRect(0, 0, 3, 0), kPen);
    FillRect(s, MakeRect(0, 0, -2, 3), kPen);
    FillRect(s, MakeRect(0, 0, 3, 3), kTransparent);
    FillRect(s, MakeRect(5, 0, kToFarEdge, 2), kPen);  // below the surface: negative height
    EXPECT_EQ(Picture(s), empty);
}

TEST(DrawRect, ThickOutlineLiesInsideTheRectangle) {
    Surface s(8, 7, kBg);
    DrawRect(s, MakeRect(1, 1, 6, 6), DrawMode::Both, PenOf(2), kFill);
    EXPECT_EQ(Picture(s), Lines({"........", ".######.", ".######.", ".##oo##.", ".##oo##.",
                                 ".######.", ".######."}));
    s.Reset(8, 7, kBg);
    DrawRect(s, MakeRect(1, 1, 6, 6), DrawMode::Interior, PenOf(2), kFill);
    DrawRect(s, MakeRect(0, 0, 3, 3), DrawMode::Outline, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Lines({"###.....", "#o#oooo.", "###oooo.", ".oooooo.", ".oooooo.",
                                 ".oooooo.", ".oooooo."}));
}

TEST(DrawOval, OutlineIsASymmetricRingInsideTheRectangle) {
    Surface s(10, 8, kBg);
    DrawOval(s, MakeRect(1, 1, 6, 8), DrawMode::Both, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Lines({"..........", "...####...", "..#oooo#..", ".#oooooo#.",
                                 ".#oooooo#.", "..#oooo#..", "...####...", ".........."}));
    // A pen as wide as half the rectangle fills it.
    s.Reset(10, 8, kBg);
    DrawOval(s, MakeRect(1, 1, 6, 8), DrawMode::Outline, PenOf(3), kFill);
    EXPECT_EQ(Picture(s), Lines({"..........", "...####...", "..######..", ".########.",
                                 ".########.", "..######..", "...####...", ".........."}));
}

TEST(DrawLine, IncludesBothEndsAndIsTheSameEitherWay) {
    Surface s(7, 5, kBg);
    DrawLine(s, MakePoint(0, 0), MakePoint(6, 2), PenOf(1));
    EXPECT_EQ(Picture(s), Lines({"##.....", "..###..", ".....##", ".......", "......."}));
    Surface reversed(7, 5, kBg);
    DrawLine(reversed, MakePoint(6, 2), MakePoint(0, 0), PenOf(1));
    EXPECT_EQ(Picture(reversed), Picture(s));
    // A thick pen is centred on the line and squares its ends.
    s.Reset(7, 5, kBg);
    DrawLine(s, MakePoint(1, 2), MakePoint(5, 2), PenOf(3));
    EXPECT_EQ(Picture(s), Lines({".......", "#######", "#######", "#######", "......."}));
}

TEST(DrawPoly, InteriorByEvenOddAndOutlineThroughThePoints) {
    Surface s(6, 6, kBg);
    const std::vector<Point> square = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    DrawPoly(s, square, true, DrawMode::Interior, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Lines({"oooo..", "oooo..", "oooo..", "oooo..", "......", "......"}));
    DrawPoly(s, square, true, DrawMode::Outline, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Lines({"#####.", "#ooo#.", "#ooo#.", "#ooo#.", "#####.", "......"}));
    // An open outline leaves out the closing side; the interior of a figure drawn twice over
    // itself is empty under even-odd.
    s.Reset(6, 6, kBg);
    DrawPoly(s, square, false, DrawMode::Outline, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Lines({"#####.", "....#.", "....#.", "....#.", "#####.", "......"}));
    s.Reset(6, 6, kBg);
    const std::vector<Point> twice = {{0, 0}, {4, 0}, {4, 4}, {0, 4},
                                      {0, 0}, {4, 0}, {4, 4}, {0, 4}};
    DrawPoly(s, twice, true, DrawMode::Interior, PenOf(1), kFill);
    EXPECT_EQ(Picture(s), Picture(Surface(6, 6, kBg)));
}

TEST(DrawBitmap, TwiceTheSizeDoublesEveryPixel) {
    const Bitmap b = Numbered(3, 2);
    Surface s(6, 4, kBg);
    DrawBitmap(s, b, kWholeArea, MakeRect(0, 0, 4, 6));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(s.At(x, y), b.image.At(x / 2, y / 2));
    }
}

TEST(DrawBitmap, ShrinkTakesColumnLeftPlusDxTimesSourceOverDestination) {
    const Bitmap b = Numbered(7, 5);
    Surface s(3, 2, kBg);
    DrawBitmap(s, b, MakeRect(1, 1, 4, 6), MakeRect(0, 0, 2, 3));
    // Columns 1 + {0, 2, 4}, rows 1 + {0, 2}.
    EXPECT_EQ(s.At(0, 0), b.image.At(1, 1));
    EXPECT_EQ(s.At(1, 0), b.image.At(3, 1));
    EXPECT_EQ(s.At(2, 0), b.image.At(5, 1));
    EXPECT_EQ(s.At(2, 1), b.image.At(5, 3));
}

TEST(DrawBitmap, MaskedPixelsAndPixelsBeyondTheSourceStayUntouched) {
    Bitmap b = Numbered(2, 2);
    b.mask = {1, 0, 0, 1};
    Surface s(5, 3, kBg);
    DrawBitmap(s, b, MakeRect(0, 0, 2, 3), MakeRect(0, 0, 2, 3));
    EXPECT_EQ(s.At(0, 0), b.image.At(0, 0));
    EXPECT_EQ(s.At(1, 0), kBg);  // masked
    EXPECT_EQ(s.At(1, 1), b.image.At(1, 1));
    EXPECT_EQ(s.At(2, 0), kBg);  // source column 2 is outside the bitmap
    // The source size keeps the scale: the destination reaches the far edge.
    s.Reset(5, 3, kBg);
    b.mask.clear();
    DrawBitmap(s, b, kWholeArea, MakeRect(1, 1, kKeepSameSize, kKeepSameSize));
    EXPECT_EQ(s.At(2, 2), b.image.At(1, 1));
    EXPECT_EQ(s.At(3, 2), kBg);
}

TEST(DrawBitmap, FastPathsEqualTheReference) {
    std::mt19937 random(7);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int round = 0; round < 3000; ++round) {
        Bitmap b = Numbered(pick(1, 9), pick(1, 7));
        if (pick(0, 1) == 1) {
            b.mask.resize(b.image.pixels.size());
            for (uint8_t& m : b.mask)
                m = static_cast<uint8_t>(pick(0, 1));
        }
        const auto size = [&]() { return pick(0, 5) == 0 ? kToFarEdge : pick(-1, 14); };
        const Rect src = MakeRect(pick(-3, 8), pick(-3, 8), size(), size());
        const Rect dst = MakeRect(pick(-6, 12), pick(-6, 12), size(), size());
        Surface fast(11, 9, kBg), slow(11, 9, kBg);
        DrawBitmap(fast, b, src, dst);
        ReferenceDraw(slow, b, src, dst);
        ASSERT_EQ(fast.pixels, slow.pixels)
            << "src " << src.top << "," << src.left << "," << src.height << "," << src.width
            << " dst " << dst.top << "," << dst.left << "," << dst.height << "," << dst.width;
    }
}

TEST(DrawSurface, CopyOntoItselfReadsTheOriginal) {
    Surface s = Numbered(4, 1).image;
    DrawSurface(s, s, MakeRect(0, 0, 1, 3), MakeRect(0, 1, 1, 3));
    EXPECT_EQ(s.pixels, (std::vector<uint32_t>{1, 1, 2, 3}));
}

// Every operation, drawn across each edge of a small surface, equals the same window of an
// unclipped drawing on a large one.
TEST(Raster, ClippingAtEveryEdgeEqualsTheUnclippedWindow) {
    Bitmap sprite = Numbered(4, 3);
    sprite.mask = {1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 0};
    const std::vector<std::function<void(Surface&, int, int)>> figures = {
        [](Surface& s, int x, int y) { FillRect(s, MakeRect(y, x, 7, 9), kPen); },
        [](Surface& s, int x, int y) {
            DrawRect(s, MakeRect(y, x, 7, 9), DrawMode::Both, PenOf(3), kFill);
        },
        [](Surface& s, int x, int y) {
            DrawOval(s, MakeRect(y, x, 9, 11), DrawMode::Both, PenOf(3), kFill);
        },
        [](Surface& s, int x, int y) {
            DrawLine(s, MakePoint(x, y), MakePoint(x + 10, y + 7), PenOf(3));
        },
        [](Surface& s, int x, int y) {
            const std::vector<Point> star = {
                {x + 5, y}, {x + 8, y + 10}, {x, y + 3}, {x + 10, y + 3}, {x + 2, y + 10}};
            DrawPoly(s, star, true, DrawMode::Both, PenOf(2), kFill);
        },
        [&](Surface& s, int x, int y) { DrawBitmap(s, sprite, kWholeArea, MakeRect(y, x, 7, 9)); },
    };
    constexpr int kMargin = 20;
    for (size_t f = 0; f < figures.size(); ++f) {
        for (int y = -10; y <= 8; y += 3) {
            for (int x = -10; x <= 8; x += 3) {
                Surface small(8, 6, kBg), large(48, 46, kBg);
                figures[f](small, x, y);
                figures[f](large, x + kMargin, y + kMargin);
                for (int py = 0; py < small.height; ++py) {
                    for (int px = 0; px < small.width; ++px) {
                        ASSERT_EQ(small.At(px, py), large.At(px + kMargin, py + kMargin))
                            << "figure " << f << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(Raster, FarCoordinatesAndHugeSizesClipWithoutOverflow) {
    Surface s(5, 5, kBg);
    FillRect(s, MakeRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), kPen);
    DrawOval(s, MakeRect(-30000, -30000, 65535, 65535), DrawMode::Outline, PenOf(INT32_MAX), kFill);
    DrawBitmap(s, Numbered(2, 2), MakeRect(0, 0, INT32_MAX, INT32_MAX),
               MakeRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    const std::vector<Point> far = {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}};
    DrawPoly(s, far, true, DrawMode::Both, PenOf(1), kFill);
    DrawLine(s, MakePoint(INT32_MIN, 2), MakePoint(INT32_MAX, 2), PenOf(1));
    EXPECT_EQ(s.At(2, 2), uint32_t(kPen));  // the line across the middle
}

TEST(GetPixels, OutsideReadsZeroAndAShortBufferIsRefused) {
    const Surface s = Numbered(3, 2).image;
    std::vector<uint32_t> out(4);
    EXPECT_TRUE(GetPixels(s, MakeRect(1, 2, 2, 2), out));
    EXPECT_EQ(out, (std::vector<uint32_t>{0x103, 0, 0, 0}));
    EXPECT_FALSE(GetPixels(s, MakeRect(0, 0, 2, 3), out));
    std::vector<uint32_t> whole(6);
    EXPECT_TRUE(GetPixels(s, kWholeArea, whole));
    EXPECT_EQ(whole, s.pixels);
    const Surface part = CopyRect(s, MakeRect(-1, 1, 2, kToFarEdge));
    EXPECT_EQ(part.width, 2);
    EXPECT_EQ(part.pixels, (std::vector<uint32_t>{2, 3}));
}

TEST(Raster, OvalsAndPolygonsAtPenWidthThree) {
    Surface s(72, 40, 0x202020);
    const Pen pen{0xFFD000, 3};
    DrawOval(s, MakeRect(2, 2, 17, 32), DrawMode::Outline, pen, 0x2060FF);
    DrawOval(s, MakeRect(2, 38, 17, 32), DrawMode::Both, pen, 0x2060FF);
    const std::vector<Point> outline = {{4, 38}, {16, 22}, {30, 36}, {22, 26}, {10, 28}};
    DrawPoly(s, outline, true, DrawMode::Outline, pen, 0x2060FF);
    std::vector<Point> star;
    for (int i = 0; i < 5; ++i) {
        static const int kX[] = {54, 62, 40, 68, 46};
        static const int kY[] = {21, 38, 27, 27, 38};
        star.push_back(MakePoint(kX[i], kY[i]));
    }
    DrawPoly(s, star, true, DrawMode::Both, Pen{0xFFD000, 1}, 0x2060FF);
    EXPECT_MATCHES_GOLDEN(s, "platform/oval_poly_pen3");
}

}  // namespace
}  // namespace tov::platform
