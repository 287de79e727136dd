// What the tests of the frame animation and the text effects share: an engine over a headless
// runtime with the main panel installed in a fresh folder, and read-back of control attributes,
// control values and the composed panel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov::testing {

// A face that every build machine has (the font packages of ./run).
inline constexpr const char* kTestFace = "DejaVu Sans";

template <int PanelWidth = 800, int PanelHeight = 600>
class TextEffectTestBase : public ::testing::Test {
  protected:
    static constexpr int kPanelWidth = PanelWidth;
    static constexpr int kPanelHeight = PanelHeight;

    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    int Panel() { return engine_.MainPanel().PanelHandle; }

    int Attribute(int control, platform::Attr attr) {
        int value = -12345;
        EXPECT_EQ(Rt().GetCtrlAttribute(Panel(), control, attr, &value), 0)
            << "attribute " << static_cast<int>(attr) << " of control " << control;
        return value;
    }
    std::string TextAttribute(int control, platform::Attr attr) {
        std::string value;
        EXPECT_EQ(Rt().GetCtrlAttribute(Panel(), control, attr, &value), 0);
        return value;
    }
    std::string Value(int control) {
        std::string value;
        EXPECT_EQ(Rt().GetCtrlVal(Panel(), control, &value), 0);
        return value;
    }

    // The main panel as the screen shows it.
    platform::Surface ComposedPanel() {
        platform::Surface s;
        EXPECT_TRUE(Rt().ComposePanel(Panel(), &s));
        return s;
    }

    size_t PopupCount() { return Rt().Popups().size(); }
    const platform::PopupRecord& LastPopup() { return Rt().Popups().back(); }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
};

}  // namespace tov::testing
