// Raster operations on Surfaces.
//
// Sections:
// - helpers: colours, clipping of rectangles in 64-bit arithmetic
// - FillRect, DrawRect, DrawOval: rectangles and ellipses, outlines inside the rectangle
// - DrawLine, DrawPoint, DrawPoly: lines with a square pen, even-odd polygon interiors
// - DrawBitmap, DrawBitmapPieces, DrawSurface: nearest-neighbour copies with an unscaled fast
//   path; a bitmap's kept pixel rows are converted on the way
// - GetPixels, CopyRect
//
// Every operation clips in 64-bit arithmetic before it touches a pixel, so no position or size
// a script can pass reaches outside the surface, and loops run only over the visible part.
#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

namespace tov::platform {

namespace {

// ---- helpers ---------------------------------------------------------------------------------

// The transparent colour draws nothing; every other colour draws its low 24 bits.
bool Draws(Color c) {
    return c != kTransparent;
}
uint32_t Pixel(Color c) {
    return static_cast<uint32_t>(c) & 0xFFFFFFu;
}

bool DrawsOutline(DrawMode mode) {
    return (static_cast<int>(mode) & static_cast<int>(DrawMode::Outline)) != 0;
}
bool DrawsInterior(DrawMode mode) {
    return (static_cast<int>(mode) & static_cast<int>(DrawMode::Interior)) != 0;
}

int ClampToInt(int64_t v) {
    return static_cast<int>(
        std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Half-open pixel bounds [x0, x1) x [y0, y1).
struct Box {
    int64_t x0 = 0;
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 0;
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

Box ClipBox(const Surface& s, Box b) {
    b.x0 = std::max<int64_t>(b.x0, 0);
    b.y0 = std::max<int64_t>(b.y0, 0);
    b.x1 = std::min<int64_t>(b.x1, s.width);
    b.y1 = std::min<int64_t>(b.y1, s.height);
    return b;
}

// The box of a resolved rectangle; empty for a zero or negative size.
Box BoxOf(const Rect& r) {
    if (r.width <= 0 || r.height <= 0) return {};
    return Box{r.left, r.top, static_cast<int64_t>(r.left) + r.width,
               static_cast<int64_t>(r.top) + r.height};
}

// Boxes up to this many pixels wide are filled row by row without copying.
constexpr size_t kNarrowBox = 16;

void FillBox(Surface& s, Box b, uint32_t pixel) {
    b = ClipBox(s, b);
    if (b.Empty()) return;
    // The first row is filled pixel by pixel; the others copy it, which the C library does
    // with its widest stores. Narrow boxes (the sides of outlines) fill every row directly:
    // there a call per row costs more than the stores.
    uint32_t* first = s.Row(static_cast<int>(b.y0)) + b.x0;
    const size_t count = static_cast<size_t>(b.x1 - b.x0);
    if (count <= kNarrowBox) {
        for (int64_t y = b.y0; y < b.y1; ++y) {
            uint32_t* row = s.Row(static_cast<int>(y)) + b.x0;
            std::fill(row, row + count, pixel);
        }
        return;
    }
    std::fill(first, first + count, pixel);
    for (int64_t y = b.y0 + 1; y < b.y1; ++y) {
        std::memcpy(s.Row(static_cast<int>(y)) + b.x0, first, count * sizeof(uint32_t));
    }
}

// The source pixel where the mask byte is set, else the destination pixel; without a branch,
// so that the unscaled masked loop vectorises.
inline uint32_t Masked(uint8_t opaque, uint32_t source, uint32_t destination) {
    const uint32_t keep = 0u - static_cast<uint32_t>(opaque != 0);
    return (source & keep) | (destination & ~keep);
}

// ---- ellipses --------------------------------------------------------------------------------

// Columns [*begin, *end) of row y of the ellipse inscribed in a w x h box: the pixels whose
// centres lie inside or on the ellipse. The row is symmetric about the box's centre, and the
// arithmetic is IEEE double only (no platform-dependent rounding), so every build draws the
// same ellipse.
void EllipseRow(int64_t w, int64_t h, int64_t y, int64_t* begin, int64_t* end) {
    const double dy = static_cast<double>(2 * y + 1 - h);
    const double hh = static_cast<double>(h);
    const double d = hh * hh - dy * dy;
    if (d <= 0) {
        *begin = *end = 0;
        return;
    }
    // A pixel x is inside when |2x + 1 - w| <= w * sqrt(d) / h.
    const double reach = static_cast<double>(w) * std::sqrt(d) / hh;
    int64_t first = static_cast<int64_t>(std::ceil((static_cast<double>(w - 1) - reach) / 2));
    first = std::max<int64_t>(first, 0);
    *begin = first;
    *end = std::max<int64_t>(w - first, first);
}

// ---- lines -----------------------------------------------------------------------------------

// Coordinates beyond this magnitude are brought back onto the segment inside the box of this
// size, which keeps the products of the line arithmetic inside 64 bits.
constexpr double kFarCoordinate = 1 << 24;

// Cuts the segment a-b to the square |x|, |y| <= kFarCoordinate (Liang-Barsky). Returns false
// when nothing of it lies inside.
bool ClipFar(Point* a, Point* b) {
    const auto far = [](const Point& p) {
        return std::abs(static_cast<double>(p.x)) > kFarCoordinate ||
               std::abs(static_cast<double>(p.y)) > kFarCoordinate;
    };
    if (!far(*a) && !far(*b)) return true;
    const double x0 = a->x, y0 = a->y;
    const double dx = static_cast<double>(b->x) - x0, dy = static_cast<double>(b->y) - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + kFarCoordinate, kFarCoordinate - x0, y0 + kFarCoordinate,
                         kFarCoordinate - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const Point na{static_cast<int>(std::lround(x0 + t0 * dx)),
                   static_cast<int>(std::lround(y0 + t0 * dy))};
    const Point nb{static_cast<int>(std::lround(x0 + t1 * dx)),
                   static_cast<int>(std::lround(y0 + t1 * dy))};
    *a = na;
    *b = nb;
    return true;
}

// Integer division rounding to the nearest, halves upward; den > 0.
int64_t DivideRounded(int64_t num, int64_t den) {
    const int64_t twice = 2 * num + den;
    const int64_t d = 2 * den;
    return twice >= 0 ? twice / d : -((-twice + d - 1) / d);
}

// ---- bitmap copies ---------------------------------------------------------------------------

struct Source {
    const uint32_t* pixels = nullptr;  // width * height pixels, or null for `rows`
    int width = 0;
    int height = 0;
    const uint8_t* mask = nullptr;  // one byte per pixel, or null
    // Pixel rows in a bitmap's data layout, converted on the way (when `pixels` is null).
    const uint8_t* rows = nullptr;
    size_t rows_size = 0;  // bytes readable from `rows` on
    int bytes_per_row = 0;
    int pixel_depth = 24;
};

void Blit(Surface& s, const Source& source, Rect src, Rect dst) {
    src = ResolveRect(src, source.width, source.height);
    if (dst.height == kKeepSameSize) dst.height = src.height;
    if (dst.width == kKeepSameSize) dst.width = src.width;
    dst = ResolveRect(dst, s.width, s.height);
    if (src.width <= 0 || src.height <= 0 || dst.width <= 0 || dst.height <= 0) return;
    if (source.width <= 0 || source.height <= 0) return;

    // Destination columns and rows (relative to dst) that land on the surface.
    const int64_t col_begin = std::max<int64_t>(0, -static_cast<int64_t>(dst.left));
    const int64_t col_end = std::min<int64_t>(dst.width, static_cast<int64_t>(s.width) - dst.left);
    const int64_t row_begin = std::max<int64_t>(0, -static_cast<int64_t>(dst.top));
    const int64_t row_end = std::min<int64_t>(dst.height, static_cast<int64_t>(s.height) - dst.top);
    if (col_begin >= col_end || row_begin >= row_end) return;

    const auto source_column = [&](int64_t dx) { return src.left + dx * src.width / dst.width; };
    // The source column is nondecreasing in dx, so the columns that fall inside the source
    // form one run: trim the ends that fall outside.
    int64_t first = col_begin;
    int64_t last = col_end;  // exclusive
    while (first < last && source_column(first) < 0)
        ++first;
    while (last > first && source_column(last - 1) >= source.width)
        --last;
    if (first >= last) return;
    const size_t count = static_cast<size_t>(last - first);
    const bool unscaled = src.width == dst.width;

    // The column map is built once per call into a buffer kept between calls.
    thread_local std::vector<int32_t> column_map;
    if (!unscaled) {
        column_map.resize(count);
        for (size_t i = 0; i < count; ++i) {
            column_map[i] = static_cast<int32_t>(source_column(first + static_cast<int64_t>(i)));
        }
    }
    const int32_t first_column = static_cast<int32_t>(source_column(first));
    const int64_t x = static_cast<int64_t>(dst.left) + first;

    // Rows kept in a bitmap's data layout are converted straight into the target where the
    // copy is unscaled and unmasked, and otherwise one source row at a time into a buffer kept
    // between calls.
    const int bytes_per_pixel = source.pixel_depth == 32 ? 4 : 3;
    thread_local std::vector<uint32_t> converted;
    int64_t converted_sy = -1;
    if (source.rows != nullptr) converted.resize(static_cast<size_t>(source.width));
    const auto source_row = [&](int64_t sy) -> const uint32_t* {
        if (source.rows == nullptr) {
            return source.pixels + static_cast<size_t>(sy) * static_cast<size_t>(source.width);
        }
        if (sy != converted_sy) {
            DecodePixelRow(source.rows + static_cast<size_t>(sy) * source.bytes_per_row,
                           source.bytes_per_row, source.pixel_depth, converted.data(),
                           source.width);
            converted_sy = sy;
        }
        return converted.data();
    };

    int64_t previous_sy = -1;
    uint32_t* previous_row = nullptr;
    for (int64_t dy = row_begin; dy < row_end; ++dy) {
        const int64_t sy = src.top + dy * src.height / dst.height;
        if (sy < 0 || sy >= source.height) continue;
        uint32_t* out = s.Row(static_cast<int>(dst.top + dy)) + x;
        const size_t row_offset = static_cast<size_t>(sy) * static_cast<size_t>(source.width);
        if (source.mask == nullptr) {
            if (sy == previous_sy) {
                // A stretched row repeats the one above it.
                std::memcpy(out, previous_row, count * sizeof(uint32_t));
            } else if (unscaled && source.rows != nullptr) {
                const size_t skipped = static_cast<size_t>(first_column) * bytes_per_pixel;
                // The rows lie one after the other: a row's fast path may read on into the
                // next, and only the last row needs its own ending.
                const size_t at = static_cast<size_t>(sy) * source.bytes_per_row + skipped;
                DecodePixelRow(source.rows + at,
                               static_cast<int>(std::min<size_t>(source.rows_size - at,
                                                                 std::numeric_limits<int>::max())),
                               source.pixel_depth, out, static_cast<int>(count));
            } else if (unscaled) {
                const uint32_t* in = source_row(sy);
                std::memcpy(out, in + first_column, count * sizeof(uint32_t));
            } else {
                const uint32_t* in = source_row(sy);
                for (size_t i = 0; i < count; ++i)
                    out[i] = in[column_map[i]];
            }
            previous_sy = sy;
            previous_row = out;
        } else {
            const uint32_t* in = source_row(sy);
            const uint8_t* opaque = source.mask + row_offset;
            if (unscaled) {
                const uint8_t* m = opaque + first_column;
                const uint32_t* p = in + first_column;
                for (size_t i = 0; i < count; ++i)
                    out[i] = Masked(m[i], p[i], out[i]);
            } else {
                // A gather does not vectorise; here the branch is cheaper than the blend.
                const int32_t* map = column_map.data();
                for (size_t i = 0; i < count; ++i) {
                    const int32_t c = map[i];
                    if (opaque[c]) out[i] = in[c];
                }
            }
        }
    }
}

}  // namespace

Rect ResolveRect(Rect r, int w, int h) {
    if (r.height == kToFarEdge) r.height = ClampToInt(static_cast<int64_t>(h) - r.top);
    if (r.width == kToFarEdge) r.width = ClampToInt(static_cast<int64_t>(w) - r.left);
    return r;
}

// ---- rectangles and ellipses -----------------------------------------------------------------

void FillRect(Surface& s, Rect r, Color c) {
    if (!Draws(c)) return;
    FillBox(s, BoxOf(ResolveRect(r, s.width, s.height)), Pixel(c));
}

void DrawRect(Surface& s, Rect r, DrawMode mode, const Pen& pen, Color fill) {
    r = ResolveRect(r, s.width, s.height);
    const Box box = BoxOf(r);
    if (box.Empty()) return;
    if (DrawsInterior(mode) && Draws(fill)) FillBox(s, box, Pixel(fill));
    if (!DrawsOutline(mode) || !Draws(pen.color)) return;
    const int64_t t = std::max(pen.width, 1);
    const uint32_t p = Pixel(pen.color);
    if (2 * t >= r.height || 2 * t >= r.width) {
        FillBox(s, box, p);
        return;
    }
    FillBox(s, Box{box.x0, box.y0, box.x1, box.y0 + t}, p);          // top
    FillBox(s, Box{box.x0, box.y1 - t, box.x1, box.y1}, p);          // bottom
    FillBox(s, Box{box.x0, box.y0 + t, box.x0 + t, box.y1 - t}, p);  // left
    FillBox(s, Box{box.x1 - t, box.y0 + t, box.x1, box.y1 - t}, p);  // right
}

void DrawOval(Surface& s, Rect r, DrawMode mode, const Pen& pen, Color fill) {
    r = ResolveRect(r, s.width, s.height);
    const Box box = BoxOf(r);
    if (box.Empty()) return;
    const int64_t w = r.width;
    const int64_t h = r.height;
    const int64_t y_begin = std::max<int64_t>(0, -box.y0);
    const int64_t y_end = std::min<int64_t>(h, static_cast<int64_t>(s.height) - box.y0);

    const auto fill_span = [&](int64_t y, int64_t x0, int64_t x1, uint32_t pixel) {
        x0 = std::max<int64_t>(box.x0 + x0, 0);
        x1 = std::min<int64_t>(box.x0 + x1, s.width);
        if (x0 >= x1) return;
        uint32_t* row = s.Row(static_cast<int>(box.y0 + y));
        std::fill(row + x0, row + x1, pixel);
    };

    if (DrawsInterior(mode) && Draws(fill)) {
        for (int64_t y = y_begin; y < y_end; ++y) {
            int64_t x0 = 0, x1 = 0;
            EllipseRow(w, h, y, &x0, &x1);
            fill_span(y, x0, x1, Pixel(fill));
        }
    }
    if (!DrawsOutline(mode) || !Draws(pen.color)) return;
    // The outline is the ring between the ellipse and the one inscribed in the rectangle made
    // smaller by the pen width on every side.
    const int64_t t = std::max(pen.width, 1);
    const int64_t inner_w = w - 2 * t;
    const int64_t inner_h = h - 2 * t;
    for (int64_t y = y_begin; y < y_end; ++y) {
        int64_t x0 = 0, x1 = 0;
        EllipseRow(w, h, y, &x0, &x1);
        int64_t i0 = 0, i1 = 0;
        if (inner_w > 0 && inner_h > 0 && y >= t && y < t + inner_h) {
            EllipseRow(inner_w, inner_h, y - t, &i0, &i1);
        }
        if (i0 >= i1) {
            fill_span(y, x0, x1, Pixel(pen.color));
        } else {
            fill_span(y, x0, t + i0, Pixel(pen.color));
            fill_span(y, t + i1, x1, Pixel(pen.color));
        }
    }
}

// ---- lines, points, polygons -----------------------------------------------------------------

void DrawLine(Surface& s, Point a, Point b, const Pen& pen) {
    if (!Draws(pen.color) || s.pixels.empty()) return;
    if (!ClipFar(&a, &b)) return;
    const uint32_t p = Pixel(pen.color);
    // The square pen covers [point + low, point + high] in both directions.
    const int64_t t = std::max(pen.width, 1);
    const int64_t low = -(t - 1) / 2;
    const int64_t high = t / 2;
    const auto square = [&](int64_t x, int64_t y) {
        FillBox(s, Box{x + low, y + low, x + high + 1, y + high + 1}, p);
    };
    square(a.x, a.y);
    square(b.x, b.y);
    int64_t dx = static_cast<int64_t>(b.x) - a.x;
    int64_t dy = static_cast<int64_t>(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    if (std::abs(dx) >= std::abs(dy)) {
        // Mostly horizontal: one column of t pixels per x, walked left to right so that a-b
        // and b-a draw the same pixels.
        if (dx < 0) {
            std::swap(a, b);
            dx = -dx;
            dy = -dy;
        }
        const int64_t x_begin = std::max<int64_t>(a.x, -high);
        const int64_t x_end = std::min<int64_t>(b.x, static_cast<int64_t>(s.width) - 1 - low);
        for (int64_t x = x_begin; x <= x_end; ++x) {
            const int64_t y = a.y + DivideRounded((x - a.x) * dy, dx);
            FillBox(s, Box{x, y + low, x + 1, y + high + 1}, p);
        }
    } else {
        if (dy < 0) {
            std::swap(a, b);
            dx = -dx;
            dy = -dy;
        }
        const int64_t y_begin = std::max<int64_t>(a.y, -high);
        const int64_t y_end = std::min<int64_t>(b.y, static_cast<int64_t>(s.height) - 1 - low);
        for (int64_t y = y_begin; y <= y_end; ++y) {
            const int64_t x = a.x + DivideRounded((y - a.y) * dx, dy);
            FillBox(s, Box{x + low, y, x + high + 1, y + 1}, p);
        }
    }
}

void DrawPoint(Surface& s, Point p, Color c) {
    if (Draws(c) && s.Contains(p.x, p.y)) s.At(p.x, p.y) = Pixel(c);
}

void DrawPoly(Surface& s, std::span<const Point> points, bool closed, DrawMode mode, const Pen& pen,
              Color fill) {
    const size_t n = points.size();
    if (n == 0) return;
    if (DrawsInterior(mode) && Draws(fill) && n >= 3 && !s.pixels.empty()) {
        // Even-odd rule at pixel centres. A centre (y + 0.5) never equals an integer vertex,
        // so every crossing is unambiguous.
        int64_t top = points[0].y, bottom = points[0].y;
        for (const Point& q : points) {
            top = std::min<int64_t>(top, q.y);
            bottom = std::max<int64_t>(bottom, q.y);
        }
        const int64_t y_begin = std::max<int64_t>(top, 0);
        const int64_t y_end = std::min<int64_t>(bottom, s.height);
        std::vector<double> crossings;
        crossings.reserve(n);
        for (int64_t y = y_begin; y < y_end; ++y) {
            const double yc = static_cast<double>(y) + 0.5;
            crossings.clear();
            for (size_t i = 0; i < n; ++i) {
                const Point& p0 = points[i];
                const Point& p1 = points[(i + 1) % n];
                if ((p0.y <= y) == (p1.y <= y)) continue;
                const double t = (yc - p0.y) / (static_cast<double>(p1.y) - p0.y);
                crossings.push_back(p0.x + t * (static_cast<double>(p1.x) - p0.x));
            }
            std::sort(crossings.begin(), crossings.end());
            uint32_t* row = s.Row(static_cast<int>(y));
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                // Pixels whose centres lie in [left, right).
                const double left = std::clamp(crossings[i] - 0.5, -1.0, double(s.width));
                const double right = std::clamp(crossings[i + 1] - 0.5, -1.0, double(s.width));
                const int64_t x0 = std::max<int64_t>(static_cast<int64_t>(std::ceil(left)), 0);
                const int64_t x1 =
                    std::min<int64_t>(static_cast<int64_t>(std::ceil(right)), s.width);
                if (x0 < x1) std::fill(row + x0, row + x1, Pixel(fill));
            }
        }
    }
    if (!DrawsOutline(mode)) return;
    if (n == 1) {
        DrawLine(s, points[0], points[0], pen);
        return;
    }
    for (size_t i = 0; i + 1 < n; ++i)
        DrawLine(s, points[i], points[i + 1], pen);
    if (closed && n > 2) DrawLine(s, points[n - 1], points[0], pen);
}

// ---- bitmap copies ---------------------------------------------------------------------------

void DrawBitmap(Surface& s, const Bitmap& b, Rect src, Rect dst) {
    const Surface& image = b.image;
    const bool has_mask = b.HasMask() && b.mask.size() == image.pixels.size();
    if (&image == &s) {
        // Drawing a bitmap onto its own pixels reads from a copy.
        const Bitmap copy = b;
        DrawBitmap(s, copy, src, dst);
        return;
    }
    Source source{image.pixels.data(), image.width, image.height,
                  has_mask ? b.mask.data() : nullptr};
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) return;
    if (b.rows_newer) {
        // Kept rows must cover the layout they claim; rows that do not draw nothing.
        const int bytes_per_pixel = b.pixel_depth == 32 ? 4 : 3;
        if ((b.pixel_depth != 24 && b.pixel_depth != 32) ||
            static_cast<int64_t>(b.bytes_per_row) <
                static_cast<int64_t>(image.width) * bytes_per_pixel ||
            b.rows.size() < static_cast<size_t>(b.bytes_per_row) * image.height) {
            return;
        }
        source.pixels = nullptr;
        source.rows = b.rows.data();
        source.rows_size = b.rows.size();
        source.bytes_per_row = b.bytes_per_row;
        source.pixel_depth = b.pixel_depth;
    }
    Blit(s, source, src, dst);
}

void DrawBitmapPieces(Surface& s, const Bitmap& b, std::span<const BitmapPiece> pieces,
                      PieceBounds* bounds) {
    if (b.rows_newer) {
        // The pieces read single pixels: from a settled copy.
        Bitmap settled = b;
        SettleBitmap(&settled);
        DrawBitmapPieces(s, settled, pieces, bounds);
        return;
    }
    PieceBounds unused;
    PieceBounds& box_of_all = bounds != nullptr ? *bounds : unused;

    const Surface& image = b.image;
    const bool sound =
        image.pixels.size() == static_cast<size_t>(image.width) * image.height && &image != &s;
    const bool has_mask = b.HasMask() && b.mask.size() == image.pixels.size();
    // Dissolve pieces lie far apart in both pictures: fetching the rows a few pieces ahead
    // overlaps the cache misses instead of waiting for each in turn.
    constexpr size_t kAhead = 32;
    const auto fetch_ahead = [&](size_t i) {
        if (i >= pieces.size()) return;
        const BitmapPiece& next = pieces[i];
        if (s.Contains(next.dst.left, next.dst.top)) {
            uint32_t* corner = s.Row(next.dst.top) + next.dst.left;
            __builtin_prefetch(corner, 1);
            // A block of a zoomed dissolve is two rows high or more: its second row too.
            if (next.dst.height > 1 && next.dst.top + 1 < s.height) {
                __builtin_prefetch(corner + s.width, 1);
            }
        }
        if (image.Contains(next.src.left, next.src.top)) {
            __builtin_prefetch(image.Row(next.src.top) + next.src.left, 0);
        }
    };
    for (size_t i = 0; i < pieces.size(); ++i) {
        const BitmapPiece& piece = pieces[i];
        fetch_ahead(i + kAhead);
        // A source of one pixel (the dissolve's every piece) and a destination of a size need
        // no resolving.
        const Rect src = piece.src.width == 1 && piece.src.height == 1
                             ? piece.src
                             : ResolveRect(piece.src, image.width, image.height);
        Rect dst = piece.dst;
        if (dst.height == kKeepSameSize) dst.height = src.height;
        if (dst.width == kKeepSameSize) dst.width = src.width;
        if (dst.width < 0 || dst.height < 0) dst = ResolveRect(dst, s.width, s.height);
        if (dst.width > 0 && dst.height > 0) {
            box_of_all.x0 = std::min<int64_t>(box_of_all.x0, dst.left);
            box_of_all.y0 = std::min<int64_t>(box_of_all.y0, dst.top);
            box_of_all.x1 = std::max(box_of_all.x1, static_cast<int64_t>(dst.left) + dst.width);
            box_of_all.y1 = std::max(box_of_all.y1, static_cast<int64_t>(dst.top) + dst.height);
        }
        if (!sound || src.width != 1 || src.height != 1) {
            DrawBitmap(s, b, piece.src, piece.dst);
            continue;
        }
        // Every destination pixel maps to the one source pixel.
        if (!image.Contains(src.left, src.top)) continue;
        const size_t at = static_cast<size_t>(src.top) * image.width + src.left;
        if (has_mask && b.mask[at] == 0) continue;
        const Box box = ClipBox(s, BoxOf(dst));
        if (box.Empty()) continue;
        const uint32_t pixel = image.pixels[at];
        // Blocks two pixels wide (a dissolve at zoom 2) take one store a row: every store here
        // misses the cache, and fewer of them keep more pieces in flight.
        const uint64_t pair = static_cast<uint64_t>(pixel) << 32 | pixel;
        for (int64_t y = box.y0; y < box.y1; ++y) {
            uint32_t* row = s.Row(static_cast<int>(y));
            if (box.x1 - box.x0 == 2) {
                std::memcpy(row + box.x0, &pair, sizeof pair);
            } else {
                std::fill(row + box.x0, row + box.x1, pixel);
            }
        }
    }
}

void DrawSurface(Surface& s, const Surface& src_surface, Rect src, Rect dst) {
    if (&src_surface == &s) {
        const Surface copy = src_surface;
        DrawSurface(s, copy, src, dst);
        return;
    }
    if (src_surface.pixels.size() != static_cast<size_t>(src_surface.width) * src_surface.height) {
        return;
    }
    Blit(s, Source{src_surface.pixels.data(), src_surface.width, src_surface.height, nullptr}, src,
         dst);
}

// ---- reading back ----------------------------------------------------------------------------

bool GetPixels(const Surface& s, Rect r, std::span<uint32_t> out) {
    r = ResolveRect(r, s.width, s.height);
    if (r.width <= 0 || r.height <= 0) return true;
    const int64_t needed = static_cast<int64_t>(r.width) * r.height;
    if (static_cast<int64_t>(out.size()) < needed) return false;
    std::fill(out.begin(), out.begin() + needed, 0u);
    const Box visible = ClipBox(s, BoxOf(r));
    for (int64_t y = visible.y0; y < visible.y1; ++y) {
        const uint32_t* row = s.Row(static_cast<int>(y));
        uint32_t* to = out.data() + (y - r.top) * r.width + (visible.x0 - r.left);
        std::copy(row + visible.x0, row + visible.x1, to);
    }
    return true;
}

Surface CopyRect(const Surface& s, Rect r) {
    const Box visible = ClipBox(s, BoxOf(ResolveRect(r, s.width, s.height)));
    if (visible.Empty()) return Surface();
    Surface out(static_cast<int>(visible.x1 - visible.x0),
                static_cast<int>(visible.y1 - visible.y0));
    for (int64_t y = visible.y0; y < visible.y1; ++y) {
        const uint32_t* row = s.Row(static_cast<int>(y));
        std::copy(row + visible.x0, row + visible.x1, out.Row(static_cast<int>(y - visible.y0)));
    }
    return out;
}

}  // namespace tov::platform
