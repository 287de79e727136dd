#include "effects/pixel_pic.h"

#include <cmath>
#include <set>

#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::Surface;

class PixelPicTest : public TransitionTest {
  protected:
    PixelPic& Dissolve() { return engine_.PixelPic(); }
    int Passes() { return Dissolve().PixelPicAmountPixelDrawnOf1000; }
};

TEST_F(PixelPicTest, FadeInDrawsEveryPixelExactlyOnce) {
    const Surface picture = TestPicture(100, 50);
    Load(0, picture);
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 0, 1), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 5000);

    // Each pass draws 5 of the 5000 pixels; a pixel drawn twice would leave the count short.
    int passes = 0;
    for (int step = 0; step < 100; ++step) {
        ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
        passes += PixelPic::AmountPixelField[step];
        ASSERT_EQ(Passes(), passes);
        const Surface canvas = Canvas();
        int drawn = 0;
        for (size_t i = 0; i < canvas.pixels.size(); ++i) {
            if (canvas.pixels[i] == 0) continue;
            ASSERT_EQ(canvas.pixels[i], picture.pixels[i]) << i;
            ++drawn;
        }
        ASSERT_EQ(drawn, 5 * passes) << "after step " << step;
        if (step == 0) {
            EXPECT_EQ(drawn, 25);
        }
    }
    EXPECT_EQ(Passes(), 1000);
    EXPECT_EQ(Canvas().pixels, picture.pixels);
}

TEST_F(PixelPicTest, FadeOutStartsFastAndEndsSlow) {
    Load(0, TestPicture(100, 50));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 0, 0), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 0);
    ASSERT_EQ(Dissolve().ShowPixelPicStep(0), 0);
    EXPECT_EQ(Passes(), 19);
    EXPECT_EQ(CountPixels(Canvas(), 0), 19 * 5);
    for (int step = 1; step < 99; ++step)
        ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 5000 - 25);
    ASSERT_EQ(Dissolve().ShowPixelPicStep(99), 0);
    EXPECT_EQ(Passes(), 1000);
    EXPECT_EQ(CountPixels(Canvas(), 0), 5000);
}

TEST_F(PixelPicTest, StepsOutsideZeroTo99AreRefused) {
    Load(0, TestPicture(100, 50));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 0, 1), 0);
    ASSERT_EQ(Dissolve().ShowPixelPicStep(0), 0);
    const Surface before = Canvas();
    for (int16_t step : {int16_t{100}, int16_t{-1}}) {
        Rt().ClearPopups();
        EXPECT_EQ(Dissolve().ShowPixelPicStep(step), -1);
        ASSERT_EQ(PopupCount(), 1u);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'DrawPixelPicStep': argument 'PixelPicStep' out of range (must be "
                  "0..99)");
        EXPECT_EQ(Passes(), 5);
        EXPECT_EQ(Canvas().pixels, before.pixels);
    }
}

TEST_F(PixelPicTest, PassesBeyondTheThousandthDrawNothing) {
    Load(0, TestPicture(40, 30));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 0, 1), 0);
    for (int step = 0; step < 100; ++step)
        ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
    ASSERT_EQ(Passes(), 1000);
    // Steps again without a new set-up: the pass order is used up, so nothing is drawn on the
    // cleared canvas.
    Rt().CanvasClear(Panel(), kEffectCanvas, platform::kWholeArea);
    for (int16_t step : {int16_t{0}, int16_t{99}, int16_t{50}})
        ASSERT_EQ(Dissolve().ShowPixelPicStep(step), 0);
    EXPECT_EQ(Passes(), 1000);
    EXPECT_EQ(CountPixels(Canvas(), 0), 40 * 30);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(PixelPicTest, FractionalZoomBlocksOverlapWithoutGaps) {
    // A 5 x 5 picture at zoom 1.5: blocks of 2 x 2 at 0, 1, 3, 4 and 6 (x * 1.5 truncated).
    Load(0, TestPicture(5, 5));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.5, 1.5, 0, 0), 0);
    ASSERT_EQ(CanvasAttribute(Attr::Width), 7);
    ASSERT_EQ(CanvasAttribute(Attr::Height), 7);
    const std::array<int16_t, MainPanel::kPixels>& order = engine_.MainPanel().Pixel;
    std::set<std::pair<int, int>> black;
    for (int step = 0; step < 100; ++step) {
        const int first = Passes();
        ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
        for (int k = first; k < Passes(); ++k) {
            const int i = order[k] - 1;
            if (i >= 25) continue;
            const int left = static_cast<int>((i % 5) * 1.5);
            const int top = static_cast<int>((i / 5) * 1.5);
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    if (left + dx < 7 && top + dy < 7) black.insert({left + dx, top + dy});
                }
            }
        }
        const Surface canvas = Canvas();
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x) {
                ASSERT_EQ(canvas.At(x, y) == 0, black.count({x, y}) == 1)
                    << "step " << step << " pixel " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(black.size(), 49u);
}

// A whole fade in against a plain reference: every pass's blocks painted in order with the
// pixel number split by division and the position by the zoom, on widths that do and do not
// divide the 1000 passes (one wider than 1000), at zooms whose blocks overlap, so that the
// order in which overlapping blocks land shows.
TEST_F(PixelPicTest, WholeFadeInEqualsThePlainReference) {
    const std::array<int16_t, MainPanel::kPixels>& order = engine_.MainPanel().Pixel;
    struct Case {
        int width, height;
        double x_zoom, y_zoom;
    };
    for (const Case& c : {Case{37, 23, 1.5, 2.5}, Case{1203, 3, 0.75, 1.0}, Case{40, 25, 2.0, 1.0},
                          Case{7, 301, 1.25, 0.5}}) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        const Surface picture = TestPicture(c.width, c.height);
        Load(0, picture);
        ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, c.x_zoom, c.y_zoom, 0, 1), 0);
        Surface reference = Canvas();
        const int block_width = static_cast<int>(std::ceil(c.x_zoom));
        const int block_height = static_cast<int>(std::ceil(c.y_zoom));
        for (int step = 0; step < 100; ++step) {
            const int first_pass = Passes();
            ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
            for (int k = first_pass; k < Passes(); ++k) {
                for (int i = order[k] - 1; i < c.width * c.height; i += PixelPic::kPasses) {
                    const int left = static_cast<int>((i % c.width) * c.x_zoom);
                    const int top = static_cast<int>((i / c.width) * c.y_zoom);
                    for (int y = top; y < top + block_height && y < reference.height; ++y) {
                        for (int x = left; x < left + block_width && x < reference.width; ++x)
                            reference.At(x, y) = picture.At(i % c.width, i / c.width);
                    }
                }
            }
            ASSERT_EQ(Canvas().pixels, reference.pixels) << "after step " << step;
        }
    }
}

TEST_F(PixelPicTest, MinusOneCentresTheZoomedPicture) {
    Load(0, TestPicture(200, 20));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(-1, -1, 2.0, 2.0, 0, 1), 0);
    EXPECT_EQ(Dissolve().PixelPicXPos, 200);
    EXPECT_EQ(Dissolve().PixelPicYPos, 130);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 200);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 400);
}

TEST_F(PixelPicTest, NoPictureDrawsNothing) {
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 9, 1), 0);
    EXPECT_EQ(Dissolve().ShowPixelPicStep(0), 0);
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 600, 0), 0);
    EXPECT_EQ(Dissolve().ShowPixelPicStep(0), 0);
    EXPECT_EQ(PopupCount(), 0u);
    // A zoom of -1 rounds up to blocks of -1, which must not reach the canvas's far edges.
    Load(0, TestPicture(10, 10));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(0, 0, 1.0, 1.0, 0, 1), 0);
    Dissolve().PixelPicXZoom = -1.0;
    EXPECT_EQ(Dissolve().ShowPixelPicStep(0), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 100);
}

TEST_F(PixelPicTest, GoldenHalfDone) {
    Load(0, TestPicture(80, 40));
    ASSERT_EQ(Dissolve().SetPixelPicAttr(-1, -1, 2.0, 2.0, 0, 1), 0);
    for (int step = 0; step < 50; ++step)
        ASSERT_EQ(Dissolve().ShowPixelPicStep(static_cast<int16_t>(step)), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/pixel_pic_in_half");
}

}  // namespace
}  // namespace tov::testing
