#include "platform/controls/numeric_control.h"

#include <algorithm>
#include <cmath>

namespace tov::platform {

NumericControl::NumericControl(ControlKind kind, int id, AttrSet accepted)
    : Control(kind, id, accepted | MakeAttrSet({Attr::MinValue, Attr::MaxValue})) {}

int NumericControl::SetValue(double value, FontBook&) {
    if (!std::isfinite(value)) return kUIEInvalidValue;
    if (value == value_) return kUISuccess;
    value_ = value;
    MarkDirty();
    return kUISuccess;
}

int NumericControl::GetValue(double* value) const {
    if (value == nullptr) return kUIENullPointer;
    *value = value_;
    return kUISuccess;
}

void NumericControl::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    out->emplace_back("value", value_);
}

// ---- helpers for instrument looks ----------------------------------------------------------

Color Shade(Color c, double amount) {
    if (c == kTransparent) return c;
    return amount >= 0.0 ? MixColor(c, kWhite, amount) : MixColor(c, kBlack, -amount);
}

void PaintTick(Painter& painter, double cx, double cy, double r_inner, double r_outer,
               double degrees, double width, Color color) {
    Shape tick;
    tick.Segment(Polar(cx, cy, r_inner, degrees), Polar(cx, cy, r_outer, degrees), width);
    painter.Smooth(tick, SolidBrush(color));
}

void PaintNeedle(Painter& painter, double cx, double cy, double length, double tail, double width,
                 double degrees, Color color) {
    if (color == kTransparent || !(length > 0.0)) return;
    const double half = std::max(width, 1.0) / 2.0;
    // A tapered blade from the tail through the pivot to a narrow tip.
    const PointF tip = Polar(cx, cy, length, degrees);
    const PointF back = Polar(cx, cy, tail, degrees + 180.0);
    const PointF left = Polar(cx, cy, half, degrees + 90.0);
    const PointF right = Polar(cx, cy, half, degrees - 90.0);
    const PointF tip_left = Polar(tip.x, tip.y, half * 0.3, degrees + 90.0);
    const PointF tip_right = Polar(tip.x, tip.y, half * 0.3, degrees - 90.0);
    const PointF back_left = Polar(back.x, back.y, half * 1.2, degrees + 90.0);
    const PointF back_right = Polar(back.x, back.y, half * 1.2, degrees - 90.0);
    Shape blade;
    blade.Polygon({back_left, left, tip_left, tip_right, right, back_right});
    painter.Smooth(blade, SolidBrush(color));

    // The hub: a dark ring with a light cap.
    const double hub = std::max(2.5, half * 2.2);
    Shape ring;
    ring.Circle(cx, cy, hub);
    painter.Smooth(ring, SolidBrush(Shade(color, -0.45)));
    Shape cap;
    cap.Circle(cx, cy, hub * 0.6);
    painter.Smooth(cap, GradientBrush(Shade(color, 0.5), color, PointF{cx - hub, cy - hub},
                                      PointF{cx + hub * 0.3, cy + hub * 0.3}));
}

// ---- vertical gauges -------------------------------------------------------------------------

namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

// The glass of a body: a light stripe down its left part and a shadow along its right edge,
// over whatever it holds.
void PaintGlass(Painter& painter, double left, double top, double width, double height) {
    if (width < 4.0 || height < 2.0) return;
    Shape light;
    light.RoundedRect(left + width * 0.16, top + 1.0, std::max(1.0, width * 0.16), height - 2.0,
                      width * 0.08);
    painter.Smooth(light, SolidBrush(kWhite, 70));
    Shape shadow;
    shadow.RoundedRect(left + width * 0.82, top + 1.0, width * 0.14, height - 2.0, width * 0.07);
    painter.Smooth(shadow, SolidBrush(kBlack, 45));
}

}  // namespace

void PaintVerticalGauge(Painter& painter, const Look& look, const FontSpec& font, SlideStyle style,
                        std::span<const ScaleMark> marks, double fill) {
    FontEngine& engine = painter.Fonts().Engine();
    const FontMetrics metrics = engine.Metrics(font);
    const int width = painter.Width();
    const int height = painter.Height();
    if (width <= 0 || height <= 0) return;
    fill = std::isfinite(fill) ? std::clamp(fill, 0.0, 1.0) : 0.0;

    // The scale: as wide as its widest text plus the ticks, at most half the control. A slide
    // keeps it right of its thumb, where its label goes between the end marks; the others on
    // their left.
    int widest = 0;
    for (const ScaleMark& mark : marks)
        widest = std::max(widest, engine.LineWidth(font, mark.text));
    const int tick = 5;
    const bool scale_right = style == SlideStyle::Thumb;
    const int scale_width = std::min(widest + tick + 4, width / 2);
    const int body_left = scale_right ? 0 : scale_width;
    const int body_width = width - scale_width;
    const int margin = std::max(1, metrics.line_height / 2);

    // The vertical places of the minimum (bottom) and maximum (top) of the body.
    int y_min = height - 1 - margin;
    int y_max = margin;
    int bulb = 0;
    if (style == SlideStyle::Thermometer) {
        bulb = std::clamp(std::min(body_width, height / 4), 0, height);
        y_min = height - bulb;
    } else if (style == SlideStyle::Thumb) {
        const int half = look.slider_height / 2;
        y_min = height - 1 - std::max(margin, half);
        y_max = std::max(margin, half);
    }
    if (y_min < y_max) y_min = y_max;
    const auto place = [&](double f) { return y_min - f * (y_min - y_max); };

    // Scale: a minor tick every tenth, a longer one and its text at each mark.
    const Color scale_color = look.text_color;
    const double tick_outer = scale_right ? body_width + 1.5 : scale_width - 2.5;
    const double direction = scale_right ? 1.0 : -1.0;
    for (int i = 0; i <= 10; ++i) {
        const double y = place(i / 10.0) + 0.5;
        Shape minor;
        minor.Segment(PointF{tick_outer, y}, PointF{tick_outer + direction * (tick - 2.5), y}, 1.0);
        painter.Smooth(minor, SolidBrush(scale_color));
    }
    for (const ScaleMark& mark : marks) {
        const double y = place(mark.fraction) + 0.5;
        Shape major;
        major.Segment(PointF{tick_outer, y}, PointF{tick_outer + direction * tick, y}, 1.6);
        painter.Smooth(major, SolidBrush(scale_color));
        const int text_width = engine.LineWidth(font, mark.text);
        const int text_left = scale_right ? Round(tick_outer + tick + 2.5)
                                          : Round(tick_outer - tick - 2.5) - text_width;
        painter.Text(text_left, Round(y - 0.5) - metrics.line_height / 2, font, mark.text,
                     scale_color);
    }

    const double level = place(fill);
    const Color frame = look.frame_color;
    switch (style) {
        case SlideStyle::Tank: {
            // A rounded tank behind glass, the liquid rising from its floor.
            const double left = body_left + 0.5;
            const double top = y_max;
            const double w = body_width - 1.0;
            const double h = y_min - y_max + 1.0;
            const double radius = std::min(7.0, w / 5.0);
            Shape outer;
            outer.RoundedRect(left, top, w, h, radius);
            painter.Smooth(outer, SolidBrush(frame));
            const double inset = 1.5;
            const double inner_w = w - 2 * inset;
            const double inner_h = h - 2 * inset;
            Shape inner;
            inner.RoundedRect(left + inset, top + inset, inner_w, inner_h, radius - inset);
            painter.Smooth(inner, SolidBrush(look.empty_color));
            const double bottom = top + h - inset;
            const double surface = std::clamp(level, top + inset, bottom);
            if (bottom - surface > 0.0) {
                Shape liquid;
                liquid.RoundedRect(left + inset, surface, inner_w, bottom - surface,
                                   std::min(radius - inset, (bottom - surface) / 2.0));
                painter.Smooth(liquid, SolidBrush(look.fill_color));
            }
            PaintGlass(painter, left + inset, top + inset, inner_w, inner_h);
            break;
        }
        case SlideStyle::Thermometer: {
            // A glass tube standing on a round bulb; the column rises from the bulb.
            const double cx = body_left + body_width / 2.0;
            const double bulb_r = bulb / 2.0;
            const double bulb_cy = height - bulb_r;
            const double tube_w = std::max(4.0, bulb * 0.46);
            const double tube_left = cx - tube_w / 2.0;
            const double tube_top = y_max;
            const double tube_h = bulb_cy - tube_top;
            Shape glass;
            glass.RoundedRect(tube_left, tube_top, tube_w, tube_h, tube_w / 2.0)
                .Circle(cx, bulb_cy, bulb_r);
            painter.Smooth(glass, SolidBrush(frame));
            const double inset = 1.5;
            Shape empty;
            empty.RoundedRect(tube_left + inset, tube_top + inset, tube_w - 2 * inset, tube_h,
                              tube_w / 2.0 - inset);
            painter.Smooth(empty, SolidBrush(look.empty_color));
            Shape column;
            const double surface = std::clamp(level, tube_top + inset, bulb_cy);
            column
                .RoundedRect(tube_left + inset, surface, tube_w - 2 * inset, bulb_cy - surface,
                             std::min(tube_w / 2.0 - inset, (bulb_cy - surface) / 2.0))
                .Circle(cx, bulb_cy, bulb_r - inset);
            painter.Smooth(column, SolidBrush(look.fill_color));
            PaintGlass(painter, tube_left + inset, tube_top + inset, tube_w - 2 * inset,
                       tube_h - bulb_r);
            Shape shine;
            shine.Ellipse(cx - bulb_r * 0.35, bulb_cy - bulb_r * 0.35, bulb_r * 0.28, bulb_r * 0.2);
            painter.Smooth(shine, SolidBrush(kWhite, 110));
            break;
        }
        case SlideStyle::Thumb: {
            // A groove filled up to the thumb, and the thumb with a grip line across it.
            const double thumb_w = std::min(look.slider_width, body_width);
            const double cx = thumb_w / 2.0;
            const double track_w = std::max(4.0, thumb_w / 4.0);
            const double top = y_max - 1.0;
            const double h = y_min - y_max + 3.0;
            Shape track;
            track.RoundedRect(cx - track_w / 2.0, top, track_w, h, track_w / 2.0);
            painter.Smooth(track, SolidBrush(frame));
            Shape groove;
            groove.RoundedRect(cx - track_w / 2.0 + 1.0, top + 1.0, track_w - 2.0, h - 2.0,
                               track_w / 2.0 - 1.0);
            painter.Smooth(groove, SolidBrush(look.empty_color));
            const double bottom = top + h - 1.0;
            if (bottom - level > 0.0) {
                Shape filled;
                filled.RoundedRect(cx - track_w / 2.0 + 1.0, level, track_w - 2.0, bottom - level,
                                   std::min(track_w / 2.0 - 1.0, (bottom - level) / 2.0));
                painter.Smooth(filled, SolidBrush(look.fill_color));
            }
            const double thumb_h = look.slider_height;
            const double thumb_top = Round(level) - look.slider_height / 2;
            const double radius = std::min(3.0, std::min(thumb_w, thumb_h) / 3.0);
            Shape edge;
            edge.RoundedRect(0.0, thumb_top, thumb_w, thumb_h, radius);
            painter.Smooth(edge, SolidBrush(Shade(look.needle_color, -0.45)));
            Shape body;
            body.RoundedRect(1.0, thumb_top + 1.0, thumb_w - 2.0, thumb_h - 2.0, radius - 1.0);
            painter.Smooth(body, SolidBrush(look.needle_color));
            Shape light;
            light.RoundedRect(2.0, thumb_top + 1.0, thumb_w - 4.0, 1.0, 0.0);
            painter.Smooth(light, SolidBrush(kWhite, 110));
            Shape grip;
            grip.Segment(PointF{3.0, Round(level) + 0.5}, PointF{thumb_w - 3.0, Round(level) + 0.5},
                         1.0);
            painter.Smooth(grip, SolidBrush(Shade(look.needle_color, -0.5)));
            break;
        }
    }
}

}  // namespace tov::platform
