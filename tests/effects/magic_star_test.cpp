#include "effects/magic_star.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "sprite_test_support.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

namespace ids = platform::main_panel;
// Stars 0..3 in their controls' order.
constexpr std::array<int, 4> kControls = {ids::kMagicStarYellow, ids::kMagicStarGreen,
                                          ids::kMagicStarLilac, ids::kMagicStarRed};
constexpr std::array<const char*, 4> kImages = {"MagicStarYellow.bmp", "MagicStarGreen.bmp",
                                                "MagicStarLilac.bmp", "MagicStarRed.bmp"};

// A star image: a plus sign of the colour on a dark ground, 16 x 16.
platform::Surface StarImage(uint32_t color) {
    platform::Surface s(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            s.At(x, y) = (x >= 6 && x < 10) || (y >= 6 && y < 10) ? color : 0x101010u;
    }
    return s;
}

template <int PanelWidth, int PanelHeight>
class MagicStarTestBase : public SpriteTestBase<PanelWidth, PanelHeight> {
  protected:
    tov::MagicStar& Magic() { return this->engine_.MagicStar(); }
    void WriteImages() {
        const std::array<uint32_t, 4> colors = {0xFFE020, 0x40FF40, 0xC080FF, 0xFF3030};
        for (size_t k = 0; k < 4; ++k)
            this->Write(std::string("gfx_extern/") + kImages[k], StarImage(colors[k]));
    }
    // All four stars alike.
    int Set(int16_t min, int16_t max, int16_t delta) {
        return Magic().SetMagicStarAttr(min, max, delta, min, max, delta, min, max, delta, min, max,
                                        delta);
    }
    std::string Path(size_t k) {
        return platform::JoinPath(this->engine_.MainPanel().loadedVPTDir,
                                  std::string("gfx_extern\\") + kImages[k]);
    }
};

class MagicStarTest : public MagicStarTestBase<800, 600> {
  protected:
    void SetUp() override {
        MagicStarTestBase::SetUp();
        WriteImages();
    }
};

TEST_F(MagicStarTest, SetUpPlacesEachStarWhollyOnThePanelAndLoadsItsImage) {
    Random expected = engine_.Rand();
    ASSERT_EQ(Magic().SetMagicStarAttr(1, 10, 1, 2, 20, 2, 3, 31, 3, 4, 40, -1), 0);
    ExpectPopups(0, "", "");
    const int largest[] = {10, 20, 31, 40};
    for (size_t k = 0; k < 4; ++k) {
        const int x = expected.Next() % (800 - largest[k]) + largest[k] / 2;
        const int y = expected.Next() % (600 - largest[k]) + largest[k] / 2;
        EXPECT_EQ(Magic().MagicStarXCenterPos[k], x) << k;
        EXPECT_EQ(Magic().MagicStarYCenterPos[k], y) << k;
        EXPECT_EQ(Magic().MagicStarXYDim[k], static_cast<int>(k) + 1) << k;
        int items = 0;
        Rt().GetNumListItems(Panel(), kControls[k], &items);
        EXPECT_EQ(items, 1) << k;
        // Nothing moves before the first step.
        EXPECT_EQ(Attribute(kControls[k], platform::Attr::Left), 800) << k;
    }

    // A repeated set-up shows the images again without piling up items.
    ASSERT_EQ(Set(1, 3, 1), 0);
    int items = 0;
    Rt().GetNumListItems(Panel(), kControls[2], &items);
    EXPECT_EQ(items, 1);
}

TEST_F(MagicStarTest, StarsGrowShrinkAndJumpWhenSmallest) {
    ASSERT_EQ(Set(1, 3, 1), 0);
    const Geometry placed = {Magic().MagicStarXCenterPos[1] - 1, Magic().MagicStarYCenterPos[1] - 1,
                             2, 2};
    Random expected = engine_.Rand();
    const int sizes[] = {2, 3, 2, 1, 2, 3, 2, 1};
    for (int n = 0; n < 8; ++n) {
        ASSERT_EQ(Magic().ShowNextMagicStarStep(), 0);
        const bool jumps = sizes[n] == 1;
        for (size_t k = 0; k < 4; ++k) {
            if (jumps) {
                const int x = expected.Next() % 800;
                const int y = expected.Next() % 600;
                ASSERT_EQ(Magic().MagicStarXCenterPos[k], x) << n << "/" << k;
                ASSERT_EQ(Magic().MagicStarYCenterPos[k], y) << n << "/" << k;
            }
            const int size = sizes[n];
            EXPECT_EQ(GeometryOf(kControls[k]),
                      (Geometry{Magic().MagicStarXCenterPos[k] - size / 2,
                                Magic().MagicStarYCenterPos[k] - size / 2, size, size}))
                << n << "/" << k;
        }
        if (n == 0) {
            EXPECT_EQ(GeometryOf(kControls[1]), placed);
        }
    }
}

TEST_F(MagicStarTest, EqualLimitsZeroAndNegativeDeltas) {
    // Star 0: minimum = maximum, so at the limit both tests fire, the delta keeps its sign and
    // the star still jumps. Star 1: delta 0 stays at its minimum and jumps every step. Star 2: a
    // negative delta shrinks below the minimum first, then turns and jumps. Star 3: with the
    // minimum above the maximum both tests fire between them, so it jumps on every step there.
    ASSERT_EQ(Magic().SetMagicStarAttr(5, 5, 2, 4, 9, 0, 6, 12, -2, 10, 5, 3), 0);
    const struct {
        int size[4];
        int delta[4];
        bool jump[4];
    } steps[] = {
        {{7, 4, 4, 13}, {-2, 0, 2, -3}, {false, true, true, false}},
        {{5, 4, 6, 10}, {-2, 0, -2, -3}, {true, true, true, true}},
        {{3, 4, 4, 7}, {2, 0, 2, -3}, {true, true, true, true}},
        {{5, 4, 6, 4}, {2, 0, -2, 3}, {true, true, true, true}},
        {{7, 4, 4, 7}, {-2, 0, 2, 3}, {false, true, true, true}},
    };
    for (const auto& step : steps) {
        const auto x_before = Magic().MagicStarXCenterPos;
        const auto y_before = Magic().MagicStarYCenterPos;
        Random expected = engine_.Rand();
        ASSERT_EQ(Magic().ShowNextMagicStarStep(), 0);
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(Magic().MagicStarXYDim[k], step.size[k]) << k;
            EXPECT_EQ(Magic().MagicStarXYDelta[k], step.delta[k]) << k;
            int x = x_before[k];
            int y = y_before[k];
            if (step.jump[k]) {
                x = expected.Next() % 800;
                y = expected.Next() % 600;
            }
            EXPECT_EQ(Magic().MagicStarXCenterPos[k], x) << k;
            EXPECT_EQ(Magic().MagicStarYCenterPos[k], y) << k;
            EXPECT_EQ(Attribute(kControls[k], platform::Attr::Width), step.size[k]) << k;
        }
    }
}

TEST_F(MagicStarTest, StarsLargerThanThePanelAreCentred) {
    Random expected = engine_.Rand();
    ASSERT_EQ(Magic().SetMagicStarAttr(1, 599, 1, 1, 600, 1, 1, 800, 1, 1, 32767, 1), 0);
    expected.Next();                                                       // star 0's x
    EXPECT_EQ(Magic().MagicStarYCenterPos[0], expected.Next() % 1 + 299);  // the last that fits
    const int x1 = expected.Next() % 200 + 300;
    expected.Next();
    EXPECT_EQ(Magic().MagicStarXCenterPos[1], x1);
    EXPECT_EQ(Magic().MagicStarYCenterPos[1], 300);
    EXPECT_EQ(Magic().MagicStarXCenterPos[2], 400);
    EXPECT_EQ(Magic().MagicStarYCenterPos[2], 300);
    EXPECT_EQ(Magic().MagicStarXCenterPos[3], 400);
    EXPECT_EQ(Magic().MagicStarYCenterPos[3], 300);
    for (int n = 0; n < 4; ++n)
        ASSERT_EQ(Magic().ShowNextMagicStarStep(), 0);
}

class MagicStarWithoutImagesTest : public MagicStarTestBase<800, 600> {};

TEST_F(MagicStarWithoutImagesTest, AMissingImageIsAWarningWithItsFullPath) {
    Write(std::string("gfx_extern/") + kImages[0], StarImage(0xFFFFFF));
    Write(std::string("gfx_extern/") + kImages[2], StarImage(0xFFFFFF));
    ASSERT_EQ(Set(1, 3, 1), 0);
    ASSERT_EQ(Rt().Popups().size(), 2u);
    for (size_t popup = 0; popup < 2; ++popup) {
        EXPECT_EQ(Rt().Popups()[popup].title, "warning");
        EXPECT_EQ(Rt().Popups()[popup].text, "private CVI-function 'SetMagicStarAttr': file '" +
                                                 Path(popup == 0 ? 1 : 3) + "' not found");
    }
    int items = 0;
    Rt().GetNumListItems(Panel(), kControls[2], &items);
    EXPECT_EQ(items, 1);
    Rt().GetNumListItems(Panel(), kControls[3], &items);
    EXPECT_EQ(items, 0);
}

class MagicStarEmptyPanelTest : public MagicStarTestBase<0, 0> {};

TEST_F(MagicStarEmptyPanelTest, APanelOfNoSizeNeverDividesByZero) {
    WriteImages();
    ASSERT_EQ(Set(1, 1, 0), 0);
    for (int n = 0; n < 3; ++n) {
        ASSERT_EQ(Magic().ShowNextMagicStarStep(), 0);
        EXPECT_EQ(Magic().MagicStarXCenterPos[0], 0);
        EXPECT_EQ(Magic().MagicStarYCenterPos[3], 0);
    }
}

class MagicStarPictureTest : public MagicStarTestBase<240, 96> {};

TEST_F(MagicStarPictureTest, StarsAfter20Steps) {
    WriteImages();
    ASSERT_EQ(Magic().SetMagicStarAttr(4, 24, 2, 6, 30, 3, 2, 16, 1, 8, 28, 4), 0);
    for (int n = 0; n < 20; ++n)
        ASSERT_EQ(Magic().ShowNextMagicStarStep(), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/magic_stars_20_steps");
}

}  // namespace
}  // namespace tov::testing
