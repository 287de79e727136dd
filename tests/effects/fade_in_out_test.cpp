#include "effects/fade_in_out.h"

#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;

constexpr int kWorking = BitmapSelection::kFadeWorkingBitmap;

// Five pixels a row, so rows carry one byte of padding (15 bytes of pixels in 16).
platform::Surface KnownPicture() {
    platform::Surface s(5, 2);
    const uint32_t colors[10] = {0xC8640B, 0xFFFFFF, 0x636363, 0x010203, 0x80FF00,
                                 0x0B0B0B, 0x646464, 0xFE0102, 0x000000, 0x123456};
    for (int i = 0; i < 10; ++i)
        s.pixels[i] = colors[i];
    return s;
}

uint32_t ColorAt(const std::vector<uint8_t>& bits, int stride, int x, int y) {
    const size_t o = static_cast<size_t>(y) * stride + 3 * x;
    return (uint32_t{bits[o + 2]} << 16) | (uint32_t{bits[o + 1]} << 8) | bits[o];
}

class FadeInOutTest : public TransitionTest {
  protected:
    FadeInOut& Fade() { return engine_.FadeInOut(); }
};

TEST_F(FadeInOutTest, AcceptsExactly125000Pixels) {
    Load(0, TestPicture(500, 250));
    Load(1, TestPicture(387, 323));  // 125,001 pixels
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    EXPECT_EQ(PopupCount(), 0u);
    const int working = Selection().Handle(kWorking);

    EXPECT_EQ(Fade().SetBitmapFadeInOutAttr(1, 5, 5, 1.0, 1.0), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text, "CVI-function 'SetBitmapFadeInOutAttr': selected bitmap too big");
    // The previous fade stays as it was.
    EXPECT_EQ(Selection().Handle(kWorking), working);
    EXPECT_EQ(Fade().BitmapFadeInOutBitmapIDIndex, 0);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 500);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 0);
}

TEST_F(FadeInOutTest, SetUpPlacesABlankCanvasAtTheScaledSize) {
    Load(0, TestPicture(301, 20));
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, -1, -1, 1.0, 1.0), 0);
    EXPECT_EQ(Fade().BitmapFadeInOutXPos, 249);  // (800 - 301) / 2 = 249.5
    EXPECT_EQ(Fade().BitmapFadeInOutYPos, 140);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 249);
    EXPECT_EQ(CanvasAttribute(Attr::Top), 140);
    const platform::Surface canvas = Canvas();
    EXPECT_EQ(canvas.width, 301);
    EXPECT_EQ(canvas.height, 20);
    EXPECT_EQ(CountPixels(canvas, 0x000000), 301 * 20);

    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, -1, -7, 1.5, 1.0), 0);
    EXPECT_EQ(Fade().BitmapFadeInOutXPos, 174);  // (800 - 451.5) / 2 = 174.25
    EXPECT_EQ(CanvasAttribute(Attr::Top), -7);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 451);
}

TEST_F(FadeInOutTest, ZoomStretchesTheWorkingBitmap) {
    const platform::Surface picture = TestPicture(30, 10);
    Load(0, picture);
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 3, 4, 2.0, 2.0), 0);
    EXPECT_EQ(Selection().BitmapWidth[kWorking], 30);
    EXPECT_EQ(Selection().BitmapHeight[kWorking], 10);
    ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(100), 0);
    const platform::Surface canvas = Canvas();
    ASSERT_EQ(canvas.width, 60);
    ASSERT_EQ(canvas.height, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(canvas.At(x, y), picture.At(x / 2, y / 2)) << x << "," << y;
    }
}

TEST_F(FadeInOutTest, BrightnessScalesEveryPixelByteRoundingDown) {
    Load(0, KnownPicture());
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    const std::vector<uint8_t> source = BitmapBytes(Selection().Handle(0));
    const int stride = Selection().BitmapBytesPerRow[0];
    ASSERT_EQ(stride, 16);
    ASSERT_EQ(source.size(), 32u);

    for (int brightness : {0, 100, 1, 50}) {
        SCOPED_TRACE(brightness);
        ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(static_cast<int16_t>(brightness)), 0);
        const std::vector<uint8_t> working = BitmapBytes(Selection().Handle(kWorking));
        ASSERT_EQ(working.size(), source.size());
        const platform::Surface canvas = Canvas();
        for (int y = 0; y < 2; ++y) {
            for (int j = 0; j < 15; ++j) {
                const size_t o = static_cast<size_t>(y) * stride + j;
                EXPECT_EQ(working[o], source[o] * brightness / 100);
            }
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(canvas.At(x, y), ColorAt(working, stride, x, y));
        }
    }
    // The last step, 50: 200, 100 and 11 become 100, 50 and 5.
    EXPECT_EQ(Canvas().At(0, 0), 0x643205u);
    ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(1), 0);
    EXPECT_EQ(Canvas().At(0, 0), 0x020100u);
    EXPECT_EQ(Canvas().At(1, 0), 0x020202u);
    EXPECT_EQ(Canvas().At(2, 0), 0x000000u);  // 99 / 100
    // The padding byte at the end of each row is the source's, never written.
    const PixelBuffers& buffers = Fade().Buffers();
    EXPECT_EQ(buffers.BitmapWorkingColorField[15], buffers.BitmapOriginalColorField1[15]);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(FadeInOutTest, EveryByteValueScalesAtEveryBrightness) {
    platform::Surface greys(256, 1);
    for (uint32_t v = 0; v < 256; ++v)
        greys.At(v, 0) = v * 0x010101;
    Load(0, greys);
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    for (int brightness = 0; brightness <= 100; ++brightness) {
        ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(static_cast<int16_t>(brightness)), 0);
        const platform::Surface canvas = Canvas();
        for (uint32_t v = 0; v < 256; ++v)
            ASSERT_EQ(canvas.At(v, 0), v * brightness / 100 * 0x010101) << brightness << ": " << v;
    }
}

TEST_F(FadeInOutTest, BrightnessOutsideZeroToHundredIsRefused) {
    Load(0, TestPicture(20, 10));
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(40), 0);
    const platform::Surface before = Canvas();
    for (int16_t brightness : {int16_t{-1}, int16_t{101}}) {
        Rt().ClearPopups();
        EXPECT_EQ(Fade().ChangeBitmapFadeInOutBrightness(brightness), -1);
        ASSERT_EQ(PopupCount(), 1u);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'ChangeBitmapFadeInOutBrightness': argument "
                  "'_BitmapFadeInOutBrightness' out of range (must be 0..100)");
        EXPECT_EQ(Canvas().pixels, before.pixels);
    }
}

TEST_F(FadeInOutTest, SecondSetUpDiscardsThePreviousWorkingBitmap) {
    Load(0, TestPicture(20, 10));
    Load(1, TestPicture(8, 4));
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    const int first = Selection().Handle(kWorking);
    ASSERT_NE(first, 0);
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(1, 0, 0, 1.0, 1.0), 0);
    EXPECT_EQ(Rt().FindBitmap(first), nullptr);
    EXPECT_NE(Selection().Handle(kWorking), 0);
    EXPECT_EQ(Selection().BitmapWidth[kWorking], 8);
}

TEST_F(FadeInOutTest, SlotsThatHoldNoPictureAreRefused) {
    EXPECT_EQ(Fade().SetBitmapFadeInOutAttr(500, 0, 0, 1.0, 1.0), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeInOutAttr': argument '_BitmapFadeInOutBitmapIDIndex' out "
              "of range (must be 0..499)");
    EXPECT_EQ(Fade().SetBitmapFadeInOutAttr(-1, 0, 0, 1.0, 1.0), -1);
    EXPECT_EQ(Fade().SetBitmapFadeInOutAttr(3, 0, 0, 1.0, 1.0), -1);
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapFadeInOutAttr': selected bitmap slot empty");
    EXPECT_EQ(PopupCount(), 3u);
    EXPECT_EQ(Selection().Handle(kWorking), 0);
}

TEST_F(FadeInOutTest, StepWithoutItsOwnSetUpDrawsNothing) {
    Load(0, TestPicture(20, 10));
    EXPECT_EQ(Fade().ChangeBitmapFadeInOutBrightness(50), 0);
    EXPECT_EQ(PopupCount(), 0u);

    // A fade over set-up takes the buffers and the working bitmap: the fade's run is over.
    Load(1, TestPicture(20, 10));
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    ASSERT_EQ(engine_.FadeOver().SetBitmapFadeOverAttr(1, 0, 0, 0, 20, 10), 0);
    const platform::Surface before = Canvas();
    EXPECT_EQ(Fade().ChangeBitmapFadeInOutBrightness(50), 0);
    EXPECT_EQ(Canvas().pixels, before.pixels);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(FadeInOutTest, ThirtyTwoBitPicturesFadeEveryChannel) {
    const platform::Surface picture = TestPicture(6, 3);
    Load(0, picture);
    // Give the slot's bitmap four bytes a pixel: blue, green, red, unused.
    std::vector<uint8_t> bits(6 * 4 * 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            const uint32_t c = picture.At(x, y);
            uint8_t* p = &bits[static_cast<size_t>(y) * 24 + 4 * x];
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    }
    ASSERT_EQ(Rt().SetBitmapData(Selection().Handle(0), 24, 32, bits, {}), 0);
    Selection().ReadGeometry(0);
    ASSERT_EQ(Selection().BitmapPixelDepth[0], 32);

    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
    ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(50), 0);
    const platform::Surface canvas = Canvas();
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            const uint32_t c = picture.At(x, y);
            const uint32_t half =
                (((c >> 16) / 2) << 16) | ((((c >> 8) & 0xFF) / 2) << 8) | ((c & 0xFF) / 2);
            EXPECT_EQ(canvas.At(x, y), half) << x << "," << y;
        }
    }
}

TEST_F(FadeInOutTest, GoldenAtHalfBrightness) {
    Load(0, TestPicture(96, 48));
    ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, -1, -1, 1.5, 1.5), 0);
    ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(50), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/fade_in_out_50");
}

// The fast step against the integer formula on pictures of odd widths (rows with padding),
// masked and unmasked, over many brightnesses in no particular order: every canvas pixel is
// each source byte times the brightness over 100.
TEST_F(FadeInOutTest, EveryStepEqualsTheFormulaOnOddWidthsMaskedOrNot) {
    for (int width : {1, 5, 11, 33, 67}) {
        for (bool masked : {false, true}) {
            SCOPED_TRACE(::testing::Message() << width << (masked ? " masked" : ""));
            Load(0, TestPicture(width, 7));
            if (masked) MaskEveryThirdPixel(0);
            ASSERT_EQ(Fade().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0), 0);
            const std::vector<uint8_t> source = BitmapBytes(Selection().Handle(0));
            const int stride = Selection().BitmapBytesPerRow[0];
            for (int brightness : {100, 0, 99, 1, 50, 37, 63, 2, 98, 71}) {
                ASSERT_EQ(Fade().ChangeBitmapFadeInOutBrightness(static_cast<int16_t>(brightness)),
                          0);
                const platform::Surface canvas = Canvas();
                for (int y = 0; y < 7; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const uint32_t expected = RowColor(stride, x, y, [&](size_t o) -> uint8_t {
                            return static_cast<uint8_t>(source[o] * brightness / 100);
                        });
                        ASSERT_EQ(canvas.At(x, y) & 0xFFFFFF, expected)
                            << x << "," << y << " at " << brightness;
                    }
                }
            }
        }
    }
    EXPECT_EQ(PopupCount(), 0u);
}

}  // namespace
}  // namespace tov::testing
