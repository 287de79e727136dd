#include "platform/controls/led.h"

#include <algorithm>
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
    if (shape_ == LedShape::Square) {
        painter.Rectangle(whole, DrawMode::Both, MakePen(look_.frame_color), lit);
        return;
    }
    // A lamp behind a lens: the disc inscribed in the control inside a dark bezel, with a
    // reflection on its upper left.
    const double rx = Width() / 2.0;
    const double ry = Height() / 2.0;
    if (rx <= 0.0 || ry <= 0.0) return;
    Shape bezel;
    bezel.Ellipse(rx, ry, rx, ry);
    painter.Smooth(bezel, SolidBrush(look_.frame_color));
    const double lens = std::max(1.0, std::min(rx, ry) / 8.0);
    Shape disc;
    disc.Ellipse(rx, ry, rx - lens, ry - lens);
    painter.Smooth(disc, SolidBrush(lit));
    Shape reflection;
    reflection.Ellipse(rx * 0.62, ry * 0.58, rx * 0.3, ry * 0.2);
    painter.Smooth(reflection, SolidBrush(kWhite, On() ? 150 : 70));
}

void Led::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    out->emplace_back("value", value_);
}

}  // namespace tov::platform
