// What every control kind shares: geometry, visibility, the label, the attribute store with its
// checks, the painter that kinds draw their look through, and the cached picture.
//
// A kind accepts the attributes it has (its AttrSet) and refuses others with
// kUIEInvalidAttribute. Setters check the value, return early when nothing changes, then mark
// the control dirty; the screen repaints a dirty control the next time it composes it.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/bitmap.h"
#include "platform/font_book.h"
#include "platform/raster.h"
#include "platform/runtime.h"
#include "platform/smooth.h"
#include "platform/surface.h"
#include "platform/types.h"

namespace tov::platform {

enum class ControlKind {
    Canvas,
    Picture,
    PictureRing,
    TextMessage,
    StringDisplay,
    TextBox,
    Led,
    SquareLed,
    Tank,
    Thermometer,
    Slide,
    RingSlide,
    Meter,
    Gauge,
    StripChart,
};

// The number of attributes (Attr's last value + 1).
constexpr size_t kAttrCount = static_cast<size_t>(Attr::Value) + 1;
using AttrSet = std::bitset<kAttrCount>;
AttrSet MakeAttrSet(std::initializer_list<Attr> attrs);

// Attributes every control has.
AttrSet CommonAttrs();
// The text attributes (font, size, colours, bold, italic) of kinds that show text.
AttrSet TextAttrs();
// The label attributes.
AttrSet LabelAttrs();

// Limits on what a script can set. Widths and heights beyond kMaxExtent are refused; a panel,
// and a control that keeps pixels of its own (a canvas), refuse sizes of more than kMaxPixels in
// all. That is a little more than a 3840 x 2160 screen and keeps the filling and copying of one
// such surface (32 MiB) well inside a call's budget; a script that asks for more gets the
// out-of-memory status instead of a call that stalls the table.
constexpr int kMaxExtent = 1 << 20;
constexpr int64_t kMaxPixels = int64_t{1} << 23;
// The screen takes the real display's size, which can be larger than any one panel.
constexpr int64_t kMaxScreenPixels = int64_t{1} << 25;
constexpr int kMaxPenWidth = 255;
constexpr int kMaxVisibleLines = 1000;
constexpr int kMaxPointsPerScreen = 10000;

bool IsColor(int value);

// Where a control paints: control pixel (x, y) is surface pixel (x + dx, y + dy). The surface
// holds just the part of the control that shows, so the raster's clipping to the surface clips
// to that part. Rectangles with kToFarEdge reach the control's far edges.
class Painter {
  public:
    Painter(Surface& surface, int dx, int dy, int width, int height, FontBook& fonts)
        : surface_(surface), dx_(dx), dy_(dy), width_(width), height_(height), fonts_(fonts) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    FontBook& Fonts() { return fonts_; }
    tov::platform::Surface& Target() { return surface_; }
    // Where control pixel (0, 0) lies on the target.
    Point Offset() const { return MakePoint(dx_, dy_); }

    void Fill(Rect r, Color c);
    void Rectangle(Rect r, DrawMode mode, const Pen& pen, Color fill);
    void Oval(Rect r, DrawMode mode, const Pen& pen, Color fill);
    void Poly(std::span<const Point> points, bool closed, DrawMode mode, const Pen& pen,
              Color fill);
    void Line(Point a, Point b, const Pen& pen);
    void Image(const tov::platform::Bitmap& bitmap, Rect src, Rect dst);
    void CopySurface(const tov::platform::Surface& source, Rect src, Rect dst);
    void Text(int x, int y, const FontSpec& spec, std::string_view text, Color color);
    // The one way looks paint anti-aliased: the shape (control coordinates) in the brush.
    void Smooth(const Shape& shape, const Brush& brush);

  private:
    Rect Resolve(Rect r) const;

    tov::platform::Surface& surface_;
    int dx_;
    int dy_;
    int width_;
    int height_;
    FontBook& fonts_;
};

struct Label {
    std::string text;
    std::string font = "Arial";
    int point_size = 13;
    Color color = kBlack;
    bool bold = false;
    bool italic = false;
    bool visible = true;
    // Panel coordinates of the label's top-left corner. kLabelCentred centres the label on the
    // control along that axis; any other value with the top bit set places the label beside the
    // control: (value - kLabelCentred) pixels right of its right edge (left) or below its bottom
    // edge (top), so that it never covers the control.
    int left = kLabelCentred;
    int top = kLabelCentred;
};

// The values a kind may keep; each kind uses the ones its AttrSet names.
struct Look {
    std::string text_font = "Arial";
    int text_point_size = 13;
    Color text_color = kBlack;
    Color text_background = kTransparent;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    Color pen_color = kBlack;
    int pen_width = 1;
    Color fill_color = 0x3060C0;
    Color background = kWhite;  // picture background of canvases and pictures
    Color frame_color = 0x808080;
    Color empty_color = kWhite;
    Color on_color = 0xFF2020;
    Color off_color = 0x600000;
    Color needle_color = kBlack;  // also the slider colour of a slide
    Color digital_color = kBlack;
    Color plot_color = 0xFFFF00;
    double min = 0.0;
    double max = 100.0;
    double start_angle = 225.0;  // degrees, 0 = right, counter-clockwise
    double end_angle = -45.0;
    int slider_width = 20;
    int slider_height = 10;
    int visible_lines = 1;
    int points_per_screen = 100;
    bool dimmed = false;
};

class Control {
  public:
    Control(ControlKind kind, int id, AttrSet accepted);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    std::string_view KindName() const;
    int Id() const { return id_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible() const { return visible_; }
    const Label& GetLabel() const { return label_; }
    const Look& GetLook() const { return look_; }
    bool Accepts(Attr attr) const { return accepted_.test(static_cast<size_t>(attr)); }

    // Attributes (ZPlanePosition is the panel's; Value goes to SetValue/GetValue).
    int SetAttribute(Attr attr, const AttrValue& value, FontBook& fonts);
    int GetAttribute(Attr attr, AttrValue* value) const;

    // The value. Kinds that have none refuse with kUIEWrongControlKind.
    virtual int SetValue(double value, FontBook& fonts);
    virtual int SetValue(std::string_view value, FontBook& fonts);
    virtual int GetValue(double* value) const;
    virtual int GetValue(std::string* value) const;

    // Called once the panel file's look has been applied: kinds whose content follows it
    // (a canvas's background) set themselves up.
    virtual void Loaded(FontBook& fonts);

    // Paints the control's look (without label) through the painter; the painter's surface
    // shows the part of the control being composed.
    virtual void Paint(Painter& painter) const = 0;
    // Whether the look covers every pixel with an opaque colour; a control that is not opaque
    // is painted over what lies behind it each time its panel is composed.
    virtual bool Opaque() const;
    // A kind that keeps its own pixels (a canvas) shows them as they are: the screen then
    // copies them instead of painting. `may_be_transparent` tells whether some of them are the
    // transparent colour.
    virtual const tov::platform::Surface* OwnPixels(bool* may_be_transparent) const;

    // For the host's control inspection: kind-specific properties in addition to the common
    // ones (lines, items, ...).
    virtual void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const;

    // The cached picture of part of the control (control coordinates), painted when the control
    // is dirty or the part differs from the last one.
    const tov::platform::Surface& CachedPicture(Rect area, FontBook& fonts);

    void MarkDirty() { dirty_ = true; }
    bool Dirty() const { return dirty_; }

    // The label's rectangle in panel coordinates (empty when there is nothing to show).
    Rect LabelRect(FontBook& fonts) const;
    FontSpec LabelFont(FontBook& fonts) const;
    FontSpec TextFont(FontBook& fonts) const;

  protected:
    // Kind-specific checks of a value before it is stored; 0 accepts.
    virtual int Check(Attr attr, const AttrValue& value) const;
    // Called after an attribute changed (for sizes that follow fonts, canvases that resize).
    virtual void Changed(Attr attr, FontBook& fonts);

    // Direct access for kinds: geometry changes from inside (sizes that follow content).
    void SetSize(int width, int height) {
        if (width == width_ && height == height_) return;
        width_ = width;
        height_ = height;
        dirty_ = true;
    }

    Look look_;
    Label label_;

  private:
    int StoreInt(Attr attr, int value, bool* changed);
    int StoreText(Attr attr, const std::string& text, FontBook& fonts, bool* changed);

    ControlKind kind_;
    int id_;
    AttrSet accepted_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 100;
    int height_ = 20;
    bool visible_ = true;
    bool dirty_ = true;
    tov::platform::Surface cache_;
    Rect cache_area_{0, 0, -1, -1};
};

// A colour halfway towards light grey, channel by channel: the dimmed look.
constexpr uint32_t DimmedColor(uint32_t c) {
    return ((c >> 1) & 0x7F7F7Fu) + 0x606060u;
}

// Pen helpers for looks.
inline Pen MakePen(Color color, int width = 1) {
    return Pen{color, width};
}

// The value placed within [min, max] (either order), as a fraction 0..1 from min to max;
// 0 when min equals max.
double FractionOf(double value, double min, double max);

// Text of a scale number: integers without decimals, others with up to two.
std::string ScaleText(double value);

}  // namespace tov::platform
