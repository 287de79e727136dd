#include "platform/controls/strip_chart.h"

#include <cmath>
#include <vector>

namespace tov::platform {

StripChart::StripChart(int id)
    : Control(ControlKind::StripChart, id,
              LabelAttrs() |
                  MakeAttrSet({Attr::MinValue, Attr::MaxValue, Attr::PlotColor,
                               Attr::PointsPerScreen, Attr::FrameColor, Attr::PictureBgColor})) {
    look_.background = kBlack;
    look_.frame_color = 0x305030;
    look_.plot_color = 0x40FF40;
}

int StripChart::Plot(double value) {
    if (std::isnan(value)) return kUIEInvalidValue;
    points_.push_back(value);
    while (static_cast<int>(points_.size()) > look_.points_per_screen)
        points_.pop_front();
    MarkDirty();
    return kUISuccess;
}

void StripChart::Clear() {
    if (points_.empty()) return;
    points_.clear();
    MarkDirty();
}

void StripChart::Changed(Attr attr, FontBook&) {
    if (attr != Attr::PointsPerScreen) return;
    while (static_cast<int>(points_.size()) > look_.points_per_screen)
        points_.pop_front();
}

void StripChart::Paint(Painter& painter) const {
    const int width = Width();
    const int height = Height();
    const Rect whole = MakeRect(0, 0, height, width);
    if (look_.background != kTransparent) painter.Fill(whole, look_.background);
    const Pen grid = MakePen(look_.frame_color);
    for (int i = 1; i < 4; ++i) {
        const int x = static_cast<int>(int64_t{width} * i / 4);
        const int y = static_cast<int>(int64_t{height} * i / 4);
        painter.Line(MakePoint(x, 0), MakePoint(x, height - 1), grid);
        painter.Line(MakePoint(0, y), MakePoint(width - 1, y), grid);
    }
    painter.Rectangle(whole, DrawMode::Outline, grid, kTransparent);
    if (points_.empty() || width < 2 || height < 2) return;
    // The trace: an anti-aliased line through the points, a dot where there is only one.
    const double step = static_cast<double>(width - 1) / (look_.points_per_screen - 1);
    Shape trace;
    PointF previous;
    for (size_t i = 0; i < points_.size(); ++i) {
        const double f = FractionOf(points_[i], look_.min, look_.max);
        // Whole pixels, so that each point's own pixel is fully covered.
        const PointF at{std::round(step * static_cast<double>(i)) + 0.5,
                        std::round((height - 1) * (1.0 - f)) + 0.5};
        if (i > 0) trace.Segment(previous, at, 1.6);
        previous = at;
    }
    if (points_.size() == 1) trace.Circle(previous.x, previous.y, 1.2);
    painter.Smooth(trace, SolidBrush(look_.plot_color));
}

void StripChart::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    std::vector<std::string> values;
    values.reserve(points_.size());
    for (double v : points_)
        values.push_back(ScaleText(v));
    out->emplace_back("points", std::move(values));
}

}  // namespace tov::platform
