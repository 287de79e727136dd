// The contract of myInterface with its clients: the 148 members in virtual-table order, each
// with its slot (the position after the seven IUnknown and IDispatch slots), its DISPID, its
// name, its kind and its parameters with their automation types. Compiled clients depend on
// every slot and DISPID, so none may change.
//
// The table is constexpr so that every binding can be checked against it at compile time: the
// bodies (members.cpp), the generic invoke (dispatch.h), and a COM virtual table or an IDL
// generated from it.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tov::server {

enum class MemberKind : uint8_t { Method, PropertyGet };

// The automation types of the parameters and the C++ type each body receives:
// I2 int16_t, I4 int32_t, R8 double, UI1 uint8_t, Text (BSTR in) std::string_view,
// VariantOut (PTR(VARIANT), out) platform::Variant*, I2Result and UI1Result (PTR(I2) and
// PTR(UI1), out, retval: a property's value) int16_t* and uint8_t*.
enum class ParamType : uint8_t { I2, I4, R8, UI1, Text, VariantOut, I2Result, UI1Result };

// The type's name as a type library writes it.
constexpr std::string_view TypeName(ParamType type) {
    switch (type) {
        case ParamType::I2:
            return "I2";
        case ParamType::I4:
            return "I4";
        case ParamType::R8:
            return "R8";
        case ParamType::UI1:
            return "UI1";
        case ParamType::Text:
            return "BSTR";
        case ParamType::VariantOut:
            return "PTR(VARIANT)";
        case ParamType::I2Result:
            return "PTR(I2)";
        case ParamType::UI1Result:
            return "PTR(UI1)";
    }
    return "?";
}

// A property's value is not passed by the client; every other parameter is.
constexpr bool IsResult(ParamType type) {
    return type == ParamType::I2Result || type == ParamType::UI1Result;
}

struct Param {
    std::string_view name;
    ParamType type = ParamType::I2;
};

inline constexpr int kMemberCount = 148;
inline constexpr int kMaxParams = 15;  // InstallWatchPanel and SetVPSlideAttr

struct MemberDecl {
    int slot = 0;  // 1..148
    int dispid = 0;
    std::string_view name;
    MemberKind kind = MemberKind::Method;
    int param_count = 0;
    std::array<Param, kMaxParams> params{};

    constexpr MemberDecl(int slot_number, int member_dispid, std::string_view member_name,
                         MemberKind member_kind, std::initializer_list<Param> parameters)
        : slot(slot_number), dispid(member_dispid), name(member_name), kind(member_kind) {
        if (parameters.size() > params.size()) throw "more parameters than kMaxParams";
        for (const Param& p : parameters)
            params[param_count++] = p;
    }

    constexpr std::span<const Param> Params() const {
        return {params.data(), static_cast<size_t>(param_count)};
    }
    // The number of arguments a client passes (a property's result is not one).
    constexpr int ArgumentCount() const {
        int count = 0;
        for (const Param& p : Params())
            count += IsResult(p.type) ? 0 : 1;
        return count;
    }
};

namespace member_table_rows {
using enum MemberKind;
using enum ParamType;

// slot, DISPID, name, kind, parameters (name, type)
// clang-format off
inline constexpr std::array<MemberDecl, kMemberCount> kRows = {{
    {1, 31, "ShowStarAnimNextStep", Method, {}},
    {2, 32, "HideStarAnim", Method, {}},
    {3, 15, "GenerateXYZAnimXYScrollProc", Method, {
        {"_XYZAnimIndex", I2}, {"_XYZAnimBitmapIDIndex", I2}, {"_XYZAnimXYZoom", R8},
        {"_XYZAnimXYAngle", R8}}},
    {4, 13, "InstallPanel", Method, {
        {"_PanelXPos", I2}, {"_PanelYPos", I2}, {"_PanelWidth", I2}, {"_PanelHeight", I2}}},
    {5, 21, "GenerateXYZAnimZoomProc", Method, {
        {"_XYZAnimIndex", I2}, {"_XYZAnimBitmapIndex", I2}, {"_XYZAnimZZoomMin", R8},
        {"_XYZAnimZZoomMax", R8}, {"_XYZAnimZZoomExponent", R8}, {"_XYZAnimXYAngle", R8},
        {"_XYZAnimYZMove", R8}}},
    {6, 27, "PrepareXYZAnimProc", Method, {{"_XYZAnimIndex", I2}}},
    {7, 17, "ShowXYZAnimStep", Method, {{"_XYZAnimIndex", I2}, {"_XYZAnimStep", I2}}},
    {8, 19, "HideXYZAnim", Method, {}},
    {9, 22, "GenerateTextLeftLoopScrollProc", Method, {
        {"_ScrollTextIndex", I2}, {"_ScrollText", Text}, {"_ScrollTextFontName", Text},
        {"_ScrollTextBold", I2}, {"_ScrollTextItalic", I2}, {"_ScrollTextColor", I4},
        {"_ScrollTextFontHeight", I2}, {"_ScrollTextSpeed", I2}}},
    {10, 26, "PrepareTextLeftLoopScrollProc", Method, {{"_ScrollTextIndex", I2}}},
    {11, 25, "ShowTextLeftLoopScrollNextStep", Method, {{"_ScrollTextIndex", I2}}},
    {12, 93, "ChangeTextLeftLoopColor", Method, {{"_TextLeftLoopColor", I4}}},
    {13, 28, "GenerateTextZoomProc", Method, {
        {"_ZoomTextIndex", I2}, {"_ZoomText", Text}, {"_ZoomTextFontType", Text},
        {"_ZoomTextBold", I2}, {"_ZoomTextItalic", I2}, {"_ZoomTextColor", I4},
        {"_ZoomTextColorBlend", I2}, {"_ZoomTextFontMin", I2}, {"_ZoomTextFontMax", I2}}},
    {14, 29, "PrepareTextZoomProc", Method, {{"_ZoomTextIndex", I2}}},
    {15, 30, "ShowTextZoomStep", Method, {{"_ZoomTextIndex", I2}, {"_ZommTextStep", I2}}},
    {16, 24, "HideText", Method, {}},
    {17, 6, "AddBitmapToSelection", Method, {
        {"_BitmapFileName", Text}, {"_BitmapSelectionIndex", I2}, {"_BitmapFrameWidth", I2},
        {"_BitmapFrameHeight", I2}}},
    {18, 54, "CopyBitmapFromPanelToSelection", Method, {
        {"_XPos", I2}, {"_YPos", I2}, {"_Width", I2}, {"_Height", I2},
        {"_BitmapSelectionIndex", I2}}},
    {19, 4, "GenerateFrameAnim", Method, {
        {"_FrameAnimIndex", I2}, {"_FrameAnimBitmapIDIndex", I2}, {"_FrameAnimCanvasWidth", I2},
        {"_FrameAnimCanvasHeight", I2}, {"_FrameAnimCanvasXPos", I2},
        {"_FrameAnimCanvasYPos", I2}}},
    {20, 7, "PrepareFrameAnim", Method, {{"_FrameAnimIndex", I2}}},
    {21, 8, "ShowFrameAnimFrame", Method, {{"_FrameAnimIndex", I2}, {"_FrameAnimFrameNumber", I2}}},
    {22, 12, "HideFrameAnim", Method, {}},
    {23, 33, "ScreenWidth", PropertyGet, {{"ScreenWidth", I2Result}}},
    {24, 34, "ScreenHeight", PropertyGet, {{"ScreenHeight", I2Result}}},
    {25, 35, "SetTNTAttr", Method, {
        {"_TNTPreText", Text}, {"_TNTPostText", Text}, {"_TNTFontType", Text}, {"_TNTBold", I2},
        {"_TNTItalic", I2}, {"_TNTColor", I4}, {"_TNTFontHeight", I2}, {"_TNTXPos", I2},
        {"_TNTYPos", I2}, {"_TNTDigits", I2}}},
    {26, 36, "ShowTNT", Method, {{"_TNTValue", I4}}},
    {27, 38, "ChangeTNTColor", Method, {{"_TNTColor", I4}}},
    {28, 37, "HideTNT", Method, {}},
    {29, 39, "SetDMDAttr", Method, {
        {"_DMDXPos", I2}, {"_DMDYPos", I2}, {"_DMDXZoom", R8}, {"_DMDYZoom", R8},
        {"_DMDBitmapIDIndex", I2}, {"_DMDZeros", I2}, {"_DMDCommas", I2}}},
    {30, 40, "ShowDMDNumeric", Method, {{"_DMDNumericValue", R8}}},
    {31, 53, "ShowDMDValue", Method, {{"_DMDNumericValue", R8}}},
    {32, 49, "ShowDMDText", Method, {{"_DMDText", Text}}},
    {33, 41, "DrawArea", Method, {
        {"_BitmapIDIndex", I2}, {"_BitmapSectionXPos", I2}, {"_BitmapSectionYPos", I2},
        {"_BitmapSectionWidth", I2}, {"_BitmapSectionHeight", I2}, {"_AreaXPos", I2},
        {"_AreaYPos", I2}}},
    {34, 42, "ClearArea", Method, {
        {"_AreaXPos", I2}, {"_AreaYPos", I2}, {"_AreaWidth", I2}, {"_AreaHeight", I2},
        {"_Color", I4}}},
    {35, 43, "SetLamellaAttr", Method, {
        {"_LamellaBitmapIDIndex", I2}, {"_LamellaXPos", I2}, {"_LamellaYPos", I2},
        {"_LamellaXZoom", R8}, {"_LamellaYZoom", R8}, {"_LamellaDistance", I2},
        {"_LamellaFadeInOut", I2}, {"_LamellaAngle", I2}}},
    {36, 44, "ShowLamellaStep", Method, {{"_LamellaThickness", I2}}},
    {37, 45, "SetPixelPicAttr", Method, {
        {"_PixelPicXPos", I2}, {"_PixelPicYPos", I2}, {"_PixelPicXZoom", R8},
        {"_PixelPicYZoom", R8}, {"_PixelPicBitmapIDIndex", I2}, {"_PixelPicFadeInOut", I2}}},
    {38, 46, "ShowPixelPicStep", Method, {{"_PixelPicStep", I2}}},
    {39, 47, "SetRotatingPicAttr", Method, {
        {"_RotatingPicFrontBitmapIDIndex", I2}, {"_RotatingPicBackBitmapIDIndex", I2},
        {"_RotatingPicXCenterPos", I2}, {"_RotatingPicYCenterPos", I2}, {"_RotatingPicXZoom", R8},
        {"_RotatingPicYZoom", R8}, {"_RotatingPicRotationAxis", I2}}},
    {40, 48, "ShowRotatingPicStep", Method, {{"_RotatingPicStep", I2}}},
    {41, 50, "DiscardPanel", Method, {}},
    {42, 51, "SetBitmapFadeInOutAttr", Method, {
        {"_BitmapFadeInOutBitmapIDIndex", I2}, {"_BitmapFadeInOutXPos", I2},
        {"_BitmapFadeInOutYPos", I2}, {"_BitmapFadeInOutXZoom", R8},
        {"_BitmapFadeInOutYZoom", R8}}},
    {43, 52, "ChangeBitmapFadeInOutBrightness", Method, {{"_BitmapFadeInOutBrightness", I2}}},
    {44, 55, "InstallExtraPanel", Method, {
        {"_ExtraPanelXPos", I2}, {"_ExtraPanelYPos", I2}, {"_ExtraPanelWidth", I2},
        {"_ExtraPanelHeight", I2}}},
    {45, 58, "ShowExtraPanel", Method, {}},
    {46, 59, "HideExtraPanel", Method, {}},
    {47, 61, "SetTankAttr", Method, {
        {"_TankXPos", I2}, {"_TankYPos", I2}, {"_TankWidth", I2}, {"_TankHeight", I2},
        {"_TankMinValue", I2}, {"_TankMaxValue", I2}, {"_TankTextFontFype", Text},
        {"_TankTextFontSize", I2}, {"_TankEmptyColor", I4}, {"_TankFillColor", I4},
        {"_TankScaleColor", I4}}},
    {48, 69, "SetTankVisibility", Method, {{"_TankVisibility", I2}}},
    {49, 57, "SetTankValue", Method, {{"_TankValue", I2}}},
    {50, 62, "SetMissionValueAttr", Method, {
        {"_MissionValueXPos", I2}, {"_MissionValueYPos", I2}, {"_MissionValueWidth", I2},
        {"_MissionValueTitle", Text}, {"_MissionValueFontType", Text},
        {"_MissionValueFontSize", I2}, {"_MissionValueFrontColor", I4},
        {"_MissionValueBackColor", I4}}},
    {51, 67, "SetMissionValueVisibility", Method, {{"_MissionValueVisibility", I2}}},
    {52, 63, "SetMissionValue", Method, {{"_Value", I4}}},
    {53, 72, "SetThermometerAttr", Method, {
        {"_ThermometerXPos", I2}, {"_ThermometerYPos", I2}, {"_ThermometerWidth", I2},
        {"_ThermometerHeight", I2}, {"_ThermometerMinValue", I2}, {"_ThermometerMaxValue", I2},
        {"_ThermometerTextFontType", Text}, {"_ThermometerTextFontSize", I2},
        {"_ThermometerTitle", Text}, {"_ThermometerEmptyColor", I4}, {"_ThermometerFillColor", I4},
        {"_ThermometerScaleColor", I4}}},
    {54, 71, "SetThermometerVisibility", Method, {{"_ThermometerVisibility", I2}}},
    {55, 70, "SetThermometerValue", Method, {{"_ThermometerValue", I2}}},
    {56, 75, "SetMultimeterAttr", Method, {
        {"_MultimeterXPos", I2}, {"_MultimeterYPos", I2}, {"_MultimeterWidth", I2},
        {"_MultimeterMinValue", I2}, {"_MultimeterMaxValue", I2}, {"_MultimeterWarningValue", I2},
        {"_MultimeterTextFontType", Text}, {"_MultimeterTextFontSize", I2},
        {"_MultimeterBackColor", I4}, {"_MultimeterBowColor", I4}, {"_MultimeterScaleColor", I4},
        {"_MultimeterNeedleColor", I4}, {"_MultimeterColorLEDOn", I4},
        {"_MultimeterColorLEDOff", I4}}},
    {57, 73, "SetMultimeterVisibility", Method, {{"_MultimeterVisibility", I2}}},
    {58, 74, "SetMultimeterValue", Method, {{"_MultimeterValue", I2}}},
    {59, 76, "DiscardExtraPanel", Method, {}},
    {60, 77, "SetClockAttr", Method, {
        {"_ClockXPos", I2}, {"_ClockYPos", I2}, {"_ClockDiameter", I2}, {"_ClockMinValue", I2},
        {"_CockMaxValue", I2}, {"_ClockMinAngle", I2}, {"_ClockMaxAngle", I2},
        {"_ClockScaleFontType", Text}, {"_ClockScaleFontSize", I2}, {"_ClockNeedleColor", I4},
        {"_ClockFillColor", I4}, {"_ClockScaleColor", I4}, {"_ClockBackColor", I4}}},
    {61, 79, "SetClockVisibility", Method, {{"_ClockVisibility", I2}}},
    {62, 78, "SetClockValue", Method, {{"_ClockValue", I2}}},
    {63, 88, "CopyBitmapFromDMDLayerToSelection", Method, {{"_BitmapSelectionIndex", I2}}},
    {64, 89, "SetWaveAttr", Method, {
        {"_WaveBitmapIDIndex", I2}, {"_WaveXPos", I2}, {"_WaveYPos", I2}, {"_WaveXZoom", R8},
        {"_WaveYZoom", R8}, {"_WaveAmplitude", I2}, {"_WaveLength", I2}, {"_WaveYStart", I2},
        {"_WaveYEnd", I2}}},
    {65, 90, "ShowNextWaveStep", Method, {}},
    {66, 91, "ChangeWaveAmplitude", Method, {{"_WaveDeltaAmplitude", I2}}},
    {67, 92, "SetPanelFrameVisibility", Method, {{"_PanelFrameVisibility", UI1}}},
    {68, 97, "InstallWatchPanel", Method, {
        {"_WatchPanelXPos", I2}, {"_WatchPanelYPos", I2}, {"_WatchPanelWidth", I2},
        {"_WatchPanelHeight", I2}, {"_WatchPanelFrameVisibility", UI1}, {"_WatchHandXCenter", I2},
        {"_WatchHandYCenter", I2}, {"_WatchHrsHandLength", I2}, {"_WatchMinHandLength", I2},
        {"_WatchSecHandLength", I2}, {"_WatchHrsMinHandColor", I4}, {"_WatchSecHandColor", I4},
        {"_WatchHrsMinHandWidth", I2}, {"_WatchSecHandWidth", I2}, {"_WatchBitmapFileName", Text}}},
    {69, 95, "SetWatchTime", Method, {{"_hour", I2}, {"_minutes", I2}, {"_seconds", I2}}},
    {70, 98, "DiscardWatchPanel", Method, {}},
    {71, 99, "InstallGemPanel", Method, {
        {"_GemPanelXPos", I2}, {"_GemPanelYPos", I2}, {"_GemPanelWidth", I2},
        {"_GemPanelHeight", I2}}},
    {72, 100, "SetGemPhase", Method, {{"_GemPhase", UI1}}},
    {73, 101, "DiscardGemPanel", Method, {}},
    {74, 102, "ShowNextMagicStarStep", Method, {}},
    {75, 103, "SetMagicStarAttr", Method, {
        {"_MagicStarXYDimMin0", I2}, {"_MagicStarXYDimMax0", I2}, {"_MagicStarXYDelta0", I2},
        {"_MagicStarXYDimMin1", I2}, {"_MagicStarXYDimMax1", I2}, {"_MagicStarXYDelta1", I2},
        {"_MagicStarXYDimMin2", I2}, {"_MagicStarXYDimMax2", I2}, {"_MagicStarXYDelta2", I2},
        {"_MagicStarXYDimMin3", I2}, {"_MagicStarXYDimMax3", I2}, {"_MagicStarXYDelta3", I2}}},
    {76, 104, "SetLevelThermometerVisibility", Method, {{"_LevelThermometerVisibility", I2}}},
    {77, 106, "SetLevelThermometerAttr", Method, {
        {"_LevelThermometerXPos", I2}, {"_LevelThermometerYPos", I2},
        {"_LevelThermometerWidth", I2}, {"_LevelThermometerHeight", I2},
        {"_LevelThermometerTextFontType", Text}, {"_LevelThermometerFontSize", I2},
        {"_LevelThermometerTitle", Text}, {"_LevelThermometerEmptyColor", I4},
        {"_LevelThermometerFillColor", I4}, {"_LevelThermometerScaleColor", I4}}},
    {78, 107, "SetLevelThermometerLevel", Method, {{"_LevelThermometerLevel", UI1}}},
    {79, 108, "InstallBHGPanel", Method, {
        {"_BHGPanelXPos", I2}, {"_BHGPanelYPos", I2}, {"_BHGPanelWidth", I2},
        {"_BHGPanelHeight", I2}, {"_BHGBitmapFileName", Text}}},
    {80, 109, "DiscardBHGPanel", Method, {}},
    {81, 110, "SwitchBHGLED", Method, {{"_BHGLEDIndex", I2}, {"_BHGLEDState", I2}}},
    {82, 111, "SetBHGLEDAttr", Method, {
        {"_BHGLEDIndex", I2}, {"_BHGLEDXPos", I2}, {"_BHGLEDYPos", I2}, {"_BHGLEDDiameter", I2},
        {"_BHGLEDTextXPos", I2}, {"_BHGLEDTextYPos", I2}, {"_BHGLEDTextFontSize", I2}}},
    {83, 112, "CheckFont", Method, {{"thisFont", Text}}},
    {84, 113, "InstallSimplePanel", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelFrameYN", UI1}, {"_SimplePanelXPos", I2},
        {"_SimplePanelYPos", I2}, {"_SimplePanelWidth", I2}, {"_SimplePanelHeight", I2}}},
    {85, 114, "DiscardSimplePanel", Method, {{"_SimplePanelNumber", I2}}},
    {86, 115, "SetSimplePanelDMDAttr", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelDMDXPos", I2}, {"_SimplePanelDMDYPos", I2},
        {"_SimplePanelDMDXZoom", R8}, {"_SimplePanelDMDYZoom", R8},
        {"_SimplePanelDMDBitmapIDIndex", I2}, {"_SimplePanelDMDZerosYN", I2},
        {"_SimplePanelDMDCommasYN", I2}}},
    {87, 116, "ShowSimplePanelDMDNumeric", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelDMDValue", R8}}},
    {88, 117, "SimplePanelClearArea", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelAreaXPos", I2}, {"_SimplePanelAreaYPos", I2},
        {"_SimplePanelAreaWidth", I2}, {"_SimplePanelAreaHeight", I2}, {"_Color", I4}}},
    {89, 118, "SimplePanelDrawArea", Method, {
        {"_SimplePanelNumber", I2}, {"_BitmapIDIndex", I2}, {"_BitmapSectionXPos", I2},
        {"_BitmapSectionYPos", I2}, {"_BitmapSectionWidth", I2}, {"_BitmapSectionHeight", I2},
        {"_SimplePanelAreaXPos", I2}, {"_SimplePanelAreaYPos", I2}}},
    {90, 119, "ChangePanelColor", Method, {{"_Color", I4}}},
    {91, 120, "ShowSimplePanelDMDText", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelDMDText", Text}}},
    {92, 122, "SetChartAttr", Method, {
        {"_ChartXPos", I2}, {"_ChartYPos", I2}, {"_ChartWidth", I2}, {"_ChartHeight", I2},
        {"_ChartFontSize", I2}, {"_ChartVisibility", I2}}},
    {93, 123, "AddChartValue", Method, {{"_ChartValue", R8}, {"_ChartLabelText", Text}}},
    {94, 124, "MouseXPos", PropertyGet, {{"MouseXPos", I2Result}}},
    {95, 125, "MouseYPos", PropertyGet, {{"MouseYPos", I2Result}}},
    {96, 126, "LMB", PropertyGet, {{"LMB", I2Result}}},
    {97, 127, "RMB", PropertyGet, {{"RMB", I2Result}}},
    {98, 129, "MMB", PropertyGet, {{"MMB", I2Result}}},
    {99, 128, "SetMouseCursorVisibility", Method, {{"_MouseCursorVisibility", UI1}}},
    {100, 130, "SetPanelUserLock", Method, {{"_PanelUserLockYN", UI1}}},
    {101, 131, "SetSimplePanelUserLock", Method, {
        {"_SimplePanelNumber", I2}, {"_SimplePanelUserLockYN", UI1}}},
    {102, 132, "SetDynPicAttr", Method, {
        {"_DynPicPanel", I2}, {"_DynPicNumber", I2}, {"_DynPicXPos", I2}, {"_DynPicYPos", I2},
        {"_DynPicWidth", I2}, {"_DynPicHeight", I2}}},
    {103, 133, "SetDynPicVisibility", Method, {
        {"_DynPicPanel", I2}, {"_DynPicNumber", I2}, {"_DynPicVisibility", I2},
        {"_DynPicFrame", I2}}},
    {104, 134, "LoadDynPic", Method, {
        {"_DynPicPanel", I2}, {"_DynPicNumber", I2}, {"_DynPicFrame", I2},
        {"_DynPicFileName", Text}}},
    {105, 135, "SetVPSlideValue", Method, {{"_VPSlideValue", I2}}},
    {106, 136, "SetVPSlideVisibility", Method, {{"_VPSlideVisibility", I2}}},
    {107, 137, "SetVPSlideAttr", Method, {
        {"_VPSlideXPos", I2}, {"_VPSlideYPos", I2}, {"_VPSlideWidth", I2}, {"_VPSlideHeight", I2},
        {"_VPSlideSliderWidth", I2}, {"_VPSlideSliderHeight", I2}, {"_VPSlideMinValue", I2},
        {"_VPSlideMaxValue", I2}, {"_VPSlideTextFontType", Text}, {"_VPSlideFontSize", I2},
        {"_VPSSlideTitle", Text}, {"_VPSlideEmptyColor", I4}, {"_VPSlideFillColor", I4},
        {"_VPSlideSliderColor", I4}, {"_VPSlideScaleColor", I4}}},
    {108, 138, "SetLevelThermometerLevelText", Method, {
        {"_LevelThermometerLevel", I2}, {"_LevelThermometerLevelText", Text}}},
    {109, 139, "SetSquareLEDAttr", Method, {
        {"_SquareLEDNumber", I2}, {"_SquareLEDXPos", I2}, {"_SquareLEDYPos", I2},
        {"_SquareLEDWidth", I2}, {"_SquareLEDHeight", I2}, {"_SquareLEDTextFontType", Text},
        {"_SquareLEDTextFontSize", I2}, {"_SquareLEDTitle", Text}, {"_SquareLEDColorOn", I4},
        {"_SquareLEDColorOff", I4}, {"_SquareLEDColorText", I4}}},
    {110, 140, "SetSquareLEDState", Method, {{"_SquareLEDNumber", I2}, {"_SquareLEDState", I2}}},
    {111, 141, "SetBitmapConstructAttr", Method, {
        {"_BitmapConstructBitmapIDIndex", I2}, {"_BitmapConstructXPos", I2},
        {"_BitmapConstructYPos", I2}, {"_BitmapConstructWidth", I2}, {"_BitmapConstructHeight", I2},
        {"_BitmapConstructStyle", I2}}},
    {112, 142, "ShowNextBitmapConstructStep", Method, {}},
    {113, 143, "BitmapConstructState", PropertyGet, {{"BitmapConstructState", UI1Result}}},
    {114, 144, "CopyBitmapFromFontTextToSelection", Method, {
        {"_BitmapSelectionIndex", I2}, {"_Text", Text}, {"_Bold", I2}, {"_Italic", I2},
        {"_Color", I4}, {"_FontType", Text}, {"_FontHeight", I2}, {"_Mirror", UI1}}},
    {115, 146, "WriteHighscoreToCVI", Method, {
        {"_Index", UI1}, {"_Highscore", R8}, {"_Highname", Text}, {"_Highstring1", Text},
        {"_Highstring2", Text}}},
    {116, 147, "SortHighscores", Method, {{"_MinIndex", UI1}, {"_MaxIndex", UI1}}},
    {117, 145, "ReadHighscoreFromCVI", Method, {
        {"_Index", UI1}, {"_Highscore", VariantOut}, {"_Highname", VariantOut},
        {"_Highstring1", VariantOut}, {"_Highstring2", VariantOut}}},
    {118, 148, "SetBitmapFadeOverAttr", Method, {
        {"_BitmapIDIndex1", I2}, {"_BitmapIDIndex2", I2}, {"_XPos", I2}, {"_YPos", I2},
        {"_Width", I2}, {"_Height", I2}}},
    {119, 149, "ChangeBitmapFadeOverIntensity", Method, {{"_FadeOverIntensity", UI1}}},
    {120, 150, "ShowMemoryStatus", Method, {}},
    {121, 151, "ChangeZPlanePosScrolltext", Method, {{"_ZPlanePos", I2}}},
    {122, 152, "MaskBitmapFromSelection", Method, {
        {"_BitmapSelectionIndex", I2}, {"_BitmapMaskColor", I4}}},
    {123, 153, "SetUpLoopScrollAttr", Method, {
        {"_XPos", I2}, {"_Width", I2}, {"_FontStyle", Text}, {"_FontHeight", I2},
        {"_FontColor", I4}, {"_Bold", I2}, {"_Italic", I2}, {"_ScrollSpeed", I2}}},
    {124, 154, "AddLineboxLine", Method, {{"_Text", Text}}},
    {125, 155, "DeleteLineboxLine", Method, {{"_LineIndex", I2}}},
    {126, 156, "HideLinebox", Method, {}},
    {127, 157, "ShowUpLoopScrollNextStep", Method, {}},
    {128, 158, "SetExtraTextAttr", Method, {
        {"_XPos", I2}, {"_YPos", I2}, {"_Width", I2}, {"_Title", Text}, {"_FontType", Text},
        {"_FontSize", I2}, {"_FrontColor", I4}, {"_BackColor", I4}, {"_Visibility", I2}}},
    {129, 159, "SetExtraTextText", Method, {{"_Text", Text}}},
    {130, 160, "DrawOnBackground", Method, {
        {"_BitmapIDIndex", I2}, {"_BitmapSelectionXPos", I2}, {"_BitmapSelectionYPos", I2},
        {"_BitmapSelectionWidth", I2}, {"_BitmapSelectionHeight", I2}, {"_AreaXPos", I2},
        {"_AreaYPos", I2}, {"_AreaWidth", I2}, {"_AreaHeight", I2}}},
    {131, 161, "SetBitmapSquareFadeAttr", Method, {
        {"_SquareXPos", I2}, {"_SquareYPos", I2}, {"_SquareBitmapIDIndex", I2}, {"_SquareDim", I2},
        {"_SquareZoom", R8}, {"_SquareFadeStyle", UI1}, {"_SquareFadeInOut", UI1}}},
    {132, 162, "SetBitmapSquareValue", Method, {
        {"_SquareXNum", UI1}, {"_SquareYNum", UI1}, {"_SquareValue", I2}}},
    {133, 163, "ShowBitmapSquareFadeNextStep", Method, {}},
    {134, 164, "BitmapSquareFadeState", PropertyGet, {{"BitmapSquareFadeState", UI1Result}}},
    {135, 165, "ShowPanel", Method, {}},
    {136, 166, "HidePanel", Method, {}},
    {137, 167, "copydmdtosimpledmd", Method, {}},
    {138, 168, "DrawAreaExtra", Method, {
        {"_BitmapIDIndex", I2}, {"_BitmapSectionXPos", I2}, {"_BitmapiSectionYpos", I2},
        {"_BitmapSectionWidth", I2}, {"_BitmapSectionHeight", I2}, {"_AreaXPos", I2},
        {"_AreaYPos", I2}}},
    {139, 169, "CopyXtraToDmd", Method, {}},
    {140, 170, "ShowExtraValue", Method, {{"_DMDNumericValue", R8}}},
    {141, 171, "ShowExtraNumeric", Method, {{"_DMDNumericValue", R8}}},
    {142, 172, "ShowExtraText", Method, {{"_DMDText", Text}}},
    {143, 173, "DrawOnExtraBack", Method, {
        {"_BitmapIDIndex", I2}, {"_BitmapSelectionXPos", I2}, {"_BitmapSelectionYPos", I2},
        {"_BitmapSelectionWidth", I2}, {"_BitmapSelectionHeight", I2}, {"_AreaXPos", I2},
        {"_AreaYPos", I2}, {"_AreaWidth", I2}, {"_AreaHeight", I2}}},
    {144, 174, "ClearExtra", Method, {
        {"_AreaXPos", I2}, {"_AreaYPos", I2}, {"_AreaWidth", I2}, {"_AreaHeight", I2},
        {"_Color", I4}}},
    {145, 175, "SaveHscoreToDisc", Method, {{"HScoreFileName", Text}}},
    {146, 176, "LoadHscoreFromDisc", Method, {{"HScoreFileName", Text}}},
    {147, 177, "WinExecute", Method, {{"ExecuteFileName", Text}}},
    {148, 178, "SetExtraPanelFrameVisibility", Method, {{"_XPanelFrameVisibility", UI1}}},
}};
// clang-format on

}  // namespace member_table_rows

inline constexpr const std::array<MemberDecl, kMemberCount>& kMemberTable =
    member_table_rows::kRows;

// The index into kMemberTable of the member with exactly this name, or -1.
constexpr int FindMemberIndex(std::string_view name) {
    for (int i = 0; i < kMemberCount; ++i) {
        if (kMemberTable[i].name == name) return i;
    }
    return -1;
}

// The table is in slot order, every DISPID is unique, and each property has its one result.
constexpr bool MemberTableIsConsistent() {
    for (int i = 0; i < kMemberCount; ++i) {
        const MemberDecl& m = kMemberTable[i];
        if (m.slot != i + 1) return false;
        for (int j = 0; j < i; ++j) {
            if (kMemberTable[j].dispid == m.dispid) return false;
        }
        const bool property = m.kind == MemberKind::PropertyGet;
        if (property && (m.param_count != 1 || !IsResult(m.params[0].type))) return false;
        if (!property && m.ArgumentCount() != m.param_count) return false;
    }
    return true;
}
static_assert(MemberTableIsConsistent());

}  // namespace tov::server
