#include "effects/zoom_text.h"

#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kCanvas = platform::main_panel::kTextCanvas;

constexpr int Rgb(int r, int g, int b) {
    return r << 16 | g << 8 | b;
}

class ZoomTextTest : public TextEffectTestBase<> {
  protected:
    tov::ZoomText& Zoom() { return engine_.ZoomText(); }
    int Generate(int16_t index, int16_t min, int16_t max, int32_t color = 0xFFFFFF,
                 int16_t blend = 0, const std::string& text = "ZOOM") {
        return Zoom().GenerateTextZoomProc(index, text, kTestFace, 1, 0, color, blend, min, max);
    }
    // Shows the step and reads back the attribute it set.
    int Shown(int index, int step, Attr attr) {
        EXPECT_EQ(Zoom().ShowTextZoomStep(static_cast<int16_t>(index), static_cast<int16_t>(step)),
                  0);
        return Attribute(kCanvas, attr);
    }
};

TEST_F(ZoomTextTest, SizesGrowOverEightyStepsAndShrinkBack) {
    ASSERT_EQ(Generate(0, 10, 90), 0);
    ASSERT_EQ(Generate(1, 10, 10), 0);
    ASSERT_EQ(Generate(2, 40, 20), 0);
    Zoom().PrepareTextZoomProc(0);
    for (int s = 0; s < 160; ++s) {
        ASSERT_EQ(Shown(0, s, Attr::TextPointSize), s < 80 ? 11 + s : 170 - s) << s;
        ASSERT_EQ(Shown(1, s, Attr::TextPointSize), 11) << s;
    }
    EXPECT_EQ(Shown(2, 0, Attr::TextPointSize), 41);  // max below min: shrinks first
    EXPECT_EQ(Shown(2, 79, Attr::TextPointSize), 22);
}

TEST_F(ZoomTextTest, BlendedComponentsFollowTheZoom) {
    ASSERT_EQ(Generate(0, 10, 90, Rgb(255, 128, 64), 0x111), 0);
    ASSERT_EQ(Generate(1, 10, 90, Rgb(255, 0, 255), 0x100), 0);
    ASSERT_EQ(Generate(2, 10, 90, 0x1000000, 0x100), 0);  // red is the unmasked high part
    const struct {
        int index, step, color;
    } cases[] = {{0, 0, 0},
                 {0, 40, Rgb(129, 64, 32)},
                 {0, 79, Rgb(255, 128, 64)},
                 {0, 80, Rgb(251, 126, 63)},
                 {0, 159, 0},
                 {1, 0, Rgb(0, 0, 255)},
                 {1, 79, Rgb(255, 0, 255)},
                 {2, 79, 0x1000000},
                 {2, 80, Rgb(252, 0, 0)}};
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.index, c.step, Attr::TextColor), c.color) << c.index << "/" << c.step;

    // Describing another text leaves text 0 alone, its last step included.
    const auto colors = Zoom().ZoomTextColor[0];
    const auto widths = Zoom().ZoomTextWidth[0];
    ASSERT_EQ(Generate(1, 50, 5, 0x00FF00, 0x010, "other"), 0);
    EXPECT_EQ(Zoom().ZoomTextColor[0], colors);
    EXPECT_EQ(Zoom().ZoomTextWidth[0], widths);
    EXPECT_EQ(Shown(0, 159, Attr::TextPointSize), 11);
}

TEST_F(ZoomTextTest, StepsAreCentredByMeasuredWidthAndSize) {
    ASSERT_EQ(Generate(0, 10, 90), 0);
    EXPECT_GT(Zoom().ZoomTextWidth[0][79], 3 * Zoom().ZoomTextWidth[0][0]);
    Zoom().ZoomTextWidth[0][17] = 301;  // as if the text measured 301 pixels at step 17
    ASSERT_EQ(Zoom().PrepareTextZoomProc(0), 0);
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
    EXPECT_EQ(Value(kCanvas), "ZOOM");
    EXPECT_EQ(Shown(0, 17, Attr::Left), 249);
    EXPECT_EQ(Attribute(kCanvas, Attr::Width), 301);
    EXPECT_EQ(Attribute(kCanvas, Attr::Top), 300 - 28 / 2);
}

TEST_F(ZoomTextTest, RefusalsLeaveEverythingAsItWas) {
    ASSERT_EQ(Generate(6, 10, 20, 0xFFFFFF, 0, std::string(200, 'z')), 0);
    EXPECT_EQ(Generate(6, 30, 40, 0xFFFFFF, 0, std::string(201, 'q')), -1);
    ExpectPopups(1, "fatal error",
                 "CVI-function 'GenerateTextZoomProc': string '_ZoomText' too long (max. 200 "
                 "characters)");
    EXPECT_EQ(Shown(6, 0, Attr::TextPointSize), 11);
    for (int16_t index : {500, -1}) {
        EXPECT_EQ(Generate(index, 10, 20), -1);
        EXPECT_EQ(Zoom().PrepareTextZoomProc(index), -1);
        EXPECT_EQ(Zoom().ShowTextZoomStep(index, 0), -1);
        ExpectPopups(3, "fatal error",
                     "CVI-function 'ShowTextZoomStep': argument '_ZoomTextIndex' out of range "
                     "(must be 0..499)");
    }
    for (int16_t step : {160, -1, 32767}) {
        EXPECT_EQ(Zoom().ShowTextZoomStep(6, step), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'ShowTextZoomStep': argument '_ZommTextStep' out of range "
                     "(must be 0..159)");
    }
    EXPECT_EQ(Attribute(kCanvas, Attr::TextPointSize), 11);
}

class ZoomTextPictureTest : public TextEffectTestBase<240, 96> {};

TEST_F(ZoomTextPictureTest, SmallestMiddleAndLargest) {
    // Only red follows the zoom, so step 0 shows too: green at step 0, orange at step 79.
    tov::ZoomText& zoom = engine_.ZoomText();
    ASSERT_EQ(
        zoom.GenerateTextZoomProc(0, "ZOOM!", kTestFace, 1, 0, Rgb(255, 160, 32), 0x100, 8, 56), 0);
    zoom.PrepareTextZoomProc(0);
    for (int16_t step : {0, 40, 79}) {
        ASSERT_EQ(zoom.ShowTextZoomStep(0, step), 0);
        EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/zoom_text_step_" + std::to_string(step));
    }
}

}  // namespace
}  // namespace tov::testing
