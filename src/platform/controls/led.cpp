#include "platform/controls/led.h"

#include <cmath>

namespace tov::platform {

Led::Led(int id, LedShape shape)
    : Control(shape == LedShape::Round ? ControlKind::Led : ControlKind::SquareLed, id,
              LabelAttrs() | MakeAttrSet({Attr::OnColor, Attr::OffColor, Attr::FrameColor})),
      shape_(shape) {
    look_.on_color = 0xFF2020;
    look_.off_color = 0x500000;
    look_.frame_color = 0x303030;
}

int Led::SetValue(double value, FontBook&) {
    if (std::isnan(value)) return kUIEInvalidValue;
    if (value == value_) return kUISuccess;
    const bool was_on = On();
    value_ = value;
    if (On() != was_on) MarkDirty();
    return kUISuccess;
}

int Led::GetValue(double* value) const {
    if (value == nullptr) return kUIENullPointer;
    *value = value_;
    return kUISuccess;
}

bool Led::Opaque() const {
    return shape_ == LedShape::Square && look_.frame_color != kTransparent &&
           (On() ? look_.on_color : look_.off_color) != kTransparent;
}

void Led::Paint(Painter& painter) const {
    const Rect whole = MakeRect(0, 0, Height(), Width());
    const Color lit = On() ? look_.on_color : look_.off_color;
    const Pen frame = MakePen(look_.frame_color);
    if (shape_ == LedShape::Square) {
        painter.Rectangle(whole, DrawMode::Both, frame, lit);
    } else {
        painter.Oval(whole, DrawMode::Both, frame, lit);
    }
}

void Led::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    out->emplace_back("value", value_);
}

}  // namespace tov::platform
