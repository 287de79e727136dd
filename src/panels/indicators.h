// Square LEDs and the strip chart of the extra panel, and the dynamic pictures of both panels:
// ready-made controls that these members place, switch, fill and show.
//
// The members do not check that the panel they address is installed; what the run-time refuses
// is ignored and the member returns 0, except where a report is promised. Numbers that name no
// control (a square LED outside 0..4, a dynamic picture outside its panel's table) are reported
// ("fatal error") and return -1 without touching any control.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

class Indicators {
  public:
    explicit Indicators(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Places and styles square LED 0..4 (controls 6 down to 2). Every argument is set as it
    // comes: -2 and empty texts are values here. The title is centred on the LED.
    int SetSquareLEDAttr(int16_t _SquareLEDNumber, int16_t _SquareLEDXPos, int16_t _SquareLEDYPos,
                         int16_t _SquareLEDWidth, int16_t _SquareLEDHeight,
                         std::string_view _SquareLEDTextFontType, int16_t _SquareLEDTextFontSize,
                         std::string_view _SquareLEDTitle, int32_t _SquareLEDColorOn,
                         int32_t _SquareLEDColorOff, int32_t _SquareLEDColorText);
    // 0 hides the LED, 1 shows it lit, -1 shows it out; any other state changes nothing.
    int SetSquareLEDState(int16_t _SquareLEDNumber, int16_t _SquareLEDState);

    // Clears the chart, places it (-2 leaves a number unchanged) and sets its visibility.
    int SetChartAttr(int16_t _ChartXPos, int16_t _ChartYPos, int16_t _ChartWidth,
                     int16_t _ChartHeight, int16_t _ChartFontSize, int16_t _ChartVisibility);
    // Plots the next point; a text that is not empty becomes the chart's label.
    int AddChartValue(double _ChartValue, std::string_view _ChartLabelText);

    // Dynamic pictures: _DynPicPanel 0 addresses the main panel's pictures 0..2, 1 the extra
    // panel's 0..7; any other panel keeps the picture the previous call addressed.
    // Places the picture; -2 leaves a number unchanged.
    int SetDynPicAttr(int16_t _DynPicPanel, int16_t _DynPicNumber, int16_t _DynPicXPos,
                      int16_t _DynPicYPos, int16_t _DynPicWidth, int16_t _DynPicHeight);
    // Shows image _DynPicVisibility; _DynPicFrame 0 hides the picture, 1 shows it, 2 shows it
    // dimmed, any other value leaves visibility and dimming alone.
    int SetDynPicVisibility(int16_t _DynPicPanel, int16_t _DynPicNumber, int16_t _DynPicVisibility,
                            int16_t _DynPicFrame);
    // Loads image _DynPicFrame from _DynPicFileName (relative to loadedVPTDir): replaces an
    // image that exists, or adds it at that position. A refused load is reported ("fatal
    // error") and returns -1; a replaced image that is being shown shows at once.
    int LoadDynPic(int16_t _DynPicPanel, int16_t _DynPicNumber, int16_t _DynPicFrame,
                   std::string_view _DynPicFileName);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kUnchanged = -2;

    // Control ids by number; the main panel's fourth entry names no control.
    static constexpr std::array<int, 5> SquareLEDDescriptors = {6, 5, 4, 3, 2};
    static constexpr std::array<int, 4> DynPicPanelDescriptors = {15, 14, 13, 0};
    static constexpr std::array<int, 8> DynPicExtraPanelDescriptors = {26, 25, 24, 23,
                                                                       22, 21, 20, 19};

    // The control addressed by the member running, kept from its first step to the others.
    int SquareLEDDescriptor = 0;
    int DynPicPanelHandle = 0;
    int DynPicDescriptor = 0;

  private:
    // Looks up the square LED; a number outside 0..4 is reported and gives false.
    bool SelectSquareLED(std::string_view member, int16_t number);
    // Selects the dynamic picture; a number outside the panel's table is reported and gives
    // false. Panels other than 0 and 1 keep the previous selection.
    bool SelectDynPic(std::string_view member, int16_t panel, int16_t number);
    // The report of an argument that names no control.
    int ReportNumber(std::string_view member, std::string_view parameter, int number);

    Engine& engine_;
};

}  // namespace tov
