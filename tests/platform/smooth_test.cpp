#include "platform/smooth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tov::platform {
namespace {

constexpr uint32_t kRed = 0xFF0000;

int Count(const Surface& s, uint32_t color) {
    int n = 0;
    for (uint32_t p : s.pixels)
        n += p == color ? 1 : 0;
    return n;
}

// Pixels that are neither the background nor the colour: the anti-aliased edge.
int Blended(const Surface& s, uint32_t background, uint32_t color) {
    return static_cast<int>(s.pixels.size()) - Count(s, background) - Count(s, color);
}

TEST(Smooth, AxisAlignedRectangleOnPixelEdgesCoversExactlyItsPixels) {
    Surface s(10, 10, 0);
    FillShape(s, Shape().RoundedRect(2, 3, 4, 5, 0), SolidBrush(kRed));
    EXPECT_EQ(Count(s, kRed), 20);
    EXPECT_EQ(Blended(s, 0, kRed), 0);
    EXPECT_EQ(s.At(2, 3), kRed);
    EXPECT_EQ(s.At(5, 7), kRed);
    EXPECT_EQ(s.At(6, 7), 0u);
    // Half a pixel over: the half-covered column is half red.
    Surface half(4, 1, 0);
    FillShape(half, Shape().RoundedRect(0, 0, 1.5, 1, 0), SolidBrush(kRed));
    EXPECT_EQ(half.At(0, 0), kRed);
    EXPECT_NEAR(static_cast<int>(half.At(1, 0) >> 16), 128, 2);
    EXPECT_EQ(half.At(2, 0), 0u);
}

TEST(Smooth, DiscHasAFullInsideASoftEdgeAndNothingOutside) {
    Surface s(21, 21, 0x0000FF);
    FillShape(s, Shape().Circle(10.5, 10.5, 8), SolidBrush(kRed));
    EXPECT_EQ(s.At(10, 10), kRed);
    EXPECT_EQ(s.At(0, 0), 0x0000FFu);
    EXPECT_EQ(s.At(10, 1), 0x0000FFu);
    EXPECT_GT(Blended(s, 0x0000FF, kRed), 20);
    // Area within a few percent of pi r^2 (edge pixels counted by their coverage).
    double area = 0;
    for (uint32_t p : s.pixels)
        area += ((p >> 16) & 0xFF) / 255.0;
    EXPECT_NEAR(area, 3.14159 * 64, 4.0);
    // Symmetric about the centre.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            ASSERT_EQ(s.At(x, y), s.At(20 - x, 20 - y)) << x << "," << y;
}

TEST(Smooth, RingCutsAHoleAndFiguresOfOneWindingJoin) {
    Surface ring(21, 21, 0);
    FillShape(ring, Shape().Ring(10.5, 10.5, 4, 9), SolidBrush(kRed));
    EXPECT_EQ(ring.At(10, 10), 0u);
    EXPECT_EQ(ring.At(10, 3), kRed);
    // Two overlapping discs in one shape: the overlap is painted once, not cut out.
    Surface both(30, 20, 0);
    FillShape(both, Shape().Circle(10, 10, 8).Circle(18, 10, 8), SolidBrush(kRed));
    EXPECT_EQ(both.At(14, 10), kRed);
    // A segment with round ends reaches half its width past each end point.
    Surface stroke(20, 10, 0);
    FillShape(stroke, Shape().Segment({4, 5.5}, {14, 5.5}, 4), SolidBrush(kRed));
    EXPECT_EQ(stroke.At(9, 4), kRed);
    EXPECT_EQ(stroke.At(3, 5), kRed);
    EXPECT_EQ(stroke.At(14, 5), kRed);
    EXPECT_EQ(stroke.At(1, 5), 0u);
    EXPECT_EQ(stroke.At(17, 5), 0u);
    EXPECT_EQ(stroke.At(9, 8), 0u);
}

TEST(Smooth, ClipsAtEveryEdgeAndIgnoresWhatCannotBeDrawn) {
    Surface s(8, 8, 0);
    // Reaching past all four edges: everything inside is covered.
    FillShape(s, Shape().RoundedRect(-5, -5, 20, 20, 0), SolidBrush(kRed));
    EXPECT_EQ(Count(s, kRed), 64);
    Surface far(8, 8, 0);
    FillShape(far, Shape().Circle(1e9, -1e9, 1e9), SolidBrush(kRed));
    FillShape(far, Shape().Circle(4, 4, std::numeric_limits<double>::quiet_NaN()),
              SolidBrush(kRed));
    FillShape(far, Shape().Polygon({{0, 0}, {std::nan(""), 1}, {3, 3}}), SolidBrush(kRed));
    FillShape(far, Shape().Circle(4, 4, 3), SolidBrush(kTransparent));
    FillShape(far, Shape().Circle(4, 4, 3), SolidBrush(kRed, 0));
    EXPECT_EQ(Count(far, 0), 64);
    Surface empty;
    FillShape(empty, Shape().Circle(0, 0, 3), SolidBrush(kRed));
    // Moved by the offset.
    Surface moved(8, 8, 0);
    FillShape(moved, Shape().RoundedRect(0, 0, 2, 2, 0), SolidBrush(kRed), 5, 6);
    EXPECT_EQ(moved.At(5, 6), kRed);
    EXPECT_EQ(moved.At(6, 7), kRed);
    EXPECT_EQ(Count(moved, kRed), 4);
}

TEST(Smooth, GradientRunsFromStartToEndAndOpacityBlends) {
    Surface s(11, 1, 0);
    FillShape(s, Shape().RoundedRect(0, 0, 11, 1, 0),
              GradientBrush(0x000000, 0xFF0000, {0.5, 0}, {10.5, 0}));
    EXPECT_EQ(s.At(0, 0), 0u);
    EXPECT_EQ(s.At(10, 0), kRed);
    EXPECT_EQ(s.At(5, 0), 0x800000u);
    Surface blend(1, 1, 0x0000FF);
    FillShape(blend, Shape().RoundedRect(0, 0, 1, 1, 0), SolidBrush(kRed, 51));
    EXPECT_EQ(blend.At(0, 0), 0x3300CCu);
    EXPECT_EQ(MixColor(0x000000, 0xFFFFFF, 0.5), 0x808080);
    EXPECT_EQ(MixColor(0x102030, 0xFFFFFF, -3.0), 0x102030);
}

// A scene of every kind of figure, with solid, gradient and faint brushes.
void PaintScene(Surface& s, double dx, double dy, int variant) {
    const double v = variant * 0.25;
    FillShape(s, Shape().Circle(10 + v, 9, 6.5), SolidBrush(0x20C040), dx, dy);
    FillShape(s, Shape().Ring(20, 12, 3 + v, 7),
              GradientBrush(0xFF0000, 0x0000FF, {13, 5}, {27, 19}), dx, dy);
    FillShape(s, Shape().ArcBand(15, 15, 8, 11, 140 - variant, 40), SolidBrush(0xFFFFFF, 90), dx,
              dy);
    FillShape(s, Shape().Segment({2, 3}, {25 + v, 20}, 1.5), SolidBrush(0xFFD040), dx, dy);
    FillShape(s, Shape().RoundedRect(3, 14, 12, 7 + v, 2.5),
              GradientBrush(0x404040, 0xC0C0C0, {0, 14}, {0, 21}), dx, dy);
    FillShape(s, Shape().Polygon({{4, 4}, {9 + v, 2}, {7, 11}}), SolidBrush(kRed, 200), dx, dy);
}

TEST(Smooth, FiguresAndCoverageFromTheMemosGiveTheFreshPixels) {
    // Scenes painted at several offsets, on surfaces of several sizes, in varying order, each
    // compared with the same scene painted after the memos were emptied.
    const int sizes[][2] = {{30, 25}, {17, 31}, {30, 25}, {8, 40}};
    const double offsets[][2] = {{0, 0}, {-3, 2}, {0.5, -1.25}, {0, 0}, {7, 0}};
    for (int variant = 0; variant < 3; ++variant) {
        for (const auto& size : sizes) {
            for (const auto& offset : offsets) {
                Surface kept(size[0], size[1], 0x102030);
                PaintScene(kept, offset[0], offset[1], variant);
                PaintScene(kept, offset[0], offset[1], variant);  // over itself, from the memos
                ForgetShapeMemos();
                Surface fresh(size[0], size[1], 0x102030);
                PaintScene(fresh, offset[0], offset[1], variant);
                PaintScene(fresh, offset[0], offset[1], variant);
                ASSERT_EQ(kept.pixels, fresh.pixels)
                    << "variant " << variant << " size " << size[0] << "x" << size[1] << " offset "
                    << offset[0] << "," << offset[1];
                // Leave memos of another variant behind for the next round.
                Surface other(size[0], size[1], 0);
                PaintScene(other, offset[1], offset[0], variant + 1);
            }
        }
    }
}

}  // namespace
}  // namespace tov::platform
