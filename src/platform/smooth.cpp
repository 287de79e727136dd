#include "platform/smooth.h"

#include <agg_rasterizer_scanline_aa.h>
#include <agg_scanline_u.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <unordered_map>

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

// The figures built from the same arguments again come from a memo: a control's look is
// painted again with the same figures whenever it or what lies behind it changes, and the
// sines and cosines of their arcs are much of a figure's cost. The memo holds each figure as
// stored (or that nothing was stored) and is emptied when it grows large.
enum class Figure { Ellipse, ArcBand, Segment, RoundedRect };

struct FigureKey {
    Figure figure;
    std::array<double, 6> args;
    bool operator==(const FigureKey& other) const {
        return figure == other.figure &&
               std::memcmp(args.data(), other.args.data(), sizeof args) == 0;
    }
};

uint64_t Mix(uint64_t hash, uint64_t value) {
    hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash;
}

uint64_t Bits(double v) {
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

struct FigureKeyHash {
    size_t operator()(const FigureKey& key) const {
        uint64_t hash = static_cast<uint64_t>(key.figure);
        for (double v : key.args)
            hash = Mix(hash, Bits(v));
        return static_cast<size_t>(hash);
    }
};

constexpr size_t kMaxFigures = 4096;

using FigureMemo = std::unordered_map<FigureKey, std::optional<std::vector<PointF>>, FigureKeyHash>;
thread_local FigureMemo figure_memo;

// Adds the figure for key to contours, built by build(contours) the first time.
template <typename Build>
void StoreFigure(std::vector<std::vector<PointF>>& contours, uint64_t* signature,
                 const FigureKey& key, Build build) {
    *signature = Mix(*signature, FigureKeyHash{}(key));
    FigureMemo& memo = figure_memo;
    if (auto found = memo.find(key); found != memo.end()) {
        if (found->second) contours.push_back(*found->second);
        return;
    }
    const size_t before = contours.size();
    build(contours);
    if (memo.size() >= kMaxFigures) memo.clear();
    memo.emplace(key, contours.size() > before ? std::optional<std::vector<PointF>>(contours.back())
                                               : std::nullopt);
}

}  // namespace

Shape& Shape::Polygon(const std::vector<PointF>& points) {
    signature_ = Mix(signature_, points.size());
    for (const PointF& p : points)
        signature_ = Mix(Mix(signature_, Bits(p.x)), Bits(p.y));
    Store(contours_, points, Winding::Forward);
    return *this;
}

Shape& Shape::Ellipse(double cx, double cy, double rx, double ry, Winding winding) {
    if (!(rx > 0.0) || !(ry > 0.0)) return *this;
    const double way = winding == Winding::Forward ? 0.0 : 1.0;
    StoreFigure(contours_, &signature_, {Figure::Ellipse, {cx, cy, rx, ry, way, 0.0}},
                [&](auto& contours) {
                    const int steps = ArcSteps(std::max(rx, ry), 360.0);
                    std::vector<PointF> points;
                    points.reserve(static_cast<size_t>(steps));
                    for (int i = 0; i < steps; ++i) {
                        const double a = 2.0 * kPi * i / steps;
                        points.push_back(PointF{cx + rx * std::cos(a), cy + ry * std::sin(a)});
                    }
                    Store(contours, std::move(points), winding);
                });
    return *this;
}

Shape& Shape::Ring(double cx, double cy, double inner, double outer) {
    Circle(cx, cy, outer, Winding::Forward);
    return Circle(cx, cy, inner, Winding::Reverse);
}

Shape& Shape::ArcBand(double cx, double cy, double inner, double outer, double a0, double a1) {
    if (!(outer > 0.0) || a0 == a1) return *this;
    StoreFigure(contours_, &signature_, {Figure::ArcBand, {cx, cy, inner, outer, a0, a1}},
                [&](auto& contours) {
                    std::vector<PointF> points;
                    AddArc(points, cx, cy, outer, a0, a1);
                    if (inner > 0.0) {
                        AddArc(points, cx, cy, inner, a1, a0);
                    } else {
                        points.push_back(PointF{cx, cy});
                    }
                    Store(contours, std::move(points), Winding::Forward);
                });
    return *this;
}

Shape& Shape::Segment(PointF a, PointF b, double width) {
    const double r = width / 2.0;
    if (!(r > 0.0)) return *this;
    StoreFigure(contours_, &signature_, {Figure::Segment, {a.x, a.y, b.x, b.y, width, 0.0}},
                [&](auto& contours) {
                    // A stadium: half a circle around each end, joined by the two sides.
                    const double direction = std::atan2(-(b.y - a.y), b.x - a.x) * 180.0 / kPi;
                    std::vector<PointF> points;
                    AddArc(points, b.x, b.y, r, direction - 90.0, direction + 90.0);
                    AddArc(points, a.x, a.y, r, direction + 90.0, direction + 270.0);
                    Store(contours, std::move(points), Winding::Forward);
                });
    return *this;
}

Shape& Shape::RoundedRect(double left, double top, double width, double height, double radius) {
    if (!(width > 0.0) || !(height > 0.0)) return *this;
    const FigureKey key{Figure::RoundedRect, {left, top, width, height, radius, 0.0}};
    StoreFigure(contours_, &signature_, key, [&](auto& contours) {
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
        Store(contours, std::move(points), Winding::Forward);
    });
    return *this;
}

// ---- painting --------------------------------------------------------------------------------

namespace {

// std::lround for a value that is not negative, without the library call: the whole part is
// exact, and so is the fraction v - whole, since whole is at least half of v.
int RoundNonNegative(double v) {
    const int whole = static_cast<int>(v);
    return whole + (v - whole >= 0.5 ? 1 : 0);
}

}  // namespace

Color MixColor(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    Color out = 0;
    for (int shift : {16, 8, 0}) {
        // Between the two channels, so never negative.
        const double v = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
        out |= static_cast<Color>(RoundNonNegative(v)) << shift;
    }
    return out;
}

namespace {

// The coverage of a shape on a surface of some size: runs of coverage bytes, row by row.
struct CoverRun {
    int y;
    int x;
    int length;
    size_t offset;  // into Coverage::covers
};

struct Coverage {
    std::vector<std::vector<PointF>> contours;  // the shape it was made for
    double dx = 0.0;
    double dy = 0.0;
    int width = 0;
    int height = 0;
    std::vector<CoverRun> runs;
    std::vector<uint8_t> covers;
};

bool SameContours(const std::vector<std::vector<PointF>>& a,
                  const std::vector<std::vector<PointF>>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size() ||
            std::memcmp(a[i].data(), b[i].data(), a[i].size() * sizeof(PointF)) != 0) {
            return false;
        }
    }
    return true;
}

// The coverage the rasterizer gives the shape, moved by (dx, dy), clipped to a surface of
// width x height pixels.
void Rasterize(const Shape& shape, double dx, double dy, int width, int height, Coverage* out) {
    // One rasterizer and scanline a thread, reset for each shape, so that the storage they grow
    // is kept rather than allocated again.
    thread_local agg::rasterizer_scanline_aa<> rasterizer;
    thread_local agg::scanline_u8 scanline;
    rasterizer.reset();
    rasterizer.clip_box(0.0, 0.0, width, height);
    const auto at = [](double v) { return std::clamp(v, -kFar, kFar); };
    for (const std::vector<PointF>& contour : shape.Contours()) {
        rasterizer.move_to_d(at(contour[0].x + dx), at(contour[0].y + dy));
        for (size_t i = 1; i < contour.size(); ++i)
            rasterizer.line_to_d(at(contour[i].x + dx), at(contour[i].y + dy));
        rasterizer.close_polygon();
    }
    if (!rasterizer.rewind_scanlines()) return;
    scanline.reset(rasterizer.min_x(), rasterizer.max_x());
    while (rasterizer.sweep_scanline(scanline)) {
        const int y = scanline.y();
        if (y < 0 || y >= height) continue;
        unsigned spans = scanline.num_spans();
        auto span = scanline.begin();
        for (; spans > 0; --spans, ++span) {
            // The part of the span on the surface.
            const int first = std::max(static_cast<int>(span->x), 0);
            const int end = std::min(span->x + static_cast<int>(span->len), width);
            if (first >= end) continue;
            out->runs.push_back(CoverRun{y, first, end - first, out->covers.size()});
            const agg::int8u* covers = span->covers + (first - span->x);
            out->covers.insert(out->covers.end(), covers, covers + (end - first));
        }
    }
}

// Shapes painted again at the same place on a surface of the same size take their coverage
// from a memo, for the same reason as the figures; emptied when it holds too many bytes.
thread_local std::unordered_map<uint64_t, Coverage> coverage_memo;
thread_local size_t coverage_memo_bytes = 0;

const Coverage& CoverageOf(const Shape& shape, double dx, double dy, int width, int height) {
    constexpr size_t kMaxBytes = size_t{16} << 20;
    std::unordered_map<uint64_t, Coverage>& memo = coverage_memo;
    size_t& bytes = coverage_memo_bytes;
    const uint64_t hash =
        Mix(Mix(Mix(Mix(shape.Signature(), Bits(dx)), Bits(dy)), static_cast<uint64_t>(width)),
            static_cast<uint64_t>(height));
    if (auto found = memo.find(hash); found != memo.end()) {
        const Coverage& c = found->second;
        if (c.width == width && c.height == height && Bits(c.dx) == Bits(dx) &&
            Bits(c.dy) == Bits(dy) && SameContours(c.contours, shape.Contours())) {
            return c;
        }
    }
    Coverage made;
    made.contours = shape.Contours();
    made.dx = dx;
    made.dy = dy;
    made.width = width;
    made.height = height;
    Rasterize(shape, dx, dy, width, height, &made);
    size_t points = 0;
    for (const std::vector<PointF>& contour : made.contours)
        points += contour.size();
    const size_t size = made.covers.size() + made.runs.size() * sizeof(CoverRun) +
                        points * sizeof(PointF) + sizeof(Coverage);
    if (bytes + size > kMaxBytes) {
        memo.clear();
        bytes = 0;
    }
    bytes += size;
    Coverage& kept = memo[hash];
    kept = std::move(made);
    return kept;
}

// (v + 127) / 255 for each 16-bit lane v (at most 65,152) of a word: x / 255 is
// (x + 1 + x / 256) / 256 for every x below 65,281, and no lane carries into the next.
uint32_t DivideLanesBy255(uint32_t v) {
    v += 0x007F007Fu;
    return ((v + 0x00010001u + ((v >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// color over pixel with coverage alpha (1..255), channel by channel, rounded to nearest:
// (over * alpha + under * (255 - alpha) + 127) / 255, red and blue side by side in one word.
uint32_t Blend(uint32_t pixel, Color color, uint32_t alpha) {
    const uint32_t over = static_cast<uint32_t>(color);
    if (alpha == 255) return over & 0xFFFFFFu;
    const uint32_t rest = 255 - alpha;
    const uint32_t red_blue =
        DivideLanesBy255((over & 0xFF00FFu) * alpha + (pixel & 0xFF00FFu) * rest);
    const uint32_t green =
        DivideLanesBy255(((over >> 8) & 0xFFu) * alpha + ((pixel >> 8) & 0xFFu) * rest);
    return red_blue | (green << 8);
}

}  // namespace

void ForgetShapeMemos() {
    figure_memo.clear();
    coverage_memo.clear();
    coverage_memo_bytes = 0;
}

void FillShape(Surface& surface, const Shape& shape, const Brush& brush, double dx, double dy) {
    if (shape.Empty() || surface.width <= 0 || surface.height <= 0) return;
    if (brush.from == kTransparent || brush.to == kTransparent || brush.opacity <= 0) return;
    const Coverage& coverage = CoverageOf(shape, dx, dy, surface.width, surface.height);

    // The gradient's axis in surface coordinates; a point's colour comes from its place along it.
    const bool solid = brush.from == brush.to;
    const double ax = brush.start.x + dx;
    const double ay = brush.start.y + dy;
    const double vx = brush.end.x - brush.start.x;
    const double vy = brush.end.y - brush.start.y;
    const double length2 = vx * vx + vy * vy;
    const int opacity = std::min(brush.opacity, 255);
    Color mixed = brush.from;
    double mixed_at = std::numeric_limits<double>::quiet_NaN();  // equal to no t

    for (const CoverRun& run : coverage.runs) {
        const int y = run.y;
        uint32_t* row = surface.Row(y);
        const uint8_t* covers = coverage.covers.data() + run.offset;
        for (int i = 0; i < run.length; ++i) {
            const int x = run.x + i;
            const uint32_t alpha =
                opacity == 255 ? covers[i] : static_cast<uint32_t>(covers[i] * opacity / 255);
            if (alpha == 0) continue;
            if (!solid) {
                const double t =
                    length2 > 0.0 ? ((x + 0.5 - ax) * vx + (y + 0.5 - ay) * vy) / length2 : 0.0;
                // Along a row of an upright gradient t stays the same: mix once.
                if (t != mixed_at) {
                    mixed_at = t;
                    mixed = MixColor(brush.from, brush.to, t);
                }
            }
            row[x] = Blend(row[x], mixed, alpha);
        }
    }
}

}  // namespace tov::platform
