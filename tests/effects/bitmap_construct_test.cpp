#include "effects/bitmap_construct.h"

#include <cmath>
#include <string>
#include <vector>

#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::Surface;

class BitmapConstructTest : public TransitionTest {
  protected:
    BitmapConstruct& Construct() { return engine_.BitmapConstruct(); }

    uint8_t State() {
        uint8_t state = 7;
        EXPECT_EQ(Construct().get_BitmapConstructState(&state), 0);
        return state;
    }

    // Steps until the construction is complete; the number of steps, or -1 after `limit`.
    int StepsToComplete(int limit = 2000) {
        for (int n = 1; n <= limit; ++n) {
            EXPECT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
            if (State() == 1) return n;
        }
        return -1;
    }

    // The picture stretched to w x h as the run-time stretches it.
    static Surface Stretched(const Surface& picture, int w, int h) {
        Surface s(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                s.At(x, y) = picture.At(x * picture.width / w, y * picture.height / h);
        }
        return s;
    }
};

TEST_F(BitmapConstructTest, EveryStyleCompletesAfterItsNumberOfSteps) {
    Load(0, TestPicture(150, 100));
    const int expected[] = {294, 293, 362, 361, 202, 200, 302, 361};
    for (int16_t style = 1; style <= 8; ++style) {
        ASSERT_EQ(Construct().SetBitmapConstructAttr(0, -1, -1, 300, 200, style), 0);
        EXPECT_EQ(State(), 0);
        EXPECT_EQ(StepsToComplete(), expected[style - 1]) << "style " << style;
    }
    Load(1, TestPicture(50, 50));
    const struct {
        int16_t style;
        int steps;
    } square[] = {{13, 45}, {14, 65}, {10, 100}, {12, 100}};
    for (const auto& s : square) {
        ASSERT_EQ(Construct().SetBitmapConstructAttr(1, -1, -1, 100, 100, s.style), 0);
        EXPECT_EQ(StepsToComplete(), s.steps) << "style " << s.style;
    }
    // Styles without steps show their set-up and never complete.
    for (int16_t style : {int16_t{9}, int16_t{11}, int16_t{0}, int16_t{15}}) {
        ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 300, 200, style), 0);
        const Surface setup = Canvas();
        EXPECT_EQ(StepsToComplete(400), -1) << "style " << style;
        EXPECT_EQ(Canvas().pixels, setup.pixels);
    }
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(BitmapConstructTest, SetUpSizesPlacesAndPreparesEachStyle) {
    Load(0, TestPicture(150, 100));
    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, -1, -1, 301, 101, 1), 0);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 249);  // (800 - 301) / 2
    EXPECT_EQ(CanvasAttribute(Attr::Top), 99);
    EXPECT_EQ(CanvasAttribute(Attr::Width), 301);
    EXPECT_EQ(CanvasAttribute(Attr::Height), 101);
    // An odd style shows the whole picture stretched to the display size.
    EXPECT_EQ(Canvas().pixels, Stretched(TestPicture(150, 100), 301, 101).pixels);

    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 5, 6, 300, 200, 1), 0);
    EXPECT_EQ(CanvasAttribute(Attr::Left), 5);
    EXPECT_EQ(CanvasAttribute(Attr::PenWidth), 2);
    EXPECT_NEAR(Construct().BitmapConstructOvalWidth, 418.23, 0.005);
    EXPECT_NEAR(Construct().BitmapConstructOvalHeight, 293.40, 0.005);
    EXPECT_NEAR(Construct().BitmapConstructAxisProportion, 1.4254, 0.00005);

    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 5, 6, 300, 200, 3), 0);
    EXPECT_EQ(Construct().BitmapConstructCircleDiameter, 362);
    // An even style starts from black.
    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 5, 6, 300, 200, 2), 0);
    EXPECT_EQ(CountPixels(Canvas(), 0), 300 * 200);
    EXPECT_EQ(Construct().BitmapConstructOvalHeight, 1.0);
    EXPECT_NEAR(Construct().BitmapConstructOvalMaxHeight, 293.40, 0.005);

    // A square display: both axes alike and outlines 2 pixels wide. The first frame of the
    // closing square lies one pixel outside the canvas, the second on its border.
    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 100, 100, 7), 0);
    EXPECT_EQ(CanvasAttribute(Attr::PenWidth), 2);
    ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
    ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
    const Surface square = Canvas();
    EXPECT_EQ(square.At(50, 0), 0u);
    EXPECT_EQ(square.At(50, 1), 0u);
    EXPECT_NE(square.At(50, 2), 0u);

    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 100, 100, 13), 0);
    EXPECT_EQ(Construct().BitmapConstructStarRadius, 162);
    EXPECT_NEAR(Construct().BitmapConstructStepValue, 5.86, 1e-9);
    EXPECT_EQ(CanvasAttribute(Attr::PenWidth), 2);
    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 100, 100, 14), 0);
    EXPECT_EQ(Construct().BitmapConstructStarMaxRadius, 162);
    EXPECT_EQ(Construct().BitmapConstructStarRadius, 1);
}

TEST_F(BitmapConstructTest, RowUnrollsEndShowingTheExactPicture) {
    const Surface picture = TestPicture(50, 25);
    Load(0, picture);
    const Surface expected = Stretched(picture, 120, 100);
    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 120, 100, 12), 0);
    // Half way down, the last row copied fills the rest of the canvas.
    for (int step = 0; step < 50; ++step)
        ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
    Surface canvas = Canvas();
    EXPECT_EQ(canvas.At(7, 49), expected.At(7, 49));
    EXPECT_EQ(canvas.At(7, 99), expected.At(7, 49));
    EXPECT_EQ(StepsToComplete(), 50);
    EXPECT_EQ(Canvas().pixels, expected.pixels);

    ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 120, 100, 10), 0);
    ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
    canvas = Canvas();
    EXPECT_EQ(canvas.At(3, 0), expected.At(3, 99));
    EXPECT_EQ(StepsToComplete(), 99);
    EXPECT_EQ(Canvas().pixels, expected.pixels);
}

TEST_F(BitmapConstructTest, AStepAfterCompletionDrawsNothing) {
    Load(0, TestPicture(60, 40));
    Load(1, TestPicture(7, 3));
    for (int16_t style : {int16_t{6}, int16_t{8}, int16_t{14}}) {
        ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, 60, 40, style), 0);
        ASSERT_GT(StepsToComplete(), 0);
        Rt().CanvasDrawBitmap(Panel(), kEffectCanvas, Selection().Handle(1), platform::kWholeArea,
                              platform::kWholeArea);
        const Surface other = Canvas();
        EXPECT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
        EXPECT_EQ(Canvas().pixels, other.pixels) << "style " << style;
        EXPECT_EQ(State(), 1);
    }
}

TEST_F(BitmapConstructTest, NoSizeOrNoPictureIsCompleteAtOnce) {
    Load(0, TestPicture(60, 40));
    const struct {
        int16_t slot;
        int16_t width;
        int16_t height;
    } empty[] = {{0, 0, 40}, {0, 60, 0}, {0, -60, 40}, {0, 60, -1}, {5, 60, 40}, {-1, 60, 40}};
    for (const auto& e : empty) {
        for (int16_t style : {int16_t{1}, int16_t{2}, int16_t{4}, int16_t{13}, int16_t{14}}) {
            ASSERT_EQ(Construct().SetBitmapConstructAttr(e.slot, 0, 0, e.width, e.height, style),
                      0);
            EXPECT_EQ(State(), 1) << e.slot << " " << e.width << "x" << e.height;
            const Surface canvas = Canvas();
            EXPECT_EQ(CountPixels(canvas, 0), static_cast<int>(canvas.pixels.size()));
            EXPECT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
            EXPECT_EQ(Canvas().pixels, canvas.pixels);
        }
    }
    EXPECT_EQ(CanvasAttribute(Attr::Width), 60);
    EXPECT_EQ(PopupCount(), 0u);
}

// The masked build-up styles renew only the region they copy; the picture must equal the one
// the whole renewal gives, step by step, at random sizes and with random pictures.
TEST_F(BitmapConstructTest, RegionRenewalEqualsWholeRenewal) {
    uint32_t seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(n));
    };
    for (int round = 0; round < 6; ++round) {
        Surface picture(20 + next(60), 20 + next(60));
        for (uint32_t& p : picture.pixels)
            p = static_cast<uint32_t>(next(0x1000000)) | 0x010101u;
        Load(0, picture);
        ASSERT_FALSE(Rt().FindBitmap(Selection().Handle(0))->HasMask());
        const auto w = static_cast<int16_t>(30 + next(130));
        const auto h = static_cast<int16_t>(30 + next(130));
        for (int16_t style : {int16_t{2}, int16_t{4}, int16_t{14}}) {
            std::vector<std::vector<uint32_t>> whole;
            Construct().SetSnapshotRenewal(SnapshotRenewal::Whole);
            ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, w, h, style), 0);
            while (State() == 0 && whole.size() < 1000) {
                ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
                whole.push_back(Canvas().pixels);
            }
            Construct().SetSnapshotRenewal(SnapshotRenewal::Region);
            ASSERT_EQ(Construct().SetBitmapConstructAttr(0, 0, 0, w, h, style), 0);
            for (size_t step = 0; step < whole.size(); ++step) {
                ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
                ASSERT_EQ(Canvas().pixels, whole[step])
                    << "style " << style << " at " << w << "x" << h << ", step " << step + 1;
            }
            EXPECT_EQ(State(), 1);
        }
    }
}

TEST_F(BitmapConstructTest, GoldenHalfWayForEveryStyle) {
    Load(0, TestPicture(60, 40));
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 13, 14}) {
        const auto style = static_cast<int16_t>(number);
        ASSERT_EQ(Construct().SetBitmapConstructAttr(0, -1, -1, 120, 80, style), 0);
        const int steps = StepsToComplete();
        ASSERT_GT(steps, 0);
        ASSERT_EQ(Construct().SetBitmapConstructAttr(0, -1, -1, 120, 80, style), 0);
        for (int step = 0; step < steps / 2; ++step)
            ASSERT_EQ(Construct().ShowNextBitmapConstructStep(), 0);
        EXPECT_MATCHES_GOLDEN(Canvas(), "effects/bitmap_construct_style_" + std::to_string(style));
    }
}

}  // namespace
}  // namespace tov::testing
