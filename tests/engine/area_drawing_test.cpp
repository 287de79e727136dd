#include "engine/area_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "dmd_fixture.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;

constexpr int kSlot = 8;  // a 12 x 9 picture whose every pixel tells its coordinates
constexpr int kPicWidth = 12;
constexpr int kPicHeight = 9;

constexpr uint32_t Pic(int x, int y) {
    return 0x100000u + static_cast<uint32_t>(x) * 0x100u + static_cast<uint32_t>(y);
}

class AreaDrawingTest : public DmdFixture {
  protected:
    void SetUp() override {
        DmdFixture::SetUp();
        platform::Surface picture(kPicWidth, kPicHeight);
        for (int y = 0; y < kPicHeight; ++y)
            for (int x = 0; x < kPicWidth; ++x)
                picture.At(x, y) = Pic(x, y);
        ASSERT_EQ(platform::WritePng(dir_.File("picture.png"), picture), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("picture.png", kSlot, kPicWidth,
                                                                 kPicHeight),
                  0);
    }
    AreaDrawing& A() { return engine_.AreaDrawing(); }
    int Panel() { return engine_.MainPanel().PanelHandle; }
};

TEST_F(AreaDrawingTest, ClearFillsExactlyTheRectangleInOneColourWhateverThePen) {
    // Other effects leave a thick white pen on the DMD canvas.
    Rt().SetCtrlAttribute(Panel(), platform::main_panel::kDmdCanvas, Attr::PenColor, 0xFFFFFF);
    Rt().SetCtrlAttribute(Panel(), platform::main_panel::kDmdCanvas, Attr::PenWidth, 5);
    EXPECT_EQ(A().ClearArea(3, 4, 10, 6, 0x123456), 0);
    EXPECT_EQ(BoundsOf(MainDmd(), 0x123456), MakeRect(4, 3, 6, 10));
    EXPECT_EQ(CountOf(MainDmd(), 0x123456), 60);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank - 60);

    EXPECT_EQ(A().ClearArea(30, 4, 0, 6, 0xFF0000), 0);
    EXPECT_EQ(A().ClearArea(30, 4, 10, 0, 0xFF0000), 0);
    EXPECT_EQ(A().ClearArea(30, 4, -5, -5, 0xFF0000), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0xFF0000), 0);
}

TEST_F(AreaDrawingTest, DrawOnBackgroundAtOneToOneEqualsDrawAreaAndAtTwoToOneDoublesPixels) {
    EXPECT_EQ(A().DrawArea(kSlot, 1, 2, 7, 5, 10, 10), 0);
    EXPECT_EQ(A().DrawOnBackground(kSlot, 1, 2, 7, 5, 100, 10, 7, 5), 0);
    EXPECT_EQ(A().DrawOnBackground(kSlot, 0, 0, kPicWidth, kPicHeight, 30, 4, 2 * kPicWidth,
                                   2 * kPicHeight),
              0);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            ASSERT_EQ(s.At(10 + x, 10 + y), Pic(1 + x, 2 + y));
            ASSERT_EQ(s.At(100 + x, 10 + y), Pic(1 + x, 2 + y));
        }
    for (int y = 0; y < 2 * kPicHeight; ++y)
        for (int x = 0; x < 2 * kPicWidth; ++x)
            ASSERT_EQ(s.At(30 + x, 4 + y), Pic(x / 2, y / 2));
    EXPECT_EQ(CountOf(s, 0), kBlank - 2 * 35 - 4 * kPicWidth * kPicHeight);
}

TEST_F(AreaDrawingTest, DrawAreaTreatsASectionSizeOfMinusOneAsDrawOnBackgroundDoes) {
    // -1 takes the section to the bitmap's far edge and the area to the canvas's: the 8 x 6
    // section from (4, 3) is stretched over the 150 x 35 from (50, 5) to the canvas corner.
    EXPECT_EQ(A().DrawArea(kSlot, 4, 3, -1, -1, 50, 5), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(CountOf(s, 0), kBlank - 150 * 35);
    EXPECT_EQ(s.At(50, 5), Pic(4, 3));
    EXPECT_EQ(s.At(kPanelWidth - 1, kPanelHeight - 1), Pic(11, 8));
    EXPECT_EQ(s.At(kPanelWidth - 1, 5), Pic(11, 3));
    EXPECT_EQ(s.At(50, kPanelHeight - 1), Pic(4, 8));
    A().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    EXPECT_EQ(A().DrawOnBackground(kSlot, 4, 3, -1, -1, 50, 5, -1, -1), 0);
    EXPECT_EQ(MainDmd().pixels, s.pixels);

    // Only the width: the full section height, unscaled, and the width to the canvas edge.
    A().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    EXPECT_EQ(A().DrawArea(kSlot, 0, 0, -1, 2, 0, 10), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank - kPanelWidth * 2);
    EXPECT_EQ(MainDmd().At(kPanelWidth - 1, 11), Pic(11, 1));
}

TEST_F(AreaDrawingTest, MaskedPixelsLeaveTheCanvasUntouched) {
    // A 4 x 2 bitmap whose mask hides the pixels where x + y is odd.
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(platform::Surface(4, 2, 0xABCDEF), &bitmap), 0);
    std::vector<uint8_t> bits, mask;
    ASSERT_EQ(Rt().GetBitmapData(bitmap, &bits, &mask), 0);
    const std::vector<uint8_t> checker = {0b10100000, 0, 0b01010000, 0};
    ASSERT_EQ(Rt().SetBitmapData(bitmap, platform::PaddedBytesPerRow(4), 24, bits, checker), 0);
    engine_.BitmapSelection().Replace(9, bitmap);

    A().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0x202020);
    A().DrawArea(9, 0, 0, 4, 2, 10, 10);
    A().DrawOnBackground(9, 0, 0, 4, 2, 40, 10, 8, 4);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            if (x < 4 && y < 2) {
                EXPECT_EQ(s.At(10 + x, 10 + y), (x + y) % 2 ? 0x202020u : 0xABCDEFu);
            }
            EXPECT_EQ(s.At(40 + x, 10 + y), (x / 2 + y / 2) % 2 ? 0x202020u : 0xABCDEFu);
        }
}

TEST_F(AreaDrawingTest, SlotsOutsideTheScriptsRangeAndSectionsOffTheBitmapDrawNothing) {
    // Entry 500, the fade working bitmap, is not a slot a script can name.
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(platform::Surface(4, 4, 0xFFFFFF), &bitmap), 0);
    engine_.BitmapSelection().Replace(500, bitmap);
    for (int16_t slot : {-1, 500, 501, 32767, 7}) {
        EXPECT_EQ(A().DrawArea(slot, 0, 0, 4, 4, 0, 0), 0);
        EXPECT_EQ(A().DrawOnBackground(slot, 0, 0, 4, 4, 0, 0, 8, 8), 0);
    }
    EXPECT_EQ(A().DrawArea(kSlot, 100, 100, 4, 4, 0, 0), 0);
    EXPECT_EQ(A().DrawOnBackground(kSlot, -50, 0, 10, 10, 0, 0, 20, 20), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(AreaDrawingTest, ExtraTwinsDrawOnlyOnTheExtraPanel) {
    EXPECT_EQ(A().ClearExtra(0, 0, 10, 10, 0xFF0000), 0);  // no extra panel yet: nothing
    EXPECT_EQ(A().DrawAreaExtra(kSlot, 0, 0, 4, 4, 0, 0), 0);
    EXPECT_EQ(A().DrawOnExtraBack(kSlot, 0, 0, 4, 4, 0, 0, 8, 8), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(400, 300, 64, 32), 0);
    EXPECT_EQ(A().ClearExtra(1, 2, 3, 4, 0xFF0000), 0);
    EXPECT_EQ(A().DrawAreaExtra(kSlot, 2, 1, 5, 4, 20, 10), 0);
    EXPECT_EQ(A().DrawOnExtraBack(kSlot, 0, 0, 2, 2, 40, 10, 4, 4), 0);
    const platform::Surface s = ExtraDmd();
    EXPECT_EQ(BoundsOf(s, 0xFF0000), MakeRect(2, 1, 4, 3));
    EXPECT_EQ(BoundsOf(s, Pic(2, 1)), MakeRect(10, 20, 1, 1));
    EXPECT_EQ(BoundsOf(s, Pic(6, 4)), MakeRect(13, 24, 1, 1));
    EXPECT_EQ(BoundsOf(s, Pic(1, 1)), MakeRect(12, 42, 2, 2));
    EXPECT_EQ(CountOf(s, 0), 64 * 32 - 12 - 20 - 16);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
}

}  // namespace
}  // namespace tov::testing
