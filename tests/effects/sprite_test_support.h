// What the sprite effect tests share: the text-effect fixture (an engine with the main panel
// installed in a fresh folder) plus pictures loaded into slots and the geometry of a control.
#pragma once

#include <string>

#include "platform/image_file.h"
#include "text_effect_test_support.h"
#include "transition_test_support.h"

namespace tov::testing {

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Geometry& g) {
        return out << "(left " << g.left << ", top " << g.top << ", " << g.width << " x "
                   << g.height << ")";
    }
};

template <int PanelWidth = 800, int PanelHeight = 600>
class SpriteTestBase : public TextEffectTestBase<PanelWidth, PanelHeight> {
  protected:
    // Writes the picture as a PNG (under the given name, relative to the table's folder) and,
    // for a slot of 0 or more, loads it into the slot with the whole picture as frame.
    void Write(const std::string& name, const platform::Surface& picture) {
        std::filesystem::create_directories((this->dir_.Path() / name).parent_path());
        ASSERT_EQ(platform::WritePng(this->dir_.File(name), picture), 0);
    }
    void Load(int slot, const platform::Surface& picture) {
        const std::string name = "picture" + std::to_string(slot) + ".png";
        Write(name, picture);
        ASSERT_EQ(this->engine_.BitmapSelection().AddBitmapToSelection(
                      name, static_cast<int16_t>(slot), static_cast<int16_t>(picture.width),
                      static_cast<int16_t>(picture.height)),
                  0);
    }
    Geometry GeometryOf(int control) {
        return {this->Attribute(control, platform::Attr::Left),
                this->Attribute(control, platform::Attr::Top),
                this->Attribute(control, platform::Attr::Width),
                this->Attribute(control, platform::Attr::Height)};
    }
};

}  // namespace tov::testing
