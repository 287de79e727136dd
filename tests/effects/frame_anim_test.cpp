#include "effects/frame_anim.h"

#include <gtest/gtest.h>

#include "platform/image_file.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kCanvas = platform::main_panel::kEffectCanvas;

// Slot 3: 8 frames of 10 x 8 pixels, four to a row, frame n filled with Color(n).
constexpr uint32_t Color(int n) {
    return 0x102030u + static_cast<uint32_t>(n) * 0x141414u;
}

class FrameAnimTest : public TextEffectTestBase<> {
  protected:
    void SetUp() override {
        TextEffectTestBase::SetUp();
        platform::Surface strip(40, 16);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 40; ++x)
                strip.At(x, y) = Color(y / 8 * 4 + x / 10);
        }
        ASSERT_EQ(platform::WritePng(dir_.File("strip.png"), strip), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("strip.png", 3, 10, 8), 0);
    }
    uint32_t Pixel(int x, int y) {
        uint32_t color = 0xDEAD;
        Rt().CanvasGetPixel(Panel(), kCanvas, platform::MakePoint(x, y), &color);
        return color;
    }
    FrameAnim& Anim() { return engine_.FrameAnim(); }
};

TEST_F(FrameAnimTest, CentredCanvasMayLieLeftOfThePanel) {
    const struct {
        int16_t width, height, x, y;
        int left, top;
    } cases[] = {
        {301, 100, -1, -1, 249, 250}, {900, 601, -1, -1, -50, 0}, {20, 20, -7, -300, -7, -300}};
    for (const auto& c : cases) {
        ASSERT_EQ(Anim().GenerateFrameAnim(0, 3, c.width, c.height, c.x, c.y), 0);
        Anim().PrepareFrameAnim(0);
        EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
        EXPECT_EQ(Attribute(kCanvas, Attr::Width), c.width);
        Anim().ShowFrameAnimFrame(0, 0);
        EXPECT_EQ(Attribute(kCanvas, Attr::Left), c.left);
        EXPECT_EQ(Attribute(kCanvas, Attr::Top), c.top);
    }
}

TEST_F(FrameAnimTest, FramesGoRowByRowUnscaledOverTheOldContentAndSurviveHiding) {
    ASSERT_EQ(Anim().GenerateFrameAnim(7, 3, 20, 16, 10, 20), 0);
    Anim().PrepareFrameAnim(7);
    Rt().CanvasClear(Panel(), kCanvas, platform::kWholeArea);
    ASSERT_EQ(Anim().ShowFrameAnimFrame(7, 5), 0);  // second frame of the second row
    EXPECT_EQ(Pixel(0, 0), Color(5));
    EXPECT_EQ(Pixel(9, 7), Color(5));
    EXPECT_EQ(Pixel(10, 0), 0u);  // beyond the frame the canvas keeps what it had
    EXPECT_EQ(Pixel(0, 8), 0u);

    Anim().HideFrameAnim();
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
    Anim().ShowFrameAnimFrame(7, 4);  // back at its place without another Prepare
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 10);
    EXPECT_EQ(Pixel(0, 0), Color(4));

    for (int16_t n : {8, 32767, -1, -32768})  // beyond the strip: nothing to draw
        EXPECT_EQ(Anim().ShowFrameAnimFrame(7, n), 0);
    EXPECT_EQ(Pixel(0, 0), Color(4));
    ExpectPopups(0, "", "");
}

TEST_F(FrameAnimTest, NumbersOutsideTheTablesAndSlotsWithoutFramesAreRefused) {
    ASSERT_EQ(Anim().GenerateFrameAnim(499, 3, 20, 20, 5, 6), 0);
    for (int16_t index : {500, -1, -32768}) {
        EXPECT_EQ(Anim().GenerateFrameAnim(index, 3, 20, 20, 0, 0), -1);
        EXPECT_EQ(Anim().PrepareFrameAnim(index), -1);
        EXPECT_EQ(Anim().ShowFrameAnimFrame(index, 0), -1);
        ExpectPopups(3, "fatal error",
                     "CVI-function 'ShowFrameAnimFrame': argument '_FrameAnimIndex' out of range "
                     "(must be 0..499)");
    }
    EXPECT_EQ(Anim().GenerateFrameAnim(499, 500, 1, 1, 1, 1), -1);
    ExpectPopups(1, "fatal error",
                 "CVI-function 'GenerateFrameAnim': argument '_FrameAnimBitmapIDIndex' out of "
                 "range (must be 0..499)");
    EXPECT_EQ(Anim().FrameAnimCanvasXPos[499], 5);

    ASSERT_EQ(Anim().GenerateFrameAnim(0, 42, 20, 20, 5, 5), 0);  // slot 42 holds nothing
    Anim().PrepareFrameAnim(0);
    EXPECT_EQ(Anim().ShowFrameAnimFrame(0, 0), -1);
    ExpectPopups(1, "fatal error",
                 "CVI-function 'ShowFrameAnimFrame': the bitmap of selection slot 42 holds no "
                 "frames");
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
}

}  // namespace
}  // namespace tov::testing
