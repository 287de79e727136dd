#include "panels/led_board.h"

#include "engine/engine.h"
#include "panels/aux_panel.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;

namespace {

constexpr int kCanvas = platform::led_board_panel::kCanvas;

// The control of a lamp number, or 0 for a number outside 1..12.
int ControlOfLamp(int lamp) {
    if (lamp < 1 || lamp > LedBoard::kLamps) return 0;
    return LedBoard::LampControl[static_cast<size_t>(lamp - 1)];
}

}  // namespace

int LedBoard::InstallBHGPanel(int16_t _BHGPanelXPos, int16_t _BHGPanelYPos, int16_t _BHGPanelWidth,
                              int16_t _BHGPanelHeight, std::string_view _BHGBitmapFileName) {
    platform::Runtime& rt = engine_.Runtime();
    ReloadPanel(engine_, &BHGPanelHandle, platform::kPrivatePanelFile,
                platform::private_panels::kLedBoardPanel);
    PlacePanel(engine_, BHGPanelHandle, _BHGPanelXPos, _BHGPanelYPos, _BHGPanelWidth,
               _BHGPanelHeight);
    if (LoadPanelPicture(engine_, "InstallBHGPanel", _BHGBitmapFileName, &BHGBitmapID) < 0) {
        return -1;
    }

    FillPanel(engine_, BHGPanelHandle, kCanvas, _BHGPanelWidth, _BHGPanelHeight);
    rt.CanvasDrawBitmap(BHGPanelHandle, kCanvas, BHGBitmapID, platform::kWholeArea,
                        platform::kWholeArea);
    rt.DisplayPanel(BHGPanelHandle);
    LockPanelWindow(engine_, BHGPanelHandle);
    return 0;
}

int LedBoard::SetBHGLEDAttr(int16_t _BHGLEDIndex, int16_t _BHGLEDXPos, int16_t _BHGLEDYPos,
                            int16_t _BHGLEDDiameter, int16_t _BHGLEDTextXPos,
                            int16_t _BHGLEDTextYPos, int16_t _BHGLEDTextFontSize) {
    const int lamp = ControlOfLamp(_BHGLEDIndex);
    if (lamp == 0) return 0;
    platform::Runtime& rt = engine_.Runtime();
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::Left, _BHGLEDXPos);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::Top, _BHGLEDYPos);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::Width, _BHGLEDDiameter);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::Height, _BHGLEDDiameter);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::LabelPointSize, _BHGLEDTextFontSize);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::LabelLeft, _BHGLEDTextXPos);
    rt.SetCtrlAttribute(BHGPanelHandle, lamp, Attr::LabelTop, _BHGLEDTextYPos);
    return 0;
}

int LedBoard::SwitchBHGLED(int16_t _BHGLEDIndex, int16_t _BHGLEDState) {
    const int lamp = ControlOfLamp(_BHGLEDIndex);
    if (lamp == 0) return 0;
    engine_.Runtime().SetCtrlVal(BHGPanelHandle, lamp, static_cast<double>(_BHGLEDState));
    return 0;
}

int LedBoard::DiscardBHGPanel() {
    DiscardPanelAndPicture(engine_, BHGPanelHandle, &BHGBitmapID);
    return 0;
}

}  // namespace tov
