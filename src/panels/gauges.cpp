// Sections: shared steps of the attribute members; tank; thermometer; multimeter; clock;
// slide; level thermometer; mission value.
#include "panels/gauges.h"

#include <algorithm>
#include <cstdio>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::extra_panel;

namespace {

// The label left edge the tank, thermometer and level thermometer receive: beside the control,
// 15 pixels right of its right edge.
constexpr int kLabelBesideRight = static_cast<int>(0x8000000Fu);

// x truncated toward zero, as the run-time takes a computed position.
int Truncate(double x) {
    return static_cast<int>(x);
}

}  // namespace

// ---- shared steps of the attribute members ---------------------------------------------------

void Gauges::SetVisibility(int control, int16_t visibility) {
    engine_.Runtime().SetCtrlAttribute(engine_.ExtraPanel().ExtraPanelHandle, control,
                                       Attr::Visible, visibility != 0 ? 1 : 0);
}

void Gauges::SetValue(int control, double value) {
    engine_.Runtime().SetCtrlVal(engine_.ExtraPanel().ExtraPanelHandle, control, value);
}

void Gauges::SetPlace(int control, int16_t x, int16_t y, int16_t width, int16_t height) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    if (x != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::Left, x);
    if (y != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::Top, y);
    if (width != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::Width, width);
    if (height != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::Height, height);
}

void Gauges::SetRange(int control, int16_t minimum, int16_t maximum) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    if (minimum != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::MinValue, minimum);
    if (maximum != kUnchanged) rt.SetCtrlAttribute(panel, control, Attr::MaxValue, maximum);
}

void Gauges::SetFonts(int control, std::string_view font, int16_t size) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    if (!font.empty()) {
        rt.SetCtrlAttribute(panel, control, Attr::TextFont, font);
        rt.SetCtrlAttribute(panel, control, Attr::LabelFont, font);
    }
    if (size != kUnchanged) {
        rt.SetCtrlAttribute(panel, control, Attr::TextPointSize, static_cast<int>(size));
        rt.SetCtrlAttribute(panel, control, Attr::LabelPointSize, static_cast<int>(size));
    }
}

void Gauges::SetTitle(int control, std::string_view title) {
    if (title.empty()) return;
    engine_.Runtime().SetCtrlAttribute(engine_.ExtraPanel().ExtraPanelHandle, control,
                                       Attr::LabelText, title);
}

void Gauges::SetTextColors(int control, int32_t color) {
    if (color == kUnchanged) return;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    rt.SetCtrlAttribute(panel, control, Attr::TextColor, color);
    rt.SetCtrlAttribute(panel, control, Attr::LabelColor, color);
}

void Gauges::SetColor(int control, Attr attr, int32_t color) {
    if (color == kUnchanged) return;
    engine_.Runtime().SetCtrlAttribute(engine_.ExtraPanel().ExtraPanelHandle, control, attr, color);
}

void Gauges::SetColumnAttr(int control, int16_t x, int16_t y, int16_t width, int16_t height,
                           int16_t minimum, int16_t maximum, std::string_view font, int16_t size,
                           std::string_view title, int32_t empty_color, int32_t fill_color,
                           int32_t scale_color) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    SetPlace(control, x, y, width, height);
    SetRange(control, minimum, maximum);
    SetFonts(control, font, size);
    SetTitle(control, title);
    SetColor(control, Attr::EmptyColor, empty_color);
    SetColor(control, Attr::FillColor, fill_color);
    SetTextColors(control, scale_color);
    // Centred on the gauge's height, beside it on its right.
    rt.SetCtrlAttribute(panel, control, Attr::LabelTop, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, control, Attr::LabelLeft, kLabelBesideRight);
}

// ---- tank ------------------------------------------------------------------------------------

int Gauges::SetTankAttr(int16_t _TankXPos, int16_t _TankYPos, int16_t _TankWidth,
                        int16_t _TankHeight, int16_t _TankMinValue, int16_t _TankMaxValue,
                        std::string_view _TankTextFontFype, int16_t _TankTextFontSize,
                        int32_t _TankEmptyColor, int32_t _TankFillColor, int32_t _TankScaleColor) {
    SetColumnAttr(ids::kTank, _TankXPos, _TankYPos, _TankWidth, _TankHeight, _TankMinValue,
                  _TankMaxValue, _TankTextFontFype, _TankTextFontSize, "", _TankEmptyColor,
                  _TankFillColor, _TankScaleColor);
    return 0;
}

int Gauges::SetTankValue(int16_t _TankValue) {
    SetValue(ids::kTank, _TankValue);
    return 0;
}

int Gauges::SetTankVisibility(int16_t _TankVisibility) {
    SetVisibility(ids::kTank, _TankVisibility);
    return 0;
}

// ---- thermometer -----------------------------------------------------------------------------

int Gauges::SetThermometerAttr(int16_t _ThermometerXPos, int16_t _ThermometerYPos,
                               int16_t _ThermometerWidth, int16_t _ThermometerHeight,
                               int16_t _ThermometerMinValue, int16_t _ThermometerMaxValue,
                               std::string_view _ThermometerTextFontType,
                               int16_t _ThermometerTextFontSize, std::string_view _ThermometerTitle,
                               int32_t _ThermometerEmptyColor, int32_t _ThermometerFillColor,
                               int32_t _ThermometerScaleColor) {
    SetColumnAttr(ids::kThermometer, _ThermometerXPos, _ThermometerYPos, _ThermometerWidth,
                  _ThermometerHeight, _ThermometerMinValue, _ThermometerMaxValue,
                  _ThermometerTextFontType, _ThermometerTextFontSize, _ThermometerTitle,
                  _ThermometerEmptyColor, _ThermometerFillColor, _ThermometerScaleColor);
    return 0;
}

int Gauges::SetThermometerValue(int16_t _ThermometerValue) {
    SetValue(ids::kThermometer, _ThermometerValue);
    return 0;
}

int Gauges::SetThermometerVisibility(int16_t _ThermometerVisibility) {
    SetVisibility(ids::kThermometer, _ThermometerVisibility);
    return 0;
}

// ---- multimeter ------------------------------------------------------------------------------

int Gauges::SetMultimeterAttr(int16_t _MultimeterXPos, int16_t _MultimeterYPos,
                              int16_t _MultimeterWidth, int16_t _MultimeterMinValue,
                              int16_t _MultimeterMaxValue, int16_t _MultimeterWarningValue,
                              std::string_view _MultimeterTextFontType,
                              int16_t _MultimeterTextFontSize, int32_t _MultimeterBackColor,
                              int32_t _MultimeterBowColor, int32_t _MultimeterScaleColor,
                              int32_t _MultimeterNeedleColor, int32_t _MultimeterColorLEDOn,
                              int32_t _MultimeterColorLEDOff) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int meter = ids::kMultimeter;
    const int led = ids::kMultimeterWarningLed;
    SetPlace(meter, _MultimeterXPos, _MultimeterYPos, _MultimeterWidth, kUnchanged);
    SetRange(meter, _MultimeterMinValue, _MultimeterMaxValue);

    MultimeterWarningValue = _MultimeterWarningValue;

    SetFonts(meter, _MultimeterTextFontType, _MultimeterTextFontSize);
    SetColor(meter, Attr::FrameColor, _MultimeterBackColor);
    SetColor(meter, Attr::FillColor, _MultimeterBowColor);
    SetTextColors(meter, _MultimeterScaleColor);
    SetColor(meter, Attr::NeedleColor, _MultimeterNeedleColor);

    SetColor(led, Attr::OnColor, _MultimeterColorLEDOn);
    SetColor(led, Attr::OffColor, _MultimeterColorLEDOff);

    int left = 0;
    int top = 0;
    int width = 0;
    rt.GetCtrlAttribute(panel, meter, Attr::Left, &left);
    rt.GetCtrlAttribute(panel, meter, Attr::Top, &top);
    rt.GetCtrlAttribute(panel, meter, Attr::Width, &width);

    // The LED sits inside the dial, left of the scale's start.
    if (MultimeterWarningValue != kNoWarning) {
        rt.SetCtrlAttribute(panel, led, Attr::Left, Truncate(left + 0.1 * width));
        rt.SetCtrlAttribute(panel, led, Attr::Top, Truncate(top + 0.27 * width));
        rt.SetCtrlAttribute(panel, led, Attr::Width, Truncate(0.1 * width));
        rt.SetCtrlAttribute(panel, led, Attr::Height, Truncate(0.1 * width));
    }
    rt.SetCtrlAttribute(panel, meter, Attr::LabelLeft, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, meter, Attr::LabelTop, Truncate(top + 0.188 * width));
    return 0;
}

int Gauges::SetMultimeterValue(int16_t _MultimeterValue) {
    SetValue(ids::kMultimeter, _MultimeterValue);
    if (MultimeterWarningValue != kNoWarning) {
        SetValue(ids::kMultimeterWarningLed, _MultimeterValue <= MultimeterWarningValue ? 1 : 0);
    }
    return 0;
}

int Gauges::SetMultimeterVisibility(int16_t _MultimeterVisibility) {
    SetVisibility(ids::kMultimeter, _MultimeterVisibility);
    SetVisibility(ids::kMultimeterWarningLed,
                  MultimeterWarningValue != kNoWarning && _MultimeterVisibility == 1 ? 1 : 0);
    return 0;
}

// ---- clock -----------------------------------------------------------------------------------

int Gauges::SetClockAttr(int16_t _ClockXPos, int16_t _ClockYPos, int16_t _ClockDiameter,
                         int16_t _ClockMinValue, int16_t _CockMaxValue, int16_t _ClockMinAngle,
                         int16_t _ClockMaxAngle, std::string_view _ClockScaleFontType,
                         int16_t _ClockScaleFontSize, int32_t _ClockNeedleColor,
                         int32_t _ClockFillColor, int32_t _ClockScaleColor,
                         int32_t _ClockBackColor) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int clock = ids::kClock;
    const int disc = ids::kClockDisc;
    SetPlace(clock, _ClockXPos, _ClockYPos, kUnchanged, _ClockDiameter);
    SetRange(clock, _ClockMinValue, _CockMaxValue);
    if (_ClockMinAngle != kUnchanged)
        rt.SetCtrlAttribute(panel, clock, Attr::StartAngle, _ClockMinAngle);
    if (_ClockMaxAngle != kUnchanged)
        rt.SetCtrlAttribute(panel, clock, Attr::EndAngle, _ClockMaxAngle);
    if (!_ClockScaleFontType.empty())
        rt.SetCtrlAttribute(panel, clock, Attr::TextFont, _ClockScaleFontType);
    if (_ClockScaleFontSize != kUnchanged) {
        rt.SetCtrlAttribute(panel, clock, Attr::TextPointSize,
                            static_cast<int>(_ClockScaleFontSize));
    }
    SetColor(clock, Attr::NeedleColor, _ClockNeedleColor);
    SetColor(clock, Attr::FillColor, _ClockFillColor);
    SetColor(clock, Attr::TextColor, _ClockScaleColor);

    int left = 0;
    int top = 0;
    int height = 0;
    int size = 0;
    rt.GetCtrlAttribute(panel, clock, Attr::Left, &left);
    rt.GetCtrlAttribute(panel, clock, Attr::Top, &top);
    rt.GetCtrlAttribute(panel, clock, Attr::Height, &height);
    rt.GetCtrlAttribute(panel, clock, Attr::TextPointSize, &size);

    // The disc reaches 2 S beyond the clock on every side, room for the scale texts.
    rt.SetCtrlAttribute(panel, disc, Attr::Left, left - 2 * size);
    rt.SetCtrlAttribute(panel, disc, Attr::Top, top - 2 * size);
    rt.SetCtrlAttribute(panel, disc, Attr::Height, height + 4 * size);
    rt.SetCtrlAttribute(panel, disc, Attr::Width, height + 4 * size);

    // A filled disc in the back colour lying exactly under the clock face, 1 pixel inside it.
    if (_ClockBackColor != kUnchanged) {
        rt.CanvasClear(panel, disc, platform::kWholeArea);
        rt.SetCtrlAttribute(panel, disc, Attr::PenColor, _ClockBackColor);
        rt.SetCtrlAttribute(panel, disc, Attr::FillColor, _ClockBackColor);
        // A clock smaller than 2 pixels has no face to draw under (a size of -1 would mean
        // "to the far edge").
        const int face = std::max(height - 2, 0);
        rt.CanvasDrawOval(panel, disc, platform::MakeRect(2 * size + 1, 2 * size + 1, face, face),
                          platform::DrawMode::Both);
    }
    return 0;
}

int Gauges::SetClockValue(int16_t _ClockValue) {
    SetValue(ids::kClock, _ClockValue);
    return 0;
}

int Gauges::SetClockVisibility(int16_t _ClockVisibility) {
    SetVisibility(ids::kClock, _ClockVisibility);
    SetVisibility(ids::kClockDisc, _ClockVisibility);
    return 0;
}

// ---- slide -----------------------------------------------------------------------------------

int Gauges::SetVPSlideAttr(int16_t _VPSlideXPos, int16_t _VPSlideYPos, int16_t _VPSlideWidth,
                           int16_t _VPSlideHeight, int16_t _VPSlideSliderWidth,
                           int16_t _VPSlideSliderHeight, int16_t _VPSlideMinValue,
                           int16_t _VPSlideMaxValue, std::string_view _VPSlideTextFontType,
                           int16_t _VPSlideFontSize, std::string_view _VPSSlideTitle,
                           int32_t _VPSlideEmptyColor, int32_t _VPSlideFillColor,
                           int32_t _VPSlideSliderColor, int32_t _VPSlideScaleColor) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int slide = ids::kSlide;
    SetPlace(slide, _VPSlideXPos, _VPSlideYPos, _VPSlideWidth, _VPSlideHeight);
    if (_VPSlideSliderWidth != kUnchanged)
        rt.SetCtrlAttribute(panel, slide, Attr::SliderWidth, _VPSlideSliderWidth);
    if (_VPSlideSliderHeight != kUnchanged)
        rt.SetCtrlAttribute(panel, slide, Attr::SliderHeight, _VPSlideSliderHeight);
    SetRange(slide, _VPSlideMinValue, _VPSlideMaxValue);
    SetFonts(slide, _VPSlideTextFontType, _VPSlideFontSize);
    SetTitle(slide, _VPSSlideTitle);
    SetColor(slide, Attr::EmptyColor, _VPSlideEmptyColor);
    SetColor(slide, Attr::FillColor, _VPSlideFillColor);
    SetColor(slide, Attr::SliderColor, _VPSlideSliderColor);
    SetTextColors(slide, _VPSlideScaleColor);
    rt.SetCtrlAttribute(panel, slide, Attr::LabelTop, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, slide, Attr::LabelLeft, _VPSlideXPos + _VPSlideSliderWidth + 5);
    return 0;
}

int Gauges::SetVPSlideValue(int16_t _VPSlideValue) {
    SetValue(ids::kSlide, _VPSlideValue);
    return 0;
}

int Gauges::SetVPSlideVisibility(int16_t _VPSlideVisibility) {
    SetVisibility(ids::kSlide, _VPSlideVisibility);
    return 0;
}

// ---- level thermometer -----------------------------------------------------------------------

int Gauges::SetLevelThermometerAttr(int16_t _LevelThermometerXPos, int16_t _LevelThermometerYPos,
                                    int16_t _LevelThermometerWidth, int16_t _LevelThermometerHeight,
                                    std::string_view _LevelThermometerTextFontType,
                                    int16_t _LevelThermometerFontSize,
                                    std::string_view _LevelThermometerTitle,
                                    int32_t _LevelThermometerEmptyColor,
                                    int32_t _LevelThermometerFillColor,
                                    int32_t _LevelThermometerScaleColor) {
    // Its range is its list of levels: it has no minimum and maximum to set.
    SetColumnAttr(ids::kLevelThermometer, _LevelThermometerXPos, _LevelThermometerYPos,
                  _LevelThermometerWidth, _LevelThermometerHeight, kUnchanged, kUnchanged,
                  _LevelThermometerTextFontType, _LevelThermometerFontSize, _LevelThermometerTitle,
                  _LevelThermometerEmptyColor, _LevelThermometerFillColor,
                  _LevelThermometerScaleColor);
    return 0;
}

int Gauges::SetLevelThermometerLevelText(int16_t _LevelThermometerLevel,
                                         std::string_view _LevelThermometerLevelText) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int control = ids::kLevelThermometer;
    int count = 0;
    rt.GetNumListItems(panel, control, &count);
    engine_.status = _LevelThermometerLevel < count
                         ? rt.ReplaceListItem(panel, control, _LevelThermometerLevel,
                                              _LevelThermometerLevelText, _LevelThermometerLevel)
                         : rt.InsertListItem(panel, control, _LevelThermometerLevel,
                                             _LevelThermometerLevelText, _LevelThermometerLevel);
    if (engine_.status == platform::kUIEListIndexOutOfRange) {
        return engine_.Report(ReportTitle::FatalError,
                              "private CVI-function 'SetLevelThermometerLevelText': parameter "
                              "'_LevelThermometerLevel'=" +
                                  std::to_string(_LevelThermometerLevel) + " not valid");
    }
    if (engine_.status != 0) {
        return engine_.Report(ReportTitle::FatalError,
                              "private CVI-function 'SetLevelThermometerLevelText': return code " +
                                  std::to_string(engine_.status));
    }
    return 0;
}

int Gauges::SetLevelThermometerLevel(uint8_t _LevelThermometerLevel) {
    SetValue(ids::kLevelThermometer, _LevelThermometerLevel);
    return 0;
}

int Gauges::SetLevelThermometerVisibility(int16_t _LevelThermometerVisibility) {
    SetVisibility(ids::kLevelThermometer, _LevelThermometerVisibility);
    return 0;
}

// ---- mission value ---------------------------------------------------------------------------

int Gauges::SetMissionValueAttr(int16_t _MissionValueXPos, int16_t _MissionValueYPos,
                                int16_t _MissionValueWidth, std::string_view _MissionValueTitle,
                                std::string_view _MissionValueFontType,
                                int16_t _MissionValueFontSize, int32_t _MissionValueFrontColor,
                                int32_t _MissionValueBackColor) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.ExtraPanel().ExtraPanelHandle;
    const int control = ids::kMissionValue;
    if (_MissionValueXPos == -1) {
        int panel_width = 0;
        rt.GetPanelAttribute(panel, Attr::Width, &panel_width);
        rt.SetCtrlAttribute(panel, control, Attr::Left, (panel_width - _MissionValueWidth) / 2);
    } else if (_MissionValueXPos != kUnchanged) {
        rt.SetCtrlAttribute(panel, control, Attr::Left, _MissionValueXPos);
    }
    SetPlace(control, kUnchanged, _MissionValueYPos, _MissionValueWidth, kUnchanged);
    SetTitle(control, _MissionValueTitle);
    if (!_MissionValueFontType.empty()) {
        rt.SetCtrlAttribute(panel, control, Attr::LabelFont, _MissionValueFontType);
        rt.SetCtrlAttribute(panel, control, Attr::TextFont, _MissionValueFontType);
    }
    if (_MissionValueFontSize != kUnchanged) {
        rt.SetCtrlAttribute(panel, control, Attr::TextPointSize,
                            static_cast<int>(_MissionValueFontSize));
        // trunc(F / 1.5), exactly, in integers.
        rt.SetCtrlAttribute(panel, control, Attr::LabelPointSize, _MissionValueFontSize * 2 / 3);
    }
    SetTextColors(control, _MissionValueFrontColor);
    SetColor(control, Attr::TextBgColor, _MissionValueBackColor);
    // The title goes just above the text, from the arguments as passed.
    rt.SetCtrlAttribute(panel, control, Attr::LabelLeft, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, control, Attr::LabelTop,
                        _MissionValueYPos - (_MissionValueFontSize + 6) * 2 / 3);
    return 0;
}

std::string Gauges::MissionValueText(int32_t value) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%03d.%03d", value % 1000000000 / 1000000,
                  value % 1000000 / 1000, value % 1000);
    return text;
}

int Gauges::SetMissionValue(int32_t _Value) {
    engine_.Runtime().SetCtrlVal(engine_.ExtraPanel().ExtraPanelHandle, ids::kMissionValue,
                                 MissionValueText(_Value));
    return 0;
}

int Gauges::SetMissionValueVisibility(int16_t _MissionValueVisibility) {
    SetVisibility(ids::kMissionValue, _MissionValueVisibility);
    return 0;
}

}  // namespace tov
