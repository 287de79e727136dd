// Tank, thermometer, multimeter, clock, slide, level thermometer and mission value: ready-made
// controls of the extra panel that these members place, style, fill and show.
//
// Every member acts on the extra panel through ExtraPanelHandle and returns 0 without checking
// that the panel is installed: before InstallExtraPanel or after DiscardExtraPanel the run-time
// refuses the operations and the refusals are ignored. The one report comes from
// SetLevelThermometerLevelText.
//
// In the Set…Attr members -2 as a number and an empty text (a null text included) leave that
// property unchanged; the label placements they compute always apply, from the arguments as
// passed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime.h"

namespace tov {

class Engine;

class Gauges {
  public:
    explicit Gauges(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Tank (control 7): place, range, scale font and size (label too), colours; the label is
    // centred vertically and placed beside the tank on its right.
    int SetTankAttr(int16_t _TankXPos, int16_t _TankYPos, int16_t _TankWidth, int16_t _TankHeight,
                    int16_t _TankMinValue, int16_t _TankMaxValue,
                    std::string_view _TankTextFontFype, int16_t _TankTextFontSize,
                    int32_t _TankEmptyColor, int32_t _TankFillColor, int32_t _TankScaleColor);
    int SetTankValue(int16_t _TankValue);
    int SetTankVisibility(int16_t _TankVisibility);

    // Thermometer (control 11): as the tank, with a title.
    int SetThermometerAttr(int16_t _ThermometerXPos, int16_t _ThermometerYPos,
                           int16_t _ThermometerWidth, int16_t _ThermometerHeight,
                           int16_t _ThermometerMinValue, int16_t _ThermometerMaxValue,
                           std::string_view _ThermometerTextFontType,
                           int16_t _ThermometerTextFontSize, std::string_view _ThermometerTitle,
                           int32_t _ThermometerEmptyColor, int32_t _ThermometerFillColor,
                           int32_t _ThermometerScaleColor);
    int SetThermometerValue(int16_t _ThermometerValue);
    int SetThermometerVisibility(int16_t _ThermometerVisibility);

    // Multimeter (control 12) and its warning LED (13). _MultimeterWarningValue is kept as it
    // comes (-2 included); -1 means the LED is not used and leaves it where it is. Otherwise the
    // LED goes to (L + 0.1 W, T + 0.27 W), 0.1 W square, from the multimeter's place as read
    // back; the label always goes inside the dial, centred, at T + 0.188 W.
    int SetMultimeterAttr(int16_t _MultimeterXPos, int16_t _MultimeterYPos,
                          int16_t _MultimeterWidth, int16_t _MultimeterMinValue,
                          int16_t _MultimeterMaxValue, int16_t _MultimeterWarningValue,
                          std::string_view _MultimeterTextFontType, int16_t _MultimeterTextFontSize,
                          int32_t _MultimeterBackColor, int32_t _MultimeterBowColor,
                          int32_t _MultimeterScaleColor, int32_t _MultimeterNeedleColor,
                          int32_t _MultimeterColorLEDOn, int32_t _MultimeterColorLEDOff);
    // Sets the value; with a warning value the LED is lit at or below it and out above it.
    int SetMultimeterValue(int16_t _MultimeterValue);
    // The LED shows only with a warning value and exactly 1; any other argument hides it.
    int SetMultimeterVisibility(int16_t _MultimeterVisibility);

    // Clock (control 15) over its disc (14). The disc follows the clock, 2 S larger on every
    // side (S the scale's point size); unless _ClockBackColor is -2 it is cleared and a disc in
    // that colour is drawn 1 pixel inside the clock's face.
    int SetClockAttr(int16_t _ClockXPos, int16_t _ClockYPos, int16_t _ClockDiameter,
                     int16_t _ClockMinValue, int16_t _CockMaxValue, int16_t _ClockMinAngle,
                     int16_t _ClockMaxAngle, std::string_view _ClockScaleFontType,
                     int16_t _ClockScaleFontSize, int32_t _ClockNeedleColor,
                     int32_t _ClockFillColor, int32_t _ClockScaleColor, int32_t _ClockBackColor);
    int SetClockValue(int16_t _ClockValue);
    // The clock, then its disc.
    int SetClockVisibility(int16_t _ClockVisibility);

    // Slide (control 18); the label goes right of the thumb, at _VPSlideXPos +
    // _VPSlideSliderWidth + 5 from the arguments as passed.
    int SetVPSlideAttr(int16_t _VPSlideXPos, int16_t _VPSlideYPos, int16_t _VPSlideWidth,
                       int16_t _VPSlideHeight, int16_t _VPSlideSliderWidth,
                       int16_t _VPSlideSliderHeight, int16_t _VPSlideMinValue,
                       int16_t _VPSlideMaxValue, std::string_view _VPSlideTextFontType,
                       int16_t _VPSlideFontSize, std::string_view _VPSSlideTitle,
                       int32_t _VPSlideEmptyColor, int32_t _VPSlideFillColor,
                       int32_t _VPSlideSliderColor, int32_t _VPSlideScaleColor);
    int SetVPSlideValue(int16_t _VPSlideValue);
    int SetVPSlideVisibility(int16_t _VPSlideVisibility);

    // Level thermometer (control 16): a ring slide whose scale is its list of level texts.
    int SetLevelThermometerAttr(int16_t _LevelThermometerXPos, int16_t _LevelThermometerYPos,
                                int16_t _LevelThermometerWidth, int16_t _LevelThermometerHeight,
                                std::string_view _LevelThermometerTextFontType,
                                int16_t _LevelThermometerFontSize,
                                std::string_view _LevelThermometerTitle,
                                int32_t _LevelThermometerEmptyColor,
                                int32_t _LevelThermometerFillColor,
                                int32_t _LevelThermometerScaleColor);
    // Replaces the text of an existing level, or inserts the level at that position; the
    // level's value is its position. A refused list operation is reported ("fatal error") and
    // returns -1.
    int SetLevelThermometerLevelText(int16_t _LevelThermometerLevel,
                                     std::string_view _LevelThermometerLevelText);
    // Selects the level whose value equals the argument (a level that does not exist leaves
    // the selection as it is).
    int SetLevelThermometerLevel(uint8_t _LevelThermometerLevel);
    int SetLevelThermometerVisibility(int16_t _LevelThermometerVisibility);

    // Mission value (control 10). _MissionValueXPos -1 centres the text on the extra panel;
    // the title goes centred above the text, its point size two thirds of the text's.
    int SetMissionValueAttr(int16_t _MissionValueXPos, int16_t _MissionValueYPos,
                            int16_t _MissionValueWidth, std::string_view _MissionValueTitle,
                            std::string_view _MissionValueFontType, int16_t _MissionValueFontSize,
                            int32_t _MissionValueFrontColor, int32_t _MissionValueBackColor);
    // Shows the value in three groups of digits: 00.000.000 (digits from the billions up are
    // dropped; a negative value's groups carry their own minus signs).
    int SetMissionValue(int32_t _Value);
    int SetMissionValueVisibility(int16_t _MissionValueVisibility);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kUnchanged = -2;
    static constexpr int kNoWarning = -1;

    // The threshold of the multimeter warning LED; -1: the LED is not used. It survives
    // discarding and reinstalling the extra panel.
    int16_t MultimeterWarningValue = 0;

  private:
    // The text of a mission value.
    static std::string MissionValueText(int32_t value);
    // Sets the visible flag of an extra-panel control: 0 hides, any other value shows.
    void SetVisibility(int control, int16_t visibility);
    void SetValue(int control, double value);
    // The parts of the Set…Attr members that tank, thermometer, slide and level thermometer
    // share; each leaves out what is -2 or empty.
    void SetPlace(int control, int16_t x, int16_t y, int16_t width, int16_t height);
    void SetRange(int control, int16_t minimum, int16_t maximum);
    void SetFonts(int control, std::string_view font, int16_t size);
    void SetTitle(int control, std::string_view title);
    void SetTextColors(int control, int32_t color);
    void SetColor(int control, platform::Attr attr, int32_t color);
    // The whole of the tank's, thermometer's and level thermometer's attribute members: place,
    // range, fonts, title, colours, then the label centred beside the gauge on its right.
    void SetColumnAttr(int control, int16_t x, int16_t y, int16_t width, int16_t height,
                       int16_t minimum, int16_t maximum, std::string_view font, int16_t size,
                       std::string_view title, int32_t empty_color, int32_t fill_color,
                       int32_t scale_color);

    Engine& engine_;
};

}  // namespace tov
