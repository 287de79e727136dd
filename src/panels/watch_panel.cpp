#include "panels/watch_panel.h"

#include <cmath>

#include "engine/engine.h"
#include "panels/aux_panel.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::kWholeArea;

namespace {
constexpr double kPi = 3.141592653589793;
constexpr int kCanvas = platform::watch_panel::kCanvas;
}  // namespace

int WatchPanel::InstallWatchPanel(int16_t _WatchPanelXPos, int16_t _WatchPanelYPos,
                                  int16_t _WatchPanelWidth, int16_t _WatchPanelHeight,
                                  uint8_t _WatchPanelFrameVisibility, int16_t _WatchHandXCenter,
                                  int16_t _WatchHandYCenter, int16_t _WatchHrsHandLength,
                                  int16_t _WatchMinHandLength, int16_t _WatchSecHandLength,
                                  int32_t _WatchHrsMinHandColor, int32_t _WatchSecHandColor,
                                  int16_t _WatchHrsMinHandWidth, int16_t _WatchSecHandWidth,
                                  std::string_view _WatchBitmapFileName) {
    platform::Runtime& rt = engine_.Runtime();
    ReloadPanel(engine_, &WatchPanelHandle, platform::kPrivatePanelFile,
                platform::private_panels::kWatchPanel);
    PlacePanel(engine_, WatchPanelHandle, _WatchPanelXPos, _WatchPanelYPos, _WatchPanelWidth,
               _WatchPanelHeight);
    if (LoadPanelPicture(engine_, "InstallWatchPanel", _WatchBitmapFileName, &WatchBitmapID) < 0) {
        return -1;
    }

    rt.SetPanelAttribute(WatchPanelHandle, Attr::FrameVisible,
                         _WatchPanelFrameVisibility == 1 ? 1 : 0);
    FillPanel(engine_, WatchPanelHandle, kCanvas, _WatchPanelWidth, _WatchPanelHeight);
    DrawDial();
    rt.DisplayPanel(WatchPanelHandle);

    WatchHrsHandLength = _WatchHrsHandLength;
    WatchMinHandLength = _WatchMinHandLength;
    WatchSecHandLength = _WatchSecHandLength;
    WatchHrsMinHandColor = _WatchHrsMinHandColor;
    WatchSecHandColor = _WatchSecHandColor;
    WatchHrsMinHandWidth = _WatchHrsMinHandWidth;
    WatchSecHandWidth = _WatchSecHandWidth;
    WatchCenterPoint = platform::MakePoint(_WatchHandXCenter, _WatchHandYCenter);

    LockPanelWindow(engine_, WatchPanelHandle);
    return 0;
}

int WatchPanel::SetWatchTime(int16_t _hour, int16_t _minutes, int16_t _seconds) {
    DrawDial();
    // The hour hand moves on with the minutes: half a degree per minute.
    if (WatchHrsHandLength > 0) {
        SetPen(WatchHrsMinHandColor, WatchHrsMinHandWidth);
        DrawHand(WatchHrsHandLength, 30 * _hour + 0.5 * _minutes);
    }
    if (WatchMinHandLength > 0) {
        SetPen(WatchHrsMinHandColor, WatchHrsMinHandWidth);
        DrawHand(WatchMinHandLength, 6 * _minutes);
    }
    if (WatchSecHandLength > 0) {
        SetPen(WatchSecHandColor, WatchSecHandWidth);
        DrawHand(WatchSecHandLength, 6 * _seconds);
    }
    return 0;
}

int WatchPanel::DiscardWatchPanel() {
    DiscardPanelAndPicture(engine_, WatchPanelHandle, &WatchBitmapID);
    return 0;
}

void WatchPanel::DrawDial() {
    engine_.Runtime().CanvasDrawBitmap(WatchPanelHandle, kCanvas, WatchBitmapID, kWholeArea,
                                       kWholeArea);
}

void WatchPanel::SetPen(int32_t color, int width) {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetCtrlAttribute(WatchPanelHandle, kCanvas, Attr::PenColor, color);
    rt.SetCtrlAttribute(WatchPanelHandle, kCanvas, Attr::PenWidth, width);
}

void WatchPanel::DrawHand(int length, double degrees) {
    // With y growing downwards, cos(90 - a) and sin(270 - a) give the clockwise hand that points
    // up at a = 0. The end point is truncated towards zero.
    const platform::Point center = WatchCenterPoint;
    const double x = center.x + length * std::cos((90 - degrees) * kPi / 180);
    const double y = center.y + length * std::sin((270 - degrees) * kPi / 180);
    engine_.Runtime().CanvasDrawLine(WatchPanelHandle, kCanvas, center,
                                     platform::MakePoint(static_cast<int>(x), static_cast<int>(y)));
}

}  // namespace tov
