#include "effects/lamella.h"

#include <functional>

#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::Surface;

enum class Show { Picture, Black };

class LamellaTest : public TransitionTest {
  protected:
    Lamella& Blind() { return engine_.Lamella(); }

    // Checks, at zoom 1, that each column (or row) of the canvas shows the picture's column
    // (or row) where `shown` says so and is black elsewhere.
    void ExpectColumns(const Surface& picture, const std::function<bool(int)>& shown) {
        const Surface canvas = Canvas();
        ASSERT_EQ(canvas.width, picture.width);
        ASSERT_EQ(canvas.height, picture.height);
        for (int x = 0; x < canvas.width; ++x) {
            for (int y = 0; y < canvas.height; ++y) {
                ASSERT_EQ(canvas.At(x, y), shown(x) ? picture.At(x, y) : 0u)
                    << "column " << x << " row " << y;
            }
        }
    }
    void ExpectRows(const Surface& picture, const std::function<bool(int)>& shown) {
        const Surface canvas = Canvas();
        ASSERT_EQ(canvas.height, picture.height);
        for (int y = 0; y < canvas.height; ++y) {
            for (int x = 0; x < canvas.width; ++x) {
                ASSERT_EQ(canvas.At(x, y), shown(y) ? picture.At(x, y) : 0u)
                    << "column " << x << " row " << y;
            }
        }
    }
};

TEST_F(LamellaTest, VerticalStripsStartEveryDistanceAndGrowRightwards) {
    const Surface picture = TestPicture(100, 20);
    Load(0, picture);
    ASSERT_EQ(Blind().SetLamellaAttr(0, 10, 20, 1.0, 1.0, 10, 1, 0), 0);
    ExpectColumns(picture, [](int) { return false; });
    ASSERT_EQ(Blind().ShowLamellaStep(3), 0);
    ExpectColumns(picture, [](int x) { return x % 10 < 3; });
    ASSERT_EQ(Blind().ShowLamellaStep(10), 0);
    ExpectColumns(picture, [](int) { return true; });
}

TEST_F(LamellaTest, TheLastStripIsCutAtThePicturesEdge) {
    const Surface picture = TestPicture(95, 12);
    Load(0, picture);
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 1, 0), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(8), 0);
    ExpectColumns(picture, [](int x) { return x % 10 < 8; });

    // Growing leftwards the cut strip is the one at the left edge: columns 0..4 of the
    // picture, not 3 columns before it and 5 of it.
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 1, 180), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(8), 0);
    ExpectColumns(picture, [](int x) { return (94 - x) % 10 < 8; });

    // At zoom 1.5 the cut strip's 5 columns fill canvas columns 0..6 (z(5) = 7); the next
    // strip starts at z(7) = 10.
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.5, 1.0, 10, 1, 180), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(8), 0);
    const Surface canvas = Canvas();
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(canvas.At(x, 3), x < 7 ? picture.At(x * 5 / 7, 3) : 0u) << x;
    }
}

TEST_F(LamellaTest, HorizontalStripsGrowUpwardsAndDownwards) {
    const Surface picture = TestPicture(30, 50);
    Load(0, picture);
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 1, 90), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(2), 0);
    // The first strip covers rows 48 and 49, the second 38 and 39.
    ExpectRows(picture, [](int y) { return (49 - y) % 10 < 2; });

    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 1, 270), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(2), 0);
    ExpectRows(picture, [](int y) { return y % 10 < 2; });
}

TEST_F(LamellaTest, FadeOutShowsThePictureThenBlacksItOut) {
    const Surface picture = TestPicture(40, 16);
    Load(0, picture);
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 0, 0), 0);
    ExpectColumns(picture, [](int) { return true; });
    ASSERT_EQ(Blind().ShowLamellaStep(3), 0);
    ExpectColumns(picture, [](int x) { return x % 10 >= 3; });
    ASSERT_EQ(Blind().ShowLamellaStep(10), 0);
    ExpectColumns(picture, [](int) { return false; });
}

TEST_F(LamellaTest, MinusOneCentresTheZoomedPicture) {
    Load(0, TestPicture(101, 20));
    ASSERT_EQ(Blind().SetLamellaAttr(0, -1, -1, 1.5, 1.0, 10, 1, 0), 0);
    EXPECT_EQ(Blind().LamellaXPos, 324);  // (800 - 151.5) / 2 = 324.25
    EXPECT_EQ(Blind().LamellaYPos, 140);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 324);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 151);
}

TEST_F(LamellaTest, AnAngleOutsideTheFourIsRefusedAndLaterStepsDrawNothing) {
    Load(0, TestPicture(40, 16));
    Load(1, TestPicture(60, 30));
    ASSERT_EQ(Blind().SetLamellaAttr(0, 5, 6, 1.0, 1.0, 10, 0, 0), 0);
    const Surface before = Canvas();

    EXPECT_EQ(Blind().SetLamellaAttr(1, 50, 60, 1.0, 1.0, 10, 1, 45), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetLamellaAttr': argument '_LamellaAngle' out of range (must be 0, "
              "90, 180 or 270)");
    // The settings are stored; the canvas is not touched.
    EXPECT_EQ(Blind().LamellaAngle, 45);
    EXPECT_EQ(Blind().LamellaBitmapIDIndex, 1);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 5);
    EXPECT_EQ(CanvasAttribute(Attr::Top), 6);
    EXPECT_EQ(Canvas().pixels, before.pixels);
    EXPECT_EQ(Blind().ShowLamellaStep(5), 0);
    EXPECT_EQ(Canvas().pixels, before.pixels);
    EXPECT_EQ(PopupCount(), 1u);
}

TEST_F(LamellaTest, NoDistanceNoThicknessOrNoPictureDrawNothing) {
    Load(0, TestPicture(40, 16));
    for (int16_t distance : {int16_t{0}, int16_t{-10}}) {
        ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, distance, 1, 0), 0);
        EXPECT_EQ(Blind().ShowLamellaStep(5), 0);
        EXPECT_EQ(CountPixels(Canvas(), 0), 40 * 16);
    }
    // A thickness of -1 is no strip at all, not a strip to the far edge.
    ASSERT_EQ(Blind().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 10, 1, 0), 0);
    EXPECT_EQ(Blind().ShowLamellaStep(-1), 0);
    EXPECT_EQ(Blind().ShowLamellaStep(0), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 40 * 16);

    ASSERT_EQ(Blind().SetLamellaAttr(7, 0, 0, 1.0, 1.0, 10, 1, 0), 0);
    EXPECT_EQ(Blind().ShowLamellaStep(5), 0);
    ASSERT_EQ(Blind().SetLamellaAttr(-3, 0, 0, 1.0, 1.0, 10, 0, 0), 0);
    EXPECT_EQ(Blind().ShowLamellaStep(5), 0);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(LamellaTest, GoldenAtThreeThicknessesAndAngles) {
    Load(0, TestPicture(80, 40));
    ASSERT_EQ(Blind().SetLamellaAttr(0, -1, -1, 1.0, 1.0, 10, 1, 0), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(3), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/lamella_in_0_t3");

    ASSERT_EQ(Blind().SetLamellaAttr(0, -1, -1, 1.0, 1.0, 8, 0, 90), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(5), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/lamella_out_90_t5");

    ASSERT_EQ(Blind().SetLamellaAttr(0, -1, -1, 1.5, 1.5, 12, 1, 180), 0);
    ASSERT_EQ(Blind().ShowLamellaStep(7), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/lamella_in_180_t7_zoom1_5");
}

}  // namespace
}  // namespace tov::testing
