#include "platform/controls/meter.h"

#include <algorithm>

namespace tov::platform {

Meter::Meter(int id)
    : NumericControl(ControlKind::Meter, id,
                     TextAttrs() | LabelAttrs() |
                         MakeAttrSet({Attr::FrameColor, Attr::FillColor, Attr::NeedleColor,
                                      Attr::ScaleFont, Attr::ScalePointSize, Attr::ScaleColor})) {
    look_.frame_color = 0xD0D0D0;
    look_.fill_color = 0xFFFFFF;
    look_.needle_color = 0xE00000;
}

void Meter::Changed(Attr attr, FontBook&) {
    if (attr == Attr::Width) SetSize(Width(), static_cast<int>(int64_t{Width()} * 3 / 5));
}

void Meter::Paint(Painter& painter) const {
    const int width = Width();
    const int height = Height();
    if (look_.frame_color != kTransparent) {
        painter.Fill(MakeRect(0, 0, height, width), look_.frame_color);
    }
    const FontSpec font = TextFont(painter.Fonts());
    FontEngine& engine = painter.Fonts().Engine();
    const int line_height = engine.Metrics(font).line_height;
    const double cx = width / 2.0;
    const double cy = std::max(0, height - line_height - 3);
    const double r = std::max(0.0, std::min(width / 2.0 - 6.0, cy - 4.0));
    if (r <= 0.0) return;

    PaintArcBand(painter, cx, cy, r * 0.8, r, 0.0, 180.0, look_.fill_color);
    const Pen ticks = MakePen(look_.text_color);
    for (int i = 0; i <= 10; ++i) {
        const double angle = 180.0 - 18.0 * i;
        const double inner = i % 5 == 0 ? r * 0.66 : r * 0.72;
        painter.Line(PolarPoint(cx, cy, inner, angle), PolarPoint(cx, cy, r * 0.8, angle), ticks);
    }
    const std::string low = ScaleText(look_.min);
    const std::string high = ScaleText(look_.max);
    const int low_width = engine.LineWidth(font, low);
    const int high_width = engine.LineWidth(font, high);
    const int text_top = static_cast<int>(cy) + 2;
    painter.Text(static_cast<int>(cx - r * 0.9) - low_width / 2, text_top, font, low,
                 look_.text_color);
    painter.Text(static_cast<int>(cx + r * 0.9) - high_width / 2, text_top, font, high,
                 look_.text_color);

    const double angle = 180.0 - 180.0 * Fraction();
    const Pen needle = MakePen(look_.needle_color, std::max(2, width / 80));
    painter.Line(PolarPoint(cx, cy, 0.0, angle), PolarPoint(cx, cy, r * 0.95, angle), needle);
    const int hub = std::max(3, width / 40);
    painter.Oval(
        MakeRect(static_cast<int>(cy) - hub, static_cast<int>(cx) - hub, 2 * hub + 1, 2 * hub + 1),
        DrawMode::Both, MakePen(look_.needle_color), look_.needle_color);
}

}  // namespace tov::platform
