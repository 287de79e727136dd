// What the frame animation and text effect tests share: an engine over a headless runtime with
// the main panel installed in a fresh folder, and read-back of control attributes and values.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov::testing {

inline constexpr const char* kTestFace = "DejaVu Sans";  // installed by ./run's font packages

template <int PanelWidth = 800, int PanelHeight = 600>
class TextEffectTestBase : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        engine_.MainPanel().InstallPanel(0, 0, PanelWidth, PanelHeight);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    int Panel() { return engine_.MainPanel().PanelHandle; }
    int Attribute(int control, platform::Attr attr) {
        int value = -12345;
        EXPECT_EQ(Rt().GetCtrlAttribute(Panel(), control, attr, &value), 0);
        return value;
    }
    std::string Value(int control) {
        std::string value;
        EXPECT_EQ(Rt().GetCtrlVal(Panel(), control, &value), 0);
        return value;
    }
    platform::Surface ComposedPanel() {
        platform::Surface s;
        EXPECT_TRUE(Rt().ComposePanel(Panel(), &s));
        return s;
    }
    // Expects exactly `count` popups since the last call, the last of them as given.
    void ExpectPopups(size_t count, const std::string& title, const std::string& text) {
        ASSERT_EQ(Rt().Popups().size(), seen_ + count);
        seen_ += count;
        if (count > 0) {
            EXPECT_EQ(Rt().Popups().back().title, title);
            EXPECT_EQ(Rt().Popups().back().text, text);
        }
    }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
    size_t seen_ = 0;
};

}  // namespace tov::testing
