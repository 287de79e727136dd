#include "effects/frame_anim.h"

#include <string>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

int FrameAnim::ReportBadIndex(const char* member) {
    return engine_.Report(ReportTitle::FatalError,
                          std::string("CVI-function '") + member +
                              "': argument '_FrameAnimIndex' out of range (must be 0..499)");
}

int FrameAnim::GenerateFrameAnim(int16_t _FrameAnimIndex, int16_t _FrameAnimBitmapIDIndex,
                                 int16_t _FrameAnimCanvasWidth, int16_t _FrameAnimCanvasHeight,
                                 int16_t _FrameAnimCanvasXPos, int16_t _FrameAnimCanvasYPos) {
    const int i = _FrameAnimIndex;
    if (!IsAnim(i)) return ReportBadIndex("GenerateFrameAnim");
    if (!BitmapSelection::IsSlot(_FrameAnimBitmapIDIndex)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'GenerateFrameAnim': argument "
                              "'_FrameAnimBitmapIDIndex' out of range (must be 0..499)");
    }
    const tov::MainPanel& panel = engine_.MainPanel();
    FrameAnimBitmapIDIndex[i] = _FrameAnimBitmapIDIndex;
    FrameAnimCanvasWidth[i] = _FrameAnimCanvasWidth;
    FrameAnimCanvasHeight[i] = _FrameAnimCanvasHeight;
    FrameAnimCanvasXPos[i] =
        _FrameAnimCanvasXPos == -1
            ? static_cast<int16_t>((panel.PanelWidth - _FrameAnimCanvasWidth) / 2)
            : _FrameAnimCanvasXPos;
    FrameAnimCanvasYPos[i] =
        _FrameAnimCanvasYPos == -1
            ? static_cast<int16_t>((panel.PanelHeight - _FrameAnimCanvasHeight) / 2)
            : _FrameAnimCanvasYPos;
    return 0;
}

int FrameAnim::PrepareFrameAnim(int16_t _FrameAnimIndex) {
    const int i = _FrameAnimIndex;
    if (!IsAnim(i)) return ReportBadIndex("PrepareFrameAnim");
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    rt.SetCtrlAttribute(panel.PanelHandle, ids::kEffectCanvas, Attr::Left, panel.PanelWidth);
    rt.SetCtrlAttribute(panel.PanelHandle, ids::kEffectCanvas, Attr::Width,
                        static_cast<int>(FrameAnimCanvasWidth[i]));
    rt.SetCtrlAttribute(panel.PanelHandle, ids::kEffectCanvas, Attr::Height,
                        static_cast<int>(FrameAnimCanvasHeight[i]));
    return 0;
}

int FrameAnim::ShowFrameAnimFrame(int16_t _FrameAnimIndex, int16_t _FrameAnimFrameNumber) {
    const int i = _FrameAnimIndex;
    if (!IsAnim(i)) return ReportBadIndex("ShowFrameAnimFrame");
    const tov::BitmapSelection& selection = engine_.BitmapSelection();
    const int b = FrameAnimBitmapIDIndex[i];  // a slot, checked when it was stored
    const int per_row = selection.BitmapFramesPerRow[b];
    if (per_row <= 0) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ShowFrameAnimFrame': the bitmap of selection slot " +
                                  std::to_string(b) + " holds no frames");
    }
    const int n = _FrameAnimFrameNumber;
    const int frame_width = selection.BitmapFrameWidth[b];
    const int frame_height = selection.BitmapFrameHeight[b];
    const platform::Rect source = platform::MakeRect(
        frame_height * (n / per_row), frame_width * (n % per_row), frame_height, frame_width);

    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    rt.SetCtrlAttribute(handle, ids::kEffectCanvas, Attr::Left,
                        static_cast<int>(FrameAnimCanvasXPos[i]));
    rt.SetCtrlAttribute(handle, ids::kEffectCanvas, Attr::Top,
                        static_cast<int>(FrameAnimCanvasYPos[i]));
    rt.CanvasDrawBitmap(handle, ids::kEffectCanvas, selection.Handle(b), source,
                        platform::MakeRect(0, 0, platform::kKeepSameSize, platform::kKeepSameSize));
    return 0;
}

int FrameAnim::HideFrameAnim() {
    return engine_.MainPanel().ParkControl(ids::kEffectCanvas);
}

}  // namespace tov
