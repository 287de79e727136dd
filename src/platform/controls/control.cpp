// Sections: attribute sets and checks; the painter; the attribute store; values; the cached
// picture; labels; helpers for looks.
#include "platform/controls/control.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/controls/control_kinds.h"

namespace tov::platform {

// ---- attribute sets and checks ---------------------------------------------------------------

AttrSet MakeAttrSet(std::initializer_list<Attr> attrs) {
    AttrSet set;
    for (Attr a : attrs)
        set.set(static_cast<size_t>(a));
    return set;
}

AttrSet CommonAttrs() {
    return MakeAttrSet({Attr::Left, Attr::Top, Attr::Width, Attr::Height, Attr::Visible,
                        Attr::ZPlanePosition, Attr::Dimmed});
}

AttrSet TextAttrs() {
    return MakeAttrSet({Attr::TextFont, Attr::TextPointSize, Attr::TextColor, Attr::TextBgColor,
                        Attr::TextBold, Attr::TextItalic});
}

AttrSet LabelAttrs() {
    return MakeAttrSet({Attr::LabelText, Attr::LabelFont, Attr::LabelPointSize, Attr::LabelColor,
                        Attr::LabelLeft, Attr::LabelTop, Attr::LabelVisible});
}

bool IsColor(int value) {
    return (value >= 0 && value <= 0xFFFFFF) || value == kTransparent;
}

namespace {

bool IsColorAttr(Attr attr) {
    switch (attr) {
        case Attr::TextColor:
        case Attr::TextBgColor:
        case Attr::LabelColor:
        case Attr::PenColor:
        case Attr::FillColor:
        case Attr::PictureBgColor:
        case Attr::FrameColor:
        case Attr::OnColor:
        case Attr::OffColor:
        case Attr::NeedleColor:
        case Attr::ScaleColor:
        case Attr::DigitalDisplayColor:
        case Attr::SliderColor:
        case Attr::PlotColor:
        case Attr::EmptyColor:
        case Attr::BackColor:
            return true;
        default:
            return false;
    }
}

// The scale of the numeric kinds is their text: the scale attributes are other names for the
// text attributes.
Attr Canonical(Attr attr) {
    switch (attr) {
        case Attr::ScaleFont:
            return Attr::TextFont;
        case Attr::ScalePointSize:
            return Attr::TextPointSize;
        case Attr::ScaleColor:
            return Attr::TextColor;
        case Attr::SliderColor:
            return Attr::NeedleColor;
        default:
            return attr;
    }
}

// A number as an int attribute takes it: doubles are cut towards zero; NaN and values beyond
// the int range are refused.
bool ToInt(const AttrValue& value, int* out) {
    if (const int* i = std::get_if<int>(&value)) {
        *out = *i;
        return true;
    }
    if (const double* d = std::get_if<double>(&value)) {
        if (!std::isfinite(*d) ||
            *d <= static_cast<double>(std::numeric_limits<int>::min()) - 1.0 ||
            *d >= static_cast<double>(std::numeric_limits<int>::max()) + 1.0) {
            return false;
        }
        *out = static_cast<int>(*d);
        return true;
    }
    return false;
}

bool ToDouble(const AttrValue& value, double* out) {
    if (const int* i = std::get_if<int>(&value)) {
        *out = *i;
        return true;
    }
    if (const double* d = std::get_if<double>(&value)) {
        if (!std::isfinite(*d)) return false;
        *out = *d;
        return true;
    }
    return false;
}

template <typename T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

// ---- the painter -----------------------------------------------------------------------------

Rect Painter::Resolve(Rect r) const {
    r = ResolveRect(r, width_, height_);
    r.left += dx_;
    r.top += dy_;
    return r;
}

void Painter::Fill(Rect r, Color c) {
    FillRect(surface_, Resolve(r), c);
}

void Painter::Rectangle(Rect r, DrawMode mode, const Pen& pen, Color fill) {
    DrawRect(surface_, Resolve(r), mode, pen, fill);
}

void Painter::Oval(Rect r, DrawMode mode, const Pen& pen, Color fill) {
    DrawOval(surface_, Resolve(r), mode, pen, fill);
}

void Painter::Poly(std::span<const Point> points, bool closed, DrawMode mode, const Pen& pen,
                   Color fill) {
    std::vector<Point> moved(points.begin(), points.end());
    for (Point& p : moved)
        p = MakePoint(p.x + dx_, p.y + dy_);
    DrawPoly(surface_, moved, closed, mode, pen, fill);
}

void Painter::Line(Point a, Point b, const Pen& pen) {
    DrawLine(surface_, MakePoint(a.x + dx_, a.y + dy_), MakePoint(b.x + dx_, b.y + dy_), pen);
}

void Painter::Image(const tov::platform::Bitmap& bitmap, Rect src, Rect dst) {
    DrawBitmap(surface_, bitmap, src, Resolve(dst));
}

void Painter::CopySurface(const tov::platform::Surface& source, Rect src, Rect dst) {
    DrawSurface(surface_, source, src, Resolve(dst));
}

void Painter::Text(int x, int y, const FontSpec& spec, std::string_view text, Color color) {
    fonts_.Engine().DrawText(surface_, x + dx_, y + dy_, spec, text, color);
}

void Painter::Smooth(const Shape& shape, const Brush& brush) {
    FillShape(surface_, shape, brush, dx_, dy_);
}

// ---- the attribute store ---------------------------------------------------------------------

Control::Control(ControlKind kind, int id, AttrSet accepted)
    : kind_(kind), id_(id), accepted_(accepted | CommonAttrs()) {}

Control::~Control() = default;

std::string_view Control::KindName() const {
    return KindInfoOf(kind_).name;
}

int Control::Check(Attr, const AttrValue&) const {
    return kUISuccess;
}

void Control::Changed(Attr, FontBook&) {}

namespace {

// A label position that is a place on the panel rather than one of the placements relative to
// the control (centred, beside).
bool IsPlacedLabel(int v) {
    return !(v < 0 && static_cast<int64_t>(v) - kLabelCentred <= 0xFFFF);
}

// Attributes that change what the control's own pixels look like (not where they go, nor the
// label, which the panel draws).
bool AffectsLook(Attr attr) {
    switch (attr) {
        case Attr::Left:
        case Attr::Top:
        case Attr::Visible:
        case Attr::LabelText:
        case Attr::LabelFont:
        case Attr::LabelPointSize:
        case Attr::LabelColor:
        case Attr::LabelLeft:
        case Attr::LabelTop:
        case Attr::LabelVisible:
            return false;
        default:
            return true;
    }
}

}  // namespace

int Control::StoreInt(Attr attr, int v, bool* changed) {
    if (IsColorAttr(attr) && !IsColor(v)) return kUIEInvalidValue;
    switch (attr) {
        case Attr::Left:
        case Attr::Top: {
            int& position = attr == Attr::Left ? left_ : top_;
            int& label_position = attr == Attr::Left ? label_.left : label_.top;
            const int64_t delta = static_cast<int64_t>(v) - position;
            *changed = Assign(position, v);
            // A label placed on the panel moves with its control.
            if (*changed && IsPlacedLabel(label_position)) {
                const int64_t moved = label_position + delta;
                label_position = static_cast<int>(std::clamp<int64_t>(
                    moved, static_cast<int64_t>(kLabelCentred) + 0x10000, INT32_MAX));
            }
            return kUISuccess;
        }
        case Attr::Width:
        case Attr::Height:
            if (v < 0 || v > kMaxExtent) return kUIEInvalidValue;
            *changed = Assign(attr == Attr::Width ? width_ : height_, v);
            return kUISuccess;
        case Attr::Visible:
            *changed = Assign(visible_, v != 0);
            return kUISuccess;
        case Attr::Dimmed:
            *changed = Assign(look_.dimmed, v != 0);
            return kUISuccess;
        case Attr::TextPointSize:
        case Attr::LabelPointSize:
            if (v < kMinFontSize || v > kMaxFontSize) return kUIEInvalidValue;
            *changed =
                Assign(attr == Attr::TextPointSize ? look_.text_point_size : label_.point_size, v);
            return kUISuccess;
        case Attr::TextBold:
            *changed = Assign(look_.bold, v != 0);
            return kUISuccess;
        case Attr::TextItalic:
            *changed = Assign(look_.italic, v != 0);
            return kUISuccess;
        case Attr::LabelLeft:
            *changed = Assign(label_.left, v);
            return kUISuccess;
        case Attr::LabelTop:
            *changed = Assign(label_.top, v);
            return kUISuccess;
        case Attr::LabelVisible:
            *changed = Assign(label_.visible, v != 0);
            return kUISuccess;
        case Attr::PenWidth:
            if (v < 1 || v > kMaxPenWidth) return kUIEInvalidValue;
            *changed = Assign(look_.pen_width, v);
            return kUISuccess;
        case Attr::SliderWidth:
        case Attr::SliderHeight:
            if (v < 0 || v > kMaxExtent) return kUIEInvalidValue;
            *changed =
                Assign(attr == Attr::SliderWidth ? look_.slider_width : look_.slider_height, v);
            return kUISuccess;
        case Attr::VisibleLines:
            if (v < 1 || v > kMaxVisibleLines) return kUIEInvalidValue;
            *changed = Assign(look_.visible_lines, v);
            return kUISuccess;
        case Attr::PointsPerScreen:
            if (v < 3 || v > kMaxPointsPerScreen) return kUIEInvalidValue;
            *changed = Assign(look_.points_per_screen, v);
            return kUISuccess;
        default:
            break;
    }
    Color* color = nullptr;
    switch (attr) {
        case Attr::TextColor:
            color = &look_.text_color;
            break;
        case Attr::TextBgColor:
            color = &look_.text_background;
            break;
        case Attr::LabelColor:
            color = &label_.color;
            break;
        case Attr::PenColor:
            color = &look_.pen_color;
            break;
        case Attr::FillColor:
            color = &look_.fill_color;
            break;
        case Attr::PictureBgColor:
            color = &look_.background;
            break;
        case Attr::FrameColor:
            color = &look_.frame_color;
            break;
        case Attr::OnColor:
            color = &look_.on_color;
            break;
        case Attr::OffColor:
            color = &look_.off_color;
            break;
        case Attr::NeedleColor:
            color = &look_.needle_color;
            break;
        case Attr::DigitalDisplayColor:
            color = &look_.digital_color;
            break;
        case Attr::PlotColor:
            color = &look_.plot_color;
            break;
        case Attr::EmptyColor:
            color = &look_.empty_color;
            break;
        default:
            return kUIEInvalidAttribute;
    }
    *changed = Assign(*color, v);
    return kUISuccess;
}

int Control::StoreText(Attr attr, const std::string& text, FontBook& fonts, bool* changed) {
    if (attr == Attr::LabelText) {
        *changed = Assign(label_.text, text);
        return kUISuccess;
    }
    // Font names: a name is needed; a meta font brings its size and style along.
    if (text.empty() || text.size() > 255) return kUIEInvalidValue;
    const FontSpec* meta = fonts.Meta(text);
    const int meta_size = meta != nullptr ? std::clamp(meta->size, kMinFontSize, kMaxFontSize) : 0;
    if (attr == Attr::TextFont) {
        *changed = Assign(look_.text_font, text);
        if (meta != nullptr) {
            *changed |= Assign(look_.text_point_size, meta_size);
            *changed |= Assign(look_.bold, meta->bold);
            *changed |= Assign(look_.italic, meta->italic);
            *changed |= Assign(look_.underline, meta->underline);
            *changed |= Assign(look_.strikeout, meta->strikeout);
        }
        return kUISuccess;
    }
    if (attr == Attr::LabelFont) {
        *changed = Assign(label_.font, text);
        if (meta != nullptr) {
            *changed |= Assign(label_.point_size, meta_size);
            *changed |= Assign(label_.bold, meta->bold);
            *changed |= Assign(label_.italic, meta->italic);
        }
        return kUISuccess;
    }
    return kUIEInvalidAttribute;
}

int Control::SetAttribute(Attr requested, const AttrValue& value, FontBook& fonts) {
    if (!Accepts(requested) || requested == Attr::ZPlanePosition || requested == Attr::Value) {
        return kUIEInvalidAttribute;
    }
    const Attr attr = Canonical(requested);
    if (const int status = Check(attr, value); status != kUISuccess) return status;
    bool changed = false;
    int status = kUISuccess;
    switch (TypeOfAttr(attr)) {
        case AttrType::Text: {
            const std::string* text = std::get_if<std::string>(&value);
            status = text == nullptr ? kUIEInvalidValue : StoreText(attr, *text, fonts, &changed);
            break;
        }
        case AttrType::Double: {
            double d = 0.0;
            double* field = nullptr;
            if (attr == Attr::MinValue) field = &look_.min;
            if (attr == Attr::MaxValue) field = &look_.max;
            if (attr == Attr::StartAngle) field = &look_.start_angle;
            if (attr == Attr::EndAngle) field = &look_.end_angle;
            if (field == nullptr) {
                status = kUIEInvalidAttribute;
            } else if (!ToDouble(value, &d)) {
                status = kUIEInvalidValue;
            } else {
                changed = Assign(*field, d);
            }
            break;
        }
        case AttrType::Int: {
            int v = 0;
            status = ToInt(value, &v) ? StoreInt(attr, v, &changed) : kUIEInvalidValue;
            break;
        }
    }
    if (status != kUISuccess || !changed) return status;
    if (AffectsLook(attr)) dirty_ = true;
    Changed(attr, fonts);
    return kUISuccess;
}

int Control::GetAttribute(Attr requested, AttrValue* value) const {
    if (!Accepts(requested) || requested == Attr::ZPlanePosition || requested == Attr::Value) {
        return kUIEInvalidAttribute;
    }
    if (value == nullptr) return kUIENullPointer;
    switch (Canonical(requested)) {
        case Attr::Left:
            *value = left_;
            break;
        case Attr::Top:
            *value = top_;
            break;
        case Attr::Width:
            *value = width_;
            break;
        case Attr::Height:
            *value = height_;
            break;
        case Attr::Visible:
            *value = visible_ ? 1 : 0;
            break;
        case Attr::Dimmed:
            *value = look_.dimmed ? 1 : 0;
            break;
        case Attr::TextFont:
            *value = look_.text_font;
            break;
        case Attr::TextPointSize:
            *value = look_.text_point_size;
            break;
        case Attr::TextColor:
            *value = look_.text_color;
            break;
        case Attr::TextBgColor:
            *value = look_.text_background;
            break;
        case Attr::TextBold:
            *value = look_.bold ? 1 : 0;
            break;
        case Attr::TextItalic:
            *value = look_.italic ? 1 : 0;
            break;
        case Attr::LabelText:
            *value = label_.text;
            break;
        case Attr::LabelFont:
            *value = label_.font;
            break;
        case Attr::LabelPointSize:
            *value = label_.point_size;
            break;
        case Attr::LabelColor:
            *value = label_.color;
            break;
        case Attr::LabelLeft:
            *value = label_.left;
            break;
        case Attr::LabelTop:
            *value = label_.top;
            break;
        case Attr::LabelVisible:
            *value = label_.visible ? 1 : 0;
            break;
        case Attr::PenColor:
            *value = look_.pen_color;
            break;
        case Attr::PenWidth:
            *value = look_.pen_width;
            break;
        case Attr::FillColor:
            *value = look_.fill_color;
            break;
        case Attr::PictureBgColor:
            *value = look_.background;
            break;
        case Attr::FrameColor:
            *value = look_.frame_color;
            break;
        case Attr::MinValue:
            *value = look_.min;
            break;
        case Attr::MaxValue:
            *value = look_.max;
            break;
        case Attr::OnColor:
            *value = look_.on_color;
            break;
        case Attr::OffColor:
            *value = look_.off_color;
            break;
        case Attr::NeedleColor:
            *value = look_.needle_color;
            break;
        case Attr::DigitalDisplayColor:
            *value = look_.digital_color;
            break;
        case Attr::SliderWidth:
            *value = look_.slider_width;
            break;
        case Attr::SliderHeight:
            *value = look_.slider_height;
            break;
        case Attr::VisibleLines:
            *value = look_.visible_lines;
            break;
        case Attr::StartAngle:
            *value = look_.start_angle;
            break;
        case Attr::EndAngle:
            *value = look_.end_angle;
            break;
        case Attr::PlotColor:
            *value = look_.plot_color;
            break;
        case Attr::PointsPerScreen:
            *value = look_.points_per_screen;
            break;
        case Attr::EmptyColor:
            *value = look_.empty_color;
            break;
        default:
            return kUIEInvalidAttribute;
    }
    return kUISuccess;
}

// ---- values ----------------------------------------------------------------------------------

int Control::SetValue(double, FontBook&) {
    return kUIEWrongControlKind;
}
int Control::SetValue(std::string_view, FontBook&) {
    return kUIEWrongControlKind;
}
int Control::GetValue(double*) const {
    return kUIEWrongControlKind;
}
int Control::GetValue(std::string*) const {
    return kUIEWrongControlKind;
}

void Control::Loaded(FontBook&) {}

void Control::Describe(std::vector<std::pair<std::string, ControlValue>>*) const {}

// ---- the cached picture ----------------------------------------------------------------------

bool Control::Opaque() const {
    return false;
}

const tov::platform::Surface* Control::OwnPixels(bool*) const {
    return nullptr;
}

const tov::platform::Surface& Control::CachedPicture(Rect area, FontBook& fonts) {
    if (dirty_ || !(area == cache_area_) || cache_.width != area.width ||
        cache_.height != area.height) {
        cache_.Reset(std::max(area.width, 0), std::max(area.height, 0), 0);
        Painter painter(cache_, -area.left, -area.top, width_, height_, fonts);
        Paint(painter);
        cache_area_ = area;
        dirty_ = false;
    }
    return cache_;
}

// ---- labels ----------------------------------------------------------------------------------

FontSpec Control::LabelFont(FontBook& fonts) const {
    FontSpec spec = fonts.Resolve(label_.font, label_.point_size, label_.bold, label_.italic);
    return spec;
}

FontSpec Control::TextFont(FontBook& fonts) const {
    FontSpec spec = fonts.Resolve(look_.text_font, look_.text_point_size, look_.bold, look_.italic);
    spec.underline = spec.underline || look_.underline;
    spec.strikeout = spec.strikeout || look_.strikeout;
    return spec;
}

Rect Control::LabelRect(FontBook& fonts) const {
    if (label_.text.empty() || !label_.visible || !Accepts(Attr::LabelText)) return Rect{};
    int width = 0;
    int height = 0;
    fonts.Engine().TextSize(LabelFont(fonts), label_.text, &width, &height);
    const auto place = [](int value, int start, int extent, int size) -> int {
        const int64_t offset = static_cast<int64_t>(value) - kLabelCentred;
        int64_t result = value;
        if (value == kLabelCentred) {
            result = start + (static_cast<int64_t>(extent) - size) / 2;
        } else if (value < 0 && offset <= 0xFFFF) {
            result = static_cast<int64_t>(start) + extent + offset;
        }
        return static_cast<int>(std::clamp<int64_t>(result, INT32_MIN / 2, INT32_MAX / 2));
    };
    Rect r;
    r.left = place(label_.left, left_, width_, width);
    r.top = place(label_.top, top_, height_, height);
    r.width = width;
    r.height = height;
    return r;
}

// ---- helpers for looks -----------------------------------------------------------------------

double FractionOf(double value, double min, double max) {
    if (min == max || !std::isfinite(value)) return 0.0;
    const double f = (value - min) / (max - min);
    return std::clamp(f, 0.0, 1.0);
}

std::string ScaleText(double value) {
    char buffer[64];
    if (std::fabs(value - std::round(value)) < 1e-9 && std::fabs(value) < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
        // Trailing zeros of the decimals say nothing.
        std::string text(buffer);
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    return buffer;
}

}  // namespace tov::platform
