#include "platform/controls/gauge.h"

#include <algorithm>

namespace tov::platform {

Gauge::Gauge(int id)
    : NumericControl(ControlKind::Gauge, id,
                     TextAttrs() | LabelAttrs() |
                         MakeAttrSet({Attr::StartAngle, Attr::EndAngle, Attr::NeedleColor,
                                      Attr::FillColor, Attr::FrameColor, Attr::ScaleFont,
                                      Attr::ScalePointSize, Attr::ScaleColor})) {
    look_.needle_color = 0xE00000;
    look_.fill_color = 0x20A040;
    look_.frame_color = 0x404040;
}

void Gauge::Changed(Attr attr, FontBook&) {
    if (attr == Attr::Height) SetSize(Height(), Height());
    if (attr == Attr::Width) SetSize(Width(), Width());
}

void Gauge::Paint(Painter& painter) const {
    const int size = std::min(Width(), Height());
    if (size <= 0) return;
    const double c = (size - 1) / 2.0;
    const double r = c;
    const double a0 = look_.start_angle;
    const double a1 = look_.end_angle;
    painter.Oval(MakeRect(0, 0, size, size), DrawMode::Outline, MakePen(look_.frame_color),
                 kTransparent);
    PaintArcBand(painter, c, c, r * 0.84, r * 0.94, a0, a0 + (a1 - a0) * Fraction(),
                 look_.fill_color);

    const Pen ticks = MakePen(look_.text_color);
    for (int i = 0; i <= 10; ++i) {
        const double angle = a0 + (a1 - a0) * i / 10.0;
        const double inner = i % 5 == 0 ? r * 0.72 : r * 0.78;
        painter.Line(PolarPoint(c, c, inner, angle), PolarPoint(c, c, r * 0.84, angle), ticks);
    }
    const FontSpec font = TextFont(painter.Fonts());
    FontEngine& engine = painter.Fonts().Engine();
    const int line_height = engine.Metrics(font).line_height;
    const double values[3] = {look_.min, (look_.min + look_.max) / 2, look_.max};
    for (int i = 0; i < 3; ++i) {
        const double angle = a0 + (a1 - a0) * i / 2.0;
        const Point at = PolarPoint(c, c, r * 0.55, angle);
        const std::string text = ScaleText(values[i]);
        painter.Text(at.x - engine.LineWidth(font, text) / 2, at.y - line_height / 2, font, text,
                     look_.text_color);
    }

    const double angle = a0 + (a1 - a0) * Fraction();
    const Pen needle = MakePen(look_.needle_color, std::max(2, size / 50));
    painter.Line(PolarPoint(c, c, 0.0, angle), PolarPoint(c, c, r * 0.8, angle), needle);
    const int hub = std::max(2, size / 25);
    const int centre = static_cast<int>(c);
    painter.Oval(MakeRect(centre - hub, centre - hub, 2 * hub + 1, 2 * hub + 1), DrawMode::Both,
                 MakePen(look_.needle_color), look_.needle_color);
}

}  // namespace tov::platform
