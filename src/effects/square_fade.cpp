#include "effects/square_fade.h"

#include <limits>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

bool SquareFade::HasGrid() const {
    return SquareDim > 0 && SquareZoom > 0.0 && SquareXSquares >= 0 && SquareYSquares >= 0 &&
           SquareXSquares <= kMaxSquares && SquareYSquares <= kMaxSquares;
}

int SquareFade::SetBitmapSquareFadeAttr(int16_t _SquareXPos, int16_t _SquareYPos,
                                        int16_t _SquareBitmapIDIndex, int16_t _SquareDim,
                                        double _SquareZoom, uint8_t _SquareFadeStyle,
                                        uint8_t _SquareFadeInOut) {
    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), _SquareBitmapIDIndex);
    const MainPanel& main = engine_.MainPanel();
    SquareXPos = PositionOrCentred(_SquareXPos, main.PanelWidth, picture.width * _SquareZoom);
    SquareYPos = PositionOrCentred(_SquareYPos, main.PanelHeight, picture.height * _SquareZoom);
    SquareBitmapIDIndex = _SquareBitmapIDIndex;
    SquareDim = _SquareDim;
    SquareFadeStyle = _SquareFadeStyle;
    SquareFadeInOut = _SquareFadeInOut;
    SquareZoom = _SquareZoom;

    // A cell needs at least one pixel; without one there is no grid to count.
    SquareXSquares = SquareDim > 0 ? static_cast<int16_t>(picture.width / SquareDim) : 0;
    SquareYSquares = SquareDim > 0 ? static_cast<int16_t>(picture.height / SquareDim) : 0;
    if (SquareDim <= 0 || SquareXSquares > kMaxSquares || SquareYSquares > kMaxSquares) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareDim' "
                              "out of range");
    }
    // Cells of no size would draw nothing, and a negative size would reach the far edges.
    if (!(SquareZoom > 0.0)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapSquareFadeAttr': parameter '_SquareZoom' "
                              "out of range");
    }

    BitmapSquareFadeCompletedYN = 0;
    for (int k = 0; k < SquareXSquares; ++k) {
        for (int r = 0; r < SquareYSquares; ++r) {
            int16_t& counter = Square[static_cast<size_t>(k)][static_cast<size_t>(r)];
            switch (SquareFadeStyle) {
                case 1:  // all together
                    counter = 0;
                    break;
                case 2:  // rightmost column first
                    counter = static_cast<int16_t>(k - SquareXSquares + 1);
                    break;
                case 3:  // leftmost column first
                    counter = static_cast<int16_t>(-k);
                    break;
                case 4:  // top row first
                    counter = static_cast<int16_t>(-r);
                    break;
                case 5:  // bottom row first
                    counter = static_cast<int16_t>(r - SquareYSquares + 1);
                    break;
                default:  // the script sets the counters itself
                    break;
            }
        }
    }
    return 0;
}

int SquareFade::SetBitmapSquareValue(uint8_t _SquareXNum, uint8_t _SquareYNum,
                                     int16_t _SquareValue) {
    if (_SquareXNum > kMaxSquares - 1 || _SquareYNum > kMaxSquares - 1) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapSquareValue': parameter '_SquareXNum' or "
                              "'_SquareYNum' out of range");
    }
    Square[_SquareXNum][_SquareYNum] = _SquareValue;
    return 0;
}

int SquareFade::ShowBitmapSquareFadeNextStep() {
    BitmapSquareFadeCompletedYN = 1;
    if (!HasGrid()) return 0;

    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), SquareBitmapIDIndex);
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const int dim = SquareDim;
    const int half = dim / 2;
    const double z = SquareZoom;
    pieces_.clear();
    frames_.clear();

    for (int r = 0; r < SquareYSquares; ++r) {
        for (int k = 0; k < SquareXSquares; ++k) {
            int16_t& counter = Square[static_cast<size_t>(k)][static_cast<size_t>(r)];
            const int v = counter;
            if (v >= 1 && v <= half) {
                if (SquareFadeInOut == 1) {
                    // A centred square of side 2v.
                    const int top = r * dim + half - v;
                    const int left = k * dim + half - v;
                    const int side = TruncToInt(2 * v * z);
                    pieces_.push_back({MakeRect(top, left, 2 * v, 2 * v),
                                       MakeRect(TruncToInt(SquareYPos + top * z),
                                                TruncToInt(SquareXPos + left * z), side, side)});
                } else if (SquareFadeInOut == 0) {
                    // The s-th frame from the cell's border, s source pixels in from it.
                    const int s = half - v + 1;
                    const int side = TruncToInt(2 * s * z);
                    frames_.push_back(MakeRect(TruncToInt(SquareYPos + (r * dim + half - s) * z),
                                               TruncToInt(SquareXPos + (k * dim + half - s) * z),
                                               side, side));
                }
            }
            // A finished cell stays finished: the counter stops at its largest value.
            if (counter < std::numeric_limits<int16_t>::max()) ++counter;
            if (counter <= half) BitmapSquareFadeCompletedYN = 0;
        }
    }
    if (!pieces_.empty()) {
        rt.CanvasDrawBitmapPieces(panel, ids::kDmdCanvas, picture.bitmap, pieces_);
    }
    if (!frames_.empty()) {
        // The pen is black and wide for the frames and narrow again after them, which leaves
        // the canvas as setting it frame by frame would.
        rt.SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::PenColor, platform::kBlack);
        rt.SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::PenWidth, TruncToInt(z + 1));
        rt.CanvasDrawRects(panel, ids::kDmdCanvas, frames_, platform::DrawMode::Outline);
        rt.SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::PenWidth, 1);
    }
    return 0;
}

int SquareFade::get_BitmapSquareFadeState(uint8_t* BitmapSquareFadeState) {
    *BitmapSquareFadeState = BitmapSquareFadeCompletedYN;
    return 0;
}

}  // namespace tov
