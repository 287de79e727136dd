#include "engine/area_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "dmd_fixture.h"
#include "platform/bitmap.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

constexpr int kPictureSlot = 8;
constexpr int kPictureWidth = 12;
constexpr int kPictureHeight = 9;

// Every pixel of the picture tells its own coordinates.
constexpr uint32_t PictureColor(int x, int y) {
    return 0x100000u + static_cast<uint32_t>(x) * 0x100u + static_cast<uint32_t>(y);
}

class AreaDrawingTest : public DmdFixture {
  protected:
    void SetUp() override {
        DmdFixture::SetUp();
        platform::Surface picture(kPictureWidth, kPictureHeight);
        for (int y = 0; y < kPictureHeight; ++y)
            for (int x = 0; x < kPictureWidth; ++x)
                picture.At(x, y) = PictureColor(x, y);
        ASSERT_EQ(platform::WritePng(dir_.File("picture.png"), picture), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("picture.png", kPictureSlot,
                                                                 kPictureWidth, kPictureHeight),
                  0);
    }
    AreaDrawing& Area() { return engine_.AreaDrawing(); }
    int Panel() { return engine_.MainPanel().PanelHandle; }
};

TEST_F(AreaDrawingTest, ClearFillsExactlyTheRectangleInOneColourWhateverThePen) {
    // Other effects leave a thick white pen and another fill colour on the DMD canvas.
    Rt().SetCtrlAttribute(Panel(), ids::kDmdCanvas, Attr::PenColor, 0xFFFFFF);
    Rt().SetCtrlAttribute(Panel(), ids::kDmdCanvas, Attr::PenWidth, 5);
    Rt().SetCtrlAttribute(Panel(), ids::kDmdCanvas, Attr::FillColor, 0x00FF00);

    EXPECT_EQ(Area().ClearArea(3, 4, 10, 6, 0x123456), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, 0x123456), MakeRect(4, 3, 6, 10));
    EXPECT_EQ(CountOf(s, 0x123456), 60);
    EXPECT_EQ(CountOf(s, 0), kPanelWidth * kPanelHeight - 60);
    int fill = 0;
    Rt().GetCtrlAttribute(Panel(), ids::kDmdCanvas, Attr::FillColor, &fill);
    EXPECT_EQ(fill, 0x123456);
}

TEST_F(AreaDrawingTest, ClearWithWidthOrHeightZeroDrawsNothing) {
    EXPECT_EQ(Area().ClearArea(3, 4, 0, 6, 0x123456), 0);
    EXPECT_EQ(Area().ClearArea(3, 4, 10, 0, 0x123456), 0);
    EXPECT_EQ(Area().ClearArea(3, 4, -5, -5, 0x123456), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
}

TEST_F(AreaDrawingTest, ClearClipsAtTheCanvasEdges) {
    EXPECT_EQ(Area().ClearArea(-3, -2, 8, 5, 0x0000FF), 0);
    EXPECT_EQ(Area().ClearArea(kPanelWidth - 2, kPanelHeight - 1, 10, 10, 0x00FF00), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, 0x0000FF), MakeRect(0, 0, 3, 5));
    EXPECT_EQ(BoundsOf(s, 0x00FF00), MakeRect(kPanelHeight - 1, kPanelWidth - 2, 1, 2));
}

TEST_F(AreaDrawingTest, DrawAreaCopiesTheSectionOneToOne) {
    EXPECT_EQ(Area().DrawArea(kPictureSlot, 2, 1, 5, 4, 20, 10), 0);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(s.At(20 + x, 10 + y), PictureColor(2 + x, 1 + y));
    EXPECT_EQ(CountOf(s, 0), kPanelWidth * kPanelHeight - 20);
}

TEST_F(AreaDrawingTest, DrawAreaToTheFarEdgeOfTheBitmapStaysUnscaled) {
    EXPECT_EQ(Area().DrawArea(kPictureSlot, 4, 3, -1, -1, 50, 5), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(CountOf(s, 0), kPanelWidth * kPanelHeight - 8 * 6);
    EXPECT_EQ(s.At(50, 5), PictureColor(4, 3));
    EXPECT_EQ(s.At(57, 10), PictureColor(11, 8));
}

TEST_F(AreaDrawingTest, DrawOnBackgroundAtOneToOneEqualsDrawArea) {
    EXPECT_EQ(Area().DrawArea(kPictureSlot, 1, 2, 7, 5, 10, 10), 0);
    EXPECT_EQ(Area().DrawOnBackground(kPictureSlot, 1, 2, 7, 5, 100, 10, 7, 5), 0);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(s.At(100 + x, 10 + y), s.At(10 + x, 10 + y));
    EXPECT_EQ(CountOf(s, 0), kPanelWidth * kPanelHeight - 2 * 35);
}

TEST_F(AreaDrawingTest, DrawOnBackgroundAtTwoToOneDoublesEveryPixel) {
    EXPECT_EQ(Area().DrawOnBackground(kPictureSlot, 0, 0, kPictureWidth, kPictureHeight, 30, 4,
                                      2 * kPictureWidth, 2 * kPictureHeight),
              0);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 2 * kPictureHeight; ++y)
        for (int x = 0; x < 2 * kPictureWidth; ++x)
            ASSERT_EQ(s.At(30 + x, 4 + y), PictureColor(x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(CountOf(s, 0), kPanelWidth * kPanelHeight - 4 * kPictureWidth * kPictureHeight);
}

TEST_F(AreaDrawingTest, MaskedPixelsLeaveTheCanvasUntouched) {
    // A 4 x 2 bitmap whose mask hides the pixels where x + y is odd.
    platform::Surface pixels(4, 2, 0xABCDEF);
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(pixels, &bitmap), 0);
    std::vector<uint8_t> bits;
    std::vector<uint8_t> mask;
    ASSERT_EQ(Rt().GetBitmapData(bitmap, &bits, &mask), 0);
    const std::vector<uint8_t> checker = {0b10100000, 0, 0b01010000, 0};
    ASSERT_EQ(Rt().SetBitmapData(bitmap, platform::PaddedBytesPerRow(4), 24, bits, checker), 0);
    engine_.BitmapSelection().Replace(9, bitmap);

    Area().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0x202020);
    EXPECT_EQ(Area().DrawArea(9, 0, 0, 4, 2, 10, 10), 0);
    EXPECT_EQ(Area().DrawOnBackground(9, 0, 0, 4, 2, 40, 10, 8, 4), 0);
    const platform::Surface s = MainDmd();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(s.At(10 + x, 10 + y), (x + y) % 2 == 0 ? 0xABCDEFu : 0x202020u);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(s.At(40 + x, 10 + y), (x / 2 + y / 2) % 2 == 0 ? 0xABCDEFu : 0x202020u);
}

TEST_F(AreaDrawingTest, SlotsOutsideTheScriptsRangeDrawNothing) {
    // Entry 500, the fade working bitmap, is not a slot a script can name.
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(platform::Surface(4, 4, 0xFFFFFF), &bitmap), 0);
    engine_.BitmapSelection().Replace(500, bitmap);
    for (int16_t slot : {int16_t{-1}, int16_t{500}, int16_t{501}, int16_t{32767}, int16_t{7}}) {
        EXPECT_EQ(Area().DrawArea(slot, 0, 0, 4, 4, 0, 0), 0);
        EXPECT_EQ(Area().DrawOnBackground(slot, 0, 0, 4, 4, 0, 0, 8, 8), 0);
    }
    // A section outside the bitmap draws nothing either.
    EXPECT_EQ(Area().DrawArea(kPictureSlot, 100, 100, 4, 4, 0, 0), 0);
    EXPECT_EQ(Area().DrawOnBackground(kPictureSlot, -50, 0, 10, 10, 0, 0, 20, 20), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(AreaDrawingTest, ExtraTwinsDrawOnlyOnTheExtraPanel) {
    // Before the extra panel exists nothing is drawn.
    EXPECT_EQ(Area().ClearExtra(0, 0, 10, 10, 0xFF0000), 0);
    EXPECT_EQ(Area().DrawAreaExtra(kPictureSlot, 0, 0, 4, 4, 0, 0), 0);
    EXPECT_EQ(Area().DrawOnExtraBack(kPictureSlot, 0, 0, 4, 4, 0, 0, 8, 8), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);

    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(400, 300, 64, 32), 0);
    EXPECT_EQ(Area().ClearExtra(1, 2, 3, 4, 0xFF0000), 0);
    EXPECT_EQ(Area().DrawAreaExtra(kPictureSlot, 2, 1, 5, 4, 20, 10), 0);
    EXPECT_EQ(Area().DrawOnExtraBack(kPictureSlot, 0, 0, 2, 2, 40, 10, 4, 4), 0);
    const platform::Surface s = ExtraDmd();
    EXPECT_EQ(BoundsOf(s, 0xFF0000), MakeRect(2, 1, 4, 3));
    EXPECT_EQ(s.At(20, 10), PictureColor(2, 1));
    EXPECT_EQ(s.At(24, 13), PictureColor(6, 4));
    EXPECT_EQ(s.At(41, 11), PictureColor(0, 0));
    EXPECT_EQ(s.At(43, 13), PictureColor(1, 1));
    EXPECT_EQ(CountOf(s, 0), 64 * 32 - 12 - 20 - 16);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
}

}  // namespace
}  // namespace tov::testing
