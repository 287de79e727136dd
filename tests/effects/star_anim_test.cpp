#include "effects/star_anim.h"

#include <cmath>

#include <gtest/gtest.h>

#include "sprite_test_support.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

constexpr int kDmd = platform::main_panel::kDmdCanvas;

class StarAnimTest : public SpriteTestBase<> {
  protected:
    tov::StarAnim& Stars() { return engine_.StarAnim(); }
    tov::MainPanel& Main() { return engine_.MainPanel(); }
    // Gives star j its own flight: direction by its speed factors, the exponent, a fresh start.
    void Fly(int j, double dx, double dy, double exponent) {
        Main().Stardx[j] = dx;
        Main().Stardy[j] = dy;
        Main().StarExp[j] = exponent;
        Main().StarStep[j] = 0;
    }
    uint32_t Pixel(int x, int y) {
        uint32_t color = 0;
        EXPECT_EQ(Rt().CanvasGetPixel(Panel(), kDmd, platform::Point{x, y}, &color), 0);
        return color & 0xFFFFFF;
    }
};

TEST_F(StarAnimTest, AStarAcceleratesLeavesThePanelAndStartsAgainAtTheCentre) {
    Fly(0, 0.5, 0.0, 2.0);  // rightwards, n^2 * 0.5
    Fly(1, 0.0, 0.4, 0.5);  // downwards, 0.4 * sqrt(n): creeps
    const int expected_x[] = {400, 400, 402, 404, 408, 412, 418};
    for (int n = 0; n < 7; ++n) {
        ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
        EXPECT_EQ(Stars().Star[0].x, expected_x[n]) << n;
        EXPECT_EQ(Stars().Star[0].y, 300) << n;
        // 0, 0.4, 0.57, 0.69 ... pixels down: truncated towards zero it stays on the centre row
        // until n = 7.
        EXPECT_EQ(Stars().Star[1].y, 300) << n;
        EXPECT_EQ(Stars().Star[1].x, 400) << n;
    }
    EXPECT_EQ(Pixel(418, 300), 0xFFFFFFu);
    EXPECT_EQ(Pixel(412, 300), 0u);  // the previous step's star, erased
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[1].y, 301);  // n = 7: 300 + 1.058

    while (Main().StarStep[0] != 28)
        ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[0].x, 792);  // n = 28, still on the panel
    EXPECT_EQ(Main().StarStep[0], 29);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[0].x, 820);  // n = 29 lies beyond the right edge
    EXPECT_EQ(Main().StarStep[0], 0);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[0].x, 400);
    EXPECT_EQ(Main().StarStep[0], 1);
}

TEST_F(StarAnimTest, EveryEdgeSendsAStarBackAndTheLastPixelInsideStays) {
    // Straight at each edge at 10 pixels a step: left and top leave below 0, right and bottom
    // beyond the panel's width and height (x = 800 and y = 600 still count as inside).
    Fly(0, -10, 0, 1);
    Fly(1, 10, 0, 1);
    Fly(2, 0, -10, 1);
    Fly(3, 0, 10, 1);
    for (int n = 0; n <= 30; ++n)
        ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[0].x, 100);
    EXPECT_EQ(Stars().Star[1].x, 700);
    EXPECT_EQ(Stars().Star[2].y, 0);
    EXPECT_EQ(Stars().Star[3].y, 600);
    for (int n = 31; n <= 40; ++n)
        ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[1].x, 800);
    EXPECT_EQ(Main().StarStep[1], 41);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[0].x, -10);
    EXPECT_EQ(Stars().Star[1].x, 810);
    for (int j = 0; j < 2; ++j)
        EXPECT_EQ(Main().StarStep[j], 0) << j;

    // A flight longer than the looked-up steps, and an exponent changed under way.
    Fly(4, 0.25, 0, 1.0);
    Main().StarStep[4] = 300;
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[4].x, 475);
    Main().StarExp[4] = 1.5;
    Main().StarStep[4] = 64;
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Stars().Star[4].x, 528);
}

TEST_F(StarAnimTest, TheEraseUsesThePanelColour) {
    // The first step erases at (0, 0), where every star sat at load.
    Fly(0, 10, 0, 1);
    ASSERT_EQ(Main().ChangePanelColor(0x203040), 0);
    EXPECT_EQ(Pixel(0, 0), 0u);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Pixel(0, 0), 0x203040u);
    EXPECT_EQ(Pixel(400, 300), 0xFFFFFFu);  // every star starts on the centre
    EXPECT_EQ(Pixel(1, 0), 0u);             // the rest of the canvas is not cleared
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    EXPECT_EQ(Pixel(420, 300), 0xFFFFFFu);
    EXPECT_EQ(Pixel(410, 300), 0x203040u);  // where star 0 was one step earlier
}

TEST_F(StarAnimTest, HideParksTheDmdCanvasForGood) {
    ASSERT_EQ(Stars().HideStarAnim(), 0);
    EXPECT_EQ(Attribute(kDmd, platform::Attr::Left), 800);
    ASSERT_EQ(Stars().ShowStarAnimNextStep(), 0);
    ASSERT_EQ(engine_.AreaDrawing().ClearArea(0, 0, -1, -1, 0), 0);
    EXPECT_EQ(Attribute(kDmd, platform::Attr::Left), 800);
}

class StarAnimPictureTest : public SpriteTestBase<240, 96> {};

TEST_F(StarAnimPictureTest, FieldAfter30Steps) {
    // The tables InstallPanel drew from the engine's generator: every run gives this picture.
    for (int n = 0; n < 30; ++n)
        ASSERT_EQ(engine_.StarAnim().ShowStarAnimNextStep(), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/star_field_30_steps");
}

}  // namespace
}  // namespace tov::testing
