#include "platform/controls/meter.h"

#include <algorithm>
#include <cmath>

namespace tov::platform {

namespace {

// The dial sweeps from kLowAngle (the minimum, upper left) to kHighAngle (the maximum, upper
// right), leaving the lower corners of the face free.
constexpr double kLowAngle = 140.0;
constexpr double kHighAngle = 40.0;

}  // namespace

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
    if (width <= 0 || height <= 0) return;
    // The face: the frame colour all over, with a bevelled rim.
    const Color face = look_.frame_color;
    if (face != kTransparent) {
        painter.Fill(MakeRect(0, 0, height, width), face);
        Shape rim;
        rim.RoundedRect(0.5, 0.5, width - 1.0, height - 1.0, std::min(8.0, width / 12.0));
        painter.Smooth(rim, GradientBrush(Shade(face, 0.35), Shade(face, -0.4), PointF{0.0, 0.0},
                                          PointF{0.0, static_cast<double>(height)}));
        Shape inside;
        inside.RoundedRect(2.5, 2.5, width - 5.0, height - 5.0, std::min(6.0, width / 14.0));
        painter.Smooth(inside, SolidBrush(face));
    }

    // The pivot lies half the width down, or higher when the meter is flatter than usual.
    const double cx = width / 2 + 0.5;
    const double hub_room = std::max(4.0, width / 22.0);
    const double cy = std::floor(std::min(width * 0.5, height - hub_room - 2.0)) + 0.5;
    const double r = std::min(width * 0.42, cy - 3.0);
    if (r <= 2.0) return;

    // The bow with a dark edge, then ticks every twentieth and longer ones every quarter.
    Shape edge;
    edge.ArcBand(cx, cy, r * 0.84, r + 1.0, kLowAngle + 1.0, kHighAngle - 1.0);
    painter.Smooth(edge, SolidBrush(Shade(look_.fill_color, -0.45)));
    Shape bow;
    bow.ArcBand(cx, cy, r * 0.85, r, kLowAngle, kHighAngle);
    painter.Smooth(bow, SolidBrush(look_.fill_color));
    for (int i = 0; i <= 20; ++i) {
        const double angle = kLowAngle + (kHighAngle - kLowAngle) * i / 20.0;
        const bool major = i % 5 == 0;
        PaintTick(painter, cx, cy, major ? r * 0.7 : r * 0.77, r * 0.85, angle,
                  major ? std::max(1.6, width / 110.0) : 1.0, look_.text_color);
    }

    // The minimum and maximum below the ends of the bow; the middle stays free for the label.
    const FontSpec font = TextFont(painter.Fonts());
    FontEngine& engine = painter.Fonts().Engine();
    const int line_height = engine.Metrics(font).line_height;
    const double ends[2] = {kLowAngle, kHighAngle};
    const double values[2] = {look_.min, look_.max};
    for (int i = 0; i < 2; ++i) {
        const PointF at = Polar(cx, cy, r * 0.56, ends[i]);
        const std::string text = ScaleText(values[i]);
        painter.Text(static_cast<int>(at.x) - engine.LineWidth(font, text) / 2,
                     static_cast<int>(at.y) - line_height / 2, font, text, look_.text_color);
    }

    const double angle = kLowAngle + (kHighAngle - kLowAngle) * Fraction();
    PaintNeedle(painter, cx, cy, r * 0.97, r * 0.14, std::max(2.5, width / 55.0), angle,
                look_.needle_color);
}

}  // namespace tov::platform
