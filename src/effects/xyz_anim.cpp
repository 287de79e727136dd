#include "effects/xyz_anim.h"

#include <cmath>
#include <string>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {

constexpr double kPi = 3.141592653589793;

// The way an XY scroll crosses the panel, by its angle: exactly along an axis, or sloped.
enum class Crossing {
    None,  // an angle outside 0 <= a < 360
    Right,
    RightSloped,
    Up,
    UpSloped,
    Left,
    LeftSloped,
    Down,
    DownSloped,
};

// The crossing of angle a on a panel whose diagonal lies at pa degrees: within pa of the
// horizontal the picture crosses from side to side, otherwise from bottom to top or top to
// bottom. The tests run in this order, so on a panel of width 0 (pa = 90) an angle of 90 counts
// as a sloped crossing to the right.
Crossing CrossingOf(double a, double pa) {
    if (a == 0) return Crossing::Right;
    if ((a > 0 && a <= pa) || (a > 360 - pa && a < 360)) return Crossing::RightSloped;
    if ((a > pa && a < 90) || (a > 90 && a <= 180 - pa)) return Crossing::UpSloped;
    if (a == 90) return Crossing::Up;
    if ((a > 180 - pa && a < 180) || (a > 180 && a <= 180 + pa)) return Crossing::LeftSloped;
    if (a == 180) return Crossing::Left;
    if ((a > 180 + pa && a < 270) || (a > 270 && a <= 360 - pa)) return Crossing::DownSloped;
    if (a == 270) return Crossing::Down;
    return Crossing::None;
}

}  // namespace

int XyzAnim::ReportBadIndex(const char* member) {
    return engine_.Report(ReportTitle::FatalError,
                          std::string("CVI-function '") + member +
                              "': argument '_XYZAnimIndex' out of range (must be 0..499)");
}

int XyzAnim::CheckDescription(const char* member, int index, int slot, const char* slot_argument) {
    if (!IsAnim(index)) return ReportBadIndex(member);
    if (!BitmapSelection::IsSlot(slot)) {
        return engine_.Report(ReportTitle::FatalError, std::string("CVI-function '") + member +
                                                           "': argument '" + slot_argument +
                                                           "' out of range (must be 0..499)");
    }
    return 0;
}

int XyzAnim::GenerateXYZAnimXYScrollProc(int16_t _XYZAnimIndex, int16_t _XYZAnimBitmapIDIndex,
                                         double _XYZAnimXYZoom, double _XYZAnimXYAngle) {
    const int i = _XYZAnimIndex;
    if (CheckDescription("GenerateXYZAnimXYScrollProc", i, _XYZAnimBitmapIDIndex,
                         "_XYZAnimBitmapIDIndex") != 0) {
        return -1;
    }
    XYZAnimBitmapIDIndex[i] = _XYZAnimBitmapIDIndex;

    const tov::MainPanel& panel = engine_.MainPanel();
    const tov::BitmapSelection& selection = engine_.BitmapSelection();
    const double pw = panel.PanelWidth;
    const double ph = panel.PanelHeight;
    const double pxc = panel.PanelXCenter;
    const double pyc = panel.PanelYCenter;
    const double z = _XYZAnimXYZoom;
    const double a = _XYZAnimXYAngle;
    const double wz = z * selection.BitmapWidth[_XYZAnimBitmapIDIndex];
    const double hz = z * selection.BitmapHeight[_XYZAnimBitmapIDIndex];
    const double dx = pw + wz;
    const double dy = ph + hz;
    const double cx = (pw - wz) / 2;
    const double cy = (ph - hz) / 2;
    const double t = std::tan(a * kPi / 180);
    const Crossing crossing = CrossingOf(a, panel.PanelAngle);

    for (int s = 0; s <= kScrollLast; ++s) {
        XYZAnimStepWidth[i][s] = TruncToInt(wz);
        XYZAnimStepHeight[i][s] = TruncToInt(hz);
        const double sx = s * dx / kScrollLast;
        const double sy = s * dy / kScrollLast;
        double x = 0;
        double y = 0;
        switch (crossing) {
            case Crossing::None:
                continue;
            case Crossing::Right:
                x = sx - wz;
                y = pyc - hz / 2;
                break;
            case Crossing::RightSloped:
                x = sx - wz;
                y = cy + t * dx / 2 - t * sx;
                break;
            case Crossing::UpSloped:
                x = cx - (dy / 2) / t + sy / t;
                y = ph - sy;
                break;
            case Crossing::Up:
                x = pxc - wz / 2;
                y = ph - sy;
                break;
            case Crossing::LeftSloped:
                x = pw - sx;
                y = cy - t * dx / 2 + t * sx;
                break;
            case Crossing::Left:
                x = pw - sx;
                y = pyc - hz / 2;
                break;
            case Crossing::DownSloped:
                x = cx + (dy / 2) / t - sy / t;
                y = sy - hz;
                break;
            case Crossing::Down:
                x = pxc - wz / 2;
                y = sy - hz;
                break;
        }
        XYZAnimStepXPos[i][s] = TruncToInt(x);
        XYZAnimStepYPos[i][s] = TruncToInt(y);
    }
    return 0;
}

int XyzAnim::GenerateXYZAnimZoomProc(int16_t _XYZAnimIndex, int16_t _XYZAnimBitmapIndex,
                                     double _XYZAnimZZoomMin, double _XYZAnimZZoomMax,
                                     double _XYZAnimZZoomExponent, double _XYZAnimXYAngle,
                                     double _XYZAnimYZMove) {
    const int i = _XYZAnimIndex;
    if (CheckDescription("GenerateXYZAnimZoomProc", i, _XYZAnimBitmapIndex,
                         "_XYZAnimBitmapIndex") != 0) {
        return -1;
    }
    XYZAnimBitmapIDIndex[i] = _XYZAnimBitmapIndex;

    const tov::MainPanel& panel = engine_.MainPanel();
    const tov::BitmapSelection& selection = engine_.BitmapSelection();
    const double w = selection.BitmapWidth[_XYZAnimBitmapIndex];
    const double h = selection.BitmapHeight[_XYZAnimBitmapIndex];
    const double pxc = panel.PanelXCenter;
    const double pyc = panel.PanelYCenter;
    const double m = _XYZAnimZZoomMin;
    const double big_m = _XYZAnimZZoomMax;
    const double d = _XYZAnimYZMove;
    const double cos_a = std::cos(_XYZAnimXYAngle * kPi / 180);
    const double sin_a = std::sin(_XYZAnimXYAngle * kPi / 180);

    for (int s = 0; s < kSteps; ++s) {
        const int k = s <= kZoomLevels ? s : kSteps - 1 - s;
        const double z =
            m + big_m * std::pow(static_cast<double>(k) / kZoomLevels, _XYZAnimZZoomExponent);
        // The centre drifts by D * z / M; a maximum of 0 would make that infinite or not a
        // number, so such a zoom stays centred on the panel.
        const double drift_x = big_m != 0 ? cos_a * d * z / big_m : 0.0;
        const double drift_y = big_m != 0 ? sin_a * d * z / big_m : 0.0;
        XYZAnimStepWidth[i][s] = TruncToInt(z * w);
        XYZAnimStepHeight[i][s] = TruncToInt(z * h);
        XYZAnimStepXPos[i][s] = TruncToInt(pxc - z * w / 2 + drift_x);
        XYZAnimStepYPos[i][s] = TruncToInt(pyc - z * h / 2 - drift_y);
    }
    return 0;
}

int XyzAnim::PrepareXYZAnimProc(int16_t _XYZAnimIndex) {
    const int i = _XYZAnimIndex;
    if (!IsAnim(i)) return ReportBadIndex("PrepareXYZAnimProc");
    const int bitmap = engine_.BitmapSelection().Handle(XYZAnimBitmapIDIndex[i]);
    engine_.Runtime().SetCtrlBitmap(engine_.MainPanel().PanelHandle, ids::kXyzCanvas, bitmap);
    return 0;
}

int XyzAnim::ShowXYZAnimStep(int16_t _XYZAnimIndex, int16_t _XYZAnimStep) {
    const int i = _XYZAnimIndex;
    const int s = _XYZAnimStep;
    if (!IsAnim(i)) return ReportBadIndex("ShowXYZAnimStep");
    if (s < 0 || s >= kSteps) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ShowXYZAnimStep': argument '_XYZAnimStep' out of "
                              "range (must be 0..159)");
    }
    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Left, XYZAnimStepXPos[i][s]);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Top, XYZAnimStepYPos[i][s]);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Width, XYZAnimStepWidth[i][s]);
    rt.SetCtrlAttribute(handle, ids::kXyzCanvas, Attr::Height, XYZAnimStepHeight[i][s]);
    return 0;
}

int XyzAnim::HideXYZAnim() {
    return engine_.MainPanel().ParkControl(ids::kXyzCanvas);
}

}  // namespace tov
