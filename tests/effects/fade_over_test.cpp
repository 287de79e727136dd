#include "effects/fade_over.h"

#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;

constexpr int kWorking = BitmapSelection::kFadeWorkingBitmap;

class FadeOverTest : public TransitionTest {
  protected:
    FadeOver& Over() { return engine_.FadeOver(); }
};

TEST_F(FadeOverTest, IntensityBlendsTowardTheFirstPicture) {
    // Red 11 over blue 11 (bytes blue, green, red: 0,0,11 against 11,0,0), and full white over
    // a dark grey, on pictures three pixels wide so that rows are padded.
    platform::Surface first(3, 2, 0x0B0000);
    platform::Surface second(3, 2, 0x00000B);
    first.At(2, 1) = 0xFFFFFF;
    second.At(2, 1) = 0x101010;
    Load(0, first);
    Load(1, second);
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, 3, 2), 0);

    ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(0), 0);
    EXPECT_EQ(Canvas().pixels, first.pixels);
    ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(100), 0);
    EXPECT_EQ(Canvas().pixels, second.pixels);
    EXPECT_EQ(BitmapBytes(Selection().Handle(kWorking)), BitmapBytes(Selection().Handle(1)));

    ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(50), 0);
    const platform::Surface canvas = Canvas();
    EXPECT_EQ(canvas.At(0, 0), 0x060005u);  // 11 + (50 * -11) / 100 = 6, (50 * 11) / 100 = 5
    EXPECT_EQ(canvas.At(2, 1), 0x888888u);  // 255 + (50 * -239) / 100 = 136
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(FadeOverTest, EveryPairOfBytesBlendsAsTheIntegerFormulaSays) {
    // Grey x over grey y: every pair of byte values once.
    platform::Surface first(256, 256);
    platform::Surface second(256, 256);
    for (uint32_t y = 0; y < 256; ++y) {
        for (uint32_t x = 0; x < 256; ++x) {
            first.At(x, y) = x * 0x010101;
            second.At(x, y) = y * 0x010101;
        }
    }
    Load(0, first);
    Load(1, second);
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, 256, 256), 0);
    for (int intensity = 0; intensity <= 100; intensity += 7) {
        ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(static_cast<uint8_t>(intensity)), 0);
        const platform::Surface canvas = Canvas();
        for (int b = 0; b < 256; ++b) {
            for (int a = 0; a < 256; ++a) {
                const uint32_t v = static_cast<uint32_t>(a + intensity * (b - a) / 100);
                ASSERT_EQ(canvas.At(a, b), v * 0x010101) << intensity << ": " << a << ", " << b;
            }
        }
    }
}

TEST_F(FadeOverTest, DisplaySizeStretchesEveryStep) {
    const platform::Surface first = TestPicture(20, 10);
    Load(0, first);
    Load(1, TestPicture(20, 10));
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 5, 6, 60, 20), 0);
    EXPECT_EQ(Selection().BitmapWidth[kWorking], 20);
    // The set-up already shows the first picture at the display size.
    platform::Surface canvas = Canvas();
    ASSERT_EQ(canvas.width, 60);
    ASSERT_EQ(canvas.height, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(canvas.At(x, y), first.At(x / 3, y / 2));
    }
    ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(0), 0);
    EXPECT_EQ(Canvas().pixels, canvas.pixels);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 5);
    EXPECT_EQ(CanvasAttribute(Attr::Top), 6);
}

TEST_F(FadeOverTest, MinusOneCentresTheDisplaySize) {
    Load(0, TestPicture(10, 10));
    Load(1, TestPicture(10, 10));
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, -1, -1, 301, 51), 0);
    EXPECT_EQ(Over().BitmapFadeOverXPos, 249);
    EXPECT_EQ(Over().BitmapFadeOverYPos, 124);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 249);
    EXPECT_EQ(CanvasAttribute(Attr::Top), 124);
}

TEST_F(FadeOverTest, RefusedPairsChangeNothing) {
    Load(0, TestPicture(20, 10));
    Load(1, TestPicture(20, 10));
    Load(2, TestPicture(10, 20));
    Load(3, TestPicture(387, 323));  // 125,001 pixels
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, 20, 10), 0);
    const int working = Selection().Handle(kWorking);

    EXPECT_EQ(Over().SetBitmapFadeOverAttr(0, 2, 7, 7, 9, 9), -1);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeOverAttr': dimensions of selected bitmaps not equal");
    EXPECT_EQ(Over().SetBitmapFadeOverAttr(3, 3, 7, 7, 9, 9), -1);
    EXPECT_EQ(LastPopup().text, "CVI-function 'SetBitmapFadeOverAttr': selected bitmap(s) too big");
    EXPECT_EQ(Over().SetBitmapFadeOverAttr(0, 3, 7, 7, 9, 9), -1);
    EXPECT_EQ(LastPopup().text, "CVI-function 'SetBitmapFadeOverAttr': selected bitmap(s) too big");
    EXPECT_EQ(Over().SetBitmapFadeOverAttr(0, 500, 7, 7, 9, 9), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeOverAttr': argument '_BitmapIDIndex2' out of range "
              "(must be 0..499)");
    Selection().BitmapWidth[4] = 20;  // what an emptied slot may still read
    Selection().BitmapHeight[4] = 10;
    EXPECT_EQ(Over().SetBitmapFadeOverAttr(4, 1, 7, 7, 9, 9), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeOverAttr': selected bitmap slot(s) empty");
    EXPECT_EQ(PopupCount(), 5u);

    EXPECT_EQ(Selection().Handle(kWorking), working);
    EXPECT_EQ(Over().BitmapFadeOverBitmapIDIndex2, 1);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 20);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 0);
}

TEST_F(FadeOverTest, PicturesOfDifferentPixelLayoutsAreRefused) {
    Load(0, TestPicture(4, 2));
    Load(1, TestPicture(4, 2));
    // Slot 1 made 32 bits deep: its rows are 16 bytes long where slot 0's are 12.
    std::vector<uint8_t> bits(16 * 2, 0x40);
    ASSERT_EQ(Rt().SetBitmapData(Selection().Handle(1), 16, 32, bits, {}), 0);
    Selection().ReadGeometry(1);
    EXPECT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, 4, 2), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeOverAttr': pixel layouts of selected bitmaps not equal");
}

TEST_F(FadeOverTest, IntensityAbove100IsRefused) {
    Load(0, TestPicture(20, 10));
    Load(1, TestPicture(20, 10));
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, 20, 10), 0);
    const platform::Surface before = Canvas();
    for (uint8_t intensity : {uint8_t{101}, uint8_t{255}}) {
        Rt().ClearPopups();
        EXPECT_EQ(Over().ChangeBitmapFadeOverIntensity(intensity), -1);
        ASSERT_EQ(PopupCount(), 1u);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'ChangeBitmapFadeInOutState': argument '_FadeOverIntensity' out of "
                  "range (must be 0..100)");
    }
    EXPECT_EQ(Canvas().pixels, before.pixels);
    // A fade in/out set-up ends the cross-fade: its steps draw nothing any more.
    ASSERT_EQ(engine_.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    const platform::Surface blank = Canvas();
    EXPECT_EQ(Over().ChangeBitmapFadeOverIntensity(50), 0);
    EXPECT_EQ(Canvas().pixels, blank.pixels);
}

TEST_F(FadeOverTest, GoldenAtHalfIntensity) {
    // The second picture: the first turned upside down, with a white frame.
    const platform::Surface first = TestPicture(64, 32);
    platform::Surface second(64, 32, 0xFFFFFF);
    for (int y = 2; y < 30; ++y) {
        for (int x = 2; x < 62; ++x)
            second.At(x, y) = first.At(63 - x, 31 - y);
    }
    Load(0, first);
    Load(1, second);
    ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, -1, -1, 128, 64), 0);
    ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(50), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/fade_over_50");
}

// The fast blend against the integer formula on pictures of odd widths (rows with padding),
// masked and unmasked, over many intensities in no particular order.
TEST_F(FadeOverTest, EveryStepEqualsTheFormulaOnOddWidthsMaskedOrNot) {
    for (int width : {1, 5, 11, 33, 67}) {
        for (bool masked : {false, true}) {
            SCOPED_TRACE(::testing::Message() << width << (masked ? " masked" : ""));
            Load(0, TestPicture(width, 6));
            platform::Surface second = TestPicture(width, 6);
            for (uint32_t& p : second.pixels)
                p = 0xFFFFFF - p;
            Load(1, second);
            if (masked) MaskEveryThirdPixel(1);
            ASSERT_EQ(Over().SetBitmapFadeOverAttr(0, 1, 0, 0, static_cast<int16_t>(width), 6), 0);
            const std::vector<uint8_t> a = BitmapBytes(Selection().Handle(0));
            const std::vector<uint8_t> b = BitmapBytes(Selection().Handle(1));
            const int stride = Selection().BitmapBytesPerRow[0];
            for (int intensity : {0, 100, 1, 99, 50, 33, 67, 2, 98, 41}) {
                ASSERT_EQ(Over().ChangeBitmapFadeOverIntensity(static_cast<uint8_t>(intensity)), 0);
                const platform::Surface canvas = Canvas();
                for (int y = 0; y < 6; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const uint32_t expected = RowColor(stride, x, y, [&](size_t o) -> uint8_t {
                            return static_cast<uint8_t>(a[o] + intensity * (b[o] - a[o]) / 100);
                        });
                        ASSERT_EQ(canvas.At(x, y) & 0xFFFFFF, expected)
                            << x << "," << y << " at " << intensity;
                    }
                }
            }
        }
    }
    EXPECT_EQ(PopupCount(), 0u);
}

}  // namespace
}  // namespace tov::testing
