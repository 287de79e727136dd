// Shared by the gauge and indicator tests: an engine whose main panel (200 x 40) and extra panel
// (640 x 480 at 0, 100) are installed inside a fresh folder, with readers for the extra panel's
// controls. BoundsOf and CountOf come from the DMD tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/dmd_fixture.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov::testing {

class ExtraPanelFixture : public ::testing::Test {
  protected:
    static constexpr int kExtraWidth = 640;
    static constexpr int kExtraHeight = 480;

    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, 200, 40), 0);
        ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(0, 100, kExtraWidth, kExtraHeight), 0);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    int Extra() { return engine_.ExtraPanel().ExtraPanelHandle; }

    int Get(int control, platform::Attr attr, int panel = 0) {
        int value = 0;
        EXPECT_EQ(Rt().GetCtrlAttribute(panel == 0 ? Extra() : panel, control, attr, &value), 0)
            << "control " << control;
        return value;
    }
    double GetDouble(int control, platform::Attr attr) {
        double value = 0.0;
        EXPECT_EQ(Rt().GetCtrlAttribute(Extra(), control, attr, &value), 0);
        return value;
    }
    std::string GetText(int control, platform::Attr attr) {
        std::string value;
        EXPECT_EQ(Rt().GetCtrlAttribute(Extra(), control, attr, &value), 0);
        return value;
    }
    double Value(int control, int panel = 0) {
        double value = 0.0;
        EXPECT_EQ(Rt().GetCtrlVal(panel == 0 ? Extra() : panel, control, &value), 0);
        return value;
    }
    // top, left, height, width
    platform::Rect Place(int control, int panel = 0) {
        return platform::MakeRect(Get(control, platform::Attr::Top, panel),
                                  Get(control, platform::Attr::Left, panel),
                                  Get(control, platform::Attr::Height, panel),
                                  Get(control, platform::Attr::Width, panel));
    }
    // Every property a host can read of the control, for "nothing else changed" checks.
    platform::ControlDescription Describe(int control, int panel = 0) {
        platform::ControlDescription out;
        EXPECT_TRUE(Rt().DescribeControl(panel == 0 ? Extra() : panel, control, &out));
        return out;
    }
    std::vector<std::string> Items(int control, int panel = 0) {
        for (const auto& [name, value] : Describe(control, panel).properties)
            if (name == "items") return std::get<std::vector<std::string>>(value);
        return {};
    }
    // The only popup since the last call, as "title: text"; "" when there was none.
    std::string TakePopup() {
        std::string out;
        for (const platform::PopupRecord& p : Rt().Popups())
            out += (out.empty() ? "" : " | ") + p.title + ": " + p.text;
        Rt().ClearPopups();
        return out;
    }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
};

}  // namespace tov::testing
