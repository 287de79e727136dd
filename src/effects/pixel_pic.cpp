#include "effects/pixel_pic.h"

#include <algorithm>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

namespace {
// Runs of (passes, number of steps) from the slowest to the fastest part of the dissolve.
constexpr std::array<std::array<int, 2>, 15> kPassRuns = {{{5, 14},
                                                           {6, 11},
                                                           {7, 8},
                                                           {8, 8},
                                                           {9, 8},
                                                           {10, 8},
                                                           {11, 8},
                                                           {12, 7},
                                                           {13, 7},
                                                           {14, 6},
                                                           {15, 5},
                                                           {16, 4},
                                                           {17, 3},
                                                           {18, 2},
                                                           {19, 1}}};

constexpr std::array<int16_t, PixelPic::kSteps> MakeAmountPixelField() {
    std::array<int16_t, PixelPic::kSteps> field{};
    size_t step = 0;
    for (const auto& [passes, steps] : kPassRuns) {
        for (int n = 0; n < steps; ++n)
            field[step++] = static_cast<int16_t>(passes);
    }
    return field;
}

constexpr int SumOf(const std::array<int16_t, PixelPic::kSteps>& field) {
    int sum = 0;
    for (int16_t passes : field)
        sum += passes;
    return sum;
}
}  // namespace

const std::array<int16_t, PixelPic::kSteps> PixelPic::AmountPixelField = MakeAmountPixelField();
static_assert(SumOf(MakeAmountPixelField()) == PixelPic::kPasses,
              "the steps together make every pass once");

int PixelPic::SetPixelPicAttr(int16_t _PixelPicXPos, int16_t _PixelPicYPos, double _PixelPicXZoom,
                              double _PixelPicYZoom, int16_t _PixelPicBitmapIDIndex,
                              int16_t _PixelPicFadeInOut) {
    PixelPicXZoom = _PixelPicXZoom;
    PixelPicYZoom = _PixelPicYZoom;
    PixelPicBitmapIDIndex = _PixelPicBitmapIDIndex;
    PixelPicFadeInOut = _PixelPicFadeInOut;

    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), PixelPicBitmapIDIndex);
    const MainPanel& main = engine_.MainPanel();
    PixelPicXPos = PositionOrCentred(_PixelPicXPos, main.PanelWidth, picture.width * PixelPicXZoom);
    PixelPicYPos =
        PositionOrCentred(_PixelPicYPos, main.PanelHeight, picture.height * PixelPicYZoom);

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    const int canvas_width = TruncToInt(picture.width * PixelPicXZoom);
    const int canvas_height = TruncToInt(picture.height * PixelPicYZoom);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, canvas_width);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, canvas_height);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, PixelPicXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, PixelPicYPos);

    const platform::Rect canvas = MakeRect(0, 0, canvas_height, canvas_width);
    if (PixelPicFadeInOut == 0) {
        rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, picture.bitmap, platform::kWholeArea,
                            canvas);
    } else if (PixelPicFadeInOut == 1) {
        rt.CanvasClear(panel, ids::kEffectCanvas, canvas);
    }

    PixelPicAmountPixelDrawnOf1000 = 0;
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::PenWidth, 1);
    return 0;
}

int PixelPic::ShowPixelPicStep(int16_t _PixelPicStep) {
    if (_PixelPicStep < 0 || _PixelPicStep > kSteps - 1) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'DrawPixelPicStep': argument 'PixelPicStep' out of "
                              "range (must be 0..99)");
    }
    const int passes =
        AmountPixelField[PixelPicFadeInOut == 0 ? kSteps - 1 - _PixelPicStep : _PixelPicStep];
    const int block_width = CeilToInt(PixelPicXZoom);
    const int block_height = CeilToInt(PixelPicYZoom);

    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), PixelPicBitmapIDIndex);
    const int w = picture.width;
    const int64_t pixels =
        w > 0 && picture.height > 0
            ? std::min<int64_t>(static_cast<int64_t>(w) * picture.height, kMaxPixels)
            : 0;
    // A block of no size is nothing, and -1 must not reach the far edge of the canvas.
    const bool draws = pixels > 0 && block_width > 0 && block_height > 0;
    const std::array<int16_t, MainPanel::kPixels>& order = engine_.MainPanel().Pixel;

    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    rt.CanvasStartBatchDraw(panel, ids::kEffectCanvas);
    blocks_.clear();
    pieces_.clear();
    if (draws && (placed_.width != w || placed_.height != picture.height ||
                  placed_.x_zoom != PixelPicXZoom || placed_.y_zoom != PixelPicYZoom)) {
        // Rows beyond the last drawn pixel number are never looked up.
        const int rows = static_cast<int>(std::min<int64_t>(picture.height, (pixels + w - 1) / w));
        column_left_.resize(static_cast<size_t>(w));
        for (int x = 0; x < w; ++x)
            column_left_[static_cast<size_t>(x)] = TruncToInt(x * PixelPicXZoom);
        row_top_.resize(static_cast<size_t>(rows));
        for (int y = 0; y < rows; ++y)
            row_top_[static_cast<size_t>(y)] = TruncToInt(y * PixelPicYZoom);
        placed_ = {w, picture.height, PixelPicXZoom, PixelPicYZoom};
    }
    // A pass steps kPasses pixel numbers at a time: kPasses / w rows and kPasses % w columns,
    // carried into the next row as the column passes the width. No division per pixel.
    const int row_step = w > 0 ? kPasses / w : 0;
    const int column_step = w > 0 ? kPasses % w : 0;
    for (int n = 0; n < passes && PixelPicAmountPixelDrawnOf1000 < kPasses; ++n) {
        const int k = PixelPicAmountPixelDrawnOf1000;
        const int first = order[static_cast<size_t>(std::max(k, 0))] - 1;
        int x = draws && first >= 0 ? first % w : 0;
        int y = draws && first >= 0 ? first / w : 0;
        for (int64_t i = first; draws && first >= 0 && i < pixels; i += kPasses) {
            const platform::Rect block =
                MakeRect(row_top_[static_cast<size_t>(y)], column_left_[static_cast<size_t>(x)],
                         block_height, block_width);
            if (PixelPicFadeInOut == 0) {
                blocks_.push_back(block);
            } else {
                pieces_.push_back({MakeRect(y, x, 1, 1), block});
            }
            x += column_step;
            y += row_step;
            if (x >= w) {
                x -= w;
                ++y;
            }
        }
        PixelPicAmountPixelDrawnOf1000 = static_cast<int16_t>(k + 1);
    }
    if (!blocks_.empty()) {
        rt.CanvasDrawRects(panel, ids::kEffectCanvas, blocks_, platform::DrawMode::Interior);
    }
    if (!pieces_.empty()) {
        rt.CanvasDrawBitmapPieces(panel, ids::kEffectCanvas, picture.bitmap, pieces_);
    }
    rt.CanvasEndBatchDraw(panel, ids::kEffectCanvas);
    return 0;
}

}  // namespace tov
