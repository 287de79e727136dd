// Anti-aliased figures for the looks of controls: dials, needles, tubes, bulbs, LEDs.
//
// A Shape is a set of closed contours in floating-point pixel coordinates (pixel (x, y) covers
// the square from (x, y) to (x + 1, y + 1)); FillShape paints it with the exact coverage of
// every pixel, by the non-zero rule, so that contours running the same way add up and a
// contour running the other way cuts a hole. The coverage comes from a kept scanline
// rasterizer; only the canvas operations of raster.h stay integer and un-anti-aliased.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

namespace tov::platform {

struct PointF {
    double x = 0.0;
    double y = 0.0;
};

// The point at distance r from (cx, cy) in the direction of `degrees` (0 = right, counted
// counter-clockwise, y growing downward).
PointF Polar(double cx, double cy, double r, double degrees);

// Which way a closed figure runs; the opposite of the figure around it cuts a hole in it.
enum class Winding { Forward, Reverse };

class Shape {
  public:
    // A polygon through the points.
    Shape& Polygon(const std::vector<PointF>& points);
    // The ellipse around (cx, cy) with radii rx and ry.
    Shape& Ellipse(double cx, double cy, double rx, double ry, Winding winding = Winding::Forward);
    Shape& Circle(double cx, double cy, double r, Winding winding = Winding::Forward) {
        return Ellipse(cx, cy, r, r, winding);
    }
    // The ring between radii inner and outer.
    Shape& Ring(double cx, double cy, double inner, double outer);
    // The band between radii inner and outer from angle a0 to angle a1 (degrees, 0 = right,
    // counted counter-clockwise with y growing downward).
    Shape& ArcBand(double cx, double cy, double inner, double outer, double a0, double a1);
    // A stroke of the given width from a to b with round ends.
    Shape& Segment(PointF a, PointF b, double width);
    // The rectangle (left, top, width, height) with corners rounded by radius.
    Shape& RoundedRect(double left, double top, double width, double height, double radius);

    bool Empty() const { return contours_.empty(); }
    const std::vector<std::vector<PointF>>& Contours() const { return contours_; }
    // A hash of what the shape was built from: shapes built alike have the same signature.
    uint64_t Signature() const { return signature_; }

  private:
    std::vector<std::vector<PointF>> contours_;
    uint64_t signature_ = 0;
};

// The colour a shape is painted in: `from` at point `start` shading into `to` at point `end`
// along the line between them (a linear gradient), or one colour where from == to. opacity
// 0..255 scales the coverage.
struct Brush {
    Color from = kBlack;
    Color to = kBlack;
    PointF start;
    PointF end;
    int opacity = 255;
};

inline Brush SolidBrush(Color c, int opacity = 255) {
    return Brush{c, c, {}, {}, opacity};
}
inline Brush GradientBrush(Color from, Color to, PointF start, PointF end) {
    return Brush{from, to, start, end, 255};
}

// The colour t (0..1) of the way from a to b, channel by channel.
Color MixColor(Color a, Color b, double t);

// Paints the shape, moved by (dx, dy), onto the surface, clipped to it. A transparent colour
// in the brush paints nothing.
void FillShape(Surface& surface, const Shape& shape, const Brush& brush, double dx = 0.0,
               double dy = 0.0);

// Figures built again from the same arguments, and shapes painted again at the same place on a
// surface of the same size, come from memos of this thread. This empties them, so that what is
// painted next is built and rasterized afresh.
void ForgetShapeMemos();

}  // namespace tov::platform
