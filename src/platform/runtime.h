// The run-time layer every member body calls: panels, controls, canvases, bitmaps, fonts,
// popups, the screen and system services, in the run-time's own vocabulary.
//
// Sections: attributes; the Presenter interface; class Runtime (panels, controls, list items,
// canvas drawing, bitmaps, fonts, popups and input, system services, introspection).
//
// Handles: panels and bitmaps are positive integers, never reused within a Runtime; controls are
// (panel, id). Every operation on a handle that does not exist, or on a control of the wrong
// kind, returns a negative status and changes nothing. Statuses are the UIStatus values of
// types.h.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/bitmap.h"
#include "platform/surface.h"
#include "platform/types.h"

namespace tov::platform {

// Attributes of panels and controls. A panel or control kind accepts the attributes it has and
// refuses others with kUIEInvalidAttribute. Values are int (colours included), double or text;
// each attribute has one of these types (AttrType).
enum class Attr {
    // Panels and controls.
    Left,
    Top,
    Width,
    Height,
    Visible,
    // Panels.
    FrameVisible,        // 1 = the panel's frame is drawn around it
    SystemWindowHandle,  // the window handle a presenter gives the panel (never 0 while it lives)
    Enabled,             // 0 = the panel's window takes no mouse or keyboard input
    Sizable,             // the original run-time's panel attribute 570: 1 = the user may resize
                         // the panel with its frame, 0 = the size stays as the engine sets it
    BackColor,           // panel background
    // Controls.
    ZPlanePosition,  // 0 = in front of every other control of the panel
    Dimmed,
    TextFont,
    TextPointSize,
    TextColor,
    TextBgColor,
    TextBold,
    TextItalic,
    LabelText,
    LabelFont,
    LabelPointSize,
    LabelColor,
    LabelLeft,  // kLabelCentred centres the label
    LabelTop,
    LabelVisible,
    PenColor,
    PenWidth,
    FillColor,
    PictureBgColor,  // canvas and picture background
    FrameColor,
    MinValue,
    MaxValue,
    OnColor,
    OffColor,
    NeedleColor,
    ScaleColor,
    DigitalDisplayColor,
    SliderColor,
    SliderWidth,
    SliderHeight,
    VisibleLines,
    ScaleFont,
    ScalePointSize,
    StartAngle,
    EndAngle,
    PlotColor,
    PointsPerScreen,
    EmptyColor,  // the empty part of a tank, thermometer, slide or level thermometer
    // The control's value, as SetCtrlVal sets it (kept last: attribute sets are sized by it).
    Value,
};

constexpr int kLabelCentred = static_cast<int>(0x80000000u);

enum class AttrType { Int, Double, Text };
AttrType TypeOfAttr(Attr attr);

// An attribute's value of any of the three types.
using AttrValue = std::variant<int, double, std::string>;

// Mouse state as the presenter reports it, in screen coordinates.
struct MouseState {
    int x = 0;
    int y = 0;
    bool left = false;
    bool right = false;
    bool middle = false;
};

struct MemoryStatus {
    uint64_t available_physical = 0;
    uint64_t total_physical = 0;
    uint64_t available_virtual = 0;
    uint64_t total_virtual = 0;
};

class Runtime;

// What a presenter supplies: the link between the run-time and a person (or a test).
class Presenter {
  public:
    virtual ~Presenter() = default;
    // Shows a modal message; returns when it has been confirmed (at once where nobody answers).
    virtual void MessagePopup(std::string_view title, std::string_view text) = 0;
    virtual MouseState Mouse() = 0;
    virtual void ScreenSize(int* width, int* height) = 0;
    // Raises (show) or lowers the cursor display counter; returns the new count.
    virtual int ShowCursor(bool show) = 0;
    // Enables or disables input to a panel's window.
    virtual void EnableWindow(intptr_t window, bool enable) = 0;
    virtual void ClipboardPutBitmap(const Bitmap& bitmap) = 0;
    // The machine's memory: the system's figures, unless the presenter stands in for them.
    virtual MemoryStatus Memory();
    // Lets the person see what changed; hosts call Runtime::Present once per tick.
    virtual void Present(Runtime& runtime) = 0;
};

// One record per panel, for hosts and tests.
struct PanelInfo {
    int handle = 0;
    std::string file;
    int resource = 0;
    std::string title;  // the panel's title as its panel file gives it; may be empty
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool frame = false;
    bool enabled = true;
    bool discarded = false;
};

// A control's property as hosts read it: a number, a text, or a list of texts (text box lines,
// list item labels).
using ControlValue = std::variant<int, double, std::string, std::vector<std::string>>;

struct ControlDescription {
    std::string kind;  // "canvas", "picture", "tank", ...
    // kind, left, top, width, height, visible, zplane, then what the kind has of value,
    // text_color, text_background, font, point_size, bold, italic, background, pen_color,
    // pen_width, fill_color, frame_color, min, max, dimmed, on_color, off_color, label_text,
    // label_font, label_point_size, label_color, label_left, label_top, lines, visible_lines,
    // items.
    std::vector<std::pair<std::string, ControlValue>> properties;
};

struct PopupRecord {
    std::string title;
    std::string text;
};

class Runtime {
  public:
    // A runtime over the given presenter; with none, a headless presenter.
    explicit Runtime(std::unique_ptr<Presenter> presenter = nullptr);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // --- Panels --------------------------------------------------------------------------
    // Loads panel `resource` of the built-in panel file `file` (matched ignoring letter case and
    // any folder part); parent 0 makes a top-level panel. Returns the new handle (> 0) or a
    // negative status.
    int LoadPanelEx(int parent, std::string_view file, int resource);
    int DisplayPanel(int panel);
    int HidePanel(int panel);
    int DiscardPanel(int panel);
    int SetPanelAttribute(int panel, Attr attr, int value);
    int GetPanelAttribute(int panel, Attr attr, int* value);

    // --- Controls ------------------------------------------------------------------------
    int SetCtrlAttribute(int panel, int control, Attr attr, int value);
    int SetCtrlAttribute(int panel, int control, Attr attr, double value);
    int SetCtrlAttribute(int panel, int control, Attr attr, std::string_view value);
    int GetCtrlAttribute(int panel, int control, Attr attr, int* value);
    int GetCtrlAttribute(int panel, int control, Attr attr, double* value);
    int GetCtrlAttribute(int panel, int control, Attr attr, std::string* value);
    // The value: a number for numeric kinds, a text for text kinds (a text box appends it).
    int SetCtrlVal(int panel, int control, double value);
    int SetCtrlVal(int panel, int control, std::string_view value);
    int GetCtrlVal(int panel, int control, double* value);
    int GetCtrlVal(int panel, int control, std::string* value);
    // Shows the bitmap, stretched to the control, in a picture control (a copy is kept; the
    // bitmap handle stays the caller's). Bitmap 0 empties the picture.
    int SetCtrlBitmap(int panel, int control, int bitmap);

    // List items of picture rings and ring slides. index -1 appends. A picture ring's item label
    // is the path of the image file it shows (kUIEFileNotFound when it cannot be read).
    int InsertListItem(int panel, int control, int index, std::string_view label, int value);
    int ReplaceListItem(int panel, int control, int index, std::string_view label, int value);
    int DeleteListItem(int panel, int control, int index, int count);
    int GetNumListItems(int panel, int control, int* count);

    // Text boxes.
    int DeleteTextBoxLine(int panel, int control, int line);
    int DeleteTextBoxLines(int panel, int control, int first, int count);  // count -1: to the end
    int GetNumTextBoxLines(int panel, int control, int* count);

    // Strip charts.
    int PlotStripChartPoint(int panel, int control, double value);
    int ClearStripChart(int panel, int control);

    // --- Canvas drawing (canvas controls) -----------------------------------------------
    // Draws the src rectangle of the bitmap into the dst rectangle, stretched or shrunk to it
    // (kToFarEdge reaches the far edge of the bitmap or the canvas). A dst height and width of
    // kKeepSameSize draw the source unscaled at dst's top-left corner.
    int CanvasDrawBitmap(int panel, int control, int bitmap, Rect src, Rect dst);
    // Many pieces of one bitmap in one call, drawn in their order: the same pixels as one
    // CanvasDrawBitmap a piece, without a look-up of the canvas and the bitmap for each.
    int CanvasDrawBitmapPieces(int panel, int control, int bitmap,
                               std::span<const BitmapPiece> pieces);
    int CanvasDrawRect(int panel, int control, Rect r, DrawMode mode);
    // Many rectangles in one call, drawn in their order as one CanvasDrawRect each would.
    int CanvasDrawRects(int panel, int control, std::span<const Rect> rects, DrawMode mode);
    int CanvasDrawOval(int panel, int control, Rect r, DrawMode mode);
    int CanvasDrawPoly(int panel, int control, std::span<const Point> points, bool closed,
                       DrawMode mode);
    int CanvasDrawLine(int panel, int control, Point a, Point b);
    int CanvasDrawPoint(int panel, int control, Point p);
    // Paints the rectangle in the canvas background colour.
    int CanvasClear(int panel, int control, Rect r);
    // Colours of the rectangle, row after row, into out (r.width * r.height entries).
    int CanvasGetPixels(int panel, int control, Rect r, std::span<uint32_t> out);
    int CanvasGetPixel(int panel, int control, Point p, uint32_t* color);
    // Batches defer presentation only, never the result.
    int CanvasStartBatchDraw(int panel, int control);
    int CanvasEndBatchDraw(int panel, int control);

    // --- Bitmaps -------------------------------------------------------------------------
    // Reads an image file into a new bitmap. A file that cannot be read gives a negative status;
    // LastFileError() then describes why.
    int GetBitmapFromFile(const std::string& path, int* bitmap);
    int NewBitmap(const Surface& pixels, int* bitmap);
    int GetBitmapInfo(int bitmap, int* bytes_per_row, int* pixel_depth, int* width, int* height);
    // Pixel bits and mask in the data layout of bitmap.h (mask empty when there is none).
    int GetBitmapData(int bitmap, std::vector<uint8_t>* bits, std::vector<uint8_t>* mask);
    int SetBitmapData(int bitmap, int bytes_per_row, int pixel_depth, std::span<const uint8_t> bits,
                      std::span<const uint8_t> mask);
    // SetBitmapData without a mask (any mask is removed) and without a copy: the bitmap takes
    // the bytes of *bits, and *bits gets back a buffer of the same size (see SwapBitmapData in
    // bitmap.h). For a step that recomputes every pixel of its buffer on every call.
    int SwapBitmapData(int bitmap, int bytes_per_row, int pixel_depth, std::vector<uint8_t>* bits);
    int DiscardBitmap(int bitmap);
    // The bitmap with its pixels in `image` (kept rows converted first), or nullptr.
    const Bitmap* FindBitmap(int bitmap) const;
    // A canvas's content, or a picture's image, as a new bitmap.
    int GetCtrlBitmap(int panel, int control, int* bitmap);
    // Copies the rectangle `area` of a canvas's content (kToFarEdge reaching its far edges)
    // into the same rectangle of an existing bitmap, clipped to both; the rest of the bitmap
    // stays. Transparent canvas pixels become masked pixels, as with GetCtrlBitmap. It renews
    // the part of a canvas snapshot that changed without making a new bitmap.
    int CanvasUpdateBitmap(int panel, int control, Rect area, int bitmap);
    // What a control shows on the screen (its own pixels, without label), as a new bitmap.
    int GetCtrlDisplayBitmap(int panel, int control, int* bitmap);
    // The rectangle of a panel's visible area as it shows on the screen, as a new bitmap.
    int GetPanelDisplayBitmap(int panel, Rect area, int* bitmap);
    int ClipboardPutBitmap(int bitmap);
    const std::string& LastFileError() const;

    // --- Fonts ---------------------------------------------------------------------------
    // Names a font made of a face, a size in pixels and a style; the name can then be given as
    // a control's text font.
    int CreateMetaFont(std::string_view meta_name, std::string_view face, int size, bool bold,
                       bool italic, bool underline, bool strikeout);
    // The width and height in pixels of text drawn in the named font (a meta font or a face).
    int GetTextDisplaySize(std::string_view text, std::string_view font, int* height, int* width);
    // The family names of the installed fonts, each once.
    std::vector<std::string> InstalledFontFamilies();

    // --- Popups and input ----------------------------------------------------------------
    int MessagePopup(std::string_view title, std::string_view text);
    int GetScreenSize(int* height, int* width);
    int GetGlobalMouseState(int* x, int* y, bool* left, bool* right);
    bool MiddleButtonDown();
    int ShowCursor(bool show);
    int EnableWindow(intptr_t window, bool enable);

    // --- System services -----------------------------------------------------------------
    MemoryStatus GetMemoryStatus();
    // Starts a command line detached from this process; its result is not waited for.
    void StartProgram(std::string_view command_line);
    std::string GetDir();

    // --- Introspection (hosts and tests) -------------------------------------------------
    Presenter& GetPresenter();
    std::vector<PanelInfo> Panels() const;
    const std::vector<PopupRecord>& Popups() const;
    // How many bitmaps the run-time holds (made and not yet discarded).
    int BitmapCount() const;
    // The ids of a panel's controls, front (z-plane 0) first; empty for a panel that does not
    // exist.
    std::vector<int> ControlIds(int panel) const;
    // A control's kind and properties; false for a control that does not exist.
    bool DescribeControl(int panel, int control, ControlDescription* out);
    void ClearPopups();
    // The virtual screen with every visible top-level panel composed on it. Only the region
    // that changed since the last call is composed again.
    const Surface& ComposeScreen();
    // The same pixels composed from scratch, every panel whole: the reference the damage-limited
    // composition must equal.
    const Surface& ComposeScreenWhole();
    // A panel's pixels (controls composed, no frame); false for a panel that does not exist.
    bool ComposePanel(int panel, Surface* out);
    // The same pixels where the run-time keeps them, valid until the next change (nullptr for a
    // panel that does not exist), and in *changed the region (panel coordinates) composed again
    // since the previous call for the panel: a presenter uploads only that.
    const Surface* ComposedPanelPixels(int panel, Rect* changed);
    // A control's own pixels as the screen shows them (no label).
    bool ComposeControl(int panel, int control, Surface* out);
    int SnapshotScreen(const std::string& png_path);
    int SnapshotPanel(int panel, const std::string& png_path);
    int SnapshotControl(int panel, int control, const std::string& png_path);
    // Lets the presenter show what changed.
    void Present();

  private:
    struct State;
    int SetCtrlAttributeValue(int panel, int control, Attr attr, const AttrValue& value);
    int GetCtrlAttributeValue(int panel, int control, Attr attr, AttrValue* value);
    int ComposeControlStatus(int panel, int control, Surface* out);

    std::unique_ptr<State> state_;
};

}  // namespace tov::platform
