#include "effects/zoom_text.h"

#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kTextCanvas = platform::main_panel::kTextCanvas;

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
    // The point size a step puts on the text canvas.
    int ShownSize(int index, int step) {
        EXPECT_EQ(Zoom().ShowTextZoomStep(static_cast<int16_t>(index), static_cast<int16_t>(step)),
                  0);
        return Attribute(kTextCanvas, Attr::TextPointSize);
    }
    int ShownColor(int index, int step) {
        EXPECT_EQ(Zoom().ShowTextZoomStep(static_cast<int16_t>(index), static_cast<int16_t>(step)),
                  0);
        return Attribute(kTextCanvas, Attr::TextColor);
    }
};

TEST_F(ZoomTextTest, SizesRiseOverEightyStepsAndFallBack) {
    ASSERT_EQ(Generate(0, 10, 90), 0);
    Zoom().PrepareTextZoomProc(0);
    for (int s = 0; s < 80; ++s)
        ASSERT_EQ(ShownSize(0, s), 11 + s) << "step " << s;  // 10 + 1 + 80 * s / 80
    for (int s = 80; s < 160; ++s)
        ASSERT_EQ(ShownSize(0, s), 11 + 159 - s) << "step " << s;
    EXPECT_EQ(Zoom().ZoomTextFontMin[0], 10);
    EXPECT_EQ(Zoom().ZoomTextFontMax[0], 90);
}

TEST_F(ZoomTextTest, EqualLimitsKeepOneSizeAndReversedLimitsShrinkFirst) {
    ASSERT_EQ(Generate(0, 10, 10), 0);
    for (int s = 0; s < 160; ++s)
        ASSERT_EQ(ShownSize(0, s), 11) << "step " << s;

    ASSERT_EQ(Generate(1, 40, 20), 0);
    EXPECT_EQ(ShownSize(1, 0), 41);
    EXPECT_EQ(ShownSize(1, 79), 22);  // 41 + (-20 * 79) / 80, truncated towards zero
    EXPECT_EQ(ShownSize(1, 80), 22);
    EXPECT_EQ(ShownSize(1, 159), 41);
}

TEST_F(ZoomTextTest, BlendedComponentsFollowTheZoom) {
    ASSERT_EQ(Generate(0, 10, 90, Rgb(255, 128, 64), 0x111), 0);
    EXPECT_EQ(ShownColor(0, 0), 0);
    EXPECT_EQ(ShownColor(0, 40), Rgb(255 * 40 / 79, 128 * 40 / 79, 64 * 40 / 79));
    EXPECT_EQ(ShownColor(0, 79), Rgb(255, 128, 64));
    EXPECT_EQ(ShownColor(0, 80), Rgb(251, 126, 63));  // divisor 80 on the way back
    EXPECT_EQ(ShownColor(0, 159), 0);

    ASSERT_EQ(Generate(1, 10, 90, Rgb(255, 0, 255), 0x100), 0);
    EXPECT_EQ(ShownColor(1, 0), Rgb(0, 0, 255));
    EXPECT_EQ(ShownColor(1, 79), Rgb(255, 0, 255));

    ASSERT_EQ(Generate(2, 10, 90, Rgb(1, 2, 3), 0), 0);
    for (int s = 0; s < 160; ++s)
        ASSERT_EQ(ShownColor(2, s), Rgb(1, 2, 3)) << "step " << s;

    // Red is the colour shifted right, unmasked: the bit above blue, green and red counts too.
    ASSERT_EQ(Generate(3, 10, 90, 0x1000000, 0x100), 0);
    EXPECT_EQ(ShownColor(3, 79), 0x1000000);
    EXPECT_EQ(ShownColor(3, 80), (256 * 79 / 80) << 16);
}

TEST_F(ZoomTextTest, StepsAreCentredByMeasuredWidthAndSize) {
    ASSERT_EQ(Generate(0, 10, 90), 0);
    Zoom().ZoomTextWidth[0][17] = 301;  // as if the text measured 301 pixels at step 17
    Zoom().PrepareTextZoomProc(0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Left), 800);
    EXPECT_EQ(Value(kTextCanvas), "ZOOM");
    EXPECT_EQ(TextAttribute(kTextCanvas, Attr::TextFont), kTestFace);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextBold), 1);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextItalic), 0);

    ASSERT_EQ(Zoom().ShowTextZoomStep(0, 17), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Width), 301);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Left), 249);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Top), 300 - 28 / 2);

    // The measured widths grow with the size.
    EXPECT_GT(Zoom().ZoomTextWidth[0][79], Zoom().ZoomTextWidth[0][0]);
    EXPECT_EQ(Zoom().ZoomTextWidth[0][0], Zoom().ZoomTextWidth[0][159]);
}

TEST_F(ZoomTextTest, DescribingOneTextLeavesTheOthersAlone) {
    ASSERT_EQ(Generate(0, 10, 90, Rgb(255, 128, 64), 0x111), 0);
    const auto sizes = Zoom().ZoomTextFontHeight[0];
    const auto widths = Zoom().ZoomTextWidth[0];
    const auto colors = Zoom().ZoomTextColor[0];
    ASSERT_EQ(Generate(1, 50, 5, 0x00FF00, 0x010, "other text"), 0);
    EXPECT_EQ(Zoom().ZoomTextFontHeight[0], sizes);
    EXPECT_EQ(Zoom().ZoomTextWidth[0], widths);
    EXPECT_EQ(Zoom().ZoomTextColor[0], colors);
    EXPECT_EQ(ShownSize(0, 159), 11);
    EXPECT_EQ(ShownColor(0, 159), 0);
}

TEST_F(ZoomTextTest, TextsUpTo200CharactersAreAccepted) {
    ASSERT_EQ(Generate(6, 10, 20, 0xFFFFFF, 0, std::string(200, 'z')), 0);
    EXPECT_EQ(PopupCount(), 0u);
    EXPECT_EQ(Generate(6, 30, 40, 0xFFFFFF, 0, std::string(201, 'q')), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'GenerateTextZoomProc': string '_ZoomText' too long (max. 200 "
              "characters)");
    EXPECT_EQ(Zoom().ZoomTextString[6], std::string(200, 'z'));
    EXPECT_EQ(ShownSize(6, 0), 11);
}

TEST_F(ZoomTextTest, NumbersAndStepsOutsideTheTablesAreRefused) {
    for (int16_t index : {int16_t{500}, int16_t{-1}}) {
        EXPECT_EQ(Generate(index, 10, 20), -1);
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'GenerateTextZoomProc': argument '_ZoomTextIndex' out of range "
                  "(must be 0..499)");
        EXPECT_EQ(Zoom().PrepareTextZoomProc(index), -1);
        EXPECT_EQ(Zoom().ShowTextZoomStep(index, 0), -1);
    }
    ASSERT_EQ(Generate(0, 10, 20), 0);
    Zoom().ShowTextZoomStep(0, 5);
    const size_t popups = PopupCount();
    for (int16_t step : {int16_t{160}, int16_t{-1}, int16_t{32767}}) {
        EXPECT_EQ(Zoom().ShowTextZoomStep(0, step), -1);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'ShowTextZoomStep': argument '_ZommTextStep' out of range (must "
                  "be 0..159)");
    }
    EXPECT_EQ(PopupCount(), popups + 3);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextPointSize), 11 + 10 * 5 / 80);

    // Sizes no font has, and over-long face names, are kept safely.
    EXPECT_EQ(Generate(1, -200, -100), 0);
    EXPECT_EQ(Zoom().ZoomTextFontHeight[1][0], -199);
    EXPECT_EQ(Zoom().GenerateTextZoomProc(2, "x", std::string(400, 'F'), 0, 0, 0, 0, 5, 9), 0);
    EXPECT_EQ(Zoom().ZoomTextFontType[2], std::string(50, 'F'));
}

class ZoomTextPictureTest : public TextEffectTestBase<240, 96> {};

TEST_F(ZoomTextPictureTest, ZoomAtStartMiddleAndLargest) {
    // Only red follows the zoom, so the smallest step shows too: green at step 0, orange at 79.
    tov::ZoomText& zoom = engine_.ZoomText();
    ASSERT_EQ(
        zoom.GenerateTextZoomProc(0, "ZOOM!", kTestFace, 1, 0, Rgb(255, 160, 32), 0x100, 8, 56), 0);
    zoom.PrepareTextZoomProc(0);
    for (int step : {0, 40, 79}) {
        ASSERT_EQ(zoom.ShowTextZoomStep(0, static_cast<int16_t>(step)), 0);
        EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/zoom_text_step_" + std::to_string(step));
    }
}

}  // namespace
}  // namespace tov::testing
