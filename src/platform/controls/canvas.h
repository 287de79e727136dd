// A canvas: pixels of its own that scripts draw into with the pen, the fill colour and bitmaps.
//
// Its content keeps its size when the control is resized: what still fits stays at the top-left
// corner and new parts show the background colour. Changing the background colour repaints
// nothing; it shows where the canvas is cleared later. A transparent background makes cleared
// pixels show what lies behind the canvas.
#pragma once

#include <span>

#include "platform/controls/control.h"

namespace tov::platform {

class Canvas final : public Control {
  public:
    explicit Canvas(int id);

    void Loaded(FontBook& fonts) override;
    void Paint(Painter& painter) const override;
    bool Opaque() const override { return !may_be_transparent_; }
    const tov::platform::Surface* OwnPixels(bool* may_be_transparent) const override;
    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

    // Drawing; rectangles in canvas coordinates, kToFarEdge reaching the far edges.
    void DrawBitmap(const tov::platform::Bitmap& bitmap, Rect src, Rect dst);
    void DrawBitmapPieces(const tov::platform::Bitmap& bitmap, std::span<const BitmapPiece> pieces);
    void DrawRect(Rect r, DrawMode mode);
    void DrawRects(std::span<const Rect> rects, DrawMode mode);
    void DrawOval(Rect r, DrawMode mode);
    void DrawPoly(std::span<const Point> points, bool closed, DrawMode mode);
    void DrawLine(Point a, Point b);
    void DrawPoint(Point p);
    void Clear(Rect r);
    // Returns false when out is too small for the rectangle.
    bool GetPixels(Rect r, std::span<uint32_t> out) const;
    bool GetPixel(Point p, uint32_t* color) const;

    void StartBatch() { ++batch_depth_; }
    // Returns false when no batch was open.
    bool EndBatch();
    int BatchDepth() const { return batch_depth_; }

    const tov::platform::Surface& Content() const { return content_; }

    // The rectangle (canvas coordinates, may reach beyond the content) that the drawing since
    // the last call may have changed, and forgets it: composition redoes only that part.
    Rect TakeDrawnArea();

  protected:
    int Check(Attr attr, const AttrValue& value) const override;
    void Changed(Attr attr, FontBook& fonts) override;

  private:
    void Resize();
    // Adds r to the drawn area and marks the canvas dirty.
    void MarkDrawn(Rect r);
    // The rectangle lines through the points may touch, within the content.
    Rect AroundPoints(std::span<const Point> points) const;
    Pen CurrentPen() const { return Pen{look_.pen_color, look_.pen_width}; }

    tov::platform::Surface content_;
    bool may_be_transparent_ = false;
    int batch_depth_ = 0;
    Rect drawn_{};
};

}  // namespace tov::platform
