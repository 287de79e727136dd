#include "panels/simple_panels.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>

#include "engine/dmd_fixture.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

using platform::MakeRect;

class SimplePanelsTest : public DmdFixture {
  protected:
    SimplePanels& S() { return engine_.SimplePanels(); }
    int Panel(int n) { return S().SimplePanelHandle[static_cast<size_t>(n)]; }
    platform::Surface Canvas(int n) {
        return ReadCanvas(Rt(), Panel(n), platform::simple_panel::kCanvas);
    }
    // Exactly one popup since the last check, with this title and text.
    void ExpectOneReport(const std::string& title, const std::string& text) {
        ASSERT_EQ(Rt().Popups().size(), 1u) << text;
        EXPECT_EQ(Rt().Popups()[0].title, title);
        EXPECT_EQ(Rt().Popups()[0].text, text);
        Rt().ClearPopups();
    }
    // Panel 0 at (700, 0) and panel 1 at (700, 100), both 160 x 40, with different displays.
    void InstallTwo() {
        ASSERT_EQ(S().InstallSimplePanel(0, 1, 700, 0, 160, 40), 0);
        ASSERT_EQ(S().InstallSimplePanel(1, 1, 700, 100, 160, 40), 0);
        ASSERT_EQ(S().SetSimplePanelDMDAttr(0, 4, 2, 1.0, 1.0, kFontSlot, 0, 0), 0);
        ASSERT_EQ(S().SetSimplePanelDMDAttr(1, 10, 5, 1.5, 2.0, kFontSlot, 1, 1), 0);
    }
};

TEST_F(SimplePanelsTest, TwoPanelsDrawWithTheirOwnDisplaySettingsAndNowhereElse) {
    InstallTwo();
    EXPECT_EQ(S().ShowSimplePanelDMDNumeric(0, 1234), 0);
    platform::Surface s0 = Canvas(0);
    // Right-aligned in ten positions of 8 pixels from x = 4: the 4 at position 9.
    EXPECT_EQ(BoundsOf(s0, CellColor(4)), MakeRect(2, 4 + 72, 8, 8));
    EXPECT_EQ(BoundsOf(s0, CellColor(1)), MakeRect(2, 4 + 48, 8, 8));
    EXPECT_EQ(CountOf(s0, 0), 160 * 40 - 4 * 64);
    EXPECT_EQ(CountOf(Canvas(1), 0), 160 * 40);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    // Panel 1: zoom 1.5 x 2 (12 x 16 cells), leading zeros and separators.
    EXPECT_EQ(S().ShowSimplePanelDMDNumeric(1, 1234), 0);
    const platform::Surface s1 = Canvas(1);
    EXPECT_EQ(BoundsOf(s1, CellColor(4)), MakeRect(5, 10 + 108, 16, 12));
    EXPECT_EQ(BoundsOf(s1, CellColor(1)), MakeRect(5, 10 + 72, 16, 12));
    EXPECT_EQ(CountOf(s1, CellColor(0)), 6 * 16 * 12);
    // Separators after positions 0, 3 and 6, the last at 10 + (8 * 7 - 5) * 1.5, below the line.
    EXPECT_EQ(BoundsOf(s1, kSeparatorColor), MakeRect(21, 14, 8, 86 + 6 - 14));
    EXPECT_EQ(CountOf(s1, kSeparatorColor), 3 * 8 * 6);
    EXPECT_EQ(Canvas(0).pixels, s0.pixels);

    EXPECT_EQ(S().ShowSimplePanelDMDText(0, "HI 7"), 0);
    s0 = Canvas(0);
    EXPECT_EQ(BoundsOf(s0, CellColor('H' - '0')), MakeRect(2, 4, 8, 8));
    EXPECT_EQ(BoundsOf(s0, CellColor('7' - '0')), MakeRect(2, 28, 8, 8));
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(SimplePanelsTest, NumbersOutsideTheTenDigitFieldAreRefused) {
    InstallTwo();
    S().SetSimplePanelDMDAttr(0, 0, 0, 1.0, 1.0, kFontSlot, 0, 0);
    EXPECT_EQ(S().ShowSimplePanelDMDNumeric(0, 9999999999.0), 0);
    const platform::Surface s = Canvas(0);
    EXPECT_EQ(BoundsOf(s, CellColor(9)), MakeRect(0, 0, 8, 80));
    EXPECT_EQ(CountOf(s, CellColor(9)), 640);
    S().SimplePanelClearArea(0, 0, 0, 160, 40, 0);
    for (double v : {10000000000.0, -1.0, -0.4, std::numeric_limits<double>::quiet_NaN(),
                     -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(S().ShowSimplePanelDMDNumeric(0, v), -1) << v;
        ExpectOneReport("fatal error",
                        "CVI-function 'ShowSimplePanelDMDNumeric': argument "
                        "'_SimplePanelDMDValue' out of range (must be 0..9999999999)");
    }
    EXPECT_EQ(CountOf(Canvas(0), 0), 160 * 40);
}

TEST_F(SimplePanelsTest, ClearAndDrawAreaUseTheSimplePanelCanvas) {
    InstallTwo();
    EXPECT_EQ(S().SimplePanelClearArea(1, 3, 4, 10, 6, 0x123456), 0);
    EXPECT_EQ(BoundsOf(Canvas(1), 0x123456), MakeRect(4, 3, 6, 10));
    EXPECT_EQ(CountOf(Canvas(1), 0x123456), 60);
    // Cells 1 and 2 of the font strip, unscaled.
    EXPECT_EQ(S().SimplePanelDrawArea(1, kFontSlot, 8, 0, 16, 8, 50, 20), 0);
    EXPECT_EQ(BoundsOf(Canvas(1), CellColor(1)), MakeRect(20, 50, 8, 8));
    EXPECT_EQ(BoundsOf(Canvas(1), CellColor(2)), MakeRect(20, 58, 8, 8));
    EXPECT_EQ(CountOf(Canvas(0), 0), 160 * 40);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
}

TEST_F(SimplePanelsTest, PanelsAreWindowsOfTheirOwnFramedForOneOnly) {
    ASSERT_EQ(S().InstallSimplePanel(0, 1, 700, 0, 160, 40), 0);
    ASSERT_EQ(S().InstallSimplePanel(7, 2, 860, 300, 100, 30), 0);
    platform::PanelInfo info = Info(Panel(0));
    EXPECT_TRUE(info.frame);
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.enabled);
    info = Info(Panel(7));
    EXPECT_FALSE(info.frame);
    EXPECT_EQ(MakeRect(info.top, info.left, info.height, info.width), MakeRect(300, 860, 30, 100));
    EXPECT_EQ(Canvas(7).width, 100);
    EXPECT_EQ(Canvas(7).height, 30);
    EXPECT_EQ(info.resource, 9);

    // Installing a number again replaces its panel.
    const int first = Panel(0);
    S().ShowSimplePanelDMDText(0, "1");
    ASSERT_EQ(S().InstallSimplePanel(0, 0, 700, 50, 160, 40), 0);
    EXPECT_TRUE(Info(first).discarded);
    EXPECT_FALSE(Info(Panel(0)).frame);
    EXPECT_EQ(CountOf(Canvas(0), 0), 160 * 40);
}

TEST_F(SimplePanelsTest, InstallMakesTheCurrentFolderTheBaseOfRelativeNames) {
    std::filesystem::create_directory(dir_.Path() / "other");
    ASSERT_EQ(platform::WritePng(dir_.File("other/only_here.png"), FontStrip(8, 8)), 0);
    EXPECT_EQ(engine_.BitmapSelection().AddBitmapToSelection("only_here.png", 5, 8, 8), -1);
    Rt().ClearPopups();
    std::filesystem::current_path(dir_.Path() / "other");
    ASSERT_EQ(S().InstallSimplePanel(2, 1, 700, 0, 160, 40), 0);
    EXPECT_EQ(std::filesystem::path(engine_.MainPanel().loadedVPTDir),
              std::filesystem::current_path());
    EXPECT_EQ(engine_.BitmapSelection().AddBitmapToSelection("only_here.png", 5, 8, 8), 0);
}

TEST_F(SimplePanelsTest, UserLockNeedsAnInstalledPanel) {
    const std::string not_installed =
        "CVI-function 'SetSimplePanelUserLock' failed. First call 'InstallSimplePanel'";
    EXPECT_EQ(S().SetSimplePanelUserLock(3, 1), -1);
    ExpectOneReport("warning", not_installed);

    ASSERT_EQ(S().InstallSimplePanel(3, 1, 700, 0, 160, 40), 0);
    EXPECT_EQ(S().SetSimplePanelUserLock(3, 1), 0);
    EXPECT_FALSE(Info(Panel(3)).enabled);
    int window = 0;
    Rt().GetPanelAttribute(Panel(3), platform::Attr::SystemWindowHandle, &window);
    EXPECT_EQ(engine_.HWNDHandle, window);
    EXPECT_EQ(S().SetSimplePanelUserLock(3, 2), 0);
    EXPECT_FALSE(Info(Panel(3)).enabled);
    EXPECT_EQ(S().SetSimplePanelUserLock(3, 0), 0);
    EXPECT_TRUE(Info(Panel(3)).enabled);
    EXPECT_TRUE(Rt().Popups().empty());

    EXPECT_EQ(S().DiscardSimplePanel(3), 0);
    EXPECT_EQ(S().SetSimplePanelUserLock(3, 1), -1);
    ExpectOneReport("warning", not_installed);
}

TEST_F(SimplePanelsTest, DrawingAfterDiscardDoesNothingAndSettingsSurvive) {
    InstallTwo();
    const int panel = Panel(1);
    EXPECT_EQ(S().DiscardSimplePanel(1), 0);
    EXPECT_EQ(Panel(1), panel);
    EXPECT_TRUE(Info(panel).discarded);
    EXPECT_EQ(S().ShowSimplePanelDMDText(1, "GAME OVER"), 0);
    EXPECT_EQ(S().ShowSimplePanelDMDNumeric(1, 5), 0);
    EXPECT_EQ(S().SimplePanelClearArea(1, 0, 0, 10, 10, 0xFFFFFF), 0);
    EXPECT_EQ(S().SimplePanelDrawArea(1, kFontSlot, 0, 0, 8, 8, 0, 0), 0);
    EXPECT_EQ(S().DiscardSimplePanel(1), 0);
    EXPECT_TRUE(Rt().Popups().empty());
    EXPECT_EQ(CountOf(Canvas(0), 0), 160 * 40);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    // A new install keeps the display settings.
    ASSERT_EQ(S().InstallSimplePanel(1, 1, 700, 100, 160, 40), 0);
    S().ShowSimplePanelDMDNumeric(1, 0);
    EXPECT_EQ(CountOf(Canvas(1), CellColor(0)), 10 * 16 * 12);
}

TEST_F(SimplePanelsTest, NumbersOutsideZeroToSevenAreRefusedByEveryMember) {
    const std::string range = "': argument '_SimplePanelNumber' out of range (must be 0..7)";
    for (int16_t n : {-1, 8, 32767}) {
        EXPECT_EQ(S().InstallSimplePanel(n, 1, 0, 0, 10, 10), -1);
        ExpectOneReport("fatal error", "CVI-function 'InstallSimplePanel" + range);
        EXPECT_EQ(S().DiscardSimplePanel(n), -1);
        ExpectOneReport("fatal error", "CVI-function 'DiscardSimplePanel" + range);
        EXPECT_EQ(S().SetSimplePanelDMDAttr(n, 0, 0, 1, 1, 0, 0, 0), -1);
        ExpectOneReport("fatal error", "CVI-function 'SetSimplePanelDMDAttr" + range);
        EXPECT_EQ(S().ShowSimplePanelDMDNumeric(n, 1), -1);
        ExpectOneReport("fatal error", "CVI-function 'ShowSimplePanelDMDNumeric" + range);
        EXPECT_EQ(S().ShowSimplePanelDMDText(n, "1"), -1);
        ExpectOneReport("fatal error", "CVI-function 'ShowSimplePanelDMDText" + range);
        EXPECT_EQ(S().SimplePanelClearArea(n, 0, 0, 1, 1, 0), -1);
        ExpectOneReport("fatal error", "CVI-function 'SimplePanelClearArea" + range);
        EXPECT_EQ(S().SimplePanelDrawArea(n, 0, 0, 0, 1, 1, 0, 0), -1);
        ExpectOneReport("fatal error", "CVI-function 'SimplePanelDrawArea" + range);
        EXPECT_EQ(S().SetSimplePanelUserLock(n, 1), -1);
        ExpectOneReport("fatal error", "CVI-function 'SetSimplePanelUserLock" + range);
    }
    EXPECT_EQ(Rt().Panels().size(), 1u);  // the main panel only
}

TEST_F(SimplePanelsTest, GoldenOfTwoPanelsSideBySide) {
    ASSERT_EQ(S().InstallSimplePanel(0, 0, 700, 300, 160, 40), 0);
    ASSERT_EQ(S().InstallSimplePanel(1, 0, 862, 300, 120, 40), 0);
    S().SetSimplePanelDMDAttr(0, 2, 4, 1.0, 1.0, kFontSlot, 1, 1);
    S().SetSimplePanelDMDAttr(1, 6, 6, 1.5, 2.0, kFontSlot, 0, 0);
    S().SimplePanelClearArea(0, 0, 0, 160, 40, 0x101820);
    S().ShowSimplePanelDMDNumeric(0, 1234567);
    S().ShowSimplePanelDMDText(1, "TILT 1");
    const platform::Surface& screen = Rt().ComposeScreen();
    platform::Surface both(290, 50, 0);
    for (int y = 0; y < both.height; ++y)
        for (int x = 0; x < both.width; ++x)
            both.At(x, y) = screen.At(696 + x, 295 + y);
    EXPECT_MATCHES_GOLDEN(both, "panels/simple_panels");
}

}  // namespace
}  // namespace tov::testing
