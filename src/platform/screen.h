// Composition: a panel's controls onto its client area by z-plane, and the top-level panels
// onto the virtual screen by stacking order, each inside its frame when the frame is visible.
//
// Only the part of each control that shows is painted. An opaque control keeps a picture of
// that part until it changes; a control that is not opaque is painted over what lies behind
// it; a canvas's own pixels are copied.
#pragma once

#include <functional>
#include <span>

#include "platform/font_book.h"
#include "platform/panel.h"
#include "platform/surface.h"

namespace tov::platform {

// Width of a panel's frame, drawn around (outside) its client area.
constexpr int kFrameWidth = 4;
// The screen where no panel covers it.
constexpr uint32_t kDesktopColor = 0x203040;

// The intersection of two rectangles (width and height 0 when they do not meet) and the
// smallest rectangle holding both (an empty one adds nothing), in 64-bit arithmetic clamped to
// the int range, so that no position a script sets can overflow.
Rect Intersect(Rect a, Rect b);
Rect Union(Rect a, Rect b);
inline bool IsEmpty(Rect r) {
    return r.width <= 0 || r.height <= 0;
}

// Composes the region (panel coordinates) of the panel into out (resized to the region), back
// to front, with the controls' labels. With `last`, composition stops after that control,
// whose own label is left out: what the control shows on the screen, over what lies behind it.
// Child panels are not included.
void ComposeRegion(Panel& panel, Rect region, const Control* last, FontBook& fonts, Surface& out);

// The panel's client area with its controls and visible child panels, kept in panel.composed:
// composed whole again when the panel is marked dirty or changed size, else only within its
// damage rectangle, which gives the same pixels. Where one opaque control covers the panel
// alone (a DMD canvas with nothing else showing), its own pixels are returned instead, with
// nothing composed. Valid until the next change. find_panel gives a child panel by handle (or
// nullptr).
const Surface& ComposedPanel(Panel& panel, const std::function<Panel*(int)>& find_panel,
                             FontBook& fonts);
// The same, always composing the whole client area again: the reference the damage-limited
// composition must equal.
const Surface& ComposedPanelWhole(Panel& panel, const std::function<Panel*(int)>& find_panel,
                                  FontBook& fonts);

// Fills every pixel of the screen that none of the rectangles covers.
void FillUncovered(Surface& screen, std::span<const Rect> covered, uint32_t color);

// Draws a panel's frame around its client rectangle (screen coordinates).
void DrawFrame(Surface& screen, Rect client);

// Copies src onto dst with its top-left corner at (x, y), clipped; with `skip_transparent`
// pixels of the transparent colour leave dst as it was.
void CopyOnto(Surface& dst, int x, int y, const Surface& src, Rect src_area, bool skip_transparent);

}  // namespace tov::platform
