#include "effects/rotating_pic.h"

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

int RotatingPic::SetRotatingPicAttr(int16_t _RotatingPicFrontBitmapIDIndex,
                                    int16_t _RotatingPicBackBitmapIDIndex,
                                    int16_t _RotatingPicXCenterPos, int16_t _RotatingPicYCenterPos,
                                    double _RotatingPicXZoom, double _RotatingPicYZoom,
                                    int16_t _RotatingPicRotationAxis) {
    const tov::MainPanel& panel = engine_.MainPanel();
    RotatingPicFrontBitmapIDIndex = _RotatingPicFrontBitmapIDIndex;
    RotatingPicBackBitmapIDIndex = _RotatingPicBackBitmapIDIndex;
    RotatingPicXCenterPos = _RotatingPicXCenterPos == -1
                                ? static_cast<int16_t>(panel.PanelWidth / 2)
                                : _RotatingPicXCenterPos;
    RotatingPicYCenterPos = _RotatingPicYCenterPos == -1
                                ? static_cast<int16_t>(panel.PanelHeight / 2)
                                : _RotatingPicYCenterPos;
    RotatingPicXZoom = _RotatingPicXZoom;
    RotatingPicYZoom = _RotatingPicYZoom;
    RotatingPicRotationAxis = _RotatingPicRotationAxis;
    return 0;
}

int RotatingPic::ShowRotatingPicStep(int16_t _RotatingPicStep) {
    const int s = _RotatingPicStep;
    if (s < 0 || s >= kSteps) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ShowRotatingPicStep': argument 'PixelPicStep' out "
                              "of range (must be 0..319)");
    }
    const bool front = s < kSideSteps;
    const int u = front ? s : s - kSideSteps;
    const SlotPicture picture =
        PictureOfSlot(engine_.BitmapSelection(),
                      front ? RotatingPicFrontBitmapIDIndex : RotatingPicBackBitmapIDIndex);
    if (picture.bitmap == 0) return 0;

    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    rt.SetCtrlBitmap(handle, ids::kXyzCanvas, picture.bitmap);

    const int p = Percent(u);
    const double w = picture.width;
    const double h = picture.height;
    const double xc = RotatingPicXCenterPos;
    const double yc = RotatingPicYCenterPos;
    const double xzoom = RotatingPicXZoom;
    const double yzoom = RotatingPicYZoom;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    if (RotatingPicRotationAxis == 0) {
        top = TruncToInt16(yc - h * yzoom * p / 200);
        left = TruncToInt16(xc - w * xzoom / 2);
        width = TruncToInt16(w * xzoom);
        height = TruncToInt16(h * p * yzoom / 100);
    } else if (RotatingPicRotationAxis == 1) {
        top = TruncToInt16(yc - h * yzoom / 2);
        left = TruncToInt16(xc - w * xzoom * p / 200);
        width = TruncToInt16(w * p * xzoom / 100);
        height = TruncToInt16(h * yzoom);
    } else {
        return 0;
    }
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Top, top);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Left, left);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Width, width);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Height, height);
    return 0;
}

}  // namespace tov
