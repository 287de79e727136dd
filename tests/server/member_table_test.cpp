// The member table is the contract with compiled clients: every slot, DISPID, name, kind and
// parameter must stay exactly as published.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "server/dispatch.h"
#include "server/member_table.h"
#include "server/members.h"

namespace tov::server {
namespace {

// One member as published: DISPID, name, kind (M method, P property), the parameter types (s
// I2, l I4, d R8, b UI1, t BSTR, v PTR(VARIANT) out, S PTR(I2) and B PTR(UI1) out retval) and
// the parameter names. Listed in slot order from slot 1.
struct Published {
    int dispid;
    const char* name;
    char kind;
    const char* types;
    const char* params;
};

// clang-format off
constexpr Published kPublished[] = {
    {31, "ShowStarAnimNextStep", 'M', "", ""},
    {32, "HideStarAnim", 'M', "", ""},
    {15, "GenerateXYZAnimXYScrollProc", 'M', "ssdd",
     "_XYZAnimIndex _XYZAnimBitmapIDIndex _XYZAnimXYZoom _XYZAnimXYAngle"},
    {13, "InstallPanel", 'M', "ssss", "_PanelXPos _PanelYPos _PanelWidth _PanelHeight"},
    {21, "GenerateXYZAnimZoomProc", 'M', "ssddddd",
     "_XYZAnimIndex _XYZAnimBitmapIndex _XYZAnimZZoomMin _XYZAnimZZoomMax "
     "_XYZAnimZZoomExponent _XYZAnimXYAngle _XYZAnimYZMove"},
    {27, "PrepareXYZAnimProc", 'M', "s", "_XYZAnimIndex"},
    {17, "ShowXYZAnimStep", 'M', "ss", "_XYZAnimIndex _XYZAnimStep"},
    {19, "HideXYZAnim", 'M', "", ""},
    {22, "GenerateTextLeftLoopScrollProc", 'M', "sttsslss",
     "_ScrollTextIndex _ScrollText _ScrollTextFontName _ScrollTextBold _ScrollTextItalic "
     "_ScrollTextColor _ScrollTextFontHeight _ScrollTextSpeed"},
    {26, "PrepareTextLeftLoopScrollProc", 'M', "s", "_ScrollTextIndex"},
    {25, "ShowTextLeftLoopScrollNextStep", 'M', "s", "_ScrollTextIndex"},
    {93, "ChangeTextLeftLoopColor", 'M', "l", "_TextLeftLoopColor"},
    {28, "GenerateTextZoomProc", 'M', "sttsslsss",
     "_ZoomTextIndex _ZoomText _ZoomTextFontType _ZoomTextBold _ZoomTextItalic _ZoomTextColor "
     "_ZoomTextColorBlend _ZoomTextFontMin _ZoomTextFontMax"},
    {29, "PrepareTextZoomProc", 'M', "s", "_ZoomTextIndex"},
    {30, "ShowTextZoomStep", 'M', "ss", "_ZoomTextIndex _ZommTextStep"},
    {24, "HideText", 'M', "", ""},
    {6, "AddBitmapToSelection", 'M', "tsss",
     "_BitmapFileName _BitmapSelectionIndex _BitmapFrameWidth _BitmapFrameHeight"},
    {54, "CopyBitmapFromPanelToSelection", 'M', "sssss",
     "_XPos _YPos _Width _Height _BitmapSelectionIndex"},
    {4, "GenerateFrameAnim", 'M', "ssssss",
     "_FrameAnimIndex _FrameAnimBitmapIDIndex _FrameAnimCanvasWidth _FrameAnimCanvasHeight "
     "_FrameAnimCanvasXPos _FrameAnimCanvasYPos"},
    {7, "PrepareFrameAnim", 'M', "s", "_FrameAnimIndex"},
    {8, "ShowFrameAnimFrame", 'M', "ss", "_FrameAnimIndex _FrameAnimFrameNumber"},
    {12, "HideFrameAnim", 'M', "", ""},
    {33, "ScreenWidth", 'P', "S", "ScreenWidth"},
    {34, "ScreenHeight", 'P', "S", "ScreenHeight"},
    {35, "SetTNTAttr", 'M', "tttsslssss",
     "_TNTPreText _TNTPostText _TNTFontType _TNTBold _TNTItalic _TNTColor _TNTFontHeight "
     "_TNTXPos _TNTYPos _TNTDigits"},
    {36, "ShowTNT", 'M', "l", "_TNTValue"},
    {38, "ChangeTNTColor", 'M', "l", "_TNTColor"},
    {37, "HideTNT", 'M', "", ""},
    {39, "SetDMDAttr", 'M', "ssddsss",
     "_DMDXPos _DMDYPos _DMDXZoom _DMDYZoom _DMDBitmapIDIndex _DMDZeros _DMDCommas"},
    {40, "ShowDMDNumeric", 'M', "d", "_DMDNumericValue"},
    {53, "ShowDMDValue", 'M', "d", "_DMDNumericValue"},
    {49, "ShowDMDText", 'M', "t", "_DMDText"},
    {41, "DrawArea", 'M', "sssssss",
     "_BitmapIDIndex _BitmapSectionXPos _BitmapSectionYPos _BitmapSectionWidth "
     "_BitmapSectionHeight _AreaXPos _AreaYPos"},
    {42, "ClearArea", 'M', "ssssl", "_AreaXPos _AreaYPos _AreaWidth _AreaHeight _Color"},
    {43, "SetLamellaAttr", 'M', "sssddsss",
     "_LamellaBitmapIDIndex _LamellaXPos _LamellaYPos _LamellaXZoom _LamellaYZoom "
     "_LamellaDistance _LamellaFadeInOut _LamellaAngle"},
    {44, "ShowLamellaStep", 'M', "s", "_LamellaThickness"},
    {45, "SetPixelPicAttr", 'M', "ssddss",
     "_PixelPicXPos _PixelPicYPos _PixelPicXZoom _PixelPicYZoom _PixelPicBitmapIDIndex "
     "_PixelPicFadeInOut"},
    {46, "ShowPixelPicStep", 'M', "s", "_PixelPicStep"},
    {47, "SetRotatingPicAttr", 'M', "ssssdds",
     "_RotatingPicFrontBitmapIDIndex _RotatingPicBackBitmapIDIndex _RotatingPicXCenterPos "
     "_RotatingPicYCenterPos _RotatingPicXZoom _RotatingPicYZoom _RotatingPicRotationAxis"},
    {48, "ShowRotatingPicStep", 'M', "s", "_RotatingPicStep"},
    {50, "DiscardPanel", 'M', "", ""},
    {51, "SetBitmapFadeInOutAttr", 'M', "sssdd",
     "_BitmapFadeInOutBitmapIDIndex _BitmapFadeInOutXPos _BitmapFadeInOutYPos "
     "_BitmapFadeInOutXZoom _BitmapFadeInOutYZoom"},
    {52, "ChangeBitmapFadeInOutBrightness", 'M', "s", "_BitmapFadeInOutBrightness"},
    {55, "InstallExtraPanel", 'M', "ssss",
     "_ExtraPanelXPos _ExtraPanelYPos _ExtraPanelWidth _ExtraPanelHeight"},
    {58, "ShowExtraPanel", 'M', "", ""},
    {59, "HideExtraPanel", 'M', "", ""},
    {61, "SetTankAttr", 'M', "sssssstslll",
     "_TankXPos _TankYPos _TankWidth _TankHeight _TankMinValue _TankMaxValue _TankTextFontFype "
     "_TankTextFontSize _TankEmptyColor _TankFillColor _TankScaleColor"},
    {69, "SetTankVisibility", 'M', "s", "_TankVisibility"},
    {57, "SetTankValue", 'M', "s", "_TankValue"},
    {62, "SetMissionValueAttr", 'M', "sssttsll",
     "_MissionValueXPos _MissionValueYPos _MissionValueWidth _MissionValueTitle "
     "_MissionValueFontType _MissionValueFontSize _MissionValueFrontColor "
     "_MissionValueBackColor"},
    {67, "SetMissionValueVisibility", 'M', "s", "_MissionValueVisibility"},
    {63, "SetMissionValue", 'M', "l", "_Value"},
    {72, "SetThermometerAttr", 'M', "sssssststlll",
     "_ThermometerXPos _ThermometerYPos _ThermometerWidth _ThermometerHeight "
     "_ThermometerMinValue _ThermometerMaxValue _ThermometerTextFontType "
     "_ThermometerTextFontSize _ThermometerTitle _ThermometerEmptyColor _ThermometerFillColor "
     "_ThermometerScaleColor"},
    {71, "SetThermometerVisibility", 'M', "s", "_ThermometerVisibility"},
    {70, "SetThermometerValue", 'M', "s", "_ThermometerValue"},
    {75, "SetMultimeterAttr", 'M', "sssssstsllllll",
     "_MultimeterXPos _MultimeterYPos _MultimeterWidth _MultimeterMinValue _MultimeterMaxValue "
     "_MultimeterWarningValue _MultimeterTextFontType _MultimeterTextFontSize "
     "_MultimeterBackColor _MultimeterBowColor _MultimeterScaleColor _MultimeterNeedleColor "
     "_MultimeterColorLEDOn _MultimeterColorLEDOff"},
    {73, "SetMultimeterVisibility", 'M', "s", "_MultimeterVisibility"},
    {74, "SetMultimeterValue", 'M', "s", "_MultimeterValue"},
    {76, "DiscardExtraPanel", 'M', "", ""},
    {77, "SetClockAttr", 'M', "ssssssstsllll",
     "_ClockXPos _ClockYPos _ClockDiameter _ClockMinValue _CockMaxValue _ClockMinAngle "
     "_ClockMaxAngle _ClockScaleFontType _ClockScaleFontSize _ClockNeedleColor _ClockFillColor "
     "_ClockScaleColor _ClockBackColor"},
    {79, "SetClockVisibility", 'M', "s", "_ClockVisibility"},
    {78, "SetClockValue", 'M', "s", "_ClockValue"},
    {88, "CopyBitmapFromDMDLayerToSelection", 'M', "s", "_BitmapSelectionIndex"},
    {89, "SetWaveAttr", 'M', "sssddssss",
     "_WaveBitmapIDIndex _WaveXPos _WaveYPos _WaveXZoom _WaveYZoom _WaveAmplitude _WaveLength "
     "_WaveYStart _WaveYEnd"},
    {90, "ShowNextWaveStep", 'M', "", ""},
    {91, "ChangeWaveAmplitude", 'M', "s", "_WaveDeltaAmplitude"},
    {92, "SetPanelFrameVisibility", 'M', "b", "_PanelFrameVisibility"},
    {97, "InstallWatchPanel", 'M', "ssssbsssssllsst",
     "_WatchPanelXPos _WatchPanelYPos _WatchPanelWidth _WatchPanelHeight "
     "_WatchPanelFrameVisibility _WatchHandXCenter _WatchHandYCenter _WatchHrsHandLength "
     "_WatchMinHandLength _WatchSecHandLength _WatchHrsMinHandColor _WatchSecHandColor "
     "_WatchHrsMinHandWidth _WatchSecHandWidth _WatchBitmapFileName"},
    {95, "SetWatchTime", 'M', "sss", "_hour _minutes _seconds"},
    {98, "DiscardWatchPanel", 'M', "", ""},
    {99, "InstallGemPanel", 'M', "ssss",
     "_GemPanelXPos _GemPanelYPos _GemPanelWidth _GemPanelHeight"},
    {100, "SetGemPhase", 'M', "b", "_GemPhase"},
    {101, "DiscardGemPanel", 'M', "", ""},
    {102, "ShowNextMagicStarStep", 'M', "", ""},
    {103, "SetMagicStarAttr", 'M', "ssssssssssss",
     "_MagicStarXYDimMin0 _MagicStarXYDimMax0 _MagicStarXYDelta0 _MagicStarXYDimMin1 "
     "_MagicStarXYDimMax1 _MagicStarXYDelta1 _MagicStarXYDimMin2 _MagicStarXYDimMax2 "
     "_MagicStarXYDelta2 _MagicStarXYDimMin3 _MagicStarXYDimMax3 _MagicStarXYDelta3"},
    {104, "SetLevelThermometerVisibility", 'M', "s", "_LevelThermometerVisibility"},
    {106, "SetLevelThermometerAttr", 'M', "sssststlll",
     "_LevelThermometerXPos _LevelThermometerYPos _LevelThermometerWidth "
     "_LevelThermometerHeight _LevelThermometerTextFontType _LevelThermometerFontSize "
     "_LevelThermometerTitle _LevelThermometerEmptyColor _LevelThermometerFillColor "
     "_LevelThermometerScaleColor"},
    {107, "SetLevelThermometerLevel", 'M', "b", "_LevelThermometerLevel"},
    {108, "InstallBHGPanel", 'M', "sssst",
     "_BHGPanelXPos _BHGPanelYPos _BHGPanelWidth _BHGPanelHeight _BHGBitmapFileName"},
    {109, "DiscardBHGPanel", 'M', "", ""},
    {110, "SwitchBHGLED", 'M', "ss", "_BHGLEDIndex _BHGLEDState"},
    {111, "SetBHGLEDAttr", 'M', "sssssss",
     "_BHGLEDIndex _BHGLEDXPos _BHGLEDYPos _BHGLEDDiameter _BHGLEDTextXPos _BHGLEDTextYPos "
     "_BHGLEDTextFontSize"},
    {112, "CheckFont", 'M', "t", "thisFont"},
    {113, "InstallSimplePanel", 'M', "sbssss",
     "_SimplePanelNumber _SimplePanelFrameYN _SimplePanelXPos _SimplePanelYPos "
     "_SimplePanelWidth _SimplePanelHeight"},
    {114, "DiscardSimplePanel", 'M', "s", "_SimplePanelNumber"},
    {115, "SetSimplePanelDMDAttr", 'M', "sssddsss",
     "_SimplePanelNumber _SimplePanelDMDXPos _SimplePanelDMDYPos _SimplePanelDMDXZoom "
     "_SimplePanelDMDYZoom _SimplePanelDMDBitmapIDIndex _SimplePanelDMDZerosYN "
     "_SimplePanelDMDCommasYN"},
    {116, "ShowSimplePanelDMDNumeric", 'M', "sd", "_SimplePanelNumber _SimplePanelDMDValue"},
    {117, "SimplePanelClearArea", 'M', "sssssl",
     "_SimplePanelNumber _SimplePanelAreaXPos _SimplePanelAreaYPos _SimplePanelAreaWidth "
     "_SimplePanelAreaHeight _Color"},
    {118, "SimplePanelDrawArea", 'M', "ssssssss",
     "_SimplePanelNumber _BitmapIDIndex _BitmapSectionXPos _BitmapSectionYPos "
     "_BitmapSectionWidth _BitmapSectionHeight _SimplePanelAreaXPos _SimplePanelAreaYPos"},
    {119, "ChangePanelColor", 'M', "l", "_Color"},
    {120, "ShowSimplePanelDMDText", 'M', "st", "_SimplePanelNumber _SimplePanelDMDText"},
    {122, "SetChartAttr", 'M', "ssssss",
     "_ChartXPos _ChartYPos _ChartWidth _ChartHeight _ChartFontSize _ChartVisibility"},
    {123, "AddChartValue", 'M', "dt", "_ChartValue _ChartLabelText"},
    {124, "MouseXPos", 'P', "S", "MouseXPos"},
    {125, "MouseYPos", 'P', "S", "MouseYPos"},
    {126, "LMB", 'P', "S", "LMB"},
    {127, "RMB", 'P', "S", "RMB"},
    {129, "MMB", 'P', "S", "MMB"},
    {128, "SetMouseCursorVisibility", 'M', "b", "_MouseCursorVisibility"},
    {130, "SetPanelUserLock", 'M', "b", "_PanelUserLockYN"},
    {131, "SetSimplePanelUserLock", 'M', "sb", "_SimplePanelNumber _SimplePanelUserLockYN"},
    {132, "SetDynPicAttr", 'M', "ssssss",
     "_DynPicPanel _DynPicNumber _DynPicXPos _DynPicYPos _DynPicWidth _DynPicHeight"},
    {133, "SetDynPicVisibility", 'M', "ssss",
     "_DynPicPanel _DynPicNumber _DynPicVisibility _DynPicFrame"},
    {134, "LoadDynPic", 'M', "ssst", "_DynPicPanel _DynPicNumber _DynPicFrame _DynPicFileName"},
    {135, "SetVPSlideValue", 'M', "s", "_VPSlideValue"},
    {136, "SetVPSlideVisibility", 'M', "s", "_VPSlideVisibility"},
    {137, "SetVPSlideAttr", 'M', "sssssssststllll",
     "_VPSlideXPos _VPSlideYPos _VPSlideWidth _VPSlideHeight _VPSlideSliderWidth "
     "_VPSlideSliderHeight _VPSlideMinValue _VPSlideMaxValue _VPSlideTextFontType "
     "_VPSlideFontSize _VPSSlideTitle _VPSlideEmptyColor _VPSlideFillColor _VPSlideSliderColor "
     "_VPSlideScaleColor"},
    {138, "SetLevelThermometerLevelText", 'M', "st",
     "_LevelThermometerLevel _LevelThermometerLevelText"},
    {139, "SetSquareLEDAttr", 'M', "ssssststlll",
     "_SquareLEDNumber _SquareLEDXPos _SquareLEDYPos _SquareLEDWidth _SquareLEDHeight "
     "_SquareLEDTextFontType _SquareLEDTextFontSize _SquareLEDTitle _SquareLEDColorOn "
     "_SquareLEDColorOff _SquareLEDColorText"},
    {140, "SetSquareLEDState", 'M', "ss", "_SquareLEDNumber _SquareLEDState"},
    {141, "SetBitmapConstructAttr", 'M', "ssssss",
     "_BitmapConstructBitmapIDIndex _BitmapConstructXPos _BitmapConstructYPos "
     "_BitmapConstructWidth _BitmapConstructHeight _BitmapConstructStyle"},
    {142, "ShowNextBitmapConstructStep", 'M', "", ""},
    {143, "BitmapConstructState", 'P', "B", "BitmapConstructState"},
    {144, "CopyBitmapFromFontTextToSelection", 'M', "stssltsb",
     "_BitmapSelectionIndex _Text _Bold _Italic _Color _FontType _FontHeight _Mirror"},
    {146, "WriteHighscoreToCVI", 'M', "bdttt",
     "_Index _Highscore _Highname _Highstring1 _Highstring2"},
    {147, "SortHighscores", 'M', "bb", "_MinIndex _MaxIndex"},
    {145, "ReadHighscoreFromCVI", 'M', "bvvvv",
     "_Index _Highscore _Highname _Highstring1 _Highstring2"},
    {148, "SetBitmapFadeOverAttr", 'M', "ssssss",
     "_BitmapIDIndex1 _BitmapIDIndex2 _XPos _YPos _Width _Height"},
    {149, "ChangeBitmapFadeOverIntensity", 'M', "b", "_FadeOverIntensity"},
    {150, "ShowMemoryStatus", 'M', "", ""},
    {151, "ChangeZPlanePosScrolltext", 'M', "s", "_ZPlanePos"},
    {152, "MaskBitmapFromSelection", 'M', "sl", "_BitmapSelectionIndex _BitmapMaskColor"},
    {153, "SetUpLoopScrollAttr", 'M', "sstslsss",
     "_XPos _Width _FontStyle _FontHeight _FontColor _Bold _Italic _ScrollSpeed"},
    {154, "AddLineboxLine", 'M', "t", "_Text"},
    {155, "DeleteLineboxLine", 'M', "s", "_LineIndex"},
    {156, "HideLinebox", 'M', "", ""},
    {157, "ShowUpLoopScrollNextStep", 'M', "", ""},
    {158, "SetExtraTextAttr", 'M', "sssttslls",
     "_XPos _YPos _Width _Title _FontType _FontSize _FrontColor _BackColor _Visibility"},
    {159, "SetExtraTextText", 'M', "t", "_Text"},
    {160, "DrawOnBackground", 'M', "sssssssss",
     "_BitmapIDIndex _BitmapSelectionXPos _BitmapSelectionYPos _BitmapSelectionWidth "
     "_BitmapSelectionHeight _AreaXPos _AreaYPos _AreaWidth _AreaHeight"},
    {161, "SetBitmapSquareFadeAttr", 'M', "ssssdbb",
     "_SquareXPos _SquareYPos _SquareBitmapIDIndex _SquareDim _SquareZoom _SquareFadeStyle "
     "_SquareFadeInOut"},
    {162, "SetBitmapSquareValue", 'M', "bbs", "_SquareXNum _SquareYNum _SquareValue"},
    {163, "ShowBitmapSquareFadeNextStep", 'M', "", ""},
    {164, "BitmapSquareFadeState", 'P', "B", "BitmapSquareFadeState"},
    {165, "ShowPanel", 'M', "", ""},
    {166, "HidePanel", 'M', "", ""},
    {167, "copydmdtosimpledmd", 'M', "", ""},
    {168, "DrawAreaExtra", 'M', "sssssss",
     "_BitmapIDIndex _BitmapSectionXPos _BitmapiSectionYpos _BitmapSectionWidth "
     "_BitmapSectionHeight _AreaXPos _AreaYPos"},
    {169, "CopyXtraToDmd", 'M', "", ""},
    {170, "ShowExtraValue", 'M', "d", "_DMDNumericValue"},
    {171, "ShowExtraNumeric", 'M', "d", "_DMDNumericValue"},
    {172, "ShowExtraText", 'M', "t", "_DMDText"},
    {173, "DrawOnExtraBack", 'M', "sssssssss",
     "_BitmapIDIndex _BitmapSelectionXPos _BitmapSelectionYPos _BitmapSelectionWidth "
     "_BitmapSelectionHeight _AreaXPos _AreaYPos _AreaWidth _AreaHeight"},
    {174, "ClearExtra", 'M', "ssssl", "_AreaXPos _AreaYPos _AreaWidth _AreaHeight _Color"},
    {175, "SaveHscoreToDisc", 'M', "t", "HScoreFileName"},
    {176, "LoadHscoreFromDisc", 'M', "t", "HScoreFileName"},
    {177, "WinExecute", 'M', "t", "ExecuteFileName"},
    {178, "SetExtraPanelFrameVisibility", 'M', "b", "_XPanelFrameVisibility"},
};
// clang-format on

ParamType TypeOfLetter(char letter) {
    switch (letter) {
        case 's':
            return ParamType::I2;
        case 'l':
            return ParamType::I4;
        case 'd':
            return ParamType::R8;
        case 'b':
            return ParamType::UI1;
        case 't':
            return ParamType::Text;
        case 'v':
            return ParamType::VariantOut;
        case 'S':
            return ParamType::I2Result;
        default:
            return ParamType::UI1Result;
    }
}

TEST(MemberTable, MatchesThePublishedInterface) {
    ASSERT_EQ(std::size(kPublished), 148u);
    ASSERT_EQ(kMemberTable.size(), 148u);
    int properties = 0;
    for (int i = 0; i < kMemberCount; ++i) {
        const Published& p = kPublished[i];
        const MemberDecl& m = kMemberTable[i];
        SCOPED_TRACE(p.name);
        EXPECT_EQ(m.slot, i + 1);
        EXPECT_EQ(m.dispid, p.dispid);
        EXPECT_EQ(m.name, p.name);
        EXPECT_EQ(m.kind, p.kind == 'P' ? MemberKind::PropertyGet : MemberKind::Method);
        properties += m.kind == MemberKind::PropertyGet ? 1 : 0;
        const std::string_view types = p.types;
        ASSERT_EQ(m.param_count, static_cast<int>(types.size()));
        std::string names;
        for (int k = 0; k < m.param_count; ++k) {
            EXPECT_EQ(m.params[k].type, TypeOfLetter(types[k])) << "parameter " << k;
            if (k > 0) names += ' ';
            names += m.params[k].name;
        }
        EXPECT_EQ(names, p.params);
    }
    EXPECT_EQ(properties, 9);
}

TEST(MemberTable, DispidsRunFrom4To178WithGaps) {
    int lowest = kMemberTable[0].dispid;
    int highest = lowest;
    for (const MemberDecl& m : kMemberTable) {
        lowest = std::min(lowest, m.dispid);
        highest = std::max(highest, m.dispid);
    }
    EXPECT_EQ(lowest, 4);
    EXPECT_EQ(highest, 178);
}

TEST(MemberTable, EveryNameAndDispidLeadsBackToItsMember) {
    for (int i = 0; i < kMemberCount; ++i) {
        const MemberDecl& m = kMemberTable[i];
        EXPECT_EQ(MemberIndexOfDispid(m.dispid), i) << m.name;
        EXPECT_EQ(MemberIndexOfName(m.name), i) << m.name;
    }
}

// Shows how far the binding of bodies has come; not a failure while members are missing.
TEST(MemberTable, ListsBoundAndUnboundMembers) {
    std::string bound;
    std::string unbound;
    for (int i = 0; i < kMemberCount; ++i) {
        std::string& list = BodyAt(i) != nullptr ? bound : unbound;
        if (!list.empty()) list += ", ";
        list += kMemberTable[i].name;
    }
    std::printf("bound members (%d of %d): %s\n", BoundMemberCount(), kMemberCount,
                bound.empty() ? "none" : bound.c_str());
    std::printf("unbound members (%d): %s\n", kMemberCount - BoundMemberCount(),
                unbound.empty() ? "none" : unbound.c_str());
    EXPECT_EQ(BodyAt(-1), nullptr);
    EXPECT_EQ(BodyAt(kMemberCount), nullptr);
}

}  // namespace
}  // namespace tov::server
