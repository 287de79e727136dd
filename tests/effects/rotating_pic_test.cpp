#include "effects/rotating_pic.h"

#include <gtest/gtest.h>

#include "sprite_test_support.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

constexpr int kCanvas = platform::main_panel::kXyzCanvas;

class RotatingPicTest : public SpriteTestBase<> {
  protected:
    void SetUp() override {
        SpriteTestBase::SetUp();
        Load(1, TestPicture(200, 100));  // front
        Load(2, TestPicture(60, 80));    // back
    }
    tov::RotatingPic& Rotating() { return engine_.RotatingPic(); }
    Geometry Shown(int step) {
        EXPECT_EQ(Rotating().ShowRotatingPicStep(static_cast<int16_t>(step)), 0);
        return GeometryOf(kCanvas);
    }
    // The width of the picture the XYZ canvas shows.
    int ShownPictureWidth() {
        int bitmap = 0;
        EXPECT_EQ(Rt().GetCtrlBitmap(Panel(), kCanvas, &bitmap), 0);
        int bytes = 0, depth = 0, width = 0, height = 0;
        Rt().GetBitmapInfo(bitmap, &bytes, &depth, &width, &height);
        Rt().DiscardBitmap(bitmap);
        return width;
    }
};

TEST_F(RotatingPicTest, HorizontalAxisScalesTheHeightAboutTheCentre) {
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, 400, 300, 2.0, 1.0, 0), 0);
    // Height 100 at y zoom 1: the height is the percentage itself.
    const struct {
        int step, top, height;
    } cases[] = {{0, 298, 3},   {40, 274, 52}, {79, 250, 100}, {80, 250, 100},
                 {81, 250, 99}, {158, 298, 4}, {159, 298, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.step), (Geometry{200, c.top, 400, c.height})) << c.step;
    EXPECT_EQ(ShownPictureWidth(), 200);

    // The back picture from step 160, scaled by its own size (60 x 80, zoom 2 x 1).
    EXPECT_EQ(Shown(160), (Geometry{340, 298, 120, 2}));
    EXPECT_EQ(ShownPictureWidth(), 60);
    EXPECT_EQ(Shown(239), (Geometry{340, 260, 120, 80}));
    EXPECT_EQ(Shown(319), (Geometry{340, 298, 120, 2}));
}

TEST_F(RotatingPicTest, VerticalAxisScalesTheWidthAboutTheCentre) {
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, 400, 250, 1.5, 0.5, 1), 0);
    EXPECT_EQ(Shown(40), (Geometry{322, 225, 156, 50}));  // p = 52
    EXPECT_EQ(Shown(79), (Geometry{250, 225, 300, 50}));
    EXPECT_EQ(Shown(200), (Geometry{376, 230, 46, 40}));  // the back at p = 52

    // -1 centres on the panel as it is sized now.
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, -1, -1, 1.0, 1.0, 1), 0);
    EXPECT_EQ(Shown(79), (Geometry{300, 250, 200, 100}));
}

TEST_F(RotatingPicTest, OtherAxesOnlyChangeThePicture) {
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, 400, 300, 1.0, 1.0, 0), 0);
    const Geometry front = Shown(79);
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, 100, 100, 3.0, 3.0, 2), 0);
    EXPECT_EQ(Shown(200), front);
    EXPECT_EQ(ShownPictureWidth(), 60);
    EXPECT_EQ(Shown(10), front);
    EXPECT_EQ(ShownPictureWidth(), 200);
}

TEST_F(RotatingPicTest, StepsOutOfRangeAndEmptySlotsLeaveTheCanvasAlone) {
    ASSERT_EQ(Rotating().SetRotatingPicAttr(1, 2, 400, 300, 1.0, 1.0, 0), 0);
    const Geometry shown = Shown(319);
    for (int16_t step : {320, -1, 32767}) {
        EXPECT_EQ(Rotating().ShowRotatingPicStep(step), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'ShowRotatingPicStep': argument 'PixelPicStep' out of range "
                     "(must be 0..319)");
    }
    EXPECT_EQ(GeometryOf(kCanvas), shown);
    EXPECT_EQ(ShownPictureWidth(), 60);

    // A front in an empty slot and a back out of range: the steps change nothing, silently.
    ASSERT_EQ(Rotating().SetRotatingPicAttr(30, 500, 400, 300, 1.0, 1.0, 0), 0);
    EXPECT_EQ(Shown(50), shown);
    EXPECT_EQ(Shown(250), shown);
    EXPECT_EQ(ShownPictureWidth(), 60);
    ExpectPopups(0, "", "");
}

class RotatingPicPictureTest : public SpriteTestBase<240, 96> {};

TEST_F(RotatingPicPictureTest, FrontAtStep40AndBackAtStep200) {
    Load(0, TestPicture(80, 40));
    platform::Surface back(50, 50);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x)
            back.At(x, y) = (x / 10 + y / 10) % 2 == 0 ? 0xF0F0F0u : 0x2060C0u;
    }
    Load(1, back);
    tov::RotatingPic& rotating = engine_.RotatingPic();
    ASSERT_EQ(rotating.SetRotatingPicAttr(0, 1, -1, -1, 2.0, 1.5, 0), 0);
    ASSERT_EQ(rotating.ShowRotatingPicStep(40), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/rotating_pic_axis0_step_40");
    ASSERT_EQ(rotating.SetRotatingPicAttr(0, 1, 80, -1, 1.5, 1.5, 1), 0);
    ASSERT_EQ(rotating.ShowRotatingPicStep(200), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/rotating_pic_axis1_step_200");
}

}  // namespace
}  // namespace tov::testing
