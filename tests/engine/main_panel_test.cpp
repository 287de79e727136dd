#include "engine/main_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "platform/presenters/headless.h"

namespace tov {
namespace {

using platform::Attr;
namespace ids = platform::main_panel;

int CtrlInt(Engine& e, int control, Attr attr) {
    int v = -12345;
    e.Runtime().GetCtrlAttribute(e.MainPanel().PanelHandle, control, attr, &v);
    return v;
}

int PanelInt(Engine& e, Attr attr) {
    int v = -12345;
    e.Runtime().GetPanelAttribute(e.MainPanel().PanelHandle, attr, &v);
    return v;
}

TEST(MainPanel, InstallPlacesPanelAndParksEffectControls) {
    Engine e;
    MainPanel& m = e.MainPanel();
    ASSERT_EQ(m.InstallPanel(10, 20, 801, 600), 0);
    EXPECT_GT(m.PanelHandle, 0);
    EXPECT_EQ(PanelInt(e, Attr::Left), 10);
    EXPECT_EQ(PanelInt(e, Attr::Top), 20);
    EXPECT_EQ(PanelInt(e, Attr::Width), 801);
    EXPECT_EQ(PanelInt(e, Attr::Height), 600);
    EXPECT_EQ(PanelInt(e, Attr::Sizable), 0);
    EXPECT_EQ(m.PanelXCenter, 400);  // (801 - 1) / 2
    EXPECT_EQ(m.PanelYCenter, 300);
    EXPECT_EQ(m.loadedVPTDir, std::filesystem::current_path().string());
    for (int c : {10, 6, 8, 12, 5, 3, 2, 4, 7, 16}) {
        EXPECT_EQ(CtrlInt(e, c, Attr::Left), 801) << "control " << c;
    }
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::Left), 0);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::Top), 0);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::Width), 801);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::Height), 600);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::PenWidth), 2);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::PictureBgColor), 0);
    EXPECT_EQ(CtrlInt(e, ids::kXyzCanvas, Attr::PictureBgColor), platform::kTransparent);
    EXPECT_EQ(CtrlInt(e, ids::kLinebox, Attr::FrameColor), platform::kTransparent);
    EXPECT_EQ(m.OriginalZPlanePosBackground, CtrlInt(e, ids::kDmdCanvas, Attr::ZPlanePosition));
    EXPECT_EQ(m.OriginalZPlanePosScrolltext, CtrlInt(e, ids::kTextCanvas, Attr::ZPlanePosition));
    const auto panels = e.Runtime().Panels();
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_TRUE(panels[0].visible);
    EXPECT_TRUE(e.Runtime().Popups().empty());
}

TEST(MainPanel, PanelAngleOfWidthZeroAndSquare) {
    Engine e;
    e.MainPanel().InstallPanel(0, 0, 0, 300);
    EXPECT_DOUBLE_EQ(e.MainPanel().PanelAngle, 90.0);
    e.MainPanel().InstallPanel(0, 0, 300, 300);
    EXPECT_DOUBLE_EQ(e.MainPanel().PanelAngle, 45.0);
}

TEST(MainPanel, RandomTablesFollowTheGeneratorAndPixelIsAPermutation) {
    Engine e;
    MainPanel& m = e.MainPanel();
    m.InstallPanel(0, 0, 800, 600);
    // The classic generator's first values are 41, 18467, 6334, ...
    EXPECT_DOUBLE_EQ(m.StarExp[0], (41 % 16 + 5) / 10.0);
    const double rnd0 = (18467 % 21 + 30) / 100.0;
    EXPECT_DOUBLE_EQ(m.Stardx[0], rnd0);
    EXPECT_NEAR(m.Stardy[0], 0.0, 1e-12);
    EXPECT_EQ(m.StarIndex, 36);
    std::set<int> seen(m.Pixel.begin(), m.Pixel.end());
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 1000);
    // A second install continues the sequence: other tables.
    const auto first = m.Pixel;
    m.InstallPanel(0, 0, 800, 600);
    EXPECT_NE(first, m.Pixel);
    EXPECT_EQ(e.Runtime().Panels().size(), 2u);
}

TEST(MainPanel, HideTwiceThenShowOnceShowsThePanel) {
    Engine e;
    MainPanel& m = e.MainPanel();
    m.InstallPanel(100, 50, 400, 300);
    m.HidePanel();
    EXPECT_EQ(PanelInt(e, Attr::Left), 1605);
    EXPECT_FALSE(e.Runtime().Panels()[0].visible);
    m.HidePanel();
    m.ShowPanel();
    EXPECT_EQ(PanelInt(e, Attr::Left), 100);
    EXPECT_EQ(PanelInt(e, Attr::Top), 50);
    EXPECT_TRUE(e.Runtime().Panels()[0].visible);
}

TEST(MainPanel, UserLockNeedsAnInstalledPanel) {
    Engine e;
    EXPECT_EQ(e.MainPanel().SetPanelUserLock(1), -1);
    ASSERT_EQ(e.Runtime().Popups().size(), 1u);
    EXPECT_EQ(e.Runtime().Popups()[0].title, "warning");
    EXPECT_EQ(e.Runtime().Popups()[0].text,
              "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'");

    e.MainPanel().InstallPanel(0, 0, 800, 600);
    EXPECT_EQ(e.MainPanel().SetPanelUserLock(1), 0);
    EXPECT_FALSE(e.Runtime().Panels()[0].enabled);
    EXPECT_EQ(e.MainPanel().SetPanelUserLock(7), 0);
    EXPECT_FALSE(e.Runtime().Panels()[0].enabled);
    EXPECT_EQ(e.MainPanel().SetPanelUserLock(0), 0);
    EXPECT_TRUE(e.Runtime().Panels()[0].enabled);

    e.MainPanel().DiscardPanel();
    EXPECT_EQ(e.MainPanel().SetPanelUserLock(1), -1);
    EXPECT_EQ(e.Runtime().Popups().size(), 2u);
}

TEST(MainPanel, ChangePanelColorMovesTheDmdCanvasInFrontAndBack) {
    Engine e;
    MainPanel& m = e.MainPanel();
    m.InstallPanel(0, 0, 800, 600);
    m.ChangePanelColor(0x123456);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::ZPlanePosition), 0);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::PictureBgColor), 0x123456);
    EXPECT_EQ(m.PanelColor, 0x123456);
    m.ChangePanelColor(0);
    EXPECT_EQ(CtrlInt(e, ids::kDmdCanvas, Attr::ZPlanePosition), m.OriginalZPlanePosBackground);
}

TEST(MainPanel, FrameVisibilityOnlyForOne) {
    Engine e;
    e.MainPanel().InstallPanel(0, 0, 800, 600);
    e.MainPanel().SetPanelFrameVisibility(1);
    EXPECT_EQ(PanelInt(e, Attr::FrameVisible), 1);
    e.MainPanel().SetPanelFrameVisibility(2);
    EXPECT_EQ(PanelInt(e, Attr::FrameVisible), 0);
}

TEST(MainPanel, ScreenAndMouseProperties) {
    auto presenter = std::make_unique<platform::HeadlessPresenter>();
    platform::HeadlessPresenter* headless = presenter.get();
    Engine e(std::move(presenter));
    MainPanel& m = e.MainPanel();
    int16_t v = 0;
    m.get_ScreenWidth(&v);
    EXPECT_EQ(v, 1920);
    m.get_ScreenHeight(&v);
    EXPECT_EQ(v, 1080);
    headless->SetMouse({.x = 123, .y = 45, .left = true, .right = false, .middle = true});
    m.get_MouseXPos(&v);
    EXPECT_EQ(v, 123);
    m.get_MouseYPos(&v);
    EXPECT_EQ(v, 45);
    m.get_LMB(&v);
    EXPECT_EQ(v, 1);
    m.get_RMB(&v);
    EXPECT_EQ(v, 0);
    m.get_MMB(&v);  // independent of any panel
    EXPECT_EQ(v, 1);
    headless->SetMouse({});
    m.get_MMB(&v);
    EXPECT_EQ(v, 0);
}

TEST(MainPanel, CursorCounterNests) {
    auto presenter = std::make_unique<platform::HeadlessPresenter>();
    platform::HeadlessPresenter* headless = presenter.get();
    Engine e(std::move(presenter));
    e.MainPanel().SetMouseCursorVisibility(0);
    e.MainPanel().SetMouseCursorVisibility(0);
    e.MainPanel().SetMouseCursorVisibility(1);
    EXPECT_EQ(headless->CursorCount(), -1);  // still hidden
}

}  // namespace
}  // namespace tov
