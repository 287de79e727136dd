#include "panels/gem_panel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/dmd_fixture.h"
#include "platform/paths.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

constexpr uint32_t kGemColor[GemPanel::kGems] = {0xC01020, 0x10A040, 0x2040D0, 0xE0C020};

// Gem i: a diamond in its own colour on black, 30 x 20.
platform::Surface Gem(int i) {
    platform::Surface s(30, 20, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            if (std::abs(x - 15) * 2 + std::abs(y - 10) * 3 < 30) s.At(x, y) = kGemColor[i];
    return s;
}

class GemPanelTest : public DmdFixture {
  protected:
    void SetUp() override {
        DmdFixture::SetUp();
        std::filesystem::create_directory(dir_.Path() / "gfx_extern");
        for (int i = 0; i < GemPanel::kGems; ++i)
            WriteGem(i);
    }
    void WriteGem(int i) {
        ASSERT_EQ(platform::WritePng(
                      dir_.File("gfx_extern/Schmuckstein" + std::to_string(i) + ".bmp"), Gem(i)),
                  0);
    }
    GemPanel& G() { return engine_.GemPanel(); }
    platform::Surface Shown() {
        platform::Surface s;
        EXPECT_TRUE(Rt().ComposePanel(G().GemPanelHandle, &s));
        return s;
    }
};

TEST_F(GemPanelTest, ShowsTheFourGemsByPhaseInAFramelessPanelTheyFill) {
    ASSERT_EQ(G().InstallGemPanel(700, 300, 120, 80), 0);
    EXPECT_TRUE(Rt().Popups().empty());
    const platform::PanelInfo info = Info(G().GemPanelHandle);
    EXPECT_EQ(platform::MakeRect(info.top, info.left, info.height, info.width),
              platform::MakeRect(300, 700, 80, 120));
    EXPECT_FALSE(info.frame);
    EXPECT_TRUE(info.visible);
    EXPECT_FALSE(info.enabled);

    for (uint8_t phase = 0; phase < GemPanel::kGems; ++phase) {
        EXPECT_EQ(G().SetGemPhase(phase), 0);
        const platform::Surface s = Shown();
        ASSERT_EQ(s.width, 120);
        ASSERT_EQ(s.height, 80);
        // The 30 x 20 gem stretched four times: its centre at the panel's centre.
        EXPECT_EQ(s.At(60, 40), kGemColor[phase]) << int{phase};
        EXPECT_EQ(s.At(2, 2), 0u);
        EXPECT_MATCHES_GOLDEN(s, "panels/gem_" + std::to_string(phase));
    }
    // A phase without picture changes nothing.
    EXPECT_EQ(G().SetGemPhase(4), 0);
    EXPECT_EQ(Shown().At(60, 40), kGemColor[3]);
}

TEST_F(GemPanelTest, AMissingGemIsNamedInAWarningAndTheOthersStayUsable) {
    std::filesystem::remove(dir_.Path() / "gfx_extern" / "Schmuckstein2.bmp");
    EXPECT_EQ(G().InstallGemPanel(700, 300, 120, 80), 0);
    ASSERT_EQ(Rt().Popups().size(), 1u);
    EXPECT_EQ(Rt().Popups()[0].title, "warning");
    EXPECT_EQ(Rt().Popups()[0].text, "private CVI-function 'InstallGemPanel': file '" +
                                         platform::JoinPath(engine_.MainPanel().loadedVPTDir,
                                                            "gfx_extern\\Schmuckstein2.bmp") +
                                         "' not found");
    EXPECT_TRUE(Info(G().GemPanelHandle).visible);
    for (uint8_t phase : {0, 1, 3}) {
        G().SetGemPhase(phase);
        EXPECT_EQ(Shown().At(60, 40), kGemColor[phase]) << int{phase};
    }
    G().SetGemPhase(2);
    EXPECT_EQ(Shown().At(60, 40), kGemColor[3]);
}

TEST_F(GemPanelTest, ASecondInstallReplacesTheFirstAndDiscardRemovesIt) {
    ASSERT_EQ(G().InstallGemPanel(700, 300, 120, 80), 0);
    const int first = G().GemPanelHandle;
    ASSERT_EQ(G().InstallGemPanel(710, 310, 60, 40), 0);
    EXPECT_TRUE(Info(first).discarded);
    EXPECT_EQ(Info(G().GemPanelHandle).width, 60);
    EXPECT_EQ(G().DiscardGemPanel(), 0);
    EXPECT_TRUE(Info(G().GemPanelHandle).discarded);
    EXPECT_EQ(G().SetGemPhase(1), 0);
    EXPECT_TRUE(Rt().Popups().empty());
}

}  // namespace
}  // namespace tov::testing
