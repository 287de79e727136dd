#include "panels/indicators.h"

#include <gtest/gtest.h>

#include <string>

#include "extra_panel_fixture.h"
#include "platform/image_file.h"
#include "platform/paths.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::extra_panel;

class IndicatorsTest : public ExtraPanelFixture {
  protected:
    Indicators& I() { return engine_.Indicators(); }
    // A one-colour image file in the test folder.
    void Picture(const std::string& name, uint32_t color) {
        ASSERT_EQ(platform::WritePng(dir_.File(name), platform::Surface(8, 8, color)), 0);
    }
    // The colour in the middle of a control as the screen shows it.
    uint32_t Shown(int panel, int control) {
        platform::Surface s;
        EXPECT_TRUE(Rt().ComposeControl(panel, control, &s));
        return s.width > 0 ? s.At(s.width / 2, s.height / 2) : 0;
    }
};

TEST_F(IndicatorsTest, SquareLedAttrSetsEverythingAsPassedAndStatesSwitchIt) {
    const int led = 6;  // square LED 0
    EXPECT_EQ(I().SetSquareLEDAttr(0, 20, 30, 80, 24, "Courier", 9, "BONUS", 0x00FF00, 0x003000,
                                   0xFFFFFF),
              0);
    EXPECT_EQ(I().SquareLEDDescriptor, led);
    EXPECT_EQ(Place(led), MakeRect(30, 20, 24, 80));
    EXPECT_EQ(GetText(led, Attr::LabelFont), "Courier");
    EXPECT_EQ(Get(led, Attr::LabelPointSize), 9);
    EXPECT_EQ(GetText(led, Attr::LabelText), "BONUS");
    EXPECT_EQ(Get(led, Attr::OnColor), 0x00FF00);
    EXPECT_EQ(Get(led, Attr::OffColor), 0x003000);
    EXPECT_EQ(Get(led, Attr::LabelColor), 0xFFFFFF);
    EXPECT_EQ(Get(led, Attr::LabelLeft), platform::kLabelCentred);
    EXPECT_EQ(Get(led, Attr::LabelTop), platform::kLabelCentred);
    // -2 is a value here, an empty title too.
    I().SetSquareLEDAttr(4, -2, -2, 10, 10, "", 9, "", 0x00FF00, 0x003000, 0xFFFFFF);
    EXPECT_EQ(Place(2).left, -2);
    EXPECT_EQ(GetText(2, Attr::LabelText), "");

    EXPECT_EQ(I().SetSquareLEDState(0, -1), 0);
    EXPECT_EQ(Get(led, Attr::Visible), 1);
    EXPECT_EQ(Value(led), 0.0);
    EXPECT_EQ(Shown(Extra(), led), 0x003000u);
    I().SetSquareLEDState(0, 1);
    EXPECT_EQ(Value(led), 1.0);
    EXPECT_EQ(Shown(Extra(), led), 0x00FF00u);
    const auto before = Describe(led).properties;
    EXPECT_EQ(I().SetSquareLEDState(0, 5), 0);
    EXPECT_EQ(Describe(led).properties, before);
    I().SetSquareLEDState(0, 0);
    EXPECT_EQ(Get(led, Attr::Visible), 0);
    EXPECT_EQ(Value(led), 1.0);
    // Every number addresses its own control: 0..4 are controls 6 down to 2.
    for (int16_t number = 0; number < 5; ++number) {
        I().SetSquareLEDState(number, 1);
        EXPECT_EQ(Get(6 - number, Attr::Visible), 1);
    }
    EXPECT_TRUE(TakePopup().empty());

    // A number that names no LED is refused and touches nothing.
    EXPECT_EQ(I().SetSquareLEDState(5, 0), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'SetSquareLEDState': parameter '_SquareLEDNumber'=5 "
              "not valid");
    EXPECT_EQ(I().SetSquareLEDAttr(-1, 0, 0, 1, 1, "Arial", 9, "", 0, 0, 0), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'SetSquareLEDAttr': parameter '_SquareLEDNumber'=-1 "
              "not valid");
    EXPECT_EQ(I().SquareLEDDescriptor, 2);
}

TEST_F(IndicatorsTest, ChartAttrClearsAndShowsAndEmptyLabelTextKeepsTheLabel) {
    const int chart = ids::kChart;
    EXPECT_EQ(I().SetChartAttr(150, 270, 200, 100, 12, 1), 0);
    EXPECT_EQ(Place(chart), MakeRect(270, 150, 100, 200));
    EXPECT_EQ(Get(chart, Attr::LabelPointSize), 12);
    EXPECT_EQ(Get(chart, Attr::Visible), 1);
    EXPECT_EQ(I().AddChartValue(10.5, "SPEED 10"), 0);
    EXPECT_EQ(I().AddChartValue(20.0, ""), 0);
    EXPECT_EQ(GetText(chart, Attr::LabelText), "SPEED 10");
    const auto points = [&] {
        for (const auto& [name, value] : Describe(chart).properties)
            if (name == "points") return std::get<std::vector<std::string>>(value);
        return std::vector<std::string>{};
    };
    EXPECT_EQ(points(), (std::vector<std::string>{"10.5", "20"}));

    EXPECT_EQ(I().SetChartAttr(-2, -2, -2, -2, -2, 0), 0);
    EXPECT_TRUE(points().empty());
    EXPECT_EQ(Place(chart), MakeRect(270, 150, 100, 200));
    EXPECT_EQ(Get(chart, Attr::LabelPointSize), 12);
    EXPECT_EQ(Get(chart, Attr::Visible), 0);
    EXPECT_EQ(GetText(chart, Attr::LabelText), "SPEED 10");
    I().SetChartAttr(-2, -2, -2, -2, -2, 3);
    EXPECT_EQ(Get(chart, Attr::Visible), 1);
}

TEST_F(IndicatorsTest, LoadDynPicBuildsImagesInOrderRefusesGapsAndShowsReplacementsAtOnce) {
    Picture("red.png", 0xFF0000);
    Picture("green.png", 0x00FF00);
    Picture("blue.png", 0x0000FF);
    Picture("white.png", 0xFFFFFF);
    const int picture = 26;  // extra-panel dynamic picture 0
    EXPECT_EQ(I().LoadDynPic(1, 0, 0, "red.png"), 0);
    EXPECT_EQ(I().LoadDynPic(1, 0, 1, "green.png"), 0);
    EXPECT_EQ(I().LoadDynPic(1, 0, 2, "blue.png"), 0);
    EXPECT_EQ(engine_.status, 0);
    EXPECT_EQ(I().DynPicPanelHandle, Extra());
    EXPECT_EQ(I().DynPicDescriptor, picture);
    EXPECT_EQ(Items(picture).size(), 3u);

    EXPECT_EQ(I().LoadDynPic(1, 0, 4, "white.png"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'LoadDynPic': parameter '_DynPicFrame'=4 not valid");
    EXPECT_EQ(I().LoadDynPic(1, 0, -1, "white.png"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'LoadDynPic': parameter '_DynPicFrame'=-1 not valid");

    const std::string missing = platform::JoinPath(engine_.MainPanel().loadedVPTDir, "gone.png");
    EXPECT_EQ(I().LoadDynPic(1, 0, 3, "gone.png"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'LoadDynPic': File '" + missing + "' not found");
    EXPECT_EQ(engine_.status, platform::kUIEFileNotFound);

    // Image 1 shown, then replaced: the new image shows at once.
    EXPECT_EQ(I().SetDynPicVisibility(1, 0, 1, 1), 0);
    EXPECT_EQ(Shown(Extra(), picture), 0x00FF00u);
    EXPECT_EQ(I().LoadDynPic(1, 0, 1, "white.png"), 0);
    EXPECT_EQ(Shown(Extra(), picture), 0xFFFFFFu);
    EXPECT_EQ(Items(picture).size(), 3u);
    EXPECT_TRUE(TakePopup().empty());
}

TEST_F(IndicatorsTest, DynPicVisibilityChoosesTheImageAndTheDisplayMode) {
    Picture("red.png", 0xFF0000);
    Picture("blue.png", 0x0000FF);
    for (int16_t frame = 0; frame < 3; ++frame)
        ASSERT_EQ(I().LoadDynPic(1, 0, frame, frame == 2 ? "blue.png" : "red.png"), 0);
    const int picture = 26;
    EXPECT_EQ(I().SetDynPicVisibility(1, 0, 2, 1), 0);
    EXPECT_EQ(Value(picture), 2.0);
    EXPECT_EQ(Get(picture, Attr::Visible), 1);
    EXPECT_EQ(Get(picture, Attr::Dimmed), 0);
    EXPECT_EQ(Shown(Extra(), picture), 0x0000FFu);
    I().SetDynPicVisibility(1, 0, 2, 2);
    EXPECT_EQ(Get(picture, Attr::Dimmed), 1);
    EXPECT_NE(Shown(Extra(), picture), 0x0000FFu);
    // Other display modes leave visibility and dimming; 0 hides.
    I().SetDynPicVisibility(1, 0, 0, 7);
    EXPECT_EQ(Value(picture), 0.0);
    EXPECT_EQ(Get(picture, Attr::Visible), 1);
    EXPECT_EQ(Get(picture, Attr::Dimmed), 1);
    I().SetDynPicVisibility(1, 0, 0, 0);
    EXPECT_EQ(Get(picture, Attr::Visible), 0);

    EXPECT_EQ(I().SetDynPicAttr(1, 7, 300, 200, 48, 32), 0);
    EXPECT_EQ(Place(19), MakeRect(200, 300, 32, 48));
    I().SetDynPicAttr(1, 7, -2, 210, -2, -2);
    EXPECT_EQ(Place(19), MakeRect(210, 300, 32, 48));
    EXPECT_TRUE(TakePopup().empty());
}

TEST_F(IndicatorsTest, DynPicSelectionOfBothPanelsAndNumbersOutsideTheTables) {
    const int main = engine_.MainPanel().PanelHandle;
    // Main-panel numbers 0..2 are controls 15, 14, 13.
    for (int16_t number = 0; number < 3; ++number) {
        EXPECT_EQ(I().SetDynPicAttr(0, number, 10 + number, 5, 20, 20), 0);
        EXPECT_EQ(I().DynPicDescriptor, 15 - number);
        EXPECT_EQ(Place(15 - number, main), MakeRect(5, 10 + number, 20, 20));
    }
    // A panel other than 0 and 1 keeps the picture of the previous call.
    EXPECT_EQ(I().SetDynPicAttr(5, 99, 40, -2, -2, -2), 0);
    EXPECT_EQ(Place(13, main).left, 40);
    EXPECT_TRUE(TakePopup().empty());

    // 3 names no main-panel picture; 8 none of the extra panel.
    EXPECT_EQ(I().SetDynPicAttr(0, 3, 0, 0, 1, 1), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'SetDynPicAttr': parameter '_DynPicNumber'=3 not valid");
    EXPECT_EQ(I().SetDynPicVisibility(1, 8, 0, 1), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'SetDynPicVisibility': parameter "
              "'_DynPicNumber'=8 not valid");
    EXPECT_EQ(I().LoadDynPic(1, -1, 0, "x.png"), -1);
    EXPECT_EQ(TakePopup(),
              "fatal error: CVI-function 'LoadDynPic': parameter '_DynPicNumber'=-1 not valid");
    EXPECT_EQ(I().DynPicDescriptor, 13);
    EXPECT_EQ(I().SetDynPicAttr(1, 7, 0, 0, 1, 1), 0);
    EXPECT_EQ(I().DynPicDescriptor, 19);
}

TEST_F(IndicatorsTest, EveryMemberIsSafeWithoutTheExtraPanel) {
    Picture("red.png", 0xFF0000);
    engine_.ExtraPanel().DiscardExtraPanel();
    EXPECT_EQ(I().SetSquareLEDAttr(0, 1, 2, 3, 4, "Arial", 9, "T", 1, 2, 3), 0);
    EXPECT_EQ(I().SetSquareLEDState(0, 1), 0);
    EXPECT_EQ(I().SetChartAttr(1, 2, 3, 4, 9, 1), 0);
    EXPECT_EQ(I().AddChartValue(1.0, "X"), 0);
    EXPECT_EQ(I().SetDynPicAttr(1, 0, 1, 2, 3, 4), 0);
    EXPECT_EQ(I().SetDynPicVisibility(1, 0, 0, 1), 0);
    EXPECT_TRUE(TakePopup().empty());
    // The load is refused by the run-time and reported with its return code.
    EXPECT_EQ(I().LoadDynPic(1, 0, 0, "red.png"), -1);
    EXPECT_EQ(TakePopup(), "fatal error: CVI-function 'LoadDynPic': return code " +
                               std::to_string(platform::kUIEInvalidPanel));
    // The main panel's pictures still load.
    EXPECT_EQ(I().LoadDynPic(0, 2, 0, "red.png"), 0);
}

}  // namespace
}  // namespace tov::testing
