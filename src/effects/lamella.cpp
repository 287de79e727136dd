#include "effects/lamella.h"

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

namespace {
bool IsLamellaAngle(int angle) {
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}
}  // namespace

int Lamella::SetLamellaAttr(int16_t _LamellaBitmapIDIndex, int16_t _LamellaXPos,
                            int16_t _LamellaYPos, double _LamellaXZoom, double _LamellaYZoom,
                            int16_t _LamellaDistance, int16_t _LamellaFadeInOut,
                            int16_t _LamellaAngle) {
    LamellaBitmapIDIndex = _LamellaBitmapIDIndex;
    LamellaXZoom = _LamellaXZoom;
    LamellaYZoom = _LamellaYZoom;
    LamellaDistance = _LamellaDistance;
    LamellaFadeInOut = _LamellaFadeInOut;
    LamellaAngle = _LamellaAngle;

    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), LamellaBitmapIDIndex);
    const MainPanel& main = engine_.MainPanel();
    LamellaXPos = PositionOrCentred(_LamellaXPos, main.PanelWidth, picture.width * LamellaXZoom);
    LamellaYPos = PositionOrCentred(_LamellaYPos, main.PanelHeight, picture.height * LamellaYZoom);

    if (!IsLamellaAngle(LamellaAngle)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetLamellaAttr': argument '_LamellaAngle' out of "
                              "range (must be 0, 90, 180 or 270)");
    }

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    const int16_t canvas_width = TruncToInt16(picture.width * LamellaXZoom);
    const int16_t canvas_height = TruncToInt16(picture.height * LamellaYZoom);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, canvas_width);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, canvas_height);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, LamellaXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, LamellaYPos);

    const platform::Rect canvas = MakeRect(0, 0, canvas_height, canvas_width);
    if (LamellaFadeInOut == 1) {
        rt.CanvasClear(panel, ids::kEffectCanvas, canvas);
    } else {
        rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, picture.bitmap,
                            MakeRect(0, 0, picture.height, picture.width), canvas);
    }
    return 0;
}

int Lamella::ShowLamellaStep(int16_t _LamellaThickness) {
    const SlotPicture picture = PictureOfSlot(engine_.BitmapSelection(), LamellaBitmapIDIndex);
    const int w = picture.width;
    const int h = picture.height;
    const int d = LamellaDistance;
    // Without a spacing the strips would never advance, and without a picture there is nothing
    // to cut into strips.
    if (d <= 0 || picture.bitmap == 0 || !IsLamellaAngle(LamellaAngle)) return 0;

    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const bool across_width = LamellaAngle == 0 || LamellaAngle == 180;
    const int extent = across_width ? w : h;
    const int16_t zoomed_width = TruncToInt16(w * LamellaXZoom);
    const int16_t zoomed_height = TruncToInt16(h * LamellaYZoom);

    for (int start = 0; start < extent; start += d) {
        // The last strip is cut at the picture's edge.
        const int t = start + _LamellaThickness > extent ? extent - start : _LamellaThickness;
        // A strip of no thickness is nothing; -1 must not reach the far edge of the picture.
        if (t <= 0) break;
        platform::Rect source;
        platform::Rect destination;
        switch (LamellaAngle) {
            case 0:
                source = MakeRect(0, start, h, t);
                destination = MakeRect(0, TruncToInt16(start * LamellaXZoom), zoomed_height,
                                       TruncToInt16(t * LamellaXZoom));
                break;
            case 180:
                source = MakeRect(0, w - start - t, h, t);
                destination = MakeRect(0, TruncToInt16((w - start - t) * LamellaXZoom),
                                       zoomed_height, TruncToInt16(t * LamellaXZoom));
                break;
            case 90:
                source = MakeRect(h - start - t, 0, t, w);
                destination = MakeRect(TruncToInt16((h - start - t) * LamellaYZoom), 0,
                                       TruncToInt16(t * LamellaYZoom), zoomed_width);
                break;
            default:  // 270
                source = MakeRect(start, 0, t, w);
                destination = MakeRect(TruncToInt16(start * LamellaYZoom), 0,
                                       TruncToInt16(t * LamellaYZoom), zoomed_width);
                break;
        }
        if (destination.width <= 0 || destination.height <= 0) continue;
        if (LamellaFadeInOut == 1) {
            rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, picture.bitmap, source, destination);
        } else {
            rt.CanvasDrawRect(panel, ids::kEffectCanvas, destination, platform::DrawMode::Interior);
        }
    }
    return 0;
}

}  // namespace tov
