// A stage for control tests: one control on a small panel of its own, composed the way the
// screen composes it (label included), over a backdrop that shows what is transparent.
#pragma once

#include <memory>

#include "platform/controls/control.h"
#include "platform/controls/control_kinds.h"
#include "platform/font_book.h"
#include "platform/panel.h"
#include "platform/screen.h"

namespace tov::platform::testing {

class Stage {
  public:
    static constexpr uint32_t kBackdrop = 0x304050;

    // A control of the kind at (margin, margin) of a panel `margin` larger on every side.
    Stage(ControlKind kind, int width, int height, int margin = 0) : margin_(margin) {
        auto control = MakeControl(kind, 2);
        control_ = control.get();
        Set(Attr::Width, width);
        Set(Attr::Height, height);
        Set(Attr::Left, margin);
        Set(Attr::Top, margin);
        control_->Loaded(fonts_);
        panel_.back_color = static_cast<Color>(kBackdrop);
        panel_.controls.push_back(std::move(control));
    }

    template <typename T = Control>
    T& Get() {
        return dynamic_cast<T&>(*control_);
    }
    FontBook& Fonts() { return fonts_; }

    int Set(Attr attr, const AttrValue& value) {
        return control_->SetAttribute(attr, value, fonts_);
    }
    int Set(Attr attr, int value) { return Set(attr, AttrValue(value)); }
    int Set(Attr attr, double value) { return Set(attr, AttrValue(value)); }
    int Set(Attr attr, const char* value) { return Set(attr, AttrValue(std::string(value))); }
    int Value(double v) { return control_->SetValue(v, fonts_); }
    int Value(const char* v) { return control_->SetValue(v, fonts_); }

    // The panel as the screen shows it.
    Surface Shot() {
        panel_.width = control_->Width() + 2 * margin_;
        panel_.height = control_->Height() + 2 * margin_;
        Surface out;
        ComposeRegion(panel_, MakeRect(0, 0, panel_.height, panel_.width), nullptr, fonts_, out);
        return out;
    }

  private:
    FontBook fonts_;
    Panel panel_;
    Control* control_ = nullptr;
    int margin_;
};

// The number of pixels of the colour.
inline int CountColor(const Surface& s, uint32_t color) {
    int n = 0;
    for (uint32_t p : s.pixels)
        n += p == color ? 1 : 0;
    return n;
}

}  // namespace tov::platform::testing
