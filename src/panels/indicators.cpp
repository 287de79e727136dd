// Sections: selection; square LEDs; chart; dynamic pictures.
#include "panels/indicators.h"

#include <string>

#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "platform/paths.h"

namespace tov {

using platform::Attr;
namespace ids = platform::extra_panel;

// ---- selection -------------------------------------------------------------------------------

int Indicators::ReportNumber(std::string_view member, std::string_view parameter, int number) {
    return engine_.Report(ReportTitle::FatalError, "CVI-function '" + std::string(member) +
                                                       "': parameter '" + std::string(parameter) +
                                                       "'=" + std::to_string(number) +
                                                       " not valid");
}

bool Indicators::SelectSquareLED(std::string_view member, int16_t number) {
    if (number < 0 || number >= static_cast<int>(SquareLEDDescriptors.size())) {
        ReportNumber(member, "_SquareLEDNumber", number);
        return false;
    }
    SquareLEDDescriptor = SquareLEDDescriptors[static_cast<size_t>(number)];
    return true;
}

bool Indicators::SelectDynPic(std::string_view member, int16_t panel, int16_t number) {
    if (panel != 0 && panel != 1) return true;
    // The main panel's fourth entry names no control: only 0..2 are pictures there.
    const int count = panel == 0 ? static_cast<int>(DynPicPanelDescriptors.size()) - 1
                                 : static_cast<int>(DynPicExtraPanelDescriptors.size());
    if (number < 0 || number >= count) {
        ReportNumber(member, "_DynPicNumber", number);
        return false;
    }
    const auto index = static_cast<size_t>(number);
    if (panel == 0) {
        DynPicPanelHandle = engine_.MainPanel().PanelHandle;
        DynPicDescriptor = DynPicPanelDescriptors[index];
    } else {
        DynPicPanelHandle = engine_.ExtraPanel().ExtraPanelHandle;
        DynPicDescriptor = DynPicExtraPanelDescriptors[index];
    }
    return true;
}

// ---- square LEDs -----------------------------------------------------------------------------

int Indicators::SetSquareLEDAttr(int16_t _SquareLEDNumber, int16_t _SquareLEDXPos,
                                 int16_t _SquareLEDYPos, int16_t _SquareLEDWidth,
                                 int16_t _SquareLEDHeight, std::string_view _SquareLEDTextFontType,
                                 int16_t _SquareLEDTextFontSize, std::string_view _SquareLEDTitle,
                                 int32_t _SquareLEDColorOn, int32_t _SquareLEDColorOff,
                                 int32_t _SquareLEDColorText) {
    if (!SelectSquareLED("SetSquareLEDAttr", _SquareLEDNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int led = SquareLEDDescriptor;
    rt.SetCtrlAttribute(panel, led, Attr::Left, _SquareLEDXPos);
    rt.SetCtrlAttribute(panel, led, Attr::Top, _SquareLEDYPos);
    rt.SetCtrlAttribute(panel, led, Attr::Width, _SquareLEDWidth);
    rt.SetCtrlAttribute(panel, led, Attr::Height, _SquareLEDHeight);
    rt.SetCtrlAttribute(panel, led, Attr::LabelFont, _SquareLEDTextFontType);
    rt.SetCtrlAttribute(panel, led, Attr::LabelPointSize, static_cast<int>(_SquareLEDTextFontSize));
    rt.SetCtrlAttribute(panel, led, Attr::LabelText, _SquareLEDTitle);
    rt.SetCtrlAttribute(panel, led, Attr::OnColor, _SquareLEDColorOn);
    rt.SetCtrlAttribute(panel, led, Attr::OffColor, _SquareLEDColorOff);
    rt.SetCtrlAttribute(panel, led, Attr::LabelColor, _SquareLEDColorText);
    // The title sits in the middle of the square.
    rt.SetCtrlAttribute(panel, led, Attr::LabelLeft, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, led, Attr::LabelTop, platform::kLabelCentred);
    return 0;
}

int Indicators::SetSquareLEDState(int16_t _SquareLEDNumber, int16_t _SquareLEDState) {
    if (!SelectSquareLED("SetSquareLEDState", _SquareLEDNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    switch (_SquareLEDState) {
        case 0:
            rt.SetCtrlAttribute(panel, SquareLEDDescriptor, Attr::Visible, 0);
            break;
        case 1:
        case -1:
            rt.SetCtrlAttribute(panel, SquareLEDDescriptor, Attr::Visible, 1);
            rt.SetCtrlVal(panel, SquareLEDDescriptor, _SquareLEDState == 1 ? 1.0 : 0.0);
            break;
        default:
            break;
    }
    return 0;
}

// ---- chart -----------------------------------------------------------------------------------

int Indicators::SetChartAttr(int16_t _ChartXPos, int16_t _ChartYPos, int16_t _ChartWidth,
                             int16_t _ChartHeight, int16_t _ChartFontSize,
                             int16_t _ChartVisibility) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    rt.ClearStripChart(panel, ids::kChart);
    if (_ChartXPos != kUnchanged) rt.SetCtrlAttribute(panel, ids::kChart, Attr::Left, _ChartXPos);
    if (_ChartYPos != kUnchanged) rt.SetCtrlAttribute(panel, ids::kChart, Attr::Top, _ChartYPos);
    if (_ChartWidth != kUnchanged)
        rt.SetCtrlAttribute(panel, ids::kChart, Attr::Width, _ChartWidth);
    if (_ChartHeight != kUnchanged)
        rt.SetCtrlAttribute(panel, ids::kChart, Attr::Height, _ChartHeight);
    if (_ChartFontSize != kUnchanged) {
        rt.SetCtrlAttribute(panel, ids::kChart, Attr::LabelPointSize,
                            static_cast<int>(_ChartFontSize));
    }
    rt.SetCtrlAttribute(panel, ids::kChart, Attr::Visible, _ChartVisibility != 0 ? 1 : 0);
    return 0;
}

int Indicators::AddChartValue(double _ChartValue, std::string_view _ChartLabelText) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    rt.PlotStripChartPoint(panel, ids::kChart, _ChartValue);
    if (!_ChartLabelText.empty())
        rt.SetCtrlAttribute(panel, ids::kChart, Attr::LabelText, _ChartLabelText);
    return 0;
}

// ---- dynamic pictures ------------------------------------------------------------------------

int Indicators::SetDynPicAttr(int16_t _DynPicPanel, int16_t _DynPicNumber, int16_t _DynPicXPos,
                              int16_t _DynPicYPos, int16_t _DynPicWidth, int16_t _DynPicHeight) {
    if (!SelectDynPic("SetDynPicAttr", _DynPicPanel, _DynPicNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = DynPicPanelHandle;
    const int picture = DynPicDescriptor;
    if (_DynPicXPos != kUnchanged) rt.SetCtrlAttribute(panel, picture, Attr::Left, _DynPicXPos);
    if (_DynPicYPos != kUnchanged) rt.SetCtrlAttribute(panel, picture, Attr::Top, _DynPicYPos);
    if (_DynPicWidth != kUnchanged) rt.SetCtrlAttribute(panel, picture, Attr::Width, _DynPicWidth);
    if (_DynPicHeight != kUnchanged)
        rt.SetCtrlAttribute(panel, picture, Attr::Height, _DynPicHeight);
    return 0;
}

int Indicators::SetDynPicVisibility(int16_t _DynPicPanel, int16_t _DynPicNumber,
                                    int16_t _DynPicVisibility, int16_t _DynPicFrame) {
    if (!SelectDynPic("SetDynPicVisibility", _DynPicPanel, _DynPicNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = DynPicPanelHandle;
    const int picture = DynPicDescriptor;
    // The third argument chooses the image, the fourth how the picture shows.
    rt.SetCtrlVal(panel, picture, _DynPicVisibility);
    switch (_DynPicFrame) {
        case 0:
            rt.SetCtrlAttribute(panel, picture, Attr::Visible, 0);
            break;
        case 1:
        case 2:
            rt.SetCtrlAttribute(panel, picture, Attr::Visible, 1);
            rt.SetCtrlAttribute(panel, picture, Attr::Dimmed, _DynPicFrame == 2 ? 1 : 0);
            break;
        default:
            break;
    }
    return 0;
}

int Indicators::LoadDynPic(int16_t _DynPicPanel, int16_t _DynPicNumber, int16_t _DynPicFrame,
                           std::string_view _DynPicFileName) {
    if (!SelectDynPic("LoadDynPic", _DynPicPanel, _DynPicNumber)) return -1;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = DynPicPanelHandle;
    const int picture = DynPicDescriptor;
    const std::string path = platform::JoinPath(engine_.MainPanel().loadedVPTDir, _DynPicFileName);

    int count = 0;
    rt.GetNumListItems(panel, picture, &count);
    engine_.status = _DynPicFrame < count
                         ? rt.ReplaceListItem(panel, picture, _DynPicFrame, path, _DynPicFrame)
                         : rt.InsertListItem(panel, picture, _DynPicFrame, path, _DynPicFrame);
    switch (engine_.status) {
        case 0:
            break;
        case platform::kUIEListIndexOutOfRange:
            return engine_.Report(ReportTitle::FatalError,
                                  "CVI-function 'LoadDynPic': parameter '_DynPicFrame'=" +
                                      std::to_string(_DynPicFrame) + " not valid");
        case platform::kUIEFileNotFound:
            return engine_.Report(ReportTitle::FatalError,
                                  "CVI-function 'LoadDynPic': File '" + path + "' not found");
        default:
            return engine_.Report(
                ReportTitle::FatalError,
                "CVI-function 'LoadDynPic': return code " + std::to_string(engine_.status));
    }

    // Setting the value again shows a replaced image at once.
    double shown = 0.0;
    if (rt.GetCtrlVal(panel, picture, &shown) == 0 && shown == _DynPicFrame)
        rt.SetCtrlVal(panel, picture, _DynPicFrame);
    return 0;
}

}  // namespace tov
