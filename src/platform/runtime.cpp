// The run-time: handles of panels, controls and bitmaps, and dispatch of every operation to the
// panel or control it names.
//
// Sections: state and handles; panels; controls; list items, text boxes, strip charts; canvas
// drawing; bitmaps; fonts; popups and input; system services; introspection and composition.
//
// Every operation first finds what its handles name and returns a negative status, changing
// nothing, when they name nothing or the wrong kind. A successful change marks the panel (and
// the screen) for composition.
#include "platform/runtime.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <type_traits>

#include "platform/controls/canvas.h"
#include "platform/controls/list_control.h"
#include "platform/controls/picture.h"
#include "platform/controls/picture_ring.h"
#include "platform/controls/strip_chart.h"
#include "platform/controls/text_box.h"
#include "platform/font_book.h"
#include "platform/image_file.h"
#include "platform/panel.h"
#include "platform/panel_files.h"
#include "platform/popup_log.h"
#include "platform/presenters/headless.h"
#include "platform/raster.h"
#include "platform/screen.h"
#include "platform/system.h"

namespace tov::platform {

AttrType TypeOfAttr(Attr attr) {
    switch (attr) {
        case Attr::TextFont:
        case Attr::LabelText:
        case Attr::LabelFont:
        case Attr::ScaleFont:
            return AttrType::Text;
        case Attr::MinValue:
        case Attr::MaxValue:
        case Attr::StartAngle:
        case Attr::EndAngle:
        case Attr::Value:
            return AttrType::Double;
        default:
            return AttrType::Int;
    }
}

// ---- state and handles -----------------------------------------------------------------------

namespace {

// Window handles the run-time gives its panels: never 0, distinct from panel handles.
constexpr intptr_t kFirstWindow = 0x10000;

}  // namespace

struct Runtime::State {
    std::unique_ptr<Presenter> presenter;
    std::map<int, std::unique_ptr<Panel>> panels;
    std::vector<int> stacking;  // top-level panels, back first
    std::vector<PanelInfo> discarded;
    int next_panel = 1;
    std::map<int, Bitmap> bitmaps;
    int next_bitmap = 1;
    std::vector<PopupRecord> popups;
    FontBook fonts;
    Surface screen;
    bool screen_dirty = true;  // compose the whole screen again
    // Else only these regions (screen coordinates): a few rectangles rather than their union,
    // so that a panel moving far, or two panels changing far apart, do not compose everything
    // that lies between. Past kMaxScreenDamage they are joined into one.
    std::vector<Rect> screen_damage;
    std::vector<Rect> screen_composed;  // what the last ComposeScreen composed again
    std::string last_file_error;

    Panel* FindPanel(int handle) const {
        auto found = panels.find(handle);
        return found == panels.end() ? nullptr : found->second.get();
    }

    // The control (panel, id), or nullptr with *status saying why.
    Control* FindControl(int panel, int id, int* status) const {
        Panel* p = FindPanel(panel);
        if (p == nullptr) {
            *status = kUIEInvalidPanel;
            return nullptr;
        }
        Control* c = p->Find(id);
        *status = c == nullptr ? kUIEInvalidControl : kUISuccess;
        return c;
    }

    // The control as kind T, or nullptr with *status kUIEWrongControlKind for another kind.
    template <typename T>
    T* Find(int panel, int id, int* status) const {
        Control* c = FindControl(panel, id, status);
        if (c == nullptr) return nullptr;
        T* typed = dynamic_cast<T*>(c);
        if (typed == nullptr) *status = kUIEWrongControlKind;
        return typed;
    }

    // Applies change (returning a status) to the control as kind T; a change that succeeds marks
    // what the control showed and shows for composing again.
    template <typename T, typename Change>
    int Modify(int panel, int id, Change change) {
        int status = kUISuccess;
        T* typed = Find<T>(panel, id, &status);
        if (typed == nullptr) return status;
        const Rect before = Bounds(*typed);
        status = change(*typed);
        if (status != kUISuccess) return status;
        if constexpr (std::is_same_v<T, Canvas>) {
            // Drawing changes only what was drawn, within the canvas.
            const Rect drawn =
                Intersect(typed->TakeDrawnArea(), MakeRect(0, 0, typed->Height(), typed->Width()));
            if (IsEmpty(drawn)) return status;
            Damage(panel, MakeRect(ClampSum(drawn.top, typed->Top()),
                                   ClampSum(drawn.left, typed->Left()), drawn.height, drawn.width));
        } else {
            Damage(panel, before);
            Damage(panel, Bounds(*typed));
        }
        return status;
    }

    static int ClampSum(int64_t a, int64_t b) {
        return static_cast<int>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
    }

    // Where a control can paint on its panel: its rectangle and its label's.
    Rect Bounds(Control& c) {
        return Union(MakeRect(c.Top(), c.Left(), c.Height(), c.Width()), c.LabelRect(fonts));
    }

    // The region (panel coordinates) of the panel changed: it is composed again there, and so
    // is the part of every panel and of the screen it shows on. Each region is cut to the panel
    // (and the screen's largest extent) before it joins the others, so that a far-away one
    // cannot stretch their union beyond the int range.
    void Damage(int handle, Rect region) {
        for (Panel* p = FindPanel(handle); p != nullptr;) {
            region = Intersect(region, MakeRect(0, 0, p->height, p->width));
            if (IsEmpty(region)) return;
            p->damage = Union(p->damage, region);
            region.left = ClampSum(region.left, p->left);
            region.top = ClampSum(region.top, p->top);
            if (p->parent == 0) break;
            p = FindPanel(p->parent);
            if (p == nullptr) return;
        }
        DamageScreen(region);
    }

    static constexpr size_t kMaxScreenDamage = 8;

    // The region (screen coordinates) of the screen changed.
    void DamageScreen(Rect region) {
        region = Intersect(region, MakeRect(0, 0, kMaxExtent, kMaxExtent));
        if (IsEmpty(region)) return;
        for (const Rect& r : screen_damage) {
            if (Intersect(r, region) == region) return;  // already marked
        }
        std::erase_if(screen_damage, [&](const Rect& r) { return Intersect(r, region) == r; });
        if (screen_damage.size() < kMaxScreenDamage) {
            screen_damage.push_back(region);
            return;
        }
        for (const Rect& r : screen_damage)
            region = Union(region, r);
        screen_damage.assign(1, region);
    }

    // Something on the panel changed everywhere: it is composed again whole, and every panel
    // and the screen where it shows.
    void Touch(int handle) {
        Panel* p = FindPanel(handle);
        if (p == nullptr) return;
        p->dirty = true;
        Damage(handle, MakeRect(0, 0, p->height, p->width));
    }

    // Where the panel shows now: a child panel's client area in its parent's coordinates, a
    // top-level panel's with its frame on the screen; empty while it is hidden.
    static Rect Placement(const Panel& panel) {
        if (!panel.visible) return Rect{};
        const int frame = panel.parent == 0 && panel.frame ? kFrameWidth : 0;
        return MakeRect(ClampSum(panel.top, -frame), ClampSum(panel.left, -frame),
                        ClampSum(panel.height, 2 * frame), ClampSum(panel.width, 2 * frame));
    }

    // The panel moved, changed size, was shown, hidden or brought to the front of its siblings:
    // what lies where it showed before and where it shows now is composed again, nothing else.
    void Moved(Panel& panel) {
        const Rect before = panel.placed;
        panel.placed = Placement(panel);
        if (panel.parent != 0) {
            Damage(panel.parent, before);
            Damage(panel.parent, panel.placed);
        } else {
            DamageScreen(before);
            DamageScreen(panel.placed);
        }
    }

    int AddBitmap(Bitmap bitmap) {
        const int handle = next_bitmap++;
        bitmaps.emplace(handle, std::move(bitmap));
        return handle;
    }

    void Discard(int handle) {
        Panel* panel = FindPanel(handle);
        if (panel == nullptr) return;
        const std::vector<int> children = panel->children;
        for (int child : children)
            Discard(child);
        PanelInfo info = panel->Info();
        info.discarded = true;
        info.visible = false;
        discarded.push_back(info);
        panel->visible = false;
        Moved(*panel);
        if (Panel* parent = FindPanel(panel->parent)) std::erase(parent->children, handle);
        std::erase(stacking, handle);
        panels.erase(handle);
    }
};

Runtime::Runtime(std::unique_ptr<Presenter> presenter) : state_(std::make_unique<State>()) {
    state_->presenter = presenter ? std::move(presenter) : std::make_unique<HeadlessPresenter>();
}

Runtime::~Runtime() = default;

// ---- panels ----------------------------------------------------------------------------------

int Runtime::LoadPanelEx(int parent, std::string_view file, int resource) {
    State& s = *state_;
    Panel* parent_panel = nullptr;
    if (parent != 0) {
        parent_panel = s.FindPanel(parent);
        if (parent_panel == nullptr) return kUIEInvalidPanel;
    }
    int status = kUISuccess;
    const PanelSpec* spec = FindPanelSpec(file, resource, &status);
    if (spec == nullptr) return status;
    std::unique_ptr<Panel> panel = BuildPanel(*spec, s.fonts);
    const int handle = s.next_panel++;
    panel->handle = handle;
    panel->parent = parent;
    panel->window = kFirstWindow + handle;
    if (parent_panel != nullptr) {
        parent_panel->children.push_back(handle);
    } else {
        s.stacking.push_back(handle);
    }
    s.panels.emplace(handle, std::move(panel));
    return handle;
}

int Runtime::DisplayPanel(int panel) {
    State& s = *state_;
    Panel* p = s.FindPanel(panel);
    if (p == nullptr) return kUIEInvalidPanel;
    p->visible = true;
    // A displayed panel comes in front of its siblings.
    std::vector<int>& siblings = p->parent == 0 ? s.stacking : s.FindPanel(p->parent)->children;
    std::erase(siblings, panel);
    siblings.push_back(panel);
    s.Moved(*p);
    return kUISuccess;
}

int Runtime::HidePanel(int panel) {
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return kUIEInvalidPanel;
    p->visible = false;
    state_->Moved(*p);
    return kUISuccess;
}

int Runtime::DiscardPanel(int panel) {
    if (state_->FindPanel(panel) == nullptr) return kUIEInvalidPanel;
    state_->Discard(panel);
    return kUISuccess;
}

int Runtime::SetPanelAttribute(int panel, Attr attr, int value) {
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return kUIEInvalidPanel;
    const int status = p->SetAttribute(attr, value);
    if (status != kUISuccess) return status;
    switch (attr) {
        case Attr::Left:
        case Attr::Top:
        case Attr::Visible:
        case Attr::FrameVisible:
            state_->Moved(*p);
            break;
        case Attr::Width:
        case Attr::Height:
            // The panel's own pixels are composed again whole at their new size (it marked
            // itself dirty); around it, what it covered or uncovers.
            state_->Moved(*p);
            break;
        case Attr::BackColor:
            state_->Touch(panel);
            break;
        default:
            break;  // nothing that shows
    }
    if (attr == Attr::Enabled) state_->presenter->EnableWindow(p->window, value != 0);
    return kUISuccess;
}

int Runtime::GetPanelAttribute(int panel, Attr attr, int* value) {
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return kUIEInvalidPanel;
    return p->GetAttribute(attr, value);
}

// ---- controls --------------------------------------------------------------------------------

int Runtime::SetCtrlAttribute(int panel, int control, Attr attr, int value) {
    return SetCtrlAttributeValue(panel, control, attr, AttrValue(value));
}

int Runtime::SetCtrlAttribute(int panel, int control, Attr attr, double value) {
    return SetCtrlAttributeValue(panel, control, attr, AttrValue(value));
}

int Runtime::SetCtrlAttribute(int panel, int control, Attr attr, std::string_view value) {
    return SetCtrlAttributeValue(panel, control, attr, AttrValue(std::string(value)));
}

int Runtime::SetCtrlAttributeValue(int panel, int control, Attr attr, const AttrValue& value) {
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return status;
    if (attr == Attr::Value) {
        if (const std::string* text = std::get_if<std::string>(&value)) {
            return SetCtrlVal(panel, control, *text);
        }
        const double* d = std::get_if<double>(&value);
        return SetCtrlVal(panel, control, d != nullptr ? *d : std::get<int>(value));
    }
    const Rect before = s.Bounds(*c);
    if (attr == Attr::ZPlanePosition) {
        const int* position = std::get_if<int>(&value);
        if (position == nullptr) return kUIEInvalidValue;
        status = s.FindPanel(panel)->MoveToZPlane(control, *position);
    } else {
        status = c->SetAttribute(attr, value, s.fonts);
    }
    if (status == kUISuccess) {
        s.Damage(panel, before);
        s.Damage(panel, s.Bounds(*c));
    }
    return status;
}

int Runtime::GetCtrlAttributeValue(int panel, int control, Attr attr, AttrValue* value) {
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return status;
    if (attr == Attr::ZPlanePosition) {
        *value = s.FindPanel(panel)->ZPlaneOf(control);
        return kUISuccess;
    }
    if (attr == Attr::Value) {
        double number = 0.0;
        if (c->GetValue(&number) == kUISuccess) {
            *value = number;
            return kUISuccess;
        }
        std::string text;
        status = c->GetValue(&text);
        if (status == kUISuccess) *value = std::move(text);
        return status;
    }
    return c->GetAttribute(attr, value);
}

int Runtime::GetCtrlAttribute(int panel, int control, Attr attr, int* value) {
    if (value == nullptr) return kUIENullPointer;
    AttrValue v;
    const int status = GetCtrlAttributeValue(panel, control, attr, &v);
    if (status != kUISuccess) return status;
    if (const int* i = std::get_if<int>(&v)) {
        *value = *i;
        return kUISuccess;
    }
    if (const double* d = std::get_if<double>(&v)) {
        if (!std::isfinite(*d) || std::fabs(*d) > 2147483647.0) return kUIEInvalidValue;
        *value = static_cast<int>(*d);
        return kUISuccess;
    }
    return kUIEInvalidValue;
}

int Runtime::GetCtrlAttribute(int panel, int control, Attr attr, double* value) {
    if (value == nullptr) return kUIENullPointer;
    AttrValue v;
    const int status = GetCtrlAttributeValue(panel, control, attr, &v);
    if (status != kUISuccess) return status;
    if (const int* i = std::get_if<int>(&v)) {
        *value = *i;
        return kUISuccess;
    }
    if (const double* d = std::get_if<double>(&v)) {
        *value = *d;
        return kUISuccess;
    }
    return kUIEInvalidValue;
}

int Runtime::GetCtrlAttribute(int panel, int control, Attr attr, std::string* value) {
    if (value == nullptr) return kUIENullPointer;
    AttrValue v;
    const int status = GetCtrlAttributeValue(panel, control, attr, &v);
    if (status != kUISuccess) return status;
    if (std::string* text = std::get_if<std::string>(&v)) {
        *value = std::move(*text);
        return kUISuccess;
    }
    return kUIEInvalidValue;
}

int Runtime::SetCtrlVal(int panel, int control, double value) {
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return status;
    const Rect before = s.Bounds(*c);
    status = c->SetValue(value, s.fonts);
    if (status == kUISuccess) {
        s.Damage(panel, before);
        s.Damage(panel, s.Bounds(*c));
    }
    return status;
}

int Runtime::SetCtrlVal(int panel, int control, std::string_view value) {
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return status;
    const Rect before = s.Bounds(*c);
    status = c->SetValue(value, s.fonts);
    if (status == kUISuccess) {
        s.Damage(panel, before);
        s.Damage(panel, s.Bounds(*c));
    }
    return status;
}

int Runtime::GetCtrlVal(int panel, int control, double* value) {
    if (value == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    Control* c = state_->FindControl(panel, control, &status);
    return c == nullptr ? status : c->GetValue(value);
}

int Runtime::GetCtrlVal(int panel, int control, std::string* value) {
    if (value == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    Control* c = state_->FindControl(panel, control, &status);
    return c == nullptr ? status : c->GetValue(value);
}

int Runtime::SetCtrlBitmap(int panel, int control, int bitmap) {
    State& s = *state_;
    int status = kUISuccess;
    Picture* picture = s.Find<Picture>(panel, control, &status);
    if (picture == nullptr) return status;
    if (bitmap == 0) {
        picture->SetImage(nullptr);
    } else {
        const Bitmap* b = FindBitmap(bitmap);
        if (b == nullptr) return kUIEInvalidBitmap;
        picture->SetImage(b);
    }
    s.Damage(panel, s.Bounds(*picture));
    return kUISuccess;
}

// ---- list items, text boxes, strip charts ----------------------------------------------------

int Runtime::InsertListItem(int panel, int control, int index, std::string_view label, int value) {
    return state_->Modify<ListControl>(
        panel, control, [&](ListControl& list) { return list.InsertItem(index, label, value); });
}

int Runtime::ReplaceListItem(int panel, int control, int index, std::string_view label, int value) {
    return state_->Modify<ListControl>(
        panel, control, [&](ListControl& list) { return list.ReplaceItem(index, label, value); });
}

int Runtime::DeleteListItem(int panel, int control, int index, int count) {
    return state_->Modify<ListControl>(
        panel, control, [&](ListControl& list) { return list.DeleteItems(index, count); });
}

int Runtime::GetNumListItems(int panel, int control, int* count) {
    if (count == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    ListControl* list = state_->Find<ListControl>(panel, control, &status);
    if (list == nullptr) return status;
    *count = list->Count();
    return kUISuccess;
}

int Runtime::DeleteTextBoxLine(int panel, int control, int line) {
    return state_->Modify<TextBox>(panel, control,
                                   [&](TextBox& box) { return box.DeleteLine(line); });
}

int Runtime::DeleteTextBoxLines(int panel, int control, int first, int count) {
    return state_->Modify<TextBox>(panel, control,
                                   [&](TextBox& box) { return box.DeleteLines(first, count); });
}

int Runtime::GetNumTextBoxLines(int panel, int control, int* count) {
    if (count == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    TextBox* box = state_->Find<TextBox>(panel, control, &status);
    if (box == nullptr) return status;
    *count = box->LineCount();
    return kUISuccess;
}

int Runtime::PlotStripChartPoint(int panel, int control, double value) {
    return state_->Modify<StripChart>(panel, control,
                                      [&](StripChart& chart) { return chart.Plot(value); });
}

int Runtime::ClearStripChart(int panel, int control) {
    return state_->Modify<StripChart>(panel, control, [&](StripChart& chart) -> int {
        chart.Clear();
        return kUISuccess;
    });
}

// ---- canvas drawing --------------------------------------------------------------------------

namespace {

bool ValidMode(DrawMode mode) {
    return mode == DrawMode::Outline || mode == DrawMode::Interior || mode == DrawMode::Both;
}

}  // namespace

int Runtime::CanvasDrawBitmap(int panel, int control, int bitmap, Rect src, Rect dst) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        // Rows kept from SetBitmapData are converted by the draw itself, not settled first.
        auto found = state_->bitmaps.find(bitmap);
        if (found == state_->bitmaps.end()) return kUIEInvalidBitmap;
        const Bitmap* b = &found->second;
        canvas.DrawBitmap(*b, src, dst);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawBitmapPieces(int panel, int control, int bitmap,
                                    std::span<const BitmapPiece> pieces) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        const Bitmap* b = FindBitmap(bitmap);
        if (b == nullptr) return kUIEInvalidBitmap;
        canvas.DrawBitmapPieces(*b, pieces);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawRects(int panel, int control, std::span<const Rect> rects, DrawMode mode) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        if (!ValidMode(mode)) return kUIEInvalidValue;
        canvas.DrawRects(rects, mode);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawRect(int panel, int control, Rect r, DrawMode mode) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        if (!ValidMode(mode)) return kUIEInvalidValue;
        canvas.DrawRect(r, mode);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawOval(int panel, int control, Rect r, DrawMode mode) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        if (!ValidMode(mode)) return kUIEInvalidValue;
        canvas.DrawOval(r, mode);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawPoly(int panel, int control, std::span<const Point> points, bool closed,
                            DrawMode mode) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        if (!ValidMode(mode)) return kUIEInvalidValue;
        canvas.DrawPoly(points, closed, mode);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawLine(int panel, int control, Point a, Point b) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        canvas.DrawLine(a, b);
        return kUISuccess;
    });
}

int Runtime::CanvasDrawPoint(int panel, int control, Point p) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        canvas.DrawPoint(p);
        return kUISuccess;
    });
}

int Runtime::CanvasClear(int panel, int control, Rect r) {
    return state_->Modify<Canvas>(panel, control, [&](Canvas& canvas) -> int {
        canvas.Clear(r);
        return kUISuccess;
    });
}

int Runtime::CanvasGetPixels(int panel, int control, Rect r, std::span<uint32_t> out) {
    int status = kUISuccess;
    Canvas* canvas = state_->Find<Canvas>(panel, control, &status);
    if (canvas == nullptr) return status;
    const Rect resolved = ResolveRect(r, canvas->Content().width, canvas->Content().height);
    if (resolved.width < 0 || resolved.height < 0) return kUIEInvalidValue;
    if (static_cast<int64_t>(resolved.width) * resolved.height > static_cast<int64_t>(out.size())) {
        return kUIEBufferTooSmall;
    }
    return canvas->GetPixels(resolved, out) ? kUISuccess : kUIEBufferTooSmall;
}

int Runtime::CanvasGetPixel(int panel, int control, Point p, uint32_t* color) {
    if (color == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    Canvas* canvas = state_->Find<Canvas>(panel, control, &status);
    if (canvas == nullptr) return status;
    return canvas->GetPixel(p, color) ? kUISuccess : kUIEInvalidValue;
}

int Runtime::CanvasStartBatchDraw(int panel, int control) {
    int status = kUISuccess;
    Canvas* canvas = state_->Find<Canvas>(panel, control, &status);
    if (canvas == nullptr) return status;
    canvas->StartBatch();
    return kUISuccess;
}

int Runtime::CanvasEndBatchDraw(int panel, int control) {
    int status = kUISuccess;
    Canvas* canvas = state_->Find<Canvas>(panel, control, &status);
    if (canvas == nullptr) return status;
    return canvas->EndBatch() ? kUISuccess : kUIEInvalidValue;
}

// ---- bitmaps ---------------------------------------------------------------------------------

int Runtime::GetBitmapFromFile(const std::string& path, int* bitmap) {
    if (bitmap == nullptr) return kUIENullPointer;
    Bitmap loaded;
    std::string why;
    const int status = ReadImageFile(path, &loaded, &why);
    if (status != kUISuccess) {
        state_->last_file_error = why;
        return status;
    }
    state_->last_file_error.clear();
    *bitmap = state_->AddBitmap(std::move(loaded));
    return kUISuccess;
}

int Runtime::NewBitmap(const Surface& pixels, int* bitmap) {
    if (bitmap == nullptr) return kUIENullPointer;
    if (pixels.pixels.size() != static_cast<size_t>(pixels.width) * pixels.height) {
        return kUIEInvalidValue;
    }
    *bitmap = state_->AddBitmap(BitmapFromSurface(pixels));
    return kUISuccess;
}

int Runtime::GetBitmapInfo(int bitmap, int* bytes_per_row, int* pixel_depth, int* width,
                           int* height) {
    const Bitmap* b = FindBitmap(bitmap);
    if (b == nullptr) return kUIEInvalidBitmap;
    if (bytes_per_row != nullptr) *bytes_per_row = b->bytes_per_row;
    if (pixel_depth != nullptr) *pixel_depth = b->pixel_depth;
    if (width != nullptr) *width = b->image.width;
    if (height != nullptr) *height = b->image.height;
    return kUISuccess;
}

int Runtime::GetBitmapData(int bitmap, std::vector<uint8_t>* bits, std::vector<uint8_t>* mask) {
    const Bitmap* b = FindBitmap(bitmap);
    if (b == nullptr) return kUIEInvalidBitmap;
    if (bits == nullptr || mask == nullptr) return kUIENullPointer;
    EncodeBitmapData(*b, bits, mask);
    return kUISuccess;
}

int Runtime::SetBitmapData(int bitmap, int bytes_per_row, int pixel_depth,
                           std::span<const uint8_t> bits, std::span<const uint8_t> mask) {
    auto found = state_->bitmaps.find(bitmap);
    if (found == state_->bitmaps.end()) return kUIEInvalidBitmap;
    return KeepBitmapData(&found->second, bytes_per_row, pixel_depth, bits, mask);
}

int Runtime::SwapBitmapData(int bitmap, int bytes_per_row, int pixel_depth,
                            std::vector<uint8_t>* bits) {
    auto found = state_->bitmaps.find(bitmap);
    if (found == state_->bitmaps.end()) return kUIEInvalidBitmap;
    return platform::SwapBitmapData(&found->second, bytes_per_row, pixel_depth, bits);
}

int Runtime::DiscardBitmap(int bitmap) {
    return state_->bitmaps.erase(bitmap) == 1 ? kUISuccess : kUIEInvalidBitmap;
}

const Bitmap* Runtime::FindBitmap(int bitmap) const {
    auto found = state_->bitmaps.find(bitmap);
    if (found == state_->bitmaps.end()) return nullptr;
    // Every reader but the canvas draw sees the pixels in `image`.
    SettleBitmap(&found->second);
    return &found->second;
}

int Runtime::GetCtrlBitmap(int panel, int control, int* bitmap) {
    if (bitmap == nullptr) return kUIENullPointer;
    int status = kUISuccess;
    Control* c = state_->FindControl(panel, control, &status);
    if (c == nullptr) return status;
    if (const Canvas* canvas = dynamic_cast<const Canvas*>(c)) {
        // Transparent pixels of the canvas become masked pixels of the bitmap.
        const Surface& content = canvas->Content();
        Bitmap b = BitmapFromSurface(content);
        const uint32_t transparent = static_cast<uint32_t>(kTransparent);
        if (std::find(content.pixels.begin(), content.pixels.end(), transparent) !=
            content.pixels.end()) {
            b.mask.assign(content.pixels.size(), 1);
            for (size_t i = 0; i < content.pixels.size(); ++i) {
                if (content.pixels[i] == transparent) {
                    b.mask[i] = 0;
                    b.image.pixels[i] = 0;
                }
            }
        }
        *bitmap = state_->AddBitmap(std::move(b));
        return kUISuccess;
    }
    const Bitmap* image = nullptr;
    if (const Picture* picture = dynamic_cast<const Picture*>(c)) image = picture->Image();
    if (const PictureRing* ring = dynamic_cast<const PictureRing*>(c)) {
        image = ring->ImageOf(ring->Selected());
    }
    if (image == nullptr) {
        return dynamic_cast<const ListControl*>(c) != nullptr ||
                       dynamic_cast<const Picture*>(c) != nullptr
                   ? kUIEInvalidBitmap
                   : kUIEWrongControlKind;
    }
    *bitmap = state_->AddBitmap(*image);
    return kUISuccess;
}

int Runtime::CanvasUpdateBitmap(int panel, int control, Rect area, int bitmap) {
    int status = kUISuccess;
    const Canvas* canvas = state_->Find<Canvas>(panel, control, &status);
    if (canvas == nullptr) return status;
    auto found = state_->bitmaps.find(bitmap);
    if (found == state_->bitmaps.end()) return kUIEInvalidBitmap;
    Bitmap& b = found->second;
    // The copy changes `image`: kept rows would no longer say what the bitmap holds.
    SettleBitmap(&b);
    b.rows.clear();
    const Surface& content = canvas->Content();
    const Rect r = ResolveRect(area, content.width, content.height);
    const int64_t x0 = std::max<int64_t>(r.left, 0);
    const int64_t y0 = std::max<int64_t>(r.top, 0);
    const int64_t x1 =
        std::min<int64_t>({static_cast<int64_t>(r.left) + r.width, content.width, b.image.width});
    const int64_t y1 =
        std::min<int64_t>({static_cast<int64_t>(r.top) + r.height, content.height, b.image.height});
    if (x0 >= x1 || y0 >= y1) return kUISuccess;
    const size_t count = static_cast<size_t>(x1 - x0);
    const uint32_t transparent = static_cast<uint32_t>(kTransparent);
    for (int64_t y = y0; y < y1; ++y) {
        const uint32_t* in = content.Row(static_cast<int>(y)) + x0;
        uint32_t* out = b.image.Row(static_cast<int>(y)) + x0;
        if (canvas->Opaque() && !b.HasMask()) {
            std::memcpy(out, in, count * sizeof(uint32_t));
            continue;
        }
        for (size_t i = 0; i < count; ++i) {
            const bool shown = in[i] != transparent;
            if (!shown && !b.HasMask()) b.mask.assign(b.image.pixels.size(), 1);
            if (b.HasMask()) {
                b.mask[static_cast<size_t>(y) * b.image.width + static_cast<size_t>(x0) + i] =
                    shown ? 1 : 0;
            }
            out[i] = shown ? in[i] : 0;
        }
    }
    return kUISuccess;
}

int Runtime::GetCtrlDisplayBitmap(int panel, int control, int* bitmap) {
    if (bitmap == nullptr) return kUIENullPointer;
    Surface pixels;
    const int status = ComposeControlStatus(panel, control, &pixels);
    if (status != kUISuccess) return status;
    *bitmap = state_->AddBitmap(BitmapFromSurface(pixels));
    return kUISuccess;
}

int Runtime::GetPanelDisplayBitmap(int panel, Rect area, int* bitmap) {
    if (bitmap == nullptr) return kUIENullPointer;
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return kUIEInvalidPanel;
    const Surface& composed = ComposedPanel(
        *p, [this](int h) { return state_->FindPanel(h); }, state_->fonts);
    const Rect r = ResolveRect(area, composed.width, composed.height);
    if (r.width <= 0 || r.height <= 0) return kUIEInvalidValue;
    Surface part = CopyRect(composed, r);
    if (part.width <= 0 || part.height <= 0) return kUIEInvalidValue;
    *bitmap = state_->AddBitmap(BitmapFromSurface(part));
    return kUISuccess;
}

int Runtime::ClipboardPutBitmap(int bitmap) {
    const Bitmap* b = FindBitmap(bitmap);
    if (b == nullptr) return kUIEInvalidBitmap;
    state_->presenter->ClipboardPutBitmap(*b);
    return kUISuccess;
}

const std::string& Runtime::LastFileError() const {
    return state_->last_file_error;
}

// ---- fonts -----------------------------------------------------------------------------------

int Runtime::CreateMetaFont(std::string_view meta_name, std::string_view face, int size, bool bold,
                            bool italic, bool underline, bool strikeout) {
    if (meta_name.empty() || face.empty() || meta_name.size() > 255 || face.size() > 255) {
        return kUIEInvalidValue;
    }
    if (size < kMinFontSize || size > kMaxFontSize) return kUIEInvalidValue;
    FontSpec spec;
    // A meta font made from another one takes that one's face.
    const FontSpec* base = state_->fonts.Meta(face);
    spec.face = base != nullptr ? base->face : std::string(face);
    spec.size = size;
    spec.bold = bold;
    spec.italic = italic;
    spec.underline = underline;
    spec.strikeout = strikeout;
    state_->fonts.Define(meta_name, spec);
    return kUISuccess;
}

int Runtime::GetTextDisplaySize(std::string_view text, std::string_view font, int* height,
                                int* width) {
    if (font.empty()) return kUIEInvalidValue;
    const FontSpec* meta = state_->fonts.Meta(font);
    FontSpec spec;
    if (meta != nullptr) {
        spec = *meta;
    } else {
        spec.face.assign(font);
    }
    state_->fonts.Engine().TextSize(spec, text, width, height);
    return kUISuccess;
}

std::vector<std::string> Runtime::InstalledFontFamilies() {
    return state_->fonts.Engine().Families();
}

// ---- popups and input ------------------------------------------------------------------------

int Runtime::MessagePopup(std::string_view title, std::string_view text) {
    state_->popups.push_back(PopupRecord{std::string(title), std::string(text)});
    if (LogPopupIfUnattended(title, text)) return kUISuccess;  // TOV_POPUP_LOG: nobody waits
    state_->presenter->MessagePopup(title, text);
    return kUISuccess;
}

int Runtime::GetScreenSize(int* height, int* width) {
    int w = 0;
    int h = 0;
    state_->presenter->ScreenSize(&w, &h);
    if (height != nullptr) *height = h;
    if (width != nullptr) *width = w;
    return kUISuccess;
}

int Runtime::GetGlobalMouseState(int* x, int* y, bool* left, bool* right) {
    const MouseState m = state_->presenter->Mouse();
    if (x != nullptr) *x = m.x;
    if (y != nullptr) *y = m.y;
    if (left != nullptr) *left = m.left;
    if (right != nullptr) *right = m.right;
    return kUISuccess;
}

bool Runtime::MiddleButtonDown() {
    return state_->presenter->Mouse().middle;
}

int Runtime::ShowCursor(bool show) {
    return state_->presenter->ShowCursor(show);
}

int Runtime::EnableWindow(intptr_t window, bool enable) {
    for (auto& [handle, panel] : state_->panels) {
        if (panel->window == window) panel->enabled = enable;
    }
    state_->presenter->EnableWindow(window, enable);
    return kUISuccess;
}

// ---- system services -------------------------------------------------------------------------

MemoryStatus Presenter::Memory() {
    return QueryMemoryStatus();
}

MemoryStatus Runtime::GetMemoryStatus() {
    return state_->presenter->Memory();
}

void Runtime::StartProgram(std::string_view command_line) {
    StartDetached(command_line);
}

std::string Runtime::GetDir() {
    return CurrentDirectory();
}

// ---- introspection and composition -----------------------------------------------------------

Presenter& Runtime::GetPresenter() {
    return *state_->presenter;
}

std::vector<PanelInfo> Runtime::Panels() const {
    std::vector<PanelInfo> infos = state_->discarded;
    for (const auto& [handle, panel] : state_->panels)
        infos.push_back(panel->Info());
    std::sort(infos.begin(), infos.end(),
              [](const PanelInfo& a, const PanelInfo& b) { return a.handle < b.handle; });
    return infos;
}

void Runtime::LivePanels(std::vector<PanelInfo>* out) const {
    // Panels are kept by handle: the records come out in handle order.
    out->resize(state_->panels.size());
    size_t i = 0;
    for (const auto& [handle, panel] : state_->panels)
        panel->FillInfo(&(*out)[i++]);
}

const std::vector<PopupRecord>& Runtime::Popups() const {
    return state_->popups;
}

int Runtime::BitmapCount() const {
    return static_cast<int>(state_->bitmaps.size());
}

void Runtime::ClearPopups() {
    state_->popups.clear();
}

std::vector<int> Runtime::ControlIds(int panel) const {
    std::vector<int> ids;
    if (const Panel* p = state_->FindPanel(panel)) {
        for (const auto& c : p->controls)
            ids.push_back(c->Id());
    }
    return ids;
}

bool Runtime::DescribeControl(int panel, int control, ControlDescription* out) {
    if (out == nullptr) return false;
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return false;
    out->kind.assign(c->KindName());
    out->properties.clear();
    auto& props = out->properties;
    props.emplace_back("kind", out->kind);
    props.emplace_back("left", c->Left());
    props.emplace_back("top", c->Top());
    props.emplace_back("width", c->Width());
    props.emplace_back("height", c->Height());
    props.emplace_back("visible", c->Visible() ? 1 : 0);
    props.emplace_back("zplane", s.FindPanel(panel)->ZPlaneOf(control));
    c->Describe(&props);
    // The attributes the kind has, under the hosts' names.
    static constexpr std::pair<Attr, const char*> kNames[] = {
        {Attr::TextColor, "text_color"},
        {Attr::TextBgColor, "text_background"},
        {Attr::TextFont, "font"},
        {Attr::TextPointSize, "point_size"},
        {Attr::TextBold, "bold"},
        {Attr::TextItalic, "italic"},
        {Attr::PictureBgColor, "background"},
        {Attr::PenColor, "pen_color"},
        {Attr::PenWidth, "pen_width"},
        {Attr::FillColor, "fill_color"},
        {Attr::FrameColor, "frame_color"},
        {Attr::MinValue, "min"},
        {Attr::MaxValue, "max"},
        {Attr::Dimmed, "dimmed"},
        {Attr::OnColor, "on_color"},
        {Attr::OffColor, "off_color"},
        {Attr::LabelText, "label_text"},
        {Attr::LabelFont, "label_font"},
        {Attr::LabelPointSize, "label_point_size"},
        {Attr::LabelColor, "label_color"},
        {Attr::LabelLeft, "label_left"},
        {Attr::LabelTop, "label_top"},
        {Attr::VisibleLines, "visible_lines"},
    };
    // A plain pair rather than a structured binding: the lambdas below capture the name.
    for (const auto& named : kNames) {
        const Attr attr = named.first;
        const char* const name = named.second;
        if (!c->Accepts(attr)) continue;
        // Kinds that describe a property themselves keep their own entry.
        const bool listed =
            std::any_of(props.begin(), props.end(), [&](const auto& p) { return p.first == name; });
        if (listed) continue;
        AttrValue v;
        if (c->GetAttribute(attr, &v) != kUISuccess) continue;
        std::visit([&](auto&& value) { props.emplace_back(name, value); }, v);
    }
    return true;
}

int Runtime::ComposeControlStatus(int panel, int control, Surface* out) {
    State& s = *state_;
    int status = kUISuccess;
    Control* c = s.FindControl(panel, control, &status);
    if (c == nullptr) return status;
    if (static_cast<int64_t>(c->Width()) * c->Height() > kMaxPixels) return kUIEOutOfMemory;
    if (c->Width() <= 0 || c->Height() <= 0) return kUIEInvalidValue;
    ComposeRegion(*s.FindPanel(panel), MakeRect(c->Top(), c->Left(), c->Height(), c->Width()), c,
                  s.fonts, *out);
    return kUISuccess;
}

namespace {

// Composes the region (screen coordinates) of the screen into out, sized to the region: the
// desktop where no panel (with its frame) lies, then each visible top-level panel in stacking
// order with its frame. `panel_pixels` gives a panel's composed client area.
void ComposeScreenRegion(const std::vector<Panel*>& shown, Rect region,
                         const std::function<const Surface&(Panel&)>& panel_pixels, Surface& out) {
    if (out.width != region.width || out.height != region.height) {
        out.Reset(region.width, region.height);
    }
    const auto clamp = [](int64_t v) {
        return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    // Panel rectangles relative to the region's top-left corner.
    const auto client_of = [&](const Panel& p) {
        return MakeRect(clamp(static_cast<int64_t>(p.top) - region.top),
                        clamp(static_cast<int64_t>(p.left) - region.left), p.height, p.width);
    };
    thread_local std::vector<Rect> covered;
    covered.clear();
    for (const Panel* p : shown) {
        const Rect client = client_of(*p);
        const int64_t frame = p->frame ? kFrameWidth : 0;
        covered.push_back(MakeRect(clamp(client.top - frame), clamp(client.left - frame),
                                   clamp(client.height + 2 * frame),
                                   clamp(client.width + 2 * frame)));
    }
    FillUncovered(out, covered, kDesktopColor);
    for (Panel* p : shown) {
        const Rect client = client_of(*p);
        if (p->frame) DrawFrame(out, client);
        const Surface& pixels = panel_pixels(*p);
        CopyOnto(out, client.left, client.top, pixels, MakeRect(0, 0, pixels.height, pixels.width),
                 false);
    }
}

}  // namespace

const Surface& Runtime::ComposeScreen() {
    State& s = *state_;
    int width = 0;
    int height = 0;
    s.presenter->ScreenSize(&width, &height);
    width = std::clamp(width, 0, kMaxExtent);
    height = std::clamp(height, 0, kMaxExtent);
    if (static_cast<int64_t>(width) * height > kMaxScreenPixels) height = width = 0;
    const Rect whole = MakeRect(0, 0, height, width);
    const bool same_size = s.screen.width == width && s.screen.height == height;
    std::vector<Rect>& regions = s.screen_composed;
    regions.clear();
    if (s.screen_dirty || !same_size) {
        regions.push_back(whole);
    } else {
        for (const Rect& r : s.screen_damage) {
            const Rect on_screen = Intersect(r, whole);
            if (!IsEmpty(on_screen)) regions.push_back(on_screen);
        }
    }
    s.screen_dirty = false;
    s.screen_damage.clear();
    if (regions.empty()) return s.screen;
    thread_local std::vector<Panel*> shown;
    shown.clear();
    for (int handle : s.stacking) {
        Panel* p = s.FindPanel(handle);
        if (p != nullptr && p->visible) shown.push_back(p);
    }
    const auto find = [&s](int h) { return s.FindPanel(h); };
    const auto pixels = [&](Panel& p) -> const Surface& { return ComposedPanel(p, find, s.fonts); };
    if (regions.front() == whole) {
        ComposeScreenRegion(shown, whole, pixels, s.screen);
        return s.screen;
    }
    // Only the changed regions: each composed aside, then copied in.
    thread_local Surface part;
    for (const Rect& region : regions) {
        ComposeScreenRegion(shown, region, pixels, part);
        CopyOnto(s.screen, region.left, region.top, part, MakeRect(0, 0, part.height, part.width),
                 false);
    }
    return s.screen;
}

const std::vector<Rect>& Runtime::LastScreenRegions() const {
    return state_->screen_composed;
}

const Surface& Runtime::ComposeScreenWhole() {
    State& s = *state_;
    s.screen_dirty = true;
    for (auto& [handle, panel] : s.panels)
        panel->dirty = true;
    return ComposeScreen();
}

bool Runtime::ComposePanel(int panel, Surface* out) {
    if (out == nullptr) return false;
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return false;
    *out = ComposedPanel(
        *p, [this](int h) { return state_->FindPanel(h); }, state_->fonts);
    return true;
}

const Surface* Runtime::ComposedPanelPixels(int panel, Rect* changed) {
    Panel* p = state_->FindPanel(panel);
    if (p == nullptr) return nullptr;
    const Surface& pixels = ComposedPanel(
        *p, [this](int h) { return state_->FindPanel(h); }, state_->fonts);
    if (changed != nullptr) *changed = p->recomposed;
    p->recomposed = Rect{};
    return &pixels;
}

bool Runtime::ComposeControl(int panel, int control, Surface* out) {
    if (out == nullptr) return false;
    return ComposeControlStatus(panel, control, out) == kUISuccess;
}

int Runtime::SnapshotScreen(const std::string& png_path) {
    return WritePng(png_path, ComposeScreen());
}

int Runtime::SnapshotPanel(int panel, const std::string& png_path) {
    Surface pixels;
    if (!ComposePanel(panel, &pixels)) return kUIEInvalidPanel;
    return WritePng(png_path, pixels);
}

int Runtime::SnapshotControl(int panel, int control, const std::string& png_path) {
    Surface pixels;
    const int status = ComposeControlStatus(panel, control, &pixels);
    if (status != kUISuccess) return status;
    return WritePng(png_path, pixels);
}

void Runtime::Present() {
    state_->presenter->Present(*this);
}

}  // namespace tov::platform
