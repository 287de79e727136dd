#include "panels/gauges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "extra_panel_fixture.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::extra_panel;

constexpr int kBesideRight = static_cast<int>(0x8000000Fu);

class GaugesTest : public ExtraPanelFixture {
  protected:
    Gauges& G() { return engine_.Gauges(); }
    platform::Surface Disc() {
        platform::Surface s(Get(ids::kClockDisc, Attr::Width), Get(ids::kClockDisc, Attr::Height),
                            0);
        Rt().CanvasGetPixels(Extra(), ids::kClockDisc, platform::kWholeArea, s.pixels);
        return s;
    }
    // The properties of a control with the label's place left out.
    std::vector<std::pair<std::string, platform::ControlValue>> AllButLabelPlace(int control) {
        auto properties = Describe(control).properties;
        std::erase_if(properties, [](const auto& p) {
            return p.first == "label_left" || p.first == "label_top";
        });
        return properties;
    }
};

TEST_F(GaugesTest, AttrMembersWithMinusTwoAndEmptyTextsChangeOnlyTheLabelPlacement) {
    const auto tank = AllButLabelPlace(ids::kTank);
    const auto thermometer = AllButLabelPlace(ids::kThermometer);
    const auto slide = AllButLabelPlace(ids::kSlide);
    const auto level = AllButLabelPlace(ids::kLevelThermometer);
    const auto meter = AllButLabelPlace(ids::kMultimeter);
    const auto clock = AllButLabelPlace(ids::kClock);
    const auto mission = AllButLabelPlace(ids::kMissionValue);
    EXPECT_EQ(G().SetTankAttr(-2, -2, -2, -2, -2, -2, "", -2, -2, -2, -2), 0);
    EXPECT_EQ(G().SetThermometerAttr(-2, -2, -2, -2, -2, -2, "", -2, "", -2, -2, -2), 0);
    EXPECT_EQ(G().SetVPSlideAttr(-2, -2, -2, -2, -2, -2, -2, -2, "", -2, "", -2, -2, -2, -2), 0);
    EXPECT_EQ(G().SetLevelThermometerAttr(-2, -2, -2, -2, "", -2, "", -2, -2, -2), 0);
    EXPECT_EQ(G().SetMultimeterAttr(-2, -2, -2, -2, -2, -1, "", -2, -2, -2, -2, -2, -2, -2), 0);
    EXPECT_EQ(G().SetClockAttr(-2, -2, -2, -2, -2, -2, -2, "", -2, -2, -2, -2, -2), 0);
    EXPECT_EQ(G().SetMissionValueAttr(-2, -2, -2, "", "", -2, -2, -2), 0);
    EXPECT_EQ(AllButLabelPlace(ids::kTank), tank);
    EXPECT_EQ(AllButLabelPlace(ids::kThermometer), thermometer);
    EXPECT_EQ(AllButLabelPlace(ids::kSlide), slide);
    EXPECT_EQ(AllButLabelPlace(ids::kLevelThermometer), level);
    EXPECT_EQ(AllButLabelPlace(ids::kMultimeter), meter);
    EXPECT_EQ(AllButLabelPlace(ids::kClock), clock);
    EXPECT_EQ(AllButLabelPlace(ids::kMissionValue), mission);

    // Centred vertically, beside the gauge on its right.
    for (int control : {ids::kTank, ids::kThermometer, ids::kLevelThermometer}) {
        EXPECT_EQ(Get(control, Attr::LabelTop), platform::kLabelCentred);
        EXPECT_EQ(Get(control, Attr::LabelLeft), kBesideRight);
    }
    // -2 + -2 + 5, and -2 - trunc(4 / 1.5): from the arguments as passed.
    EXPECT_EQ(Get(ids::kSlide, Attr::LabelLeft), 1);
    EXPECT_EQ(Get(ids::kMissionValue, Attr::LabelTop), -4);
    EXPECT_TRUE(TakePopup().empty());
}

TEST_F(GaugesTest, TankAndThermometerAttrSetEveryPropertyTheyName) {
    EXPECT_EQ(G().SetTankAttr(30, 40, 70, 160, -10, 90, "Courier", 9, 0x101010, 0x2080F0, 0xF0F0F0),
              0);
    EXPECT_EQ(Place(ids::kTank), MakeRect(40, 30, 160, 70));
    EXPECT_EQ(GetDouble(ids::kTank, Attr::MinValue), -10.0);
    EXPECT_EQ(GetDouble(ids::kTank, Attr::MaxValue), 90.0);
    EXPECT_EQ(GetText(ids::kTank, Attr::TextFont), "Courier");
    EXPECT_EQ(GetText(ids::kTank, Attr::LabelFont), "Courier");
    EXPECT_EQ(Get(ids::kTank, Attr::TextPointSize), 9);
    EXPECT_EQ(Get(ids::kTank, Attr::LabelPointSize), 9);
    EXPECT_EQ(Get(ids::kTank, Attr::EmptyColor), 0x101010);
    EXPECT_EQ(Get(ids::kTank, Attr::FillColor), 0x2080F0);
    EXPECT_EQ(Get(ids::kTank, Attr::ScaleColor), 0xF0F0F0);
    EXPECT_EQ(Get(ids::kTank, Attr::LabelColor), 0xF0F0F0);

    EXPECT_EQ(G().SetThermometerAttr(130, 45, 50, 150, 0, 40, "", 8, "TEMP", 0xFFFFFF, 0xE00000,
                                     0x00FF00),
              0);
    EXPECT_EQ(Place(ids::kThermometer), MakeRect(45, 130, 150, 50));
    EXPECT_EQ(GetText(ids::kThermometer, Attr::LabelText), "TEMP");
    EXPECT_EQ(Get(ids::kThermometer, Attr::LabelPointSize), 8);
    EXPECT_EQ(Get(ids::kThermometer, Attr::FillColor), 0xE00000);
    EXPECT_EQ(Get(ids::kThermometer, Attr::LabelColor), 0x00FF00);

    // Values and visibility: 0 hides, any other value shows.
    EXPECT_EQ(G().SetTankValue(55), 0);
    EXPECT_EQ(Value(ids::kTank), 55.0);
    EXPECT_EQ(G().SetThermometerValue(-3), 0);
    EXPECT_EQ(Value(ids::kThermometer), -3.0);
    EXPECT_EQ(G().SetTankVisibility(7), 0);
    EXPECT_EQ(Get(ids::kTank, Attr::Visible), 1);
    G().SetTankVisibility(0);
    EXPECT_EQ(Get(ids::kTank, Attr::Visible), 0);
    EXPECT_EQ(G().SetThermometerVisibility(-1), 0);
    EXPECT_EQ(Get(ids::kThermometer, Attr::Visible), 1);
}

TEST_F(GaugesTest, MultimeterPlacesItsWarningLedAndLabelInsideTheDial) {
    const int led = ids::kMultimeterWarningLed;
    EXPECT_EQ(G().SetMultimeterAttr(100, 50, 200, 0, 50, 20, "", 10, 0x202020, 0xFFFFFF, 0x000000,
                                    0xFF0000, 0x00FF00, 0x003000),
              0);
    EXPECT_EQ(G().MultimeterWarningValue, 20);
    EXPECT_EQ(Place(led), MakeRect(104, 120, 20, 20));
    EXPECT_EQ(Get(ids::kMultimeter, Attr::LabelTop), 87);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::LabelLeft), platform::kLabelCentred);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::Width), 200);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::FrameColor), 0x202020);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::NeedleColor), 0xFF0000);
    EXPECT_EQ(Get(led, Attr::OnColor), 0x00FF00);
    EXPECT_EQ(Get(led, Attr::OffColor), 0x003000);

    // At or below the warning value the LED is lit.
    EXPECT_EQ(G().SetMultimeterValue(20), 0);
    EXPECT_EQ(Value(ids::kMultimeter), 20.0);
    EXPECT_EQ(Value(led), 1.0);
    G().SetMultimeterValue(21);
    EXPECT_EQ(Value(led), 0.0);
    G().SetMultimeterValue(-5);
    EXPECT_EQ(Value(led), 1.0);

    // Only exactly 1 shows the LED with the multimeter.
    EXPECT_EQ(G().SetMultimeterVisibility(1), 0);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::Visible), 1);
    EXPECT_EQ(Get(led, Attr::Visible), 1);
    G().SetMultimeterVisibility(2);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::Visible), 1);
    EXPECT_EQ(Get(led, Attr::Visible), 0);
    G().SetMultimeterVisibility(0);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::Visible), 0);

    // Warning value -1: the LED stays where it was and keeps its value; 1 hides it.
    EXPECT_EQ(G().SetMultimeterAttr(10, 10, 100, -2, -2, -1, "", -2, -2, -2, -2, -2, -2, -2), 0);
    EXPECT_EQ(Place(led), MakeRect(104, 120, 20, 20));
    EXPECT_EQ(Get(ids::kMultimeter, Attr::LabelTop), 28);  // 10 + 18.8
    G().SetMultimeterValue(50);
    EXPECT_EQ(Value(led), 1.0);
    G().SetMultimeterVisibility(1);
    EXPECT_EQ(Get(ids::kMultimeter, Attr::Visible), 1);
    EXPECT_EQ(Get(led, Attr::Visible), 0);

    // The warning value survives a new extra panel; its LED comes back from the panel file.
    engine_.ExtraPanel().DiscardExtraPanel();
    engine_.ExtraPanel().InstallExtraPanel(0, 100, kExtraWidth, kExtraHeight);
    EXPECT_EQ(G().MultimeterWarningValue, -1);
}

TEST_F(GaugesTest, ClockDiscLiesUnderTheFaceAndMovesWithoutRepaintWithBackColourMinusTwo) {
    EXPECT_EQ(G().SetClockAttr(40, 30, 100, 0, 60, 90, -270, "", 10, 0xFF0000, 0x00FF00, 0xFFFFFF,
                               0x0000C0),
              0);
    EXPECT_EQ(Place(ids::kClock), MakeRect(30, 40, 100, 100));
    EXPECT_EQ(GetDouble(ids::kClock, Attr::StartAngle), 90.0);
    EXPECT_EQ(GetDouble(ids::kClock, Attr::EndAngle), -270.0);
    EXPECT_EQ(Place(ids::kClockDisc), MakeRect(10, 20, 140, 140));
    const platform::Surface disc = Disc();
    EXPECT_EQ(BoundsOf(disc, 0x0000C0), MakeRect(21, 21, 98, 98));
    EXPECT_EQ(disc.At(70, 70), 0x0000C0u);
    // Around the disc the canvas is transparent.
    EXPECT_EQ(disc.At(0, 0), static_cast<uint32_t>(platform::kTransparent));

    // The scale's font is the clock's; its label font stays.
    const std::string label_font = GetText(ids::kClock, Attr::LabelFont);
    EXPECT_EQ(G().SetClockAttr(60, 50, -2, -2, -2, -2, -2, "Courier", 12, -2, -2, -2, -2), 0);
    EXPECT_EQ(GetText(ids::kClock, Attr::TextFont), "Courier");
    EXPECT_EQ(GetText(ids::kClock, Attr::LabelFont), label_font);
    EXPECT_EQ(Place(ids::kClockDisc), MakeRect(26, 36, 148, 148));
    const platform::Surface moved = Disc();
    // Neither cleared nor repainted: the old disc is still where it was drawn.
    EXPECT_EQ(BoundsOf(moved, 0x0000C0), MakeRect(21, 21, 98, 98));

    EXPECT_EQ(G().SetClockValue(45), 0);
    EXPECT_EQ(Value(ids::kClock), 45.0);
    EXPECT_EQ(G().SetClockVisibility(3), 0);
    EXPECT_EQ(Get(ids::kClock, Attr::Visible), 1);
    EXPECT_EQ(Get(ids::kClockDisc, Attr::Visible), 1);
    G().SetClockVisibility(0);
    EXPECT_EQ(Get(ids::kClock, Attr::Visible), 0);
    EXPECT_EQ(Get(ids::kClockDisc, Attr::Visible), 0);

    // A clock too small for a face draws no disc (and never reaches the far edges).
    EXPECT_EQ(G().SetClockAttr(10, 10, 1, -2, -2, -2, -2, "", 5, -2, -2, -2, 0x00C000), 0);
    EXPECT_EQ(CountOf(Disc(), 0x00C000), 0);
}

TEST_F(GaugesTest, SlideAttrPlacesTheLabelRightOfTheThumb) {
    EXPECT_EQ(G().SetVPSlideAttr(380, 260, 60, 150, 24, 12, 0, 10, "Arial", 9, "POWER", 0x000000,
                                 0x00A0FF, 0xC0C0C0, 0xFFFFFF),
              0);
    EXPECT_EQ(Place(ids::kSlide), MakeRect(260, 380, 150, 60));
    EXPECT_EQ(Get(ids::kSlide, Attr::SliderWidth), 24);
    EXPECT_EQ(Get(ids::kSlide, Attr::SliderHeight), 12);
    EXPECT_EQ(Get(ids::kSlide, Attr::SliderColor), 0xC0C0C0);
    EXPECT_EQ(GetText(ids::kSlide, Attr::LabelText), "POWER");
    EXPECT_EQ(Get(ids::kSlide, Attr::LabelLeft), 409);
    EXPECT_EQ(Get(ids::kSlide, Attr::LabelTop), platform::kLabelCentred);
    EXPECT_EQ(G().SetVPSlideValue(7), 0);
    EXPECT_EQ(Value(ids::kSlide), 7.0);
    EXPECT_EQ(G().SetVPSlideVisibility(1), 0);
    EXPECT_EQ(Get(ids::kSlide, Attr::Visible), 1);
}

TEST_F(GaugesTest, LevelTextsAreBuiltInOrderRefusedBeyondTheEndAndReplaced) {
    const int level = ids::kLevelThermometer;
    EXPECT_EQ(G().SetLevelThermometerLevelText(0, "LOW"), 0);
    EXPECT_EQ(G().SetLevelThermometerLevelText(1, "MID"), 0);
    EXPECT_EQ(G().SetLevelThermometerLevelText(2, "HIGH"), 0);
    EXPECT_EQ(engine_.status, 0);
    EXPECT_EQ(G().SetLevelThermometerLevelText(5, "TOP"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: private CVI-function 'SetLevelThermometerLevelText': "
              "parameter '_LevelThermometerLevel'=5 not valid");
    EXPECT_EQ(G().SetLevelThermometerLevelText(1, "HALF"), 0);
    EXPECT_EQ(Items(level), (std::vector<std::string>{"LOW", "HALF", "HIGH"}));
    // The last valid new level is the count; a negative one names no level.
    EXPECT_EQ(G().SetLevelThermometerLevelText(3, "TOP"), 0);
    EXPECT_EQ(G().SetLevelThermometerLevelText(-1, "X"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: private CVI-function 'SetLevelThermometerLevelText': "
              "parameter '_LevelThermometerLevel'=-1 not valid");

    EXPECT_EQ(G().SetLevelThermometerLevel(2), 0);
    EXPECT_EQ(Value(level), 2.0);
    // A level that does not exist leaves the selection.
    EXPECT_EQ(G().SetLevelThermometerLevel(200), 0);
    EXPECT_EQ(Value(level), 2.0);

    EXPECT_EQ(G().SetLevelThermometerAttr(40, 260, 90, 150, "Courier", 9, "LEVEL", 0xFFFFFF,
                                          0x00C000, 0xFFFF00),
              0);
    EXPECT_EQ(Place(level), MakeRect(260, 40, 150, 90));
    EXPECT_EQ(GetText(level, Attr::LabelText), "LEVEL");
    EXPECT_EQ(Get(level, Attr::TextPointSize), 9);
    EXPECT_EQ(Get(level, Attr::FillColor), 0x00C000);
    EXPECT_EQ(Get(level, Attr::LabelColor), 0xFFFF00);
    EXPECT_EQ(G().SetLevelThermometerVisibility(1), 0);
    EXPECT_EQ(Get(level, Attr::Visible), 1);
    EXPECT_TRUE(TakePopup().empty());

    // With no extra panel the list operation's own refusal is reported.
    engine_.ExtraPanel().DiscardExtraPanel();
    EXPECT_EQ(G().SetLevelThermometerLevelText(0, "LOW"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: private CVI-function 'SetLevelThermometerLevelText': "
              "return code " +
                  std::to_string(platform::kUIEInvalidPanel));
}

TEST_F(GaugesTest, MissionValueCentresOnThePanelAndShowsThreeGroups) {
    const int mission = ids::kMissionValue;
    EXPECT_EQ(G().SetMissionValueAttr(-1, 300, 200, "MISSION", "Courier", 12, 0xFFFF00, 0x000080),
              0);
    EXPECT_EQ(Place(mission).left, 220);
    EXPECT_EQ(Place(mission).top, 300);
    EXPECT_EQ(Place(mission).width, 200);
    EXPECT_EQ(Get(mission, Attr::TextPointSize), 12);
    EXPECT_EQ(Get(mission, Attr::LabelPointSize), 8);
    EXPECT_EQ(Get(mission, Attr::LabelTop), 288);
    EXPECT_EQ(GetText(mission, Attr::LabelText), "MISSION");
    EXPECT_EQ(GetText(mission, Attr::LabelFont), "Courier");
    EXPECT_EQ(Get(mission, Attr::TextColor), 0xFFFF00);
    EXPECT_EQ(Get(mission, Attr::LabelColor), 0xFFFF00);
    EXPECT_EQ(Get(mission, Attr::TextBgColor), 0x000080);
    // An odd difference truncates: (640 - 201) / 2.
    G().SetMissionValueAttr(-1, -2, 201, "", "", -2, -2, -2);
    EXPECT_EQ(Place(mission).left, 219);

    const auto shown = [&](int32_t v) {
        EXPECT_EQ(G().SetMissionValue(v), 0);
        std::string text;
        Rt().GetCtrlVal(Extra(), mission, &text);
        return text;
    };
    EXPECT_EQ(shown(5), "00.000.005");
    EXPECT_EQ(shown(0), "00.000.000");
    EXPECT_EQ(shown(1234567), "01.234.567");
    EXPECT_EQ(shown(123456789), "123.456.789");
    EXPECT_EQ(shown(1234567890), "234.567.890");
    EXPECT_EQ(shown(-1234567), "-1.-234.-567");
    EXPECT_EQ(shown(INT32_MIN), "-147.-483.-648");
    EXPECT_EQ(G().SetMissionValueVisibility(1), 0);
    EXPECT_EQ(Get(mission, Attr::Visible), 1);
}

TEST_F(GaugesTest, EveryMemberIsSafeBeforeInstallAndAfterDiscard) {
    for (int round = 0; round < 2; ++round) {
        engine_.ExtraPanel().DiscardExtraPanel();
        EXPECT_EQ(G().SetTankAttr(1, 2, 3, 4, 5, 5, "Arial", 9, 1, 2, 3), 0);
        EXPECT_EQ(G().SetTankValue(1), 0);
        EXPECT_EQ(G().SetTankVisibility(1), 0);
        EXPECT_EQ(G().SetThermometerAttr(1, 2, 3, 4, 5, 5, "Arial", 9, "T", 1, 2, 3), 0);
        EXPECT_EQ(G().SetThermometerValue(1), 0);
        EXPECT_EQ(G().SetThermometerVisibility(1), 0);
        EXPECT_EQ(G().SetMultimeterAttr(1, 2, 3, 5, 5, 4, "Arial", 9, 1, 2, 3, 4, 5, 6), 0);
        EXPECT_EQ(G().SetMultimeterValue(1), 0);
        EXPECT_EQ(G().SetMultimeterVisibility(1), 0);
        EXPECT_EQ(G().SetClockAttr(1, 2, 3, 5, 5, 0, 0, "Arial", 9, 1, 2, 3, 4), 0);
        EXPECT_EQ(G().SetClockValue(1), 0);
        EXPECT_EQ(G().SetClockVisibility(1), 0);
        EXPECT_EQ(G().SetVPSlideAttr(1, 2, 3, 4, 5, 6, 7, 7, "Arial", 9, "S", 1, 2, 3, 4), 0);
        EXPECT_EQ(G().SetVPSlideValue(1), 0);
        EXPECT_EQ(G().SetVPSlideVisibility(1), 0);
        EXPECT_EQ(G().SetLevelThermometerAttr(1, 2, 3, 4, "Arial", 9, "L", 1, 2, 3), 0);
        EXPECT_EQ(G().SetLevelThermometerLevel(1), 0);
        EXPECT_EQ(G().SetLevelThermometerVisibility(1), 0);
        EXPECT_EQ(G().SetMissionValueAttr(-1, 2, 3, "M", "Arial", 9, 1, 2), 0);
        EXPECT_EQ(G().SetMissionValue(1), 0);
        EXPECT_EQ(G().SetMissionValueVisibility(1), 0);
        EXPECT_TRUE(TakePopup().empty());
        // A fresh engine: no extra panel was ever installed.
        engine_.ExtraPanel().ExtraPanelHandle = 0;
    }
}

TEST_F(GaugesTest, MinimumEqualToMaximumShowsEveryGaugeAtItsStart) {
    G().SetTankAttr(-2, -2, -2, -2, 5, 5, "", -2, -2, -2, -2);
    G().SetThermometerAttr(-2, -2, -2, -2, 5, 5, "", -2, "", -2, -2, -2);
    G().SetMultimeterAttr(-2, -2, -2, 5, 5, 5, "", -2, -2, -2, -2, -2, -2, -2);
    G().SetClockAttr(-2, -2, -2, 5, 5, 0, 0, "", -2, -2, -2, -2, 0x000040);
    G().SetVPSlideAttr(-2, -2, -2, -2, -2, -2, 5, 5, "", -2, "", -2, -2, -2, -2);
    for (int16_t value : {4, 5, 6}) {
        G().SetTankValue(value);
        G().SetThermometerValue(value);
        G().SetMultimeterValue(value);
        G().SetClockValue(value);
        G().SetVPSlideValue(value);
    }
    for (int control : {ids::kTank, ids::kThermometer, ids::kMultimeter, ids::kClock, ids::kSlide})
        Rt().SetCtrlAttribute(Extra(), control, Attr::Visible, 1);
    platform::Surface shot;
    EXPECT_TRUE(Rt().ComposePanel(Extra(), &shot));
    EXPECT_TRUE(TakePopup().empty());
}

// The extra panel with every gauge styled and shown, at two sets of values.
TEST_F(GaugesTest, ExtraPanelShowsEveryGaugeAsAnInstrument) {
    Indicators& ind = engine_.Indicators();
    constexpr int kGrey = 0xC8C8C8;
    // The demo's panel: wide and low, below the main panel.
    engine_.ExtraPanel().DiscardExtraPanel();
    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(20, 292, 984, 304), 0);
    engine_.AreaDrawing().ClearExtra(0, 0, -1, -1, 0x181C24);
    for (int16_t n = 0; n < 5; ++n) {
        ind.SetSquareLEDAttr(n, static_cast<int16_t>(16 + n * 92), 10, 84, 24, "Arial", 11,
                             "LED " + std::to_string(n + 1), 0x30F040, 0x183818, 0xFFFFFF);
        ind.SetSquareLEDState(n, n == 2 ? 1 : -1);
    }
    G().SetTankAttr(16, 56, 76, 200, 0, 100, "Arial", 10, 0xE8ECF0, 0x2878E8, kGrey);
    G().SetThermometerAttr(150, 56, 56, 200, -20, 40, "Arial", 10, "TEMP", 0xF4F4F4, 0xE02828,
                           kGrey);
    const char* const levels[] = {"EMPTY", "LOW", "HALF", "HIGH", "FULL"};
    for (int16_t level = 0; level < 5; ++level)
        G().SetLevelThermometerLevelText(level, levels[level]);
    G().SetLevelThermometerAttr(270, 56, 90, 200, "Arial", 10, "LEVEL", 0xF4F4F4, 0x20B848, kGrey);
    G().SetMultimeterAttr(420, 50, 230, 0, 100, 20, "Arial", 11, 0x2C3036, 0xF0E8D0, 0xFFFFFF,
                          0xF03020, 0xFF3030, 0x401010);
    ind.SetChartAttr(420, 214, 230, 76, 11, 1);
    G().SetClockAttr(710, 96, 128, 0, 60, 90, -270, "Arial", 10, 0xF04030, 0x40A0FF, 0xFFFFFF,
                     0x0C2448);
    G().SetVPSlideAttr(900, 56, 70, 200, 26, 12, 0, 10, "Arial", 10, "POWER", 0x303840, 0xF0A020,
                       0xD8D8D8, kGrey);
    G().SetMissionValueAttr(690, 24, 170, "MISSION", "Arial", 16, 0xFFD040, 0x101010);
    G().SetTankVisibility(1);
    G().SetThermometerVisibility(1);
    G().SetLevelThermometerVisibility(1);
    G().SetMultimeterVisibility(1);
    G().SetClockVisibility(1);
    G().SetVPSlideVisibility(1);
    G().SetMissionValueVisibility(1);
    const auto show = [&](int16_t tank, int16_t temp, int16_t meter, int16_t clock, int16_t slide,
                          uint8_t level, int32_t mission) {
        G().SetTankValue(tank);
        G().SetThermometerValue(temp);
        G().SetMultimeterValue(meter);
        G().SetClockValue(clock);
        G().SetVPSlideValue(slide);
        G().SetLevelThermometerLevel(level);
        G().SetMissionValue(mission);
        platform::Surface panel;
        EXPECT_TRUE(Rt().ComposePanel(Extra(), &panel));
        return panel;
    };
    for (int i = 0; i < 40; ++i)
        ind.AddChartValue(50 + 40 * std::sin(i / 4.0), i == 39 ? "CHART" : "");
    const platform::Surface low = show(25, -5, 12, 10, 3, 1, 12345);
    EXPECT_MATCHES_GOLDEN(low, "panels/extra_panel_low");
    // At 12 the warning LED is lit.
    EXPECT_EQ(Value(ids::kMultimeterWarningLed), 1.0);
    const platform::Surface high = show(90, 35, 80, 45, 9, 4, 987654321);
    EXPECT_MATCHES_GOLDEN(high, "panels/extra_panel_high");
    EXPECT_EQ(Value(ids::kMultimeterWarningLed), 0.0);
    EXPECT_TRUE(TakePopup().empty());
}

}  // namespace
}  // namespace tov::testing
