#include "platform/screen.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace tov::platform {

Rect Intersect(Rect a, Rect b) {
    const int64_t x0 = std::max<int64_t>(a.left, b.left);
    const int64_t y0 = std::max<int64_t>(a.top, b.top);
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(a.left) + a.width,
                                         static_cast<int64_t>(b.left) + b.width);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(a.top) + a.height,
                                         static_cast<int64_t>(b.top) + b.height);
    if (x1 <= x0 || y1 <= y0) return Rect{0, 0, 0, 0};
    return MakeRect(static_cast<int>(y0), static_cast<int>(x0), static_cast<int>(y1 - y0),
                    static_cast<int>(x1 - x0));
}

namespace {

int Clamp32(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

Rect Union(Rect a, Rect b) {
    if (IsEmpty(a)) return IsEmpty(b) ? Rect{} : b;
    if (IsEmpty(b)) return a;
    const int64_t x0 = std::min(a.left, b.left);
    const int64_t y0 = std::min(a.top, b.top);
    const int64_t x1 =
        std::max(static_cast<int64_t>(a.left) + a.width, static_cast<int64_t>(b.left) + b.width);
    const int64_t y1 =
        std::max(static_cast<int64_t>(a.top) + a.height, static_cast<int64_t>(b.top) + b.height);
    return MakeRect(static_cast<int>(y0), static_cast<int>(x0), Clamp32(y1 - y0), Clamp32(x1 - x0));
}

namespace {

// Paints one control's visible part onto out, whose pixel (0, 0) is panel pixel (ox, oy).
void ComposeControl(Control& control, int64_t ox, int64_t oy, FontBook& fonts, Surface& out) {
    const int64_t cx = control.Left() - ox;
    const int64_t cy = control.Top() - oy;
    if (cx >= out.width || cy >= out.height || cx + control.Width() <= 0 ||
        cy + control.Height() <= 0) {
        return;
    }
    const Rect on_out =
        Intersect(MakeRect(Clamp32(cy), Clamp32(cx), control.Height(), control.Width()),
                  MakeRect(0, 0, out.height, out.width));
    if (on_out.width <= 0 || on_out.height <= 0) return;
    // The same part in control coordinates.
    const Rect area = MakeRect(static_cast<int>(on_out.top - cy),
                               static_cast<int>(on_out.left - cx), on_out.height, on_out.width);

    bool may_be_transparent = false;
    if (const Surface* own = control.OwnPixels(&may_be_transparent)) {
        CopyOnto(out, on_out.left, on_out.top, *own, area, may_be_transparent);
        return;
    }
    if (control.Opaque()) {
        const Surface& picture = control.CachedPicture(area, fonts);
        CopyOnto(out, on_out.left, on_out.top, picture, MakeRect(0, 0, area.height, area.width),
                 false);
        return;
    }
    // Not opaque: painted over a copy of what lies behind, so that anti-aliased text blends
    // with it, and the copy put back.
    thread_local Surface behind;
    behind.Reset(area.width, area.height);
    for (int y = 0; y < area.height; ++y) {
        std::memcpy(behind.Row(y), out.Row(on_out.top + y) + on_out.left,
                    static_cast<size_t>(area.width) * sizeof(uint32_t));
    }
    Painter painter(behind, -area.left, -area.top, control.Width(), control.Height(), fonts);
    control.Paint(painter);
    CopyOnto(out, on_out.left, on_out.top, behind, MakeRect(0, 0, area.height, area.width), false);
}

void ComposeLabel(const Control& control, int64_t ox, int64_t oy, FontBook& fonts, Surface& out) {
    const Label& label = control.GetLabel();
    if (label.text.empty() || !label.visible) return;
    const Rect r = control.LabelRect(fonts);
    if (r.width <= 0 || r.height <= 0) return;
    const int64_t x = r.left - ox;
    const int64_t y = r.top - oy;
    if (x >= out.width || y >= out.height || x + r.width <= 0 || y + r.height <= 0) return;
    fonts.Engine().DrawText(out, static_cast<int>(x), static_cast<int>(y), control.LabelFont(fonts),
                            label.text, label.color);
}

}  // namespace

void CopyOnto(Surface& dst, int x, int y, const Surface& src, Rect src_area,
              bool skip_transparent) {
    src_area = Intersect(src_area, MakeRect(0, 0, src.height, src.width));
    const Rect on_dst = Intersect(MakeRect(y, x, src_area.height, src_area.width),
                                  MakeRect(0, 0, dst.height, dst.width));
    if (on_dst.width <= 0 || on_dst.height <= 0) return;
    const int sx = src_area.left + (on_dst.left - x);
    const int sy = src_area.top + (on_dst.top - y);
    const size_t count = static_cast<size_t>(on_dst.width);
    for (int row = 0; row < on_dst.height; ++row) {
        const uint32_t* from = src.Row(sy + row) + sx;
        uint32_t* to = dst.Row(on_dst.top + row) + on_dst.left;
        if (!skip_transparent) {
            std::memcpy(to, from, count * sizeof(uint32_t));
            continue;
        }
        // A select rather than a branch, so that the compiler copies several pixels at once.
        for (size_t i = 0; i < count; ++i)
            to[i] = from[i] != static_cast<uint32_t>(kTransparent) ? from[i] : to[i];
    }
}

namespace {

// Whether the control paints every pixel of the region opaquely, so that what lies behind it
// need not be painted first.
bool CoversOpaquely(const Control& control, Rect region) {
    if (!control.Visible()) return false;
    bool may_be_transparent = true;
    const bool own = control.OwnPixels(&may_be_transparent) != nullptr;
    if (own ? may_be_transparent : !control.Opaque()) return false;
    return control.Left() <= region.left && control.Top() <= region.top &&
           static_cast<int64_t>(control.Left()) + control.Width() >=
               static_cast<int64_t>(region.left) + region.width &&
           static_cast<int64_t>(control.Top()) + control.Height() >=
               static_cast<int64_t>(region.top) + region.height;
}

}  // namespace

void ComposeRegion(Panel& panel, Rect region, const Control* last, FontBook& fonts, Surface& out) {
    const bool covered = !panel.controls.empty() && panel.controls.back().get() != last &&
                         CoversOpaquely(*panel.controls.back(), region);
    if (covered && out.width == region.width && out.height == region.height) {
        // The backmost control paints over every pixel: the background would not show.
    } else {
        out.Reset(region.width, region.height, static_cast<uint32_t>(panel.back_color));
    }
    for (auto it = panel.controls.rbegin(); it != panel.controls.rend(); ++it) {
        Control& control = **it;
        const bool is_last = &control == last;
        if (control.Visible() || is_last) {
            ComposeControl(control, region.left, region.top, fonts, out);
            if (!is_last && control.Visible()) {
                ComposeLabel(control, region.left, region.top, fonts, out);
            }
        }
        if (is_last) break;
    }
}

namespace {

// Composes the region (panel coordinates) of the panel with its visible child panels into
// out, sized to the region.
void ComposeWithChildren(Panel& panel, Rect region, const std::function<Panel*(int)>& find_panel,
                         FontBook& fonts, bool whole, Surface& out) {
    ComposeRegion(panel, region, nullptr, fonts, out);
    for (int handle : panel.children) {
        Panel* child = find_panel(handle);
        if (child == nullptr || !child->visible) continue;
        const Surface& pixels = whole ? ComposedPanelWhole(*child, find_panel, fonts)
                                      : ComposedPanel(*child, find_panel, fonts);
        CopyOnto(out, Clamp32(static_cast<int64_t>(child->left) - region.left),
                 Clamp32(static_cast<int64_t>(child->top) - region.top), pixels,
                 MakeRect(0, 0, pixels.height, pixels.width), false);
    }
}

}  // namespace

namespace {

// The own pixels of the one control that makes up the panel's whole composition, or nullptr:
// the only visible control, at (0, 0) and of the panel's size, opaque, its pixels as large,
// without a label that shows, and no visible child panel. The panel then shows exactly those
// pixels, as a DMD canvas over a panel with nothing else on it does.
const Surface* SoleOwnPixels(const Panel& panel, const std::function<Panel*(int)>& find_panel) {
    const Surface* sole = nullptr;
    for (const auto& control : panel.controls) {
        if (!control->Visible()) continue;
        if (sole != nullptr) return nullptr;
        bool may_be_transparent = true;
        const Surface* own = control->OwnPixels(&may_be_transparent);
        if (own == nullptr || may_be_transparent) return nullptr;
        if (control->Left() != 0 || control->Top() != 0 || control->Width() != panel.width ||
            control->Height() != panel.height || own->width != panel.width ||
            own->height != panel.height) {
            return nullptr;
        }
        const Label& label = control->GetLabel();
        if (!label.text.empty() && label.visible) return nullptr;
        sole = own;
    }
    for (int handle : panel.children) {
        const Panel* child = find_panel(handle);
        if (child != nullptr && child->visible) return nullptr;
    }
    return sole;
}

}  // namespace

const Surface& ComposedPanel(Panel& panel, const std::function<Panel*(int)>& find_panel,
                             FontBook& fonts) {
    const Rect whole = MakeRect(0, 0, panel.height, panel.width);
    if (const Surface* sole = SoleOwnPixels(panel, find_panel)) {
        // Nothing to compose: the control's own pixels are the panel's, and what changed in
        // them is what the damage says.
        panel.recomposed =
            Union(panel.recomposed, panel.dirty ? whole : Intersect(panel.damage, whole));
        panel.damage = Rect{};
        panel.dirty = false;
        panel.composed_kept = false;
        return *sole;
    }
    if (!panel.composed_kept && !panel.dirty) {
        // The composition was one control's pixels until now and panel.composed was not kept:
        // composed again whole, though only the damage shows anything new.
        const Rect changed = Union(panel.recomposed, Intersect(panel.damage, whole));
        ComposedPanelWhole(panel, find_panel, fonts);
        panel.recomposed = changed;
        return panel.composed;
    }
    if (panel.dirty || panel.composed.width != panel.width ||
        panel.composed.height != panel.height) {
        return ComposedPanelWhole(panel, find_panel, fonts);
    }
    const Rect region = Intersect(panel.damage, whole);
    panel.damage = Rect{};
    if (IsEmpty(region)) return panel.composed;
    panel.recomposed = Union(panel.recomposed, region);
    // The visible child panels are brought up to date first, since composing what changed on
    // one of them uses the same scratch surface as the part composed here.
    for (int handle : panel.children) {
        Panel* child = find_panel(handle);
        if (child != nullptr && child->visible) ComposedPanel(*child, find_panel, fonts);
    }
    if (region == whole) {
        // Everything changed: composed in place, without a copy through the scratch surface.
        ComposeWithChildren(panel, whole, find_panel, fonts, false, panel.composed);
        return panel.composed;
    }
    thread_local Surface part;
    ComposeWithChildren(panel, region, find_panel, fonts, false, part);
    CopyOnto(panel.composed, region.left, region.top, part, MakeRect(0, 0, part.height, part.width),
             false);
    return panel.composed;
}

const Surface& ComposedPanelWhole(Panel& panel, const std::function<Panel*(int)>& find_panel,
                                  FontBook& fonts) {
    ComposeWithChildren(panel, MakeRect(0, 0, panel.height, panel.width), find_panel, fonts, true,
                        panel.composed);
    panel.dirty = false;
    panel.composed_kept = true;
    panel.damage = Rect{};
    panel.recomposed = MakeRect(0, 0, panel.height, panel.width);
    return panel.composed;
}

void FillUncovered(Surface& screen, std::span<const Rect> covered, uint32_t color) {
    thread_local std::vector<std::pair<int, int>> spans;  // [x0, x1) covered on the row
    for (int y = 0; y < screen.height; ++y) {
        spans.clear();
        for (const Rect& r : covered) {
            if (y < r.top || static_cast<int64_t>(y) >= static_cast<int64_t>(r.top) + r.height) {
                continue;
            }
            const int x0 = std::clamp<int64_t>(r.left, 0, screen.width);
            const int x1 =
                std::clamp<int64_t>(static_cast<int64_t>(r.left) + r.width, 0, screen.width);
            if (x0 < x1) spans.emplace_back(x0, x1);
        }
        std::sort(spans.begin(), spans.end());
        uint32_t* row = screen.Row(y);
        int x = 0;
        for (const auto& [x0, x1] : spans) {
            if (x0 > x) std::fill(row + x, row + x0, color);
            x = std::max(x, x1);
        }
        if (x < screen.width) std::fill(row + x, row + screen.width, color);
    }
}

void DrawFrame(Surface& screen, Rect client) {
    // An outer dark line, a light body and an inner dark line.
    const int64_t left = static_cast<int64_t>(client.left) - kFrameWidth;
    const int64_t top = static_cast<int64_t>(client.top) - kFrameWidth;
    const int64_t width = static_cast<int64_t>(client.width) + 2 * kFrameWidth;
    const int64_t height = static_cast<int64_t>(client.height) + 2 * kFrameWidth;
    const auto ring = [&](int inset, int thickness, uint32_t color) {
        const Rect r = MakeRect(Clamp32(top + inset), Clamp32(left + inset),
                                Clamp32(height - 2 * inset), Clamp32(width - 2 * inset));
        DrawRect(screen, r, DrawMode::Outline, Pen{static_cast<Color>(color), thickness},
                 kTransparent);
    };
    ring(0, 1, 0x202020);
    ring(1, kFrameWidth - 2, 0xA0A0A0);
    ring(kFrameWidth - 1, 1, 0x404040);
}

}  // namespace tov::platform
