// A panel: a window's client area with its controls in z-order, as the run-time keeps it.
//
// Controls are kept front first: z-plane position 0 is the front. Moving a control to another
// z-plane position keeps the order of the others. Panel coordinates: (0, 0) is the top-left
// corner of the client area; a child panel's left and top are in its parent's coordinates,
// a top-level panel's in screen coordinates.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/control.h"
#include "platform/runtime.h"
#include "platform/surface.h"

namespace tov::platform {

class Panel {
  public:
    int handle = 0;
    int parent = 0;  // 0 = top level
    std::string file;
    int resource = 0;
    std::string title;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool frame = true;
    bool enabled = true;
    bool sizable = true;
    Color back_color = 0xC0C0C0;
    intptr_t window = 0;
    std::vector<std::unique_ptr<Control>> controls;  // front first
    std::vector<int> children;                       // child panels, back first

    // The composed client area, kept until something on the panel changes: `dirty` composes
    // all of it again, `damage` (panel coordinates, empty when nothing changed) only that part.
    // While one control's own pixels make up the whole composition they are used instead, and
    // `composed_kept` is false: composed is then out of date.
    Surface composed;
    bool dirty = true;
    bool composed_kept = false;
    Rect damage{};
    // What composition changed since the presenter last took the pixels (panel coordinates).
    Rect recomposed{};
    // Where the panel showed when it last moved, changed size or was shown or hidden: in its
    // parent's coordinates, or a top-level panel's on the screen with its frame; empty while
    // hidden. Moving it again marks this rectangle and the new one for composition.
    Rect placed{};

    Control* Find(int id) const;
    // -1 for a control the panel does not have.
    int ZPlaneOf(int id) const;
    // Moves the control to the position (beyond the last position: to the back).
    int MoveToZPlane(int id, int position);

    // Panel attributes: Left, Top, Width, Height, Visible, FrameVisible, SystemWindowHandle
    // (read only), Enabled, Sizable, BackColor.
    int SetAttribute(Attr attr, int value);
    int GetAttribute(Attr attr, int* value) const;

    PanelInfo Info() const;
    // The same into an existing record, whose texts keep their storage where they fit.
    void FillInfo(PanelInfo* info) const;
};

}  // namespace tov::platform
