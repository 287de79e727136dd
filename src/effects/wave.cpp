#include "effects/wave.h"

#include <algorithm>
#include <cmath>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

namespace {
constexpr double kTwoPi = 6.283185307179586;

// The source rows of the band that lie in a picture of `height` rows: [first, end). A band
// that starts at or below its end has no rows.
struct Band {
    int first = 0;
    int end = 0;
};

Band BandInPicture(int y_start, int y_end, int height) {
    const int first = std::clamp(y_start, 0, std::max(height, 0));
    const int end = std::clamp(y_end, 0, std::max(height, 0));
    return {first, std::max(first, end)};
}
}  // namespace

int Wave::SetWaveAttr(int16_t _WaveBitmapIDIndex, int16_t _WaveXPos, int16_t _WaveYPos,
                      double _WaveXZoom, double _WaveYZoom, int16_t _WaveAmplitude,
                      int16_t _WaveLength, int16_t _WaveYStart, int16_t _WaveYEnd) {
    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), _WaveBitmapIDIndex);
    const int bw = picture.width;
    const int bh = picture.height;

    WaveBitmapIDIndex = _WaveBitmapIDIndex;
    WaveXZoom = _WaveXZoom;
    WaveYZoom = _WaveYZoom;
    WaveAmplitude = _WaveAmplitude;
    WaveLength = _WaveLength;
    WaveAmplitudeAtSet = _WaveAmplitude;
    WaveCanvasWidth = static_cast<int16_t>(bw + _WaveAmplitude);
    WaveYStart = _WaveYStart;
    WaveYEnd = _WaveYEnd;

    const MainPanel& main = engine_.MainPanel();
    WaveXPos = PositionOrCentred(_WaveXPos, main.PanelWidth, WaveCanvasWidth * WaveXZoom);
    WaveYPos = PositionOrCentred(_WaveYPos, main.PanelHeight, bh * WaveYZoom);

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, WaveXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, WaveYPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width,
                        TruncToInt(WaveCanvasWidth * WaveXZoom));
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, TruncToInt(bh * WaveYZoom));
    rt.CanvasClear(panel, ids::kEffectCanvas, platform::kWholeArea);

    // The still rows stand half the swing from the canvas's left edge, in the middle of the
    // room the swinging rows need.
    const Band band = BandInPicture(WaveYStart, WaveYEnd, bh);
    const int still_left = TruncToInt((WaveAmplitude / 2) * WaveXZoom);
    const int still_width = TruncToInt(bw * WaveXZoom);
    if (band.first > 0) {
        rt.CanvasDrawBitmap(
            panel, ids::kEffectCanvas, picture.bitmap, MakeRect(0, 0, band.first, bw),
            MakeRect(0, still_left, TruncToInt(band.first * WaveYZoom), still_width));
    }
    if (band.end < bh) {
        rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, picture.bitmap,
                            MakeRect(band.end, 0, bh - band.end, bw),
                            MakeRect(TruncToInt(band.end * WaveYZoom), still_left,
                                     TruncToInt((bh - band.end) * WaveYZoom), still_width));
    }

    WavePresentStep = 0;
    WaveXPosOffset = 0;
    return 0;
}

int Wave::ShowNextWaveStep() {
    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), WaveBitmapIDIndex);
    const int bw = picture.width;
    const int half = WaveAmplitude / 2;
    const int row_height = CeilToInt(WaveYZoom);
    const int row_width = TruncToInt(bw * WaveXZoom);
    const Band band = BandInPicture(WaveYStart, WaveYEnd, picture.height);

    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    // A row of no size is nothing; -1 must not reach the far edge of the canvas.
    if (row_height > 0 && row_width > 0) {
        rt.CanvasStartBatchDraw(panel, ids::kEffectCanvas);
        for (int y = band.first; y < band.end; ++y) {
            const double sine =
                WaveLength != 0 ? std::sin(kTwoPi * (y + WavePresentStep) / WaveLength) : 0.0;
            const int16_t x = TruncToInt16((sine * half + half + WaveXPosOffset) * WaveXZoom);
            const int16_t top = TruncToInt16(y * WaveYZoom);
            // The canvas left of the row, up to and including the column just before it, and
            // everything right of it to the canvas's edge, whatever the swing.
            if (x > 0) rt.CanvasClear(panel, ids::kEffectCanvas, MakeRect(top, 0, row_height, x));
            rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, picture.bitmap, MakeRect(y, 0, 1, bw),
                                MakeRect(top, x, row_height, row_width));
            rt.CanvasClear(
                panel, ids::kEffectCanvas,
                MakeRect(top, TruncToInt(x + bw * WaveXZoom), row_height, platform::kToFarEdge));
        }
        rt.CanvasEndBatchDraw(panel, ids::kEffectCanvas);
    }

    WavePresentStep = static_cast<int16_t>(WavePresentStep + 1);
    if (WavePresentStep >= WaveLength) WavePresentStep = 0;
    return 0;
}

int Wave::ChangeWaveAmplitude(int16_t _WaveDeltaAmplitude) {
    WaveAmplitude = static_cast<int16_t>(WaveAmplitude + _WaveDeltaAmplitude);
    WaveXPosOffset = static_cast<int16_t>((WaveAmplitudeAtSet - WaveAmplitude) / 2);
    return 0;
}

}  // namespace tov
