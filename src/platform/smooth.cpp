#include "platform/smooth.h"

#include <agg_rasterizer_scanline_aa.h>
#include <agg_scanline_u.h>

#include <algorithm>
#include <cmath>

namespace tov::platform {

namespace {

constexpr double kPi = 3.141592653589793;

// The rasterizer keeps coordinates in 24.8 fixed point: everything stays well inside that.
constexpr double kFar = 4.0e6;

// Twice the signed area; positive for a contour that runs clockwise on the screen.
double SignedArea(const std::vector<PointF>& points) {
    double area = 0.0;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
        area += points[j].x * points[i].y - points[i].x * points[j].y;
    return area;
}

// Enough straight pieces that an arc of radius r and this many degrees looks round.
int ArcSteps(double r, double degrees) {
    const double per_degree = std::clamp(std::sqrt(std::max(r, 0.0)) / 4.0, 0.25, 2.0);
    return std::clamp(static_cast<int>(std::fabs(degrees) * per_degree) + 2, 2, 720);
}

// Adds the arc from a0 to a1 (degrees) to the points.
void AddArc(std::vector<PointF>& points, double cx, double cy, double r, double a0, double a1) {
    const int steps = ArcSteps(r, a1 - a0);
    for (int i = 0; i <= steps; ++i)
        points.push_back(Polar(cx, cy, r, a0 + (a1 - a0) * i / steps));
}

int Channel(Color c, int shift) {
    return (c >> shift) & 0xFF;
}

}  // namespace

PointF Polar(double cx, double cy, double r, double degrees) {
    const double radians = degrees * kPi / 180.0;
    return PointF{cx + r * std::cos(radians), cy - r * std::sin(radians)};
}

// ---- shapes ----------------------------------------------------------------------------------

namespace {

// Every contour is stored running clockwise (Forward) or counter-clockwise (Reverse), so that
// figures of one winding join and a Reverse one cuts a hole.
void Store(std::vector<std::vector<PointF>>& contours, std::vector<PointF> points,
           Winding winding) {
    if (points.size() < 3) return;
    for (const PointF& p : points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    const bool clockwise = SignedArea(points) >= 0.0;
    if (clockwise != (winding == Winding::Forward)) std::reverse(points.begin(), points.end());
    contours.push_back(std::move(points));
}

}  // namespace

Shape& Shape::Polygon(const std::vector<PointF>& points) {
    Store(contours_, points, Winding::Forward);
    return *this;
}

Shape& Shape::Ellipse(double cx, double cy, double rx, double ry, Winding winding) {
    if (!(rx > 0.0) || !(ry > 0.0)) return *this;
    const int steps = ArcSteps(std::max(rx, ry), 360.0);
    std::vector<PointF> points;
    points.reserve(static_cast<size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double a = 2.0 * kPi * i / steps;
        points.push_back(PointF{cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    Store(contours_, std::move(points), winding);
    return *this;
}

Shape& Shape::Ring(double cx, double cy, double inner, double outer) {
    Circle(cx, cy, outer, Winding::Forward);
    return Circle(cx, cy, inner, Winding::Reverse);
}

Shape& Shape::ArcBand(double cx, double cy, double inner, double outer, double a0, double a1) {
    if (!(outer > 0.0) || a0 == a1) return *this;
    std::vector<PointF> points;
    AddArc(points, cx, cy, outer, a0, a1);
    if (inner > 0.0) {
        AddArc(points, cx, cy, inner, a1, a0);
    } else {
        points.push_back(PointF{cx, cy});
    }
    Store(contours_, std::move(points), Winding::Forward);
    return *this;
}

Shape& Shape::Segment(PointF a, PointF b, double width) {
    const double r = width / 2.0;
    if (!(r > 0.0)) return *this;
    // A stadium: half a circle around each end, joined by the two sides.
    const double direction = std::atan2(-(b.y - a.y), b.x - a.x) * 180.0 / kPi;
    std::vector<PointF> points;
    AddArc(points, b.x, b.y, r, direction - 90.0, direction + 90.0);
    AddArc(points, a.x, a.y, r, direction + 90.0, direction + 270.0);
    Store(contours_, std::move(points), Winding::Forward);
    return *this;
}

Shape& Shape::RoundedRect(double left, double top, double width, double height, double radius) {
    if (!(width > 0.0) || !(height > 0.0)) return *this;
    const double r = std::clamp(radius, 0.0, std::min(width, height) / 2.0);
    const double right = left + width;
    const double bottom = top + height;
    std::vector<PointF> points;
    if (r <= 0.0) {
        points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    } else {
        AddArc(points, right - r, top + r, r, 90.0, 0.0);
        AddArc(points, right - r, bottom - r, r, 0.0, -90.0);
        AddArc(points, left + r, bottom - r, r, 270.0, 180.0);
        AddArc(points, left + r, top + r, r, 180.0, 90.0);
    }
    Store(contours_, std::move(points), Winding::Forward);
    return *this;
}

// ---- painting --------------------------------------------------------------------------------

Color MixColor(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    Color out = 0;
    for (int shift : {16, 8, 0}) {
        const double v = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
        out |= static_cast<Color>(std::lround(v)) << shift;
    }
    return out;
}

void FillShape(Surface& surface, const Shape& shape, const Brush& brush, double dx, double dy) {
    if (shape.Empty() || surface.width <= 0 || surface.height <= 0) return;
    if (brush.from == kTransparent || brush.to == kTransparent || brush.opacity <= 0) return;

    agg::rasterizer_scanline_aa<> rasterizer;
    rasterizer.clip_box(0.0, 0.0, surface.width, surface.height);
    const auto at = [](double v) { return std::clamp(v, -kFar, kFar); };
    for (const std::vector<PointF>& contour : shape.Contours()) {
        rasterizer.move_to_d(at(contour[0].x + dx), at(contour[0].y + dy));
        for (size_t i = 1; i < contour.size(); ++i)
            rasterizer.line_to_d(at(contour[i].x + dx), at(contour[i].y + dy));
        rasterizer.close_polygon();
    }
    if (!rasterizer.rewind_scanlines()) return;

    // The gradient's axis in surface coordinates; a point's colour comes from its place along it.
    const bool solid = brush.from == brush.to;
    const double ax = brush.start.x + dx;
    const double ay = brush.start.y + dy;
    const double vx = brush.end.x - brush.start.x;
    const double vy = brush.end.y - brush.start.y;
    const double length2 = vx * vx + vy * vy;
    const int opacity = std::min(brush.opacity, 255);

    agg::scanline_u8 scanline;
    scanline.reset(rasterizer.min_x(), rasterizer.max_x());
    while (rasterizer.sweep_scanline(scanline)) {
        const int y = scanline.y();
        if (y < 0 || y >= surface.height) continue;
        uint32_t* row = surface.Row(y);
        unsigned spans = scanline.num_spans();
        auto span = scanline.begin();
        for (; spans > 0; --spans, ++span) {
            for (int i = 0; i < span->len; ++i) {
                const int x = span->x + i;
                if (x < 0 || x >= surface.width) continue;
                const int alpha = span->covers[i] * opacity / 255;
                if (alpha == 0) continue;
                Color color = brush.from;
                if (!solid) {
                    const double t =
                        length2 > 0.0 ? ((x + 0.5 - ax) * vx + (y + 0.5 - ay) * vy) / length2 : 0.0;
                    color = MixColor(brush.from, brush.to, t);
                }
                uint32_t& pixel = row[x];
                uint32_t out = 0;
                for (int shift : {16, 8, 0}) {
                    const int under = static_cast<int>((pixel >> shift) & 0xFF);
                    const int over = Channel(color, shift);
                    const int mixed = (over * alpha + under * (255 - alpha) + 127) / 255;
                    out |= static_cast<uint32_t>(mixed) << shift;
                }
                pixel = out;
            }
        }
    }
}

}  // namespace tov::platform
