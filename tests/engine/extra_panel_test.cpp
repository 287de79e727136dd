#include "engine/extra_panel.h"

#include <gtest/gtest.h>

#include <string>

#include "dmd_fixture.h"
#include "platform/presenters/headless.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;

constexpr int kLeft = 300;
constexpr int kTop = 120;
constexpr int kWidth = 96;
constexpr int kHeight = 30;

class ExtraPanelTest : public DmdFixture {
  protected:
    ExtraPanel& X() { return engine_.ExtraPanel(); }
    void Install() { ASSERT_EQ(X().InstallExtraPanel(kLeft, kTop, kWidth, kHeight), 0); }
    platform::PanelInfo Info(int handle) {
        for (const platform::PanelInfo& info : Rt().Panels())
            if (info.handle == handle) return info;
        ADD_FAILURE() << "no panel " << handle;
        return {};
    }
    platform::PanelInfo Info() { return Info(X().ExtraPanelHandle); }
    int Get(int control, Attr attr) {
        int value = 0;
        EXPECT_EQ(Rt().GetCtrlAttribute(X().ExtraPanelHandle, control, attr, &value), 0);
        return value;
    }
    int Text(Attr attr) { return Get(platform::extra_panel::kExtraText, attr); }
};

TEST_F(ExtraPanelTest, InstallShowsAFramedPanelLockedAgainstInputWithABlackCanvasOverIt) {
    Install();
    const platform::PanelInfo info = Info();
    EXPECT_EQ(MakeRect(info.top, info.left, info.height, info.width),
              MakeRect(kTop, kLeft, kHeight, kWidth));
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.frame);
    EXPECT_FALSE(info.enabled);
    const auto& presenter = static_cast<platform::HeadlessPresenter&>(Rt().GetPresenter());
    ASSERT_EQ(presenter.DisabledWindows().size(), 1u);
    EXPECT_EQ(presenter.DisabledWindows()[0], engine_.HWNDHandle);
    const int canvas = platform::extra_panel::kExtraDmdCanvas;
    EXPECT_EQ(MakeRect(Get(canvas, Attr::Top), Get(canvas, Attr::Left), Get(canvas, Attr::Height),
                       Get(canvas, Attr::Width)),
              MakeRect(0, 0, kHeight, kWidth));
    EXPECT_EQ(CountOf(ExtraDmd(), 0), kWidth * kHeight);

    // The frame stays until switched off; only 1 shows it. The main panel's is not touched.
    const bool main_frame = Info(engine_.MainPanel().PanelHandle).frame;
    EXPECT_EQ(X().SetExtraPanelFrameVisibility(0), 0);
    EXPECT_FALSE(Info().frame);
    X().SetExtraPanelFrameVisibility(1);
    EXPECT_TRUE(Info().frame);
    X().SetExtraPanelFrameVisibility(2);
    EXPECT_FALSE(Info().frame);
    EXPECT_EQ(Info(engine_.MainPanel().PanelHandle).frame, main_frame);
}

TEST_F(ExtraPanelTest, HiddenPanelStaysOutOfThePictureUntilShown) {
    Install();
    engine_.Dmd().SetDMDAttr(0, 0, 1.0, 1.0, kFontSlot, 0, 0);
    engine_.Dmd().ShowExtraText("0");
    EXPECT_EQ(Rt().ComposeScreen().At(kLeft + 1, kTop + 1), CellColor(0));
    EXPECT_EQ(X().HideExtraPanel(), 0);
    X().HideExtraPanel();
    EXPECT_EQ(Info().left, 1605);
    // Not at its place, nor at 1605, though the screen is wider than that.
    EXPECT_EQ(CountOf(Rt().ComposeScreen(), CellColor(0)), 0);
    EXPECT_EQ(X().ShowExtraPanel(), 0);
    EXPECT_EQ(Info().left, kLeft);
    EXPECT_EQ(Rt().ComposeScreen().At(kLeft + 1, kTop + 1), CellColor(0));
}

TEST_F(ExtraPanelTest, TextAttrPlacesTheLabelFromTheArgumentsAsPassed) {
    Install();
    const int top = Text(Attr::Top), size = Text(Attr::TextPointSize),
              color = Text(Attr::TextColor);
    EXPECT_EQ(X().SetExtraTextAttr(-2, -2, -2, "", "", -2, -2, -2, -2), 0);
    EXPECT_EQ(Text(Attr::Top), top);
    EXPECT_EQ(Text(Attr::TextPointSize), size);
    EXPECT_EQ(Text(Attr::TextColor), color);
    EXPECT_EQ(Text(Attr::LabelTop), -4);  // -2 - trunc(4 / 1.5)
    EXPECT_EQ(Text(Attr::LabelLeft), platform::kLabelCentred);

    EXPECT_EQ(X().SetExtraTextAttr(10, 100, 80, "MISSION", "", 12, 0x00FF00, 0x000080, 1), 0);
    EXPECT_EQ(Text(Attr::LabelTop), 88);
    EXPECT_EQ(Text(Attr::LabelPointSize), 8);
    EXPECT_EQ(Text(Attr::TextPointSize), 12);
    EXPECT_EQ(MakeRect(Text(Attr::Top), Text(Attr::Left), 0, Text(Attr::Width)),
              MakeRect(100, 10, 0, 80));
    EXPECT_EQ(Text(Attr::LabelColor), 0x00FF00);
    EXPECT_EQ(Text(Attr::TextBgColor), 0x000080);
    std::string label;
    Rt().GetCtrlAttribute(X().ExtraPanelHandle, platform::extra_panel::kExtraText, Attr::LabelText,
                          &label);
    EXPECT_EQ(label, "MISSION");
    // Odd sizes truncate towards zero: 7 / 1.5 -> 4, 50 - trunc(13 / 1.5) = 42.
    X().SetExtraTextAttr(-2, 50, -2, "", "", 7, -2, -2, 0);
    EXPECT_EQ(Text(Attr::LabelPointSize), 4);
    EXPECT_EQ(Text(Attr::LabelTop), 42);
    EXPECT_EQ(Text(Attr::Visible), 0);

    EXPECT_EQ(X().SetExtraTextText("GO FOR IT"), 0);
    std::string value;
    Rt().GetCtrlVal(X().ExtraPanelHandle, platform::extra_panel::kExtraText, &value);
    EXPECT_EQ(value, "GO FOR IT");
}

TEST_F(ExtraPanelTest, CopyToDmdKeepsOneCaptureAndCopiesTheExtraGlyphsToTheTopLeftCorner) {
    Install();
    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0xFF0000);
    engine_.Dmd().SetDMDAttr(5, 3, 1.0, 1.0, kFontSlot, 0, 0);
    engine_.Dmd().ShowExtraText("7A");
    EXPECT_EQ(X().CopyXtraToDmd(), 0);
    const int first = X().clipbmp;
    EXPECT_EQ(X().CopyXtraToDmd(), 0);
    EXPECT_EQ(Rt().FindBitmap(first), nullptr);
    EXPECT_NE(Rt().FindBitmap(X().clipbmp), nullptr);

    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, CellColor(7)), MakeRect(3, 5, 8, 8));
    EXPECT_EQ(BoundsOf(s, CellColor('A' - '0')), MakeRect(3, 13, 8, 8));
    // Only the extra canvas's own 96 x 30: the red beyond it stays.
    EXPECT_EQ(BoundsOf(s, 0), MakeRect(0, 0, kHeight, kWidth));
    EXPECT_EQ(CountOf(s, 0xFF0000), kBlank - kWidth * kHeight);

    // A larger extra canvas is copied no further than the main panel reaches.
    ASSERT_EQ(X().InstallExtraPanel(0, 300, 400, 100), 0);
    engine_.AreaDrawing().ClearExtra(0, 0, 400, 100, 0x0000FF);
    EXPECT_EQ(X().CopyXtraToDmd(), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0x0000FF), kBlank);
}

// Showing a panel again keeps the stacking order; only the first display of a panel just loaded
// brings it to the front.
TEST_F(ExtraPanelTest, ShowKeepsThePanelsInTheirStackingOrder) {
    constexpr uint32_t kRed = 0xFF0000;
    constexpr uint32_t kGreen = 0x00FF00;
    const auto fill_main = [&] {
        const int panel = engine_.MainPanel().PanelHandle;
        Rt().SetCtrlAttribute(panel, platform::main_panel::kDmdCanvas, Attr::PictureBgColor,
                              static_cast<int>(kRed));
        Rt().CanvasClear(panel, platform::main_panel::kDmdCanvas, MakeRect(0, 0, -1, -1));
    };
    fill_main();
    // The extra panel covers the main panel's left part; (40, 15) lies inside its canvas.
    ASSERT_EQ(X().InstallExtraPanel(20, 5, 60, 25), 0);
    Rt().SetCtrlAttribute(X().ExtraPanelHandle, platform::extra_panel::kExtraDmdCanvas,
                          Attr::PictureBgColor, static_cast<int>(kGreen));
    Rt().CanvasClear(X().ExtraPanelHandle, platform::extra_panel::kExtraDmdCanvas,
                     MakeRect(0, 0, -1, -1));
    EXPECT_EQ(Rt().ComposeScreen().At(40, 15), kGreen);
    EXPECT_EQ(engine_.MainPanel().ShowPanel(), 0);
    EXPECT_EQ(Rt().ComposeScreen().At(40, 15), kGreen);
    engine_.MainPanel().HidePanel();
    engine_.MainPanel().ShowPanel();
    EXPECT_EQ(Rt().ComposeScreen().At(40, 15), kGreen);
    EXPECT_EQ(Rt().ComposeScreen().At(150, 15), kRed);

    // A main panel installed afterwards comes in front; showing the extra panel leaves it behind.
    ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight), 0);
    fill_main();
    EXPECT_EQ(Rt().ComposeScreen().At(40, 15), kRed);
    X().HideExtraPanel();
    EXPECT_EQ(X().ShowExtraPanel(), 0);
    EXPECT_EQ(Rt().ComposeScreen().At(40, 15), kRed);
    EXPECT_TRUE(Info().visible);
}

TEST_F(ExtraPanelTest, EveryMemberIsSilentWithoutAPanel) {
    const platform::Surface before = MainDmd();
    auto all_members = [&] {
        EXPECT_EQ(X().ShowExtraPanel(), 0);
        EXPECT_EQ(X().HideExtraPanel(), 0);
        EXPECT_EQ(X().SetExtraPanelFrameVisibility(1), 0);
        EXPECT_EQ(X().CopyXtraToDmd(), 0);
        EXPECT_EQ(X().SetExtraTextAttr(1, 2, 3, "a", "b", 4, 5, 6, 7), 0);
        EXPECT_EQ(X().SetExtraTextText("x"), 0);
        EXPECT_EQ(X().DiscardExtraPanel(), 0);
    };
    all_members();
    EXPECT_EQ(X().clipbmp, 0);
    // After a discard the handle stays and everything is refused by the run-time, silently.
    Install();
    const int handle = X().ExtraPanelHandle;
    X().DiscardExtraPanel();
    all_members();
    EXPECT_EQ(X().ExtraPanelHandle, handle);
    EXPECT_EQ(MainDmd().pixels, before.pixels);
    EXPECT_TRUE(Rt().Popups().empty());
}

}  // namespace
}  // namespace tov::testing
