#include "effects/xyz_anim.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "sprite_test_support.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

constexpr int kCanvas = platform::main_panel::kXyzCanvas;

class XyzAnimTest : public SpriteTestBase<> {
  protected:
    void SetUp() override {
        SpriteTestBase::SetUp();
        Load(7, TestPicture(100, 50));
    }
    tov::XyzAnim& Xyz() { return engine_.XyzAnim(); }
    Geometry Shown(int index, int step) {
        EXPECT_EQ(Xyz().ShowXYZAnimStep(static_cast<int16_t>(index), static_cast<int16_t>(step)),
                  0);
        return GeometryOf(kCanvas);
    }
};

TEST_F(XyzAnimTest, ScrollsCrossThePanelAlongTheirAngle) {
    // 800 x 600 panel (diagonal at 36.87 degrees), 100 x 50 picture at zoom 1: steps 0, 79, 158.
    const struct {
        double angle;
        int x0, y0, x79, y79, x158, y158;
    } cases[] = {
        {0, -100, 275, 350, 275, 800, 275},   {20, -100, 438, 350, 275, 800, 111},
        {45, 24, 600, 350, 275, 675, -50},    {90, 350, 600, 350, 275, 350, -50},
        {120, 537, 600, 350, 275, 162, -50},  {180, 800, 275, 350, 275, -100, 275},
        {200, 800, 111, 350, 275, -100, 438}, {250, 468, -50, 350, 275, 231, 600},
        {270, 350, -50, 350, 275, 350, 600},  {300, 162, -50, 350, 275, 537, 600},
        {340, -100, 111, 350, 275, 800, 438},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(3, 7, 1.0, c.angle), 0);
        EXPECT_EQ(Shown(3, 0), (Geometry{c.x0, c.y0, 100, 50})) << c.angle;
        EXPECT_EQ(Shown(3, 79), (Geometry{c.x79, c.y79, 100, 50})) << c.angle;
        EXPECT_EQ(Shown(3, 158), (Geometry{c.x158, c.y158, 100, 50})) << c.angle;
    }

    // Zoom 2 straight up: 200 x 100, from just below the panel to just above it.
    ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(3, 7, 2.0, 90), 0);
    EXPECT_EQ(Shown(3, 0), (Geometry{300, 600, 200, 100}));
    EXPECT_EQ(Shown(3, 158), (Geometry{300, -100, 200, 100}));
    // Zoom 1.5 at 20 degrees: a size of 150 x 75, truncated positions.
    ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(3, 7, 1.5, 20), 0);
    EXPECT_EQ(Shown(3, 40), (Geometry{90, 347, 150, 75}));
}

TEST_F(XyzAnimTest, AnglesOutsideAFullTurnAndStep159KeepEarlierPositions) {
    // A zoom fills all 160 steps; a scroll over it writes steps 0..158 only.
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(4, 7, 0.2, 1.0, 1.0, 0, 100), 0);
    const auto zoom_x = Xyz().XYZAnimStepXPos[4];
    const auto zoom_y = Xyz().XYZAnimStepYPos[4];
    ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(4, 7, 1.0, 20), 0);
    EXPECT_EQ(Shown(4, 159), (Geometry{410, 295, 20, 10}));
    EXPECT_EQ(Shown(4, 158), (Geometry{800, 111, 100, 50}));

    Load(8, TestPicture(30, 40));
    for (double angle : {360.0, -10.0, 720.0}) {
        ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(4, 7, 0.2, 1.0, 1.0, 0, 100), 0);
        ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(4, 8, 2.0, angle), 0);
        EXPECT_EQ(Xyz().XYZAnimStepXPos[4], zoom_x) << angle;
        EXPECT_EQ(Xyz().XYZAnimStepYPos[4], zoom_y) << angle;
        EXPECT_EQ(Shown(4, 100), (Geometry{zoom_x[100], zoom_y[100], 60, 80})) << angle;
    }
}

TEST_F(XyzAnimTest, ZoomsGrowToMinPlusMaxAndDriftAlongTheirAngle) {
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(0, 7, 0.2, 1.0, 1.0, 0, 100), 0);
    EXPECT_EQ(Shown(0, 0), (Geometry{410, 295, 20, 10}));
    EXPECT_EQ(Shown(0, 79), (Geometry{460, 270, 120, 60}));
    EXPECT_EQ(Shown(0, 80), (Geometry{460, 270, 120, 60}));
    EXPECT_EQ(Shown(0, 159), (Geometry{410, 295, 20, 10}));

    // Upwards the centre rises; with no move it stays on the panel's centre; exponent 2 grows
    // slowly first.
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(1, 7, 0.2, 1.0, 1.0, 90, 100), 0);
    EXPECT_EQ(Shown(1, 79), (Geometry{340, 150, 120, 60}));
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(1, 7, 0.2, 1.0, 2.0, 30, 0), 0);
    EXPECT_EQ(Shown(1, 0), (Geometry{390, 295, 20, 10}));
    EXPECT_EQ(Shown(1, 40), (Geometry{377, 288, 45, 22}));  // zoom 0.2 + (40 / 79)^2
    EXPECT_EQ(Shown(1, 79), (Geometry{340, 270, 120, 60}));
    EXPECT_EQ(Shown(1, 120), (Geometry{377, 288, 44, 22}));  // level 39

    // A maximum of 0 would drift without end; such a zoom stays put at its minimum.
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(2, 7, 0.5, 0.0, 1.0, 45, 100), 0);
    for (int step : {0, 79, 159})
        EXPECT_EQ(Shown(2, step), (Geometry{375, 287, 50, 25})) << step;
}

TEST_F(XyzAnimTest, DescribingOneAnimationLeavesTheOthersAlone) {
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(0, 7, 0.2, 1.0, 1.0, 0, 100), 0);
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(2, 7, 0.3, 2.0, 1.5, 10, 50), 0);
    const XyzAnim::StepTable before_x = Xyz().XYZAnimStepXPos;
    const XyzAnim::StepTable before_w = Xyz().XYZAnimStepWidth;
    ASSERT_EQ(Xyz().GenerateXYZAnimXYScrollProc(1, 7, 3.0, 75), 0);
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(1, 7, 1.0, 4.0, 0.5, 200, 300), 0);
    for (int anim : {0, 2, 499}) {
        EXPECT_EQ(Xyz().XYZAnimStepXPos[anim], before_x[anim]) << anim;
        EXPECT_EQ(Xyz().XYZAnimStepWidth[anim], before_w[anim]) << anim;
    }
    EXPECT_EQ(Shown(0, 159), (Geometry{410, 295, 20, 10}));
}

TEST_F(XyzAnimTest, RefusalsReportAndLeaveTablesAndCanvasAlone) {
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(499, 7, 0.2, 1.0, 1.0, 0, 100), 0);
    const Geometry shown = Shown(499, 79);
    const XyzAnim::StepTable before = Xyz().XYZAnimStepXPos;
    for (int16_t index : {500, -1, 32767}) {
        EXPECT_EQ(Xyz().GenerateXYZAnimXYScrollProc(index, 7, 1, 0), -1);
        EXPECT_EQ(Xyz().GenerateXYZAnimZoomProc(index, 7, 1, 1, 1, 0, 0), -1);
        EXPECT_EQ(Xyz().PrepareXYZAnimProc(index), -1);
        EXPECT_EQ(Xyz().ShowXYZAnimStep(index, 0), -1);
        ExpectPopups(4, "fatal error",
                     "CVI-function 'ShowXYZAnimStep': argument '_XYZAnimIndex' out of range "
                     "(must be 0..499)");
    }
    for (int16_t slot : {500, -1}) {
        EXPECT_EQ(Xyz().GenerateXYZAnimXYScrollProc(0, slot, 1, 0), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'GenerateXYZAnimXYScrollProc': argument "
                     "'_XYZAnimBitmapIDIndex' out of range (must be 0..499)");
        EXPECT_EQ(Xyz().GenerateXYZAnimZoomProc(0, slot, 1, 1, 1, 0, 0), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'GenerateXYZAnimZoomProc': argument '_XYZAnimBitmapIndex' "
                     "out of range (must be 0..499)");
    }
    for (int16_t step : {160, -1, -32768}) {
        EXPECT_EQ(Xyz().ShowXYZAnimStep(499, step), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'ShowXYZAnimStep': argument '_XYZAnimStep' out of range "
                     "(must be 0..159)");
    }
    EXPECT_EQ(Xyz().XYZAnimStepXPos, before);
    EXPECT_EQ(GeometryOf(kCanvas), shown);

    // Unrepresentable zooms give positions far off the panel, never undefined arithmetic.
    for (double zoom : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(Xyz().GenerateXYZAnimXYScrollProc(5, 7, zoom, 33), 0);
        EXPECT_EQ(Xyz().GenerateXYZAnimZoomProc(6, 7, zoom, zoom, zoom, zoom, zoom), 0);
        EXPECT_EQ(Xyz().ShowXYZAnimStep(5, 40), 0);
        EXPECT_EQ(Xyz().ShowXYZAnimStep(6, 40), 0);
    }
    ExpectPopups(0, "", "");
}

TEST_F(XyzAnimTest, PrepareShowsThePictureAndHideParksIt) {
    ASSERT_EQ(Xyz().GenerateXYZAnimZoomProc(0, 7, 0.2, 1.0, 1.0, 0, 0), 0);
    ASSERT_EQ(Xyz().PrepareXYZAnimProc(0), 0);
    EXPECT_EQ(GeometryOf(kCanvas).left, 800);  // still parked until the first step
    EXPECT_EQ(Shown(0, 79), (Geometry{340, 270, 120, 60}));
    const platform::Surface panel = ComposedPanel();
    EXPECT_EQ(panel.At(340, 270) & 0xFFFFFF, TestPicture(100, 50).At(0, 0));
    EXPECT_EQ(panel.At(339, 270) & 0xFFFFFF, 0u);
    ASSERT_EQ(Xyz().HideXYZAnim(), 0);
    EXPECT_EQ(GeometryOf(kCanvas), (Geometry{800, 270, 120, 60}));
}

class XyzAnimPictureTest : public SpriteTestBase<240, 96> {};

TEST_F(XyzAnimPictureTest, ScrollAtThreeStepsAndZoomAtItsLargest) {
    Load(0, TestPicture(40, 24));
    tov::XyzAnim& xyz = engine_.XyzAnim();
    ASSERT_EQ(xyz.GenerateXYZAnimXYScrollProc(0, 0, 1.5, 30), 0);
    ASSERT_EQ(xyz.PrepareXYZAnimProc(0), 0);
    for (int16_t step : {20, 79, 140}) {
        ASSERT_EQ(xyz.ShowXYZAnimStep(0, step), 0);
        EXPECT_MATCHES_GOLDEN(ComposedPanel(),
                              "effects/xyz_scroll_30_step_" + std::to_string(step));
    }
    ASSERT_EQ(xyz.GenerateXYZAnimZoomProc(1, 0, 0.5, 1.5, 1.0, 135, 30), 0);
    ASSERT_EQ(xyz.PrepareXYZAnimProc(1), 0);
    ASSERT_EQ(xyz.ShowXYZAnimStep(1, 79), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/xyz_zoom_largest");
}

}  // namespace
}  // namespace tov::testing
