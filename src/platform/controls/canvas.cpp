#include "platform/controls/canvas.h"

#include <algorithm>
#include <climits>

#include "platform/raster.h"
#include "platform/screen.h"

namespace tov::platform {

namespace {

// Fills r (clipped) with a raw pixel value, the transparent colour included: the raster's
// FillRect draws nothing for it.
void FillRaw(Surface& s, Rect r, uint32_t pixel) {
    r = ResolveRect(r, s.width, s.height);
    const int64_t x0 = std::max<int64_t>(r.left, 0);
    const int64_t y0 = std::max<int64_t>(r.top, 0);
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(r.left) + r.width, s.width);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(r.top) + r.height, s.height);
    if (x0 >= x1) return;
    for (int64_t y = y0; y < y1; ++y) {
        std::fill(s.Row(static_cast<int>(y)) + x0, s.Row(static_cast<int>(y)) + x1, pixel);
    }
}

uint32_t BackgroundPixel(Color background) {
    return background == kTransparent ? static_cast<uint32_t>(kTransparent)
                                      : static_cast<uint32_t>(background);
}

}  // namespace

namespace {

// The destination rectangle a bitmap draw may change, as DrawBitmap resolves it.
Rect BitmapDestination(const tov::platform::Bitmap& bitmap, Rect src, Rect dst,
                       const tov::platform::Surface& target) {
    src = ResolveRect(src, bitmap.image.width, bitmap.image.height);
    if (dst.height == kKeepSameSize) dst.height = src.height;
    if (dst.width == kKeepSameSize) dst.width = src.width;
    return ResolveRect(dst, target.width, target.height);
}

}  // namespace

Canvas::Canvas(int id)
    : Control(ControlKind::Canvas, id,
              MakeAttrSet({Attr::PictureBgColor, Attr::PenColor, Attr::PenWidth, Attr::FillColor,
                           Attr::LabelText, Attr::LabelFont, Attr::LabelPointSize, Attr::LabelColor,
                           Attr::LabelLeft, Attr::LabelTop, Attr::LabelVisible})) {
    look_.background = kWhite;
    look_.fill_color = kWhite;
    Resize();
}

void Canvas::Loaded(FontBook&) {
    content_.Reset(Width(), Height(), BackgroundPixel(look_.background));
    may_be_transparent_ = look_.background == kTransparent;
    MarkDirty();
}

int Canvas::Check(Attr attr, const AttrValue& value) const {
    const int* v = std::get_if<int>(&value);
    if (v == nullptr || *v < 0) return kUISuccess;  // the common checks refuse it
    int64_t pixels = 0;
    if (attr == Attr::Width) pixels = static_cast<int64_t>(*v) * Height();
    if (attr == Attr::Height) pixels = static_cast<int64_t>(*v) * Width();
    return pixels > kMaxPixels ? kUIEOutOfMemory : kUISuccess;
}

void Canvas::Changed(Attr attr, FontBook&) {
    if (attr == Attr::Width || attr == Attr::Height) Resize();
}

void Canvas::Resize() {
    if (content_.width == Width() && content_.height == Height()) return;
    tov::platform::Surface resized(Width(), Height(), BackgroundPixel(look_.background));
    const int rows = std::min(content_.height, resized.height);
    const int cols = std::min(content_.width, resized.width);
    for (int y = 0; y < rows; ++y) {
        std::copy(content_.Row(y), content_.Row(y) + cols, resized.Row(y));
    }
    if (look_.background == kTransparent &&
        (resized.width > content_.width || resized.height > content_.height)) {
        may_be_transparent_ = true;
    }
    content_ = std::move(resized);
    MarkDirty();
}

void Canvas::Paint(Painter& painter) const {
    // The screen copies the content itself; this serves only other compositions. Transparent
    // pixels leave what lies behind.
    tov::platform::Surface& target = painter.Target();
    const Point offset = painter.Offset();
    for (int y = 0; y < content_.height; ++y) {
        const int64_t ty = static_cast<int64_t>(y) + offset.y;
        if (ty < 0 || ty >= target.height) continue;
        for (int x = 0; x < content_.width; ++x) {
            const int64_t tx = static_cast<int64_t>(x) + offset.x;
            if (tx < 0 || tx >= target.width) continue;
            const uint32_t c = content_.At(x, y);
            if (c != static_cast<uint32_t>(kTransparent)) {
                target.At(static_cast<int>(tx), static_cast<int>(ty)) = c;
            }
        }
    }
}

const tov::platform::Surface* Canvas::OwnPixels(bool* may_be_transparent) const {
    if (may_be_transparent != nullptr) *may_be_transparent = may_be_transparent_;
    return &content_;
}

void Canvas::Describe(std::vector<std::pair<std::string, ControlValue>>*) const {}

void Canvas::DrawBitmapPieces(const tov::platform::Bitmap& bitmap,
                              std::span<const BitmapPiece> pieces) {
    // The box of all destinations comes from the draw itself: a dissolve hands over thousands
    // of pieces per call. It equals Union's fold of the destinations whenever it fits the int
    // range (no partial union can then have been clamped); one that does not takes the fold.
    PieceBounds bounds;
    tov::platform::DrawBitmapPieces(content_, bitmap, pieces, &bounds);
    Rect drawn{};
    if (!bounds.Empty() && bounds.x1 - bounds.x0 <= INT_MAX && bounds.y1 - bounds.y0 <= INT_MAX) {
        drawn = MakeRect(static_cast<int>(bounds.y0), static_cast<int>(bounds.x0),
                         static_cast<int>(bounds.y1 - bounds.y0),
                         static_cast<int>(bounds.x1 - bounds.x0));
    } else if (!bounds.Empty()) {
        for (const BitmapPiece& piece : pieces)
            drawn = Union(drawn, BitmapDestination(bitmap, piece.src, piece.dst, content_));
    }
    MarkDrawn(drawn);
}

void Canvas::DrawRects(std::span<const Rect> rects, DrawMode mode) {
    Rect drawn{};
    for (const Rect& r : rects) {
        tov::platform::DrawRect(content_, r, mode, CurrentPen(), look_.fill_color);
        drawn = Union(drawn, ResolveRect(r, content_.width, content_.height));
    }
    MarkDrawn(drawn);
}

void Canvas::DrawBitmap(const tov::platform::Bitmap& bitmap, Rect src, Rect dst) {
    tov::platform::DrawBitmap(content_, bitmap, src, dst);
    MarkDrawn(BitmapDestination(bitmap, src, dst, content_));
}

void Canvas::DrawRect(Rect r, DrawMode mode) {
    tov::platform::DrawRect(content_, r, mode, CurrentPen(), look_.fill_color);
    MarkDrawn(ResolveRect(r, content_.width, content_.height));
}

void Canvas::DrawOval(Rect r, DrawMode mode) {
    tov::platform::DrawOval(content_, r, mode, CurrentPen(), look_.fill_color);
    MarkDrawn(ResolveRect(r, content_.width, content_.height));
}

void Canvas::DrawPoly(std::span<const Point> points, bool closed, DrawMode mode) {
    tov::platform::DrawPoly(content_, points, closed, mode, CurrentPen(), look_.fill_color);
    MarkDrawn(AroundPoints(points));
}

void Canvas::DrawLine(Point a, Point b) {
    tov::platform::DrawLine(content_, a, b, CurrentPen());
    const Point ends[] = {a, b};
    MarkDrawn(AroundPoints(ends));
}

void Canvas::DrawPoint(Point p) {
    tov::platform::DrawPoint(content_, p, look_.pen_color);
    MarkDrawn(MakeRect(p.y, p.x, 1, 1));
}

void Canvas::Clear(Rect r) {
    const Rect resolved = ResolveRect(r, content_.width, content_.height);
    FillRaw(content_, resolved, BackgroundPixel(look_.background));
    if (look_.background == kTransparent) {
        may_be_transparent_ = true;
    } else if (resolved.top <= 0 && resolved.left <= 0 &&
               static_cast<int64_t>(resolved.top) + resolved.height >= content_.height &&
               static_cast<int64_t>(resolved.left) + resolved.width >= content_.width) {
        may_be_transparent_ = false;  // every pixel is the opaque background now
    }
    MarkDrawn(resolved);
}

void Canvas::MarkDrawn(Rect r) {
    // Within the content first, so that far-away coordinates cannot stretch the union.
    drawn_ = Union(drawn_, Intersect(r, MakeRect(0, 0, content_.height, content_.width)));
    MarkDirty();
}

Rect Canvas::AroundPoints(std::span<const Point> points) const {
    if (points.empty()) return Rect{};
    // Lines are centred on their points: the pen's width on every side holds them.
    const int64_t t = std::max(look_.pen_width, 1);
    int64_t x0 = INT64_MAX, y0 = INT64_MAX, x1 = INT64_MIN, y1 = INT64_MIN;
    for (const Point& p : points) {
        x0 = std::min<int64_t>(x0, p.x - t);
        y0 = std::min<int64_t>(y0, p.y - t);
        x1 = std::max<int64_t>(x1, p.x + t + 1);
        y1 = std::max<int64_t>(y1, p.y + t + 1);
    }
    x0 = std::max<int64_t>(x0, 0);
    y0 = std::max<int64_t>(y0, 0);
    x1 = std::min<int64_t>(x1, content_.width);
    y1 = std::min<int64_t>(y1, content_.height);
    if (x1 <= x0 || y1 <= y0) return Rect{};
    return MakeRect(static_cast<int>(y0), static_cast<int>(x0), static_cast<int>(y1 - y0),
                    static_cast<int>(x1 - x0));
}

Rect Canvas::TakeDrawnArea() {
    const Rect drawn = drawn_;
    drawn_ = Rect{};
    return drawn;
}

bool Canvas::GetPixels(Rect r, std::span<uint32_t> out) const {
    return tov::platform::GetPixels(content_, r, out);
}

bool Canvas::GetPixel(Point p, uint32_t* color) const {
    if (!content_.Contains(p.x, p.y)) return false;
    *color = content_.At(p.x, p.y);
    return true;
}

bool Canvas::EndBatch() {
    if (batch_depth_ == 0) return false;
    --batch_depth_;
    return true;
}

}  // namespace tov::platform
