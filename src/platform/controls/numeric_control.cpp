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

namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

void PaintVerticalGauge(Painter& painter, const Look& look, const FontSpec& font, SlideStyle style,
                        std::span<const ScaleMark> marks, double fill) {
    FontEngine& engine = painter.Fonts().Engine();
    const FontMetrics metrics = engine.Metrics(font);
    const int width = painter.Width();
    const int height = painter.Height();
    if (width <= 0 || height <= 0) return;

    // The scale: as wide as its widest text plus the ticks, at most half the control.
    int widest = 0;
    for (const ScaleMark& mark : marks)
        widest = std::max(widest, engine.LineWidth(font, mark.text));
    const int tick = 4;
    const int scale_width = std::min(widest + tick + 3, width / 2);
    const int body_left = scale_width;
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
    const auto place = [&](double f) { return Round(y_min - f * (y_min - y_max)); };

    // Scale: ticks and their texts, each text centred on its tick.
    const Pen scale_pen = MakePen(look.text_color);
    for (const ScaleMark& mark : marks) {
        const int y = place(mark.fraction);
        painter.Line(MakePoint(scale_width - tick - 1, y), MakePoint(scale_width - 2, y),
                     scale_pen);
        const int text_width = engine.LineWidth(font, mark.text);
        painter.Text(scale_width - tick - 3 - text_width, y - metrics.line_height / 2, font,
                     mark.text, look.text_color);
    }

    const Pen frame = MakePen(look.frame_color);
    const int level = place(std::clamp(fill, 0.0, 1.0));
    switch (style) {
        case SlideStyle::Tank: {
            const Rect body = MakeRect(y_max, body_left, y_min - y_max + 1, body_width);
            painter.Rectangle(body, DrawMode::Both, frame, look.empty_color);
            const int filled_top = std::max(level, y_max + 1);
            painter.Fill(MakeRect(filled_top, body_left + 1, y_min - filled_top, body_width - 2),
                         look.fill_color);
            break;
        }
        case SlideStyle::Thermometer: {
            const int tube_width = std::max(3, bulb / 2);
            const int tube_left = body_left + (body_width - tube_width) / 2;
            const int tube_bottom = height - bulb / 2;
            painter.Rectangle(MakeRect(y_max, tube_left, tube_bottom - y_max, tube_width),
                              DrawMode::Both, frame, look.empty_color);
            painter.Fill(MakeRect(level, tube_left + 1, tube_bottom - level, tube_width - 2),
                         look.fill_color);
            painter.Oval(MakeRect(height - bulb, body_left + (body_width - bulb) / 2, bulb, bulb),
                         DrawMode::Both, frame, look.fill_color);
            break;
        }
        case SlideStyle::Thumb: {
            const int track_width = std::max(4, body_width / 5);
            const int track_left = body_left + (body_width - track_width) / 2;
            const Rect track = MakeRect(y_max, track_left, y_min - y_max + 1, track_width);
            painter.Rectangle(track, DrawMode::Both, frame, look.empty_color);
            painter.Fill(MakeRect(level, track_left + 1, y_min - level, track_width - 2),
                         look.fill_color);
            const int thumb_width = std::min(look.slider_width, body_width);
            const int thumb_left = body_left + (body_width - thumb_width) / 2;
            painter.Rectangle(MakeRect(level - look.slider_height / 2, thumb_left,
                                       look.slider_height, thumb_width),
                              DrawMode::Both, frame, look.needle_color);
            break;
        }
    }
}

}  // namespace tov::platform

namespace tov::platform {

Point PolarPoint(double cx, double cy, double r, double degrees) {
    const double radians = degrees * 3.141592653589793 / 180.0;
    return MakePoint(static_cast<int>(std::lround(cx + r * std::cos(radians))),
                     static_cast<int>(std::lround(cy - r * std::sin(radians))));
}

void PaintArcBand(Painter& painter, double cx, double cy, double r_inner, double r_outer, double a0,
                  double a1, Color color) {
    if (color == kTransparent || r_outer <= 0.0) return;
    const double sweep = a1 - a0;
    const int steps = std::clamp(static_cast<int>(std::fabs(sweep) / 4.0) + 1, 1, 360);
    std::vector<Point> points;
    points.reserve(2 * static_cast<size_t>(steps) + 2);
    for (int i = 0; i <= steps; ++i) {
        points.push_back(PolarPoint(cx, cy, r_outer, a0 + sweep * i / steps));
    }
    for (int i = steps; i >= 0; --i) {
        points.push_back(PolarPoint(cx, cy, r_inner, a0 + sweep * i / steps));
    }
    painter.Poly(points, true, DrawMode::Interior, MakePen(color), color);
}

}  // namespace tov::platform
