#include "panels/simple_panels.h"

#include <cmath>
#include <string>

#include "engine/engine.h"
#include "panels/aux_panel.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;

bool SimplePanels::CheckNumber(std::string_view member, int number) {
    if (number >= 0 && number < kPanels) return true;
    engine_.Report(ReportTitle::FatalError,
                   "CVI-function '" + std::string(member) +
                       "': argument '_SimplePanelNumber' out of range (must be 0..7)");
    return false;
}

DmdLayout SimplePanels::Layout(int n) const {
    return DmdLayout{SimplePanelDMDXPos[n],          SimplePanelDMDYPos[n],
                     SimplePanelDMDXZoom[n],         SimplePanelDMDYZoom[n],
                     SimplePanelDMDBitmapIDIndex[n], SimplePanelDMDZerosYN[n] != 0,
                     SimplePanelDMDCommasYN[n] == 1};
}

DmdCanvas SimplePanels::Canvas(int n) const {
    return DmdCanvas{SimplePanelHandle[n], SimplePanelCanvasDescriptor[n]};
}

int SimplePanels::InstallSimplePanel(int16_t _SimplePanelNumber, uint8_t _SimplePanelFrameYN,
                                     int16_t _SimplePanelXPos, int16_t _SimplePanelYPos,
                                     int16_t _SimplePanelWidth, int16_t _SimplePanelHeight) {
    if (!CheckNumber("InstallSimplePanel", _SimplePanelNumber)) return -1;
    const int n = _SimplePanelNumber;
    platform::Runtime& rt = engine_.Runtime();
    // Relative file names start from the folder current at the latest install of any panel
    // that records it.
    engine_.MainPanel().loadedVPTDir = rt.GetDir();
    ReloadPanel(engine_, &SimplePanelHandle[n], platform::kPublicPanelFile,
                SimplePanelDescriptor[n]);
    const int panel = SimplePanelHandle[n];
    PlacePanel(engine_, panel, _SimplePanelXPos, _SimplePanelYPos, _SimplePanelWidth,
               _SimplePanelHeight);
    rt.SetPanelAttribute(panel, Attr::FrameVisible, _SimplePanelFrameYN == 1 ? 1 : 0);
    rt.SetCtrlAttribute(panel, SimplePanelCanvasDescriptor[n], Attr::PictureBgColor,
                        platform::kBlack);
    FillPanel(engine_, panel, SimplePanelCanvasDescriptor[n], _SimplePanelWidth,
              _SimplePanelHeight);
    rt.DisplayPanel(panel);
    return 0;
}

int SimplePanels::DiscardSimplePanel(int16_t _SimplePanelNumber) {
    if (!CheckNumber("DiscardSimplePanel", _SimplePanelNumber)) return -1;
    engine_.Runtime().DiscardPanel(SimplePanelHandle[_SimplePanelNumber]);
    return 0;
}

int SimplePanels::SetSimplePanelDMDAttr(int16_t _SimplePanelNumber, int16_t _SimplePanelDMDXPos,
                                        int16_t _SimplePanelDMDYPos, double _SimplePanelDMDXZoom,
                                        double _SimplePanelDMDYZoom,
                                        int16_t _SimplePanelDMDBitmapIDIndex,
                                        int16_t _SimplePanelDMDZerosYN,
                                        int16_t _SimplePanelDMDCommasYN) {
    if (!CheckNumber("SetSimplePanelDMDAttr", _SimplePanelNumber)) return -1;
    const int n = _SimplePanelNumber;
    SimplePanelDMDXPos[n] = _SimplePanelDMDXPos;
    SimplePanelDMDYPos[n] = _SimplePanelDMDYPos;
    SimplePanelDMDXZoom[n] = _SimplePanelDMDXZoom;
    SimplePanelDMDYZoom[n] = _SimplePanelDMDYZoom;
    SimplePanelDMDBitmapIDIndex[n] = _SimplePanelDMDBitmapIDIndex;
    SimplePanelDMDZerosYN[n] = _SimplePanelDMDZerosYN;
    SimplePanelDMDCommasYN[n] = _SimplePanelDMDCommasYN;
    return 0;
}

int SimplePanels::ShowSimplePanelDMDNumeric(int16_t _SimplePanelNumber,
                                            double _SimplePanelDMDValue) {
    if (!CheckNumber("ShowSimplePanelDMDNumeric", _SimplePanelNumber)) return -1;
    const double v = _SimplePanelDMDValue;
    if (std::isnan(v) || v < 0 || v > static_cast<double>(Dmd::kMaxNumber)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ShowSimplePanelDMDNumeric': argument "
                              "'_SimplePanelDMDValue' out of range (must be 0..9999999999)");
    }
    // Within 0..9999999999 the value always rounds into the field.
    const int n = _SimplePanelNumber;
    engine_.Dmd().DrawNumeric(Layout(n), Canvas(n), *Dmd::RoundToField(v));
    return 0;
}

int SimplePanels::ShowSimplePanelDMDText(int16_t _SimplePanelNumber,
                                         std::string_view _SimplePanelDMDText) {
    if (!CheckNumber("ShowSimplePanelDMDText", _SimplePanelNumber)) return -1;
    const int n = _SimplePanelNumber;
    engine_.Dmd().DrawText(Layout(n), Canvas(n), _SimplePanelDMDText);
    return 0;
}

int SimplePanels::SimplePanelClearArea(int16_t _SimplePanelNumber, int16_t _SimplePanelAreaXPos,
                                       int16_t _SimplePanelAreaYPos, int16_t _SimplePanelAreaWidth,
                                       int16_t _SimplePanelAreaHeight, int32_t _Color) {
    if (!CheckNumber("SimplePanelClearArea", _SimplePanelNumber)) return -1;
    engine_.AreaDrawing().Fill(Canvas(_SimplePanelNumber), _SimplePanelAreaXPos,
                               _SimplePanelAreaYPos, _SimplePanelAreaWidth, _SimplePanelAreaHeight,
                               _Color);
    return 0;
}

int SimplePanels::SimplePanelDrawArea(int16_t _SimplePanelNumber, int16_t _BitmapIDIndex,
                                      int16_t _BitmapSectionXPos, int16_t _BitmapSectionYPos,
                                      int16_t _BitmapSectionWidth, int16_t _BitmapSectionHeight,
                                      int16_t _SimplePanelAreaXPos, int16_t _SimplePanelAreaYPos) {
    if (!CheckNumber("SimplePanelDrawArea", _SimplePanelNumber)) return -1;
    engine_.AreaDrawing().Copy(Canvas(_SimplePanelNumber), _BitmapIDIndex, _BitmapSectionXPos,
                               _BitmapSectionYPos, _BitmapSectionWidth, _BitmapSectionHeight,
                               _SimplePanelAreaXPos, _SimplePanelAreaYPos);
    return 0;
}

int SimplePanels::SetSimplePanelUserLock(int16_t _SimplePanelNumber,
                                         uint8_t _SimplePanelUserLockYN) {
    if (!CheckNumber("SetSimplePanelUserLock", _SimplePanelNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    int window = 0;
    engine_.status = rt.GetPanelAttribute(SimplePanelHandle[_SimplePanelNumber],
                                          Attr::SystemWindowHandle, &window);
    if (engine_.status != 0) {
        return engine_.Report(
            ReportTitle::Warning,
            "CVI-function 'SetSimplePanelUserLock' failed. First call 'InstallSimplePanel'");
    }
    engine_.HWNDHandle = window;
    if (_SimplePanelUserLockYN == 1) rt.EnableWindow(engine_.HWNDHandle, false);
    if (_SimplePanelUserLockYN == 0) rt.EnableWindow(engine_.HWNDHandle, true);
    return 0;
}

}  // namespace tov
