#include "effects/frame_anim.h"

#include <gtest/gtest.h>

#include "platform/image_file.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kEffectCanvas = platform::main_panel::kEffectCanvas;

// A strip of 8 frames of 10 x 8 pixels, four to a row: frame n is filled with FrameColor(n).
constexpr int kFrameWidth = 10;
constexpr int kFrameHeight = 8;
constexpr uint32_t FrameColor(int n) {
    return 0x102030u + static_cast<uint32_t>(n) * 0x141414u;
}

class FrameAnimTest : public TextEffectTestBase<> {
  protected:
    void SetUp() override {
        TextEffectTestBase::SetUp();
        platform::Surface strip(4 * kFrameWidth, 2 * kFrameHeight);
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < strip.width; ++x)
                strip.At(x, y) = FrameColor(y / kFrameHeight * 4 + x / kFrameWidth);
        }
        ASSERT_EQ(platform::WritePng(dir_.File("strip.png"), strip), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("strip.png", 3, kFrameWidth,
                                                                 kFrameHeight),
                  0);
    }

    FrameAnim& Anim() { return engine_.FrameAnim(); }
    uint32_t CanvasPixel(int x, int y) {
        uint32_t color = 0xDEADBEEF;
        Rt().CanvasGetPixel(Panel(), kEffectCanvas, platform::MakePoint(x, y), &color);
        return color & 0xFFFFFF;
    }
};

TEST_F(FrameAnimTest, CentredCanvasMayLieLeftOfThePanel) {
    ASSERT_EQ(Anim().GenerateFrameAnim(0, 3, 301, 100, -1, -1), 0);
    ASSERT_EQ(Anim().GenerateFrameAnim(1, 3, 900, 601, -1, -1), 0);
    ASSERT_EQ(Anim().GenerateFrameAnim(2, 3, 20, 20, -7, -300), 0);

    Anim().PrepareFrameAnim(0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), kPanelWidth);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Width), 301);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Height), 100);
    ASSERT_EQ(Anim().ShowFrameAnimFrame(0, 0), 0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), 249);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Top), 250);

    Anim().PrepareFrameAnim(1);
    Anim().ShowFrameAnimFrame(1, 0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), -50);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Top), 0);  // (600 - 601) / 2 truncates to 0

    // Other negative positions are used as given.
    Anim().PrepareFrameAnim(2);
    Anim().ShowFrameAnimFrame(2, 0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), -7);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Top), -300);
}

TEST_F(FrameAnimTest, CentringUsesThePanelSizeAtDescription) {
    ASSERT_EQ(Anim().GenerateFrameAnim(0, 3, 100, 100, -1, -1), 0);
    engine_.MainPanel().InstallPanel(0, 0, 400, 200);
    Anim().PrepareFrameAnim(0);
    Anim().ShowFrameAnimFrame(0, 0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), 350);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Top), 250);
}

TEST_F(FrameAnimTest, FramesAreNumberedRowByRowAndDrawnUnscaledOverTheOldContent) {
    ASSERT_EQ(Anim().GenerateFrameAnim(7, 3, 2 * kFrameWidth, 2 * kFrameHeight, 10, 20), 0);
    Anim().PrepareFrameAnim(7);
    Rt().CanvasClear(Panel(), kEffectCanvas, platform::kWholeArea);

    ASSERT_EQ(Anim().ShowFrameAnimFrame(7, 5), 0);  // second frame of the second row
    EXPECT_EQ(CanvasPixel(0, 0), FrameColor(5));
    EXPECT_EQ(CanvasPixel(kFrameWidth - 1, kFrameHeight - 1), FrameColor(5));
    EXPECT_EQ(CanvasPixel(kFrameWidth, 0), 0u);  // beyond the frame: not touched
    EXPECT_EQ(CanvasPixel(0, kFrameHeight), 0u);

    ASSERT_EQ(Anim().ShowFrameAnimFrame(7, 0), 0);
    EXPECT_EQ(CanvasPixel(kFrameWidth - 1, kFrameHeight - 1), FrameColor(0));
    ASSERT_EQ(Anim().ShowFrameAnimFrame(7, 3), 0);  // last of the first row
    EXPECT_EQ(CanvasPixel(0, 0), FrameColor(3));
    ASSERT_EQ(Anim().ShowFrameAnimFrame(7, 4), 0);  // first of the second row
    EXPECT_EQ(CanvasPixel(0, 0), FrameColor(4));
}

TEST_F(FrameAnimTest, HiddenCanvasComesBackWithoutAnotherPrepare) {
    ASSERT_EQ(Anim().GenerateFrameAnim(0, 3, 40, 30, 100, 50), 0);
    Anim().PrepareFrameAnim(0);
    Anim().ShowFrameAnimFrame(0, 1);
    ASSERT_EQ(Anim().HideFrameAnim(), 0);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), kPanelWidth);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Width), 40);  // size and content stay
    EXPECT_EQ(CanvasPixel(0, 0), FrameColor(1));

    Anim().ShowFrameAnimFrame(0, 2);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), 100);
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Top), 50);
    EXPECT_EQ(CanvasPixel(0, 0), FrameColor(2));
}

TEST_F(FrameAnimTest, FramesBeyondTheStripDrawNothing) {
    ASSERT_EQ(Anim().GenerateFrameAnim(0, 3, 20, 20, 0, 0), 0);
    Anim().PrepareFrameAnim(0);
    Rt().CanvasClear(Panel(), kEffectCanvas, platform::kWholeArea);
    for (int n : {8, 11, 32767, -1, -5, -32768})
        EXPECT_EQ(Anim().ShowFrameAnimFrame(0, static_cast<int16_t>(n)), 0) << n;
    EXPECT_EQ(CanvasPixel(0, 0), 0u);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(FrameAnimTest, NumbersOutsideTheTablesAreRefused) {
    ASSERT_EQ(Anim().GenerateFrameAnim(499, 3, 20, 20, 5, 6), 0);
    for (int16_t index : {int16_t{500}, int16_t{-1}, int16_t{32767}, int16_t{-32768}}) {
        EXPECT_EQ(Anim().GenerateFrameAnim(index, 3, 20, 20, 0, 0), -1);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'GenerateFrameAnim': argument '_FrameAnimIndex' out of range "
                  "(must be 0..499)");
        EXPECT_EQ(Anim().PrepareFrameAnim(index), -1);
        EXPECT_EQ(Anim().ShowFrameAnimFrame(index, 0), -1);
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'ShowFrameAnimFrame': argument '_FrameAnimIndex' out of range "
                  "(must be 0..499)");
    }
    EXPECT_EQ(Anim().GenerateFrameAnim(499, 500, 1, 1, 1, 1), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'GenerateFrameAnim': argument '_FrameAnimBitmapIDIndex' out of range "
              "(must be 0..499)");
    EXPECT_EQ(Anim().FrameAnimCanvasXPos[499], 5);  // the refused call stored nothing
    EXPECT_EQ(Anim().FrameAnimBitmapIDIndex[499], 3);
}

TEST_F(FrameAnimTest, SlotWithoutFramesIsRefusedWithoutMovingTheCanvas) {
    ASSERT_EQ(Anim().GenerateFrameAnim(0, 42, 20, 20, 5, 5), 0);  // slot 42 was never loaded
    Anim().PrepareFrameAnim(0);
    const size_t popups = PopupCount();
    EXPECT_EQ(Anim().ShowFrameAnimFrame(0, 0), -1);
    ASSERT_EQ(PopupCount(), popups + 1);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'ShowFrameAnimFrame': the bitmap of selection slot 42 holds no "
              "frames");
    EXPECT_EQ(Attribute(kEffectCanvas, Attr::Left), kPanelWidth);
}

}  // namespace
}  // namespace tov::testing
