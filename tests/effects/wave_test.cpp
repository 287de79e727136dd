#include "effects/wave.h"

#include <cmath>

#include "platform/raster.h"
#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::Surface;

class WaveTest : public TransitionTest {
  protected:
    tov::Wave& Waving() { return engine_.Wave(); }

    // At zoom 1: canvas row `row` shows source row `source_row` from column x on, black to
    // the left and right of it.
    static void ExpectRowAt(const Surface& canvas, const Surface& picture, int row, int source_row,
                            int x) {
        for (int c = 0; c < canvas.width; ++c) {
            const bool inside = c >= x && c < x + picture.width;
            ASSERT_EQ(canvas.At(c, row), inside ? picture.At(c - x, source_row) : 0u)
                << "row " << row << " column " << c << " (row drawn at " << x << ")";
        }
    }

    // Where the wave puts a row at zoom 1.
    static int RowX(int y, int phase, int length, int amplitude, int offset) {
        const int half = amplitude / 2;
        return static_cast<int>(std::sin(6.283185307179586 * (y + phase) / length) * half + half +
                                offset);
    }
};

TEST_F(WaveTest, TheBandSwingsOnTheSineAndTheStillRowsStandInTheMiddle) {
    const Surface picture = TestPicture(30, 40);
    Load(0, picture);
    // The whole height as band: the set-up draws no still rows.
    ASSERT_EQ(Waving().SetWaveAttr(0, 10, 20, 1.0, 1.0, 20, 40, 0, 40), 0);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 50);
    EXPECT_EQ(CanvasAttribute(Attr::Height), 40);
    EXPECT_EQ(CountPixels(Canvas(), 0), 50 * 40);

    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    const Surface canvas = Canvas();
    ExpectRowAt(canvas, picture, 10, 10, 20);  // sin(pi / 2) * 10 + 10
    ExpectRowAt(canvas, picture, 30, 30, 0);   // sin(3 pi / 2) * 10 + 10
    ExpectRowAt(canvas, picture, 0, 0, 10);
    EXPECT_EQ(Waving().WavePresentStep, 1);

    // A band of rows 10 to 19: the rest stands 10 pixels in and does not move.
    ASSERT_EQ(Waving().SetWaveAttr(0, -1, -1, 1.0, 1.0, 20, 40, 10, 20), 0);
    EXPECT_EQ(Waving().WaveXPos, 375);  // (800 - 50) / 2
    EXPECT_EQ(Waving().WaveYPos, 130);
    Surface still = Canvas();
    ExpectRowAt(still, picture, 9, 9, 10);
    ExpectRowAt(still, picture, 20, 20, 10);
    EXPECT_EQ(CountPixels(CopyRect(still, platform::MakeRect(10, 0, 10, 50)), 0), 10 * 50);
    for (int step = 0; step < 3; ++step)
        ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    const Surface after = Canvas();
    for (int y = 0; y < 40; ++y) {
        if (y >= 10 && y < 20) {
            ExpectRowAt(after, picture, y, y, RowX(y, 2, 40, 20, 0));
        } else {
            ExpectRowAt(after, picture, y, y, 10);
        }
    }
}

TEST_F(WaveTest, StepLPlusOneDrawsAsStepOne) {
    Load(0, TestPicture(24, 30));
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 12, 7, 0, 30), 0);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    const Surface first = Canvas();
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_NE(Canvas().pixels, first.pixels);
    for (int step = 2; step < 8; ++step)
        ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_EQ(Waving().WavePresentStep, 1);
    EXPECT_EQ(Canvas().pixels, first.pixels);
}

TEST_F(WaveTest, AmplitudeChangesKeepTheCentreAndLeaveNoTrail) {
    const Surface picture = TestPicture(30, 40);
    Load(0, picture);
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 20, 40, 0, 40), 0);
    ASSERT_EQ(Waving().ChangeWaveAmplitude(10), 0);
    EXPECT_EQ(Waving().WaveAmplitude, 30);
    EXPECT_EQ(Waving().WaveXPosOffset, -5);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 50);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    Surface canvas = Canvas();
    ExpectRowAt(canvas, picture, 0, 0, 10);    // the centre line stays at 10
    ExpectRowAt(canvas, picture, 10, 10, 25);  // 15 + 15 - 5
    ExpectRowAt(canvas, picture, 30, 30, -5);

    // A swing far larger than the canvas was made for: rows run off both edges, and a row that
    // moves right leaves nothing of itself behind, left or right.
    ASSERT_EQ(Waving().ChangeWaveAmplitude(50), 0);
    for (int step = 1; step < 6; ++step) {
        ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
        canvas = Canvas();
        for (int y = 0; y < 40; ++y)
            ExpectRowAt(canvas, picture, y, y, RowX(y, step, 40, 80, -30));
    }
}

TEST_F(WaveTest, FractionalZoomGivesRowsOfTwoPixelsThatOverlap) {
    Surface picture(8, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 8; ++x)
            picture.At(x, y) = 0x101010u * static_cast<uint32_t>(y + 1);
    }
    Load(0, picture);
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.5, 0, 10, 0, 10), 0);
    EXPECT_EQ(CanvasAttribute(Attr::Height), 15);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    const Surface canvas = Canvas();
    // Row y covers canvas rows trunc(1.5 y) and the one below; the next row overwrites it.
    const uint32_t expected[15] = {1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9, 10, 10};
    for (int row = 0; row < 15; ++row)
        EXPECT_EQ(canvas.At(3, row), 0x101010u * expected[row]) << row;
}

TEST_F(WaveTest, BandsOutsideThePictureAndNoLengthAreSafe) {
    const Surface picture = TestPicture(30, 40);
    Load(0, picture);
    // A band reaching past both ends is the whole picture.
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 20, 40, -5, 100), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 50 * 40);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    ExpectRowAt(Canvas(), picture, 10, 10, 20);

    // A band that starts at or below its end has no rows: the picture stands still.
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 20, 40, 25, 25), 0);
    const Surface still = Canvas();
    for (int y = 0; y < 40; ++y)
        ExpectRowAt(still, picture, y, y, 10);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_EQ(Canvas().pixels, still.pixels);
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 20, 40, 30, 10), 0);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_EQ(Canvas().pixels, still.pixels);

    // No length, no curve: the band stands at the centre of the swing, step after step.
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 1.0, 1.0, 20, 0, 0, 40), 0);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_EQ(Canvas().pixels, still.pixels);
    EXPECT_EQ(Waving().WavePresentStep, 0);

    // An empty slot and a zoom of 0 draw nothing.
    ASSERT_EQ(Waving().SetWaveAttr(9, 0, 0, 1.0, 1.0, 20, 40, 0, 40), 0);
    EXPECT_EQ(Waving().ShowNextWaveStep(), 0);
    ASSERT_EQ(Waving().SetWaveAttr(0, 0, 0, 0.0, 0.0, 20, 40, 0, 40), 0);
    EXPECT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(WaveTest, GoldenAtTwoSteps) {
    Load(0, TestPicture(80, 60));
    ASSERT_EQ(Waving().SetWaveAttr(0, -1, -1, 1.5, 1.5, 16, 24, 12, 48), 0);
    ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/wave_step_1");
    for (int step = 1; step < 7; ++step)
        ASSERT_EQ(Waving().ShowNextWaveStep(), 0);
    EXPECT_MATCHES_GOLDEN(Canvas(), "effects/wave_step_7");
}

}  // namespace
}  // namespace tov::testing
