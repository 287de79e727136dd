// The raster operations the run-time draws with, on Surfaces.
//
// y grows downward and (0, 0) is the top-left corner. Rectangles are (top, left, height,
// width); kToFarEdge (-1) as height or width reaches the far edge of the target (for a
// destination) or of the source (for a source). Everything clips to the target: negative
// positions and parts beyond any edge are simply not drawn, zero or negative sizes draw
// nothing. Thick outlines of rectangles and ovals lie inside the bounding rectangle.
//
// A colour of kTransparent draws nothing; any other colour draws its low 24 bits. A pen width
// below 1 draws as 1.
#pragma once

#include <cstdint>
#include <span>

#include "platform/bitmap.h"
#include "platform/surface.h"
#include "platform/types.h"

namespace tov::platform {

// Pen and fill as a canvas holds them.
struct Pen {
    Color color = kBlack;
    int width = 1;
};

// Resolves kToFarEdge in r against a target of w x h (the result may still reach past it).
Rect ResolveRect(Rect r, int w, int h);

// Fills the rectangle with one colour.
void FillRect(Surface& s, Rect r, Color c);

// Rectangle: outline (pen, inside r), interior (fill colour) or both.
void DrawRect(Surface& s, Rect r, DrawMode mode, const Pen& pen, Color fill);

// Ellipse inscribed in r, drawn like DrawRect: the pixels whose centres lie inside or on the
// ellipse; the outline is the ring between it and the ellipse inscribed in r made smaller by
// the pen width on every side. Symmetric about r's centre.
void DrawOval(Surface& s, Rect r, DrawMode mode, const Pen& pen, Color fill);

// Polygon through the points; the interior by the even-odd rule at pixel centres (the interior
// of the square (0,0) (4,0) (4,4) (0,4) is 4 x 4 pixels, its outline 5 x 5), the outline as
// lines of the pen's width through the points (closed when `closed`). The interior needs at
// least three points and is always closed; a single point draws the pen's square.
void DrawPoly(Surface& s, std::span<const Point> points, bool closed, DrawMode mode, const Pen& pen,
              Color fill);

// Line from a to b, both end points included, pen width centred on the line: a square pen of
// that width at both ends and, between them, a span of that width across the line's minor
// direction. a-b and b-a draw the same pixels.
void DrawLine(Surface& s, Point a, Point b, const Pen& pen);

// One pixel in the pen colour.
void DrawPoint(Surface& s, Point p, Color c);

// Copies the source rectangle of the bitmap into the destination rectangle of the surface,
// stretched or shrunk by integer nearest-neighbour arithmetic: destination column dx (0-based
// within dst) takes source column src.left + dx * src.width / dst.width, and likewise for rows.
// The scale comes from the source rectangle as given (kToFarEdge resolved against the bitmap);
// destination pixels whose source pixel lies outside the bitmap are left untouched, as are
// masked ones. kKeepSameSize as dst's height or width takes the source's. The bitmap may be the
// target surface itself.
void DrawBitmap(Surface& s, const Bitmap& b, Rect src, Rect dst);

// Draws each piece as DrawBitmap(s, b, piece.src, piece.dst) would, in order. A piece whose
// source is one pixel fills its clipped destination with that pixel (or leaves it alone where
// the mask hides the pixel) without the general copy's set-up: dissolves draw thousands of them.
// When `bounds` is given it receives the smallest box holding every piece's destination as
// DrawBitmap resolves it (kKeepSameSize and kToFarEdge resolved, not clipped; a destination of
// no size adds nothing), as 64-bit edges, left and top inclusive, right and bottom exclusive.
struct PieceBounds {
    int64_t x0 = INT64_MAX;
    int64_t y0 = INT64_MAX;
    int64_t x1 = INT64_MIN;
    int64_t y1 = INT64_MIN;
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};
void DrawBitmapPieces(Surface& s, const Bitmap& b, std::span<const BitmapPiece> pieces,
                      PieceBounds* bounds = nullptr);

// Same for a plain surface as source (no mask); src_surface may be s.
void DrawSurface(Surface& s, const Surface& src_surface, Rect src, Rect dst);

// Reads the colours of r into out, row after row (r.width * r.height entries); pixels outside
// the surface read as 0. Returns false when out is too small.
bool GetPixels(const Surface& s, Rect r, std::span<uint32_t> out);

// A new surface holding the rectangle r of s (clipped).
Surface CopyRect(const Surface& s, Rect r);

}  // namespace tov::platform
