#include "platform/controls/gauge.h"

#include <algorithm>
#include <cmath>

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
    // The pivot on a pixel's centre, so that a level or upright needle is sharp.
    const double c = size / 2 + 0.5;
    const double r = size / 2.0 - 1.0;
    const double a0 = look_.start_angle;
    const double a1 = look_.end_angle;
    const double sweep = a1 - a0;

    // The rim, lit from the upper left.
    Shape rim;
    rim.Ring(c, c, r - std::max(1.5, size / 50.0), r);
    painter.Smooth(rim,
                   GradientBrush(Shade(look_.frame_color, 0.45), Shade(look_.frame_color, -0.35),
                                 PointF{0.0, 0.0},
                                 PointF{static_cast<double>(size), static_cast<double>(size)}));

    // The whole sweep faintly, the part up to the value in full.
    Shape track;
    track.ArcBand(c, c, r * 0.84, r * 0.92, a0, a1);
    painter.Smooth(track, SolidBrush(look_.fill_color, 60));
    Shape band;
    band.ArcBand(c, c, r * 0.84, r * 0.92, a0, a0 + sweep * Fraction());
    painter.Smooth(band, SolidBrush(look_.fill_color));

    // A full turn is divided in twelve with five small ticks each, like a clock, and carries
    // four numbers (the maximum would lie on the minimum); a part of a turn in eight with two,
    // with five numbers from the minimum to the maximum.
    const bool full_turn = std::fabs(sweep) >= 359.99;
    const int majors = full_turn ? 12 : 8;
    const int minors = full_turn ? 5 : 2;
    const int numbered_every = full_turn ? 3 : 2;
    const FontSpec font = TextFont(painter.Fonts());
    FontEngine& engine = painter.Fonts().Engine();
    const int line_height = engine.Metrics(font).line_height;
    for (int i = 0; i <= majors * minors; ++i) {
        if (full_turn && i == majors * minors) break;
        const double fraction = static_cast<double>(i) / (majors * minors);
        const double angle = a0 + sweep * fraction;
        const bool major = i % minors == 0;
        PaintTick(painter, c, c, major ? r * 0.7 : r * 0.76, r * 0.82, angle,
                  major ? std::max(1.5, size / 70.0) : 1.0, look_.text_color);
        if (!major || (i / minors) % numbered_every != 0) continue;
        const PointF at = Polar(c, c, r * 0.55, angle);
        const std::string text = ScaleText(look_.min + (look_.max - look_.min) * fraction);
        painter.Text(static_cast<int>(std::lround(at.x)) - engine.LineWidth(font, text) / 2,
                     static_cast<int>(std::lround(at.y)) - line_height / 2, font, text,
                     look_.text_color);
    }

    PaintNeedle(painter, c, c, r * 0.8, r * 0.18, std::max(3.0, size / 30.0),
                a0 + sweep * Fraction(), look_.needle_color);
}

}  // namespace tov::platform
