#include "engine/extra_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dmd_fixture.h"
#include "platform/presenters/headless.h"

namespace tov::testing {
namespace {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::extra_panel;

class ExtraPanelTest : public DmdFixture {
  protected:
    static constexpr int kLeft = 300;
    static constexpr int kTop = 120;
    static constexpr int kWidth = 96;
    static constexpr int kHeight = 30;

    void Install() {
        ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(kLeft, kTop, kWidth, kHeight), 0);
    }
    int Handle() { return engine_.ExtraPanel().ExtraPanelHandle; }
    std::optional<platform::PanelInfo> Info(int handle) {
        for (const platform::PanelInfo& info : Rt().Panels())
            if (info.handle == handle) return info;
        return std::nullopt;
    }
    int TextAttr(Attr attr) {
        int value = 0;
        EXPECT_EQ(Rt().GetCtrlAttribute(Handle(), ids::kExtraText, attr, &value), 0);
        return value;
    }
    int CanvasAttr(Attr attr) {
        int value = 0;
        EXPECT_EQ(Rt().GetCtrlAttribute(Handle(), ids::kExtraDmdCanvas, attr, &value), 0);
        return value;
    }
};

TEST_F(ExtraPanelTest, InstallPlacesAFramedPanelWithABlackCanvasOverIt) {
    Install();
    ASSERT_GT(Handle(), 0);
    EXPECT_EQ(engine_.ExtraPanel().ExtraPanelXPos, kLeft);
    const std::optional<platform::PanelInfo> info = Info(Handle());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->left, kLeft);
    EXPECT_EQ(info->top, kTop);
    EXPECT_EQ(info->width, kWidth);
    EXPECT_EQ(info->height, kHeight);
    EXPECT_TRUE(info->visible);
    EXPECT_TRUE(info->frame);
    EXPECT_EQ(CanvasAttr(Attr::Left), 0);
    EXPECT_EQ(CanvasAttr(Attr::Top), 0);
    EXPECT_EQ(CanvasAttr(Attr::Width), kWidth);
    EXPECT_EQ(CanvasAttr(Attr::Height), kHeight);
    EXPECT_EQ(CanvasAttr(Attr::PictureBgColor), platform::kBlack);
    EXPECT_EQ(CountOf(ExtraDmd(), 0), kWidth * kHeight);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(ExtraPanelTest, ThePanelTakesNoInput) {
    Install();
    const std::optional<platform::PanelInfo> info = Info(Handle());
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->enabled);
    int window = 0;
    ASSERT_EQ(Rt().GetPanelAttribute(Handle(), Attr::SystemWindowHandle, &window), 0);
    EXPECT_EQ(engine_.HWNDHandle, window);
    auto& presenter = static_cast<platform::HeadlessPresenter&>(Rt().GetPresenter());
    ASSERT_EQ(presenter.DisabledWindows().size(), 1u);
    EXPECT_EQ(presenter.DisabledWindows()[0], window);
}

TEST_F(ExtraPanelTest, FrameIsShownOnlyForTheValueOne) {
    Install();
    EXPECT_EQ(engine_.ExtraPanel().SetExtraPanelFrameVisibility(0), 0);
    EXPECT_FALSE(Info(Handle())->frame);
    EXPECT_EQ(engine_.ExtraPanel().SetExtraPanelFrameVisibility(1), 0);
    EXPECT_TRUE(Info(Handle())->frame);
    EXPECT_EQ(engine_.ExtraPanel().SetExtraPanelFrameVisibility(2), 0);
    EXPECT_FALSE(Info(Handle())->frame);
    // The main panel's frame is left as the panel file has it.
    const bool main_frame = Info(engine_.MainPanel().PanelHandle)->frame;
    engine_.ExtraPanel().SetExtraPanelFrameVisibility(1);
    EXPECT_EQ(Info(engine_.MainPanel().PanelHandle)->frame, main_frame);
}

TEST_F(ExtraPanelTest, HiddenPanelStaysOutOfThePictureUntilShown) {
    Install();
    engine_.Dmd().SetDMDAttr(0, 0, 1.0, 1.0, kFontSlot, 0, 0);
    engine_.Dmd().ShowExtraText("0");
    auto screen_pixel = [&]() { return Rt().ComposeScreen().At(kLeft + 1, kTop + 1); };
    EXPECT_EQ(screen_pixel(), CellColor(0));

    EXPECT_EQ(engine_.ExtraPanel().HideExtraPanel(), 0);
    EXPECT_EQ(engine_.ExtraPanel().HideExtraPanel(), 0);
    EXPECT_EQ(Info(Handle())->left, 1605);
    EXPECT_FALSE(Info(Handle())->visible);
    // Not at its place, and not at 1605 either, though the screen is wider than that.
    EXPECT_NE(screen_pixel(), CellColor(0));
    EXPECT_NE(Rt().ComposeScreen().At(1606, kTop + 1), CellColor(0));

    EXPECT_EQ(engine_.ExtraPanel().ShowExtraPanel(), 0);
    EXPECT_EQ(Info(Handle())->left, kLeft);
    EXPECT_TRUE(Info(Handle())->visible);
    EXPECT_EQ(screen_pixel(), CellColor(0));
}

TEST_F(ExtraPanelTest, TextAttrWithEverythingUnchangedMovesOnlyTheLabel) {
    Install();
    const Attr kept[] = {Attr::Left,           Attr::Top,        Attr::Width,
                         Attr::TextPointSize,  Attr::TextColor,  Attr::TextBgColor,
                         Attr::LabelPointSize, Attr::LabelColor, Attr::Visible};
    std::vector<int> before;
    for (Attr a : kept)
        before.push_back(TextAttr(a));
    std::string label_before;
    std::string font_before;
    Rt().GetCtrlAttribute(Handle(), ids::kExtraText, Attr::LabelText, &label_before);
    Rt().GetCtrlAttribute(Handle(), ids::kExtraText, Attr::TextFont, &font_before);

    EXPECT_EQ(engine_.ExtraPanel().SetExtraTextAttr(-2, -2, -2, "", "", -2, -2, -2, -2), 0);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(TextAttr(kept[i]), before[i]) << i;
    std::string label_after;
    std::string font_after;
    Rt().GetCtrlAttribute(Handle(), ids::kExtraText, Attr::LabelText, &label_after);
    Rt().GetCtrlAttribute(Handle(), ids::kExtraText, Attr::TextFont, &font_after);
    EXPECT_EQ(label_after, label_before);
    EXPECT_EQ(font_after, font_before);
    // -2 - trunc(4 / 1.5)
    EXPECT_EQ(TextAttr(Attr::LabelTop), -4);
    EXPECT_EQ(TextAttr(Attr::LabelLeft), platform::kLabelCentred);
}

TEST_F(ExtraPanelTest, TextAttrSetsTextAndLabel) {
    Install();
    EXPECT_EQ(engine_.ExtraPanel().SetExtraTextAttr(10, 100, 80, "MISSION", "", 12, 0x00FF00,
                                                    0x000080, 1),
              0);
    EXPECT_EQ(TextAttr(Attr::Left), 10);
    EXPECT_EQ(TextAttr(Attr::Top), 100);
    EXPECT_EQ(TextAttr(Attr::Width), 80);
    EXPECT_EQ(TextAttr(Attr::TextPointSize), 12);
    EXPECT_EQ(TextAttr(Attr::LabelPointSize), 8);
    EXPECT_EQ(TextAttr(Attr::LabelTop), 88);
    EXPECT_EQ(TextAttr(Attr::TextColor), 0x00FF00);
    EXPECT_EQ(TextAttr(Attr::LabelColor), 0x00FF00);
    EXPECT_EQ(TextAttr(Attr::TextBgColor), 0x000080);
    EXPECT_EQ(TextAttr(Attr::Visible), 1);
    std::string label;
    Rt().GetCtrlAttribute(Handle(), ids::kExtraText, Attr::LabelText, &label);
    EXPECT_EQ(label, "MISSION");

    // Odd sizes truncate towards zero: label 7 / 1.5 -> 4, top 50 - trunc(13 / 1.5) = 42.
    engine_.ExtraPanel().SetExtraTextAttr(-2, 50, -2, "", "", 7, -2, -2, 0);
    EXPECT_EQ(TextAttr(Attr::LabelPointSize), 4);
    EXPECT_EQ(TextAttr(Attr::LabelTop), 42);
    EXPECT_EQ(TextAttr(Attr::Visible), 0);

    EXPECT_EQ(engine_.ExtraPanel().SetExtraTextText("GO FOR IT"), 0);
    std::string value;
    Rt().GetCtrlVal(Handle(), ids::kExtraText, &value);
    EXPECT_EQ(value, "GO FOR IT");
}

TEST_F(ExtraPanelTest, CopyToDmdKeepsOneCaptureAndCopiesTheGlyphsToTheTopLeftCorner) {
    Install();
    // The main DMD shows red where the copy must not reach.
    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0xFF0000);
    engine_.Dmd().SetDMDAttr(5, 3, 1.0, 1.0, kFontSlot, 0, 0);
    engine_.Dmd().ShowExtraText("7A");

    EXPECT_EQ(engine_.ExtraPanel().CopyXtraToDmd(), 0);
    const int first = engine_.ExtraPanel().clipbmp;
    ASSERT_NE(first, 0);
    EXPECT_EQ(engine_.ExtraPanel().CopyXtraToDmd(), 0);
    const int second = engine_.ExtraPanel().clipbmp;
    EXPECT_NE(second, first);
    EXPECT_EQ(Rt().FindBitmap(first), nullptr);
    EXPECT_NE(Rt().FindBitmap(second), nullptr);

    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, CellColor(7)), MakeRect(3, 5, 8, 8));
    EXPECT_EQ(BoundsOf(s, CellColor('A' - '0')), MakeRect(3, 13, 8, 8));
    // The extra canvas is 96 x 30: black within it, the old red beyond.
    EXPECT_EQ(BoundsOf(s, 0), MakeRect(0, 0, kHeight, kWidth));
    EXPECT_EQ(CountOf(s, 0xFF0000), kPanelWidth * kPanelHeight - kWidth * kHeight);
}

TEST_F(ExtraPanelTest, CopyToDmdReachesNoFurtherThanTheMainPanel) {
    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(0, 300, 400, 100), 0);
    engine_.AreaDrawing().ClearExtra(0, 0, 400, 100, 0x0000FF);
    EXPECT_EQ(engine_.ExtraPanel().CopyXtraToDmd(), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0x0000FF), kPanelWidth * kPanelHeight);
}

TEST_F(ExtraPanelTest, EveryMemberIsSilentWithoutAPanel) {
    ExtraPanel& extra = engine_.ExtraPanel();
    const platform::Surface before = MainDmd();
    EXPECT_EQ(extra.ShowExtraPanel(), 0);
    EXPECT_EQ(extra.HideExtraPanel(), 0);
    EXPECT_EQ(extra.SetExtraPanelFrameVisibility(1), 0);
    EXPECT_EQ(extra.CopyXtraToDmd(), 0);
    EXPECT_EQ(extra.clipbmp, 0);
    EXPECT_EQ(extra.SetExtraTextAttr(1, 2, 3, "a", "b", 4, 5, 6, 7), 0);
    EXPECT_EQ(extra.SetExtraTextText("x"), 0);
    EXPECT_EQ(extra.DiscardExtraPanel(), 0);
    EXPECT_EQ(MainDmd().pixels, before.pixels);

    // After a discard the handle stays and everything is refused silently.
    Install();
    const int handle = Handle();
    EXPECT_EQ(extra.DiscardExtraPanel(), 0);
    EXPECT_EQ(Handle(), handle);
    EXPECT_EQ(extra.ShowExtraPanel(), 0);
    EXPECT_EQ(extra.CopyXtraToDmd(), 0);
    EXPECT_EQ(extra.SetExtraTextText("x"), 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraText("1"), 0);
    EXPECT_EQ(MainDmd().pixels, before.pixels);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(ExtraPanelTest, SecondInstallLeavesTheFirstOnTheScreen) {
    Install();
    const int first = Handle();
    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(600, 10, 50, 20), 0);
    EXPECT_NE(Handle(), first);
    ASSERT_TRUE(Info(first));
    EXPECT_TRUE(Info(first)->visible);
    EXPECT_EQ(engine_.ExtraPanel().ExtraPanelXPos, 600);
    engine_.ExtraPanel().HideExtraPanel();
    EXPECT_EQ(Info(first)->left, kLeft);
}

}  // namespace
}  // namespace tov::testing
