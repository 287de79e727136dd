#include "effects/square_fade.h"

#include "platform/raster.h"
#include "support/golden.h"
#include "transition_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;
using platform::Surface;

constexpr int kDmdCanvas = platform::main_panel::kDmdCanvas;

class SquareFadeTest : public TransitionTest {
  protected:
    SquareFade& Fade() { return engine_.SquareFade(); }

    // The DMD canvas's pixels: it covers the whole main panel.
    Surface Dmd() {
        Surface s(kPanelWidth, kPanelHeight);
        Rt().CanvasGetPixels(Panel(), kDmdCanvas, MakeRect(0, 0, s.height, s.width), s.pixels);
        return s;
    }

    uint8_t State() {
        uint8_t state = 7;
        EXPECT_EQ(Fade().get_BitmapSquareFadeState(&state), 0);
        return state;
    }

    // At zoom 1 with the picture at (x0, y0): the cell (k, r) of size dim shows the picture in
    // the centred square of side `side` and black elsewhere.
    static void ExpectCell(const Surface& dmd, const Surface& picture, int x0, int y0, int dim,
                           int k, int r, int side) {
        const int begin = dim / 2 - side / 2;
        for (int y = 0; y < dim; ++y) {
            for (int x = 0; x < dim; ++x) {
                const bool shown = x >= begin && x < begin + side && y >= begin && y < begin + side;
                const int px = k * dim + x;
                const int py = r * dim + y;
                ASSERT_EQ(dmd.At(x0 + px, y0 + py), shown ? picture.At(px, py) : 0u)
                    << "cell " << k << "," << r << " pixel " << x << "," << y;
            }
        }
    }
};

TEST_F(SquareFadeTest, FiftyCellsAreAcceptedAndFiftySevenRefused) {
    Load(0, TestPicture(400, 300));
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(-1, -1, 0, 8, 1.0, 1, 1), 0);
    EXPECT_EQ(Fade().SquareXSquares, 50);
    EXPECT_EQ(Fade().SquareYSquares, 37);
    EXPECT_EQ(Fade().SquareXPos, 200);
    EXPECT_EQ(Fade().SquareYPos, 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(State(), 0);

    EXPECT_EQ(Fade().SetBitmapSquareFadeAttr(3, 4, 0, 7, 2.0, 3, 0), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareDim' out of range");
    // The settings and counts are replaced; the counters and the state are kept.
    EXPECT_EQ(Fade().SquareXSquares, 57);
    EXPECT_EQ(Fade().SquareDim, 7);
    EXPECT_EQ(Fade().SquareXPos, 3);
    EXPECT_EQ(Fade().SquareZoom, 2.0);
    EXPECT_EQ(Fade().Square[10][10], 1);
    EXPECT_EQ(State(), 0);
    // A step then draws nothing, touches no counter and reports nothing left to do.
    const Surface before = Dmd();
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(Dmd().pixels, before.pixels);
    EXPECT_EQ(Fade().Square[10][10], 1);
    EXPECT_EQ(State(), 1);
}

TEST_F(SquareFadeTest, NoCellSizeAndNoZoomAreRefused) {
    Load(0, TestPicture(40, 16));
    const struct {
        int16_t dim;
        double zoom;
        const char* text;
    } refused[] = {
        {0, 1.0, "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareDim' out of range"},
        {-8, 1.0, "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareDim' out of range"},
        {8, 0.0, "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareZoom' out of range"},
        {8, -1.0, "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareZoom' out of range"},
    };
    const Surface before = Dmd();
    for (const auto& c : refused) {
        Rt().ClearPopups();
        EXPECT_EQ(Fade().SetBitmapSquareFadeAttr(0, 0, 0, c.dim, c.zoom, 1, 1), -1) << c.dim;
        ASSERT_EQ(PopupCount(), 1u);
        EXPECT_EQ(LastPopup().text, c.text);
        for (int step = 0; step < 6; ++step)
            EXPECT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
        EXPECT_EQ(Dmd().pixels, before.pixels);
    }
    // An empty slot has no cells: nothing is drawn and the first step completes.
    Rt().ClearPopups();
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(0, 0, 8, 8, 1.0, 1, 1), 0);
    EXPECT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(Dmd().pixels, before.pixels);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(SquareFadeTest, AllTogetherEveryCellGrowsInStepsTwoToFive) {
    const Surface picture = TestPicture(24, 16);
    Load(0, picture);
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(10, 20, 0, 8, 1.0, 1, 1), 0);
    EXPECT_EQ(State(), 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(CountPixels(Dmd(), 0), kPanelWidth * kPanelHeight);
    for (int side = 2; side <= 8; side += 2) {
        EXPECT_EQ(State(), 0);
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
        const Surface dmd = Dmd();
        for (int k = 0; k < 3; ++k) {
            for (int r = 0; r < 2; ++r)
                ExpectCell(dmd, picture, 10, 20, 8, k, r, side);
        }
    }
    EXPECT_EQ(State(), 1);
    // Steps after completion draw nothing more but still count.
    const Surface done = Dmd();
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(Dmd().pixels, done.pixels);
    EXPECT_EQ(Fade().Square[0][0], 6);
}

TEST_F(SquareFadeTest, ThePatternsStartFromTheirSide) {
    const Surface picture = TestPicture(80, 24);  // 10 columns, 3 rows
    Load(0, picture);
    // Which cells show their centre after the second step, for styles 2 to 5.
    const struct {
        uint8_t style;
        int column;  // -1: any
        int row;     // -1: any
    } first[] = {{2, 9, -1}, {3, 0, -1}, {4, -1, 0}, {5, -1, 2}};
    for (const auto& f : first) {
        Rt().CanvasClear(Panel(), kDmdCanvas, platform::kWholeArea);
        ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(0, 0, 0, 8, 1.0, f.style, 1), 0);
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
        const Surface dmd = Dmd();
        for (int k = 0; k < 10; ++k) {
            for (int r = 0; r < 3; ++r) {
                const bool started = (f.column < 0 || k == f.column) && (f.row < 0 || r == f.row);
                ExpectCell(dmd, picture, 0, 0, 8, k, r, started ? 2 : 0);
            }
        }
    }
    // Left to right, the last of 10 columns starts 9 steps after the first.
    Rt().CanvasClear(Panel(), kDmdCanvas, platform::kWholeArea);
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(0, 0, 0, 8, 1.0, 3, 1), 0);
    for (int step = 0; step < 10; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    ExpectCell(Dmd(), picture, 0, 0, 8, 9, 1, 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    ExpectCell(Dmd(), picture, 0, 0, 8, 9, 1, 2);
    ExpectCell(Dmd(), picture, 0, 0, 8, 0, 1, 8);
}

TEST_F(SquareFadeTest, ScriptedCountersFinishAtOnceOrWait) {
    const Surface picture = TestPicture(24, 8);  // 3 cells in a row
    Load(0, picture);
    // Style 0 leaves the counters as they are: the script sets them.
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(0, 0, 0, 8, 1.0, 0, 1), 0);
    ASSERT_EQ(Fade().SetBitmapSquareValue(0, 0, 5), 0);  // above half: finished
    ASSERT_EQ(Fade().SetBitmapSquareValue(1, 0, 1), 0);
    ASSERT_EQ(Fade().SetBitmapSquareValue(2, 0, -20), 0);
    ASSERT_EQ(Fade().SetBitmapSquareValue(49, 49, 3), 0);  // outside the grid: no effect
    for (int step = 0; step < 4; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    Surface dmd = Dmd();
    ExpectCell(dmd, picture, 0, 0, 8, 0, 0, 0);
    ExpectCell(dmd, picture, 0, 0, 8, 1, 0, 8);
    ExpectCell(dmd, picture, 0, 0, 8, 2, 0, 0);
    // The waiting cell draws in steps 22 to 25 and the fade completes with the 25th.
    for (int step = 4; step < 24; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(State(), 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(State(), 1);
    ExpectCell(Dmd(), picture, 0, 0, 8, 2, 0, 8);
    ExpectCell(Dmd(), picture, 0, 0, 8, 0, 0, 0);

    // A counter at its largest value stays finished.
    ASSERT_EQ(Fade().SetBitmapSquareValue(1, 0, 32767), 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(Fade().Square[1][0], 32767);
    EXPECT_EQ(State(), 1);

    EXPECT_EQ(Fade().SetBitmapSquareValue(50, 0, 1), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetBitmapSquareValue': parameter '_SquareXNum' or '_SquareYNum' out "
              "of range");
    EXPECT_EQ(Fade().SetBitmapSquareValue(0, 50, 1), -1);
    EXPECT_EQ(PopupCount(), 2u);
}

TEST_F(SquareFadeTest, FadingOutFramesCloseInThreePixelsWideAtZoomTwo) {
    const Surface picture = TestPicture(16, 8);  // 2 cells of 16 x 16 panel pixels
    Load(0, picture);
    Rt().CanvasClear(Panel(), kDmdCanvas, platform::kWholeArea);
    Rt().CanvasDrawBitmap(Panel(), kDmdCanvas, Selection().Handle(0), platform::kWholeArea,
                          MakeRect(4, 6, 16, 32));
    const Surface shown = Dmd();
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(6, 4, 0, 8, 2.0, 1, 0), 0);
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(Dmd().pixels, shown.pixels);

    // The first frame lies on each cell's border, 3 panel pixels wide.
    ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    Surface dmd = Dmd();
    for (int y = 0; y < kPanelHeight; ++y) {
        for (int x = 0; x < kPanelWidth; ++x) {
            const int cx = (x - 6) % 16;
            const int cy = y - 4;
            const bool in_grid = x >= 6 && x < 38 && y >= 4 && y < 20;
            const bool frame = in_grid && (cx < 3 || cx >= 13 || cy < 3 || cy >= 13);
            ASSERT_EQ(dmd.At(x, y), frame ? 0u : shown.At(x, y)) << x << "," << y;
        }
    }
    int pen_width = 0;
    Rt().GetCtrlAttribute(Panel(), kDmdCanvas, Attr::PenWidth, &pen_width);
    EXPECT_EQ(pen_width, 1);

    // Once complete, exactly the grid is black.
    for (int step = 0; step < 3; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_EQ(State(), 1);
    dmd = Dmd();
    for (int y = 0; y < kPanelHeight; ++y) {
        for (int x = 0; x < kPanelWidth; ++x) {
            const bool in_grid = x >= 6 && x < 38 && y >= 4 && y < 20;
            ASSERT_EQ(dmd.At(x, y), in_grid ? 0u : shown.At(x, y)) << x << "," << y;
        }
    }
}

TEST_F(SquareFadeTest, GoldenFadingInAndOut) {
    Load(0, TestPicture(96, 64));
    Rt().CanvasClear(Panel(), kDmdCanvas, platform::kWholeArea);
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(8, 8, 0, 16, 1.5, 3, 1), 0);
    for (int step = 0; step < 6; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    const platform::Rect area = MakeRect(0, 0, 112, 160);
    EXPECT_MATCHES_GOLDEN(CopyRect(Dmd(), area), "effects/square_fade_in_step_6");

    for (int step = 0; step < 8; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    ASSERT_EQ(Fade().SetBitmapSquareFadeAttr(8, 8, 0, 16, 1.5, 4, 0), 0);
    for (int step = 0; step < 5; ++step)
        ASSERT_EQ(Fade().ShowBitmapSquareFadeNextStep(), 0);
    EXPECT_MATCHES_GOLDEN(CopyRect(Dmd(), area), "effects/square_fade_out_step_5");
}

}  // namespace
}  // namespace tov::testing
