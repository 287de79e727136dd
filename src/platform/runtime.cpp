#include "platform/runtime.h"

#include "platform/presenters/headless.h"

namespace tov::platform {

namespace {
constexpr int kNotBuilt = kUIEInvalidPanel;
}

struct Runtime::State {
    std::unique_ptr<Presenter> presenter;
    std::vector<PopupRecord> popups;
    Surface screen;
    std::string last_file_error;
};

AttrType TypeOfAttr(Attr attr) {
    switch (attr) {
        case Attr::TextFont:
        case Attr::LabelText:
        case Attr::LabelFont:
        case Attr::ScaleFont:
            return AttrType::Text;
        case Attr::MinValue:
        case Attr::MaxValue:
            return AttrType::Double;
        default:
            return AttrType::Int;
    }
}

Runtime::Runtime(std::unique_ptr<Presenter> presenter) : state_(std::make_unique<State>()) {
    state_->presenter = presenter ? std::move(presenter) : std::make_unique<HeadlessPresenter>();
}
Runtime::~Runtime() = default;

int Runtime::LoadPanelEx(int, std::string_view, int) {
    return kNotBuilt;
}
int Runtime::DisplayPanel(int) {
    return kNotBuilt;
}
int Runtime::HidePanel(int) {
    return kNotBuilt;
}
int Runtime::DiscardPanel(int) {
    return kNotBuilt;
}
int Runtime::SetPanelAttribute(int, Attr, int) {
    return kNotBuilt;
}
int Runtime::GetPanelAttribute(int, Attr, int*) {
    return kNotBuilt;
}
int Runtime::SetCtrlAttribute(int, int, Attr, int) {
    return kNotBuilt;
}
int Runtime::SetCtrlAttribute(int, int, Attr, double) {
    return kNotBuilt;
}
int Runtime::SetCtrlAttribute(int, int, Attr, std::string_view) {
    return kNotBuilt;
}
int Runtime::GetCtrlAttribute(int, int, Attr, int*) {
    return kNotBuilt;
}
int Runtime::GetCtrlAttribute(int, int, Attr, double*) {
    return kNotBuilt;
}
int Runtime::GetCtrlAttribute(int, int, Attr, std::string*) {
    return kNotBuilt;
}
int Runtime::SetCtrlVal(int, int, double) {
    return kNotBuilt;
}
int Runtime::SetCtrlVal(int, int, std::string_view) {
    return kNotBuilt;
}
int Runtime::GetCtrlVal(int, int, double*) {
    return kNotBuilt;
}
int Runtime::GetCtrlVal(int, int, std::string*) {
    return kNotBuilt;
}
int Runtime::SetCtrlBitmap(int, int, int) {
    return kNotBuilt;
}
int Runtime::InsertListItem(int, int, int, std::string_view, int) {
    return kNotBuilt;
}
int Runtime::ReplaceListItem(int, int, int, std::string_view, int) {
    return kNotBuilt;
}
int Runtime::DeleteListItem(int, int, int, int) {
    return kNotBuilt;
}
int Runtime::GetNumListItems(int, int, int*) {
    return kNotBuilt;
}
int Runtime::DeleteTextBoxLine(int, int, int) {
    return kNotBuilt;
}
int Runtime::DeleteTextBoxLines(int, int, int, int) {
    return kNotBuilt;
}
int Runtime::GetNumTextBoxLines(int, int, int*) {
    return kNotBuilt;
}
int Runtime::PlotStripChartPoint(int, int, double) {
    return kNotBuilt;
}
int Runtime::ClearStripChart(int, int) {
    return kNotBuilt;
}
int Runtime::CanvasDrawBitmap(int, int, int, Rect, Rect) {
    return kNotBuilt;
}
int Runtime::CanvasDrawRect(int, int, Rect, DrawMode) {
    return kNotBuilt;
}
int Runtime::CanvasDrawOval(int, int, Rect, DrawMode) {
    return kNotBuilt;
}
int Runtime::CanvasDrawPoly(int, int, std::span<const Point>, bool, DrawMode) {
    return kNotBuilt;
}
int Runtime::CanvasDrawLine(int, int, Point, Point) {
    return kNotBuilt;
}
int Runtime::CanvasDrawPoint(int, int, Point) {
    return kNotBuilt;
}
int Runtime::CanvasClear(int, int, Rect) {
    return kNotBuilt;
}
int Runtime::CanvasGetPixels(int, int, Rect, std::span<uint32_t>) {
    return kNotBuilt;
}
int Runtime::CanvasGetPixel(int, int, Point, uint32_t*) {
    return kNotBuilt;
}
int Runtime::CanvasStartBatchDraw(int, int) {
    return kNotBuilt;
}
int Runtime::CanvasEndBatchDraw(int, int) {
    return kNotBuilt;
}
int Runtime::GetBitmapFromFile(const std::string&, int*) {
    return kUIEFileNotFound;
}
int Runtime::NewBitmap(const Surface&, int*) {
    return kUIEInvalidBitmap;
}
int Runtime::GetBitmapInfo(int, int*, int*, int*, int*) {
    return kUIEInvalidBitmap;
}
int Runtime::GetBitmapData(int, std::vector<uint8_t>*, std::vector<uint8_t>*) {
    return kUIEInvalidBitmap;
}
int Runtime::SetBitmapData(int, int, int, std::span<const uint8_t>, std::span<const uint8_t>) {
    return kUIEInvalidBitmap;
}
int Runtime::DiscardBitmap(int) {
    return kUIEInvalidBitmap;
}
const Bitmap* Runtime::FindBitmap(int) const {
    return nullptr;
}
int Runtime::GetCtrlBitmap(int, int, int*) {
    return kNotBuilt;
}
int Runtime::GetCtrlDisplayBitmap(int, int, int*) {
    return kNotBuilt;
}
int Runtime::GetPanelDisplayBitmap(int, Rect, int*) {
    return kNotBuilt;
}
int Runtime::ClipboardPutBitmap(int) {
    return kUIEInvalidBitmap;
}
const std::string& Runtime::LastFileError() const {
    return state_->last_file_error;
}
int Runtime::CreateMetaFont(std::string_view, std::string_view, int, bool, bool, bool, bool) {
    return kUIEInvalidValue;
}
int Runtime::GetTextDisplaySize(std::string_view, std::string_view, int*, int*) {
    return kUIEInvalidValue;
}
std::vector<std::string> Runtime::InstalledFontFamilies() {
    return {};
}

int Runtime::MessagePopup(std::string_view title, std::string_view text) {
    state_->popups.push_back(PopupRecord{std::string(title), std::string(text)});
    state_->presenter->MessagePopup(title, text);
    return 0;
}
int Runtime::GetScreenSize(int* height, int* width) {
    int w = 0;
    int h = 0;
    state_->presenter->ScreenSize(&w, &h);
    if (height != nullptr) *height = h;
    if (width != nullptr) *width = w;
    return 0;
}
int Runtime::GetGlobalMouseState(int* x, int* y, bool* left, bool* right) {
    MouseState m = state_->presenter->Mouse();
    if (x != nullptr) *x = m.x;
    if (y != nullptr) *y = m.y;
    if (left != nullptr) *left = m.left;
    if (right != nullptr) *right = m.right;
    return 0;
}
bool Runtime::MiddleButtonDown() {
    return state_->presenter->Mouse().middle;
}
int Runtime::ShowCursor(bool show) {
    return state_->presenter->ShowCursor(show);
}
int Runtime::EnableWindow(intptr_t window, bool enable) {
    state_->presenter->EnableWindow(window, enable);
    return 0;
}
MemoryStatus Runtime::GetMemoryStatus() {
    return {};
}
void Runtime::StartProgram(std::string_view) {}
std::string Runtime::GetDir() {
    return {};
}

Presenter& Runtime::GetPresenter() {
    return *state_->presenter;
}
std::vector<PanelInfo> Runtime::Panels() const {
    return {};
}
const std::vector<PopupRecord>& Runtime::Popups() const {
    return state_->popups;
}
void Runtime::ClearPopups() {
    state_->popups.clear();
}
const Surface& Runtime::ComposeScreen() {
    return state_->screen;
}
bool Runtime::ComposePanel(int, Surface*) {
    return false;
}
bool Runtime::ComposeControl(int, int, Surface*) {
    return false;
}
int Runtime::SnapshotScreen(const std::string&) {
    return kUIEFileWriteFailed;
}
int Runtime::SnapshotPanel(int, const std::string&) {
    return kUIEInvalidPanel;
}
int Runtime::SnapshotControl(int, int, const std::string&) {
    return kUIEInvalidPanel;
}
void Runtime::Present() {
    state_->presenter->Present(*this);
}

}  // namespace tov::platform
