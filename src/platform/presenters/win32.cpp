// Sections: the panel windows; the presenter's state and its hidden window; popups and input;
// the clipboard; presenting.
#include "platform/presenters/win32.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/screen.h"

namespace tov::platform {
namespace {

constexpr wchar_t kPanelClass[] = L"tovserver panel";
constexpr wchar_t kPresenterClass[] = L"tovserver presenter";
constexpr wchar_t kPanelTitle[] = L"tovserver";
constexpr UINT_PTR kPresentTimer = 1;

// A panel window shows its panel and nothing else: it takes no focus from the table and has no
// taskbar button.
constexpr DWORD kPanelExStyle = WS_EX_NOACTIVATE;

DWORD PanelStyle(bool framed) {
    return framed ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_POPUP;
}

// The module the presenter's code lies in (the server DLL), which owns the window classes.
HINSTANCE ThisModule() {
    static const char anchor = 0;
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&anchor), &module);
    return module;
}

// --- The panel windows ---------------------------------------------------------------------

// The window of one panel and the device-independent bitmap it is painted from.
struct PanelWindow {
    HWND hwnd = nullptr;
    HDC memory = nullptr;
    HBITMAP dib = nullptr;
    HGDIOBJ original_bitmap = nullptr;
    uint32_t* bits = nullptr;  // 0x00RRGGBB, top row first, as a Surface keeps them
    int dib_width = 0;
    int dib_height = 0;
    // The panel as the window last showed it: client area position and size on the screen.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool framed = false;
    bool panel_enabled = true;   // the panel's own Enabled attribute
    bool enabled = true;         // what the window was last set to
    intptr_t system_handle = 0;  // the run-time's handle of the panel's window

    PanelWindow() = default;
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;
    ~PanelWindow() {
        if (hwnd != nullptr) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            DestroyWindow(hwnd);
        }
        ReleaseBitmap();
    }

    void ReleaseBitmap() {
        if (memory != nullptr) {
            if (original_bitmap != nullptr) SelectObject(memory, original_bitmap);
            DeleteDC(memory);
        }
        if (dib != nullptr) DeleteObject(dib);
        memory = nullptr;
        dib = nullptr;
        original_bitmap = nullptr;
        bits = nullptr;
        dib_width = 0;
        dib_height = 0;
    }

    // A bitmap of the given size to paint from; false when the system refuses one. *made
    // tells whether it is new, its pixels not yet written.
    bool SizeBitmap(int w, int h, bool* made) {
        *made = false;
        if (dib != nullptr && w == dib_width && h == dib_height) return true;
        ReleaseBitmap();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (dib == nullptr || pixels == nullptr) {
            ReleaseBitmap();
            return false;
        }
        memory = CreateCompatibleDC(nullptr);
        if (memory == nullptr) {
            ReleaseBitmap();
            return false;
        }
        original_bitmap = SelectObject(memory, dib);
        bits = static_cast<uint32_t*>(pixels);
        dib_width = w;
        dib_height = h;
        *made = true;
        return true;
    }

    // Paints the part of the window that needs it: only what was invalidated is copied.
    void Paint(HDC target, const RECT& area) const {
        if (memory != nullptr) {
            const LONG right = std::min<LONG>(area.right, dib_width);
            const LONG bottom = std::min<LONG>(area.bottom, dib_height);
            if (right > area.left && bottom > area.top) {
                BitBlt(target, area.left, area.top, right - area.left, bottom - area.top, memory,
                       area.left, area.top, SRCCOPY);
            }
        }
        // Whatever the bitmap does not cover (a window the system made larger) is black.
        HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        if (area.right > dib_width) {
            RECT right{std::max<LONG>(area.left, dib_width), area.top, area.right, area.bottom};
            FillRect(target, &right, black);
        }
        if (area.bottom > dib_height) {
            RECT bottom{area.left, std::max<LONG>(area.top, dib_height), area.right, area.bottom};
            FillRect(target, &bottom, black);
        }
    }
};

LRESULT CALLBACK PanelWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            const auto* window =
                reinterpret_cast<const PanelWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            if (window != nullptr) {
                window->Paint(dc, paint.rcPaint);
            } else {
                FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            }
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the whole client area is painted
        case WM_CLOSE:
            return 0;  // panels are closed by the script, not by the person
        default:
            return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

// The window rectangle whose client area lies at the panel's place.
RECT OuterRect(int left, int top, int width, int height, bool framed) {
    RECT rect{left, top, left + width, top + height};
    AdjustWindowRectEx(&rect, PanelStyle(framed), FALSE, kPanelExStyle);
    return rect;
}

}  // namespace

// --- The presenter's state and its hidden window ---------------------------------------------

struct Win32Presenter::Impl {
    HINSTANCE module = nullptr;
    HWND presenter_window = nullptr;  // message-only: the present timer and the clipboard owner
    std::map<int, std::unique_ptr<PanelWindow>> windows;  // by panel handle
    std::set<intptr_t> disabled;  // system window handles of the panels without input
    Runtime* runtime = nullptr;   // the runtime of the last Present
    // Kept between frames so that presenting allocates nothing.
    std::vector<PanelInfo> panels;
    std::vector<int> shown_panels;
    std::chrono::steady_clock::time_point last_present{};
    bool presented_once = false;
    bool timer_armed = false;
    bool presenting = false;
    bool pumping = false;
    bool in_popup = false;

    ~Impl() {
        windows.clear();
        if (presenter_window != nullptr) {
            if (timer_armed) KillTimer(presenter_window, kPresentTimer);
            SetWindowLongPtrW(presenter_window, GWLP_USERDATA, 0);
            DestroyWindow(presenter_window);
        }
        UnregisterClassW(kPanelClass, module);
        UnregisterClassW(kPresenterClass, module);
    }

    void ArmTimer() {
        if (timer_armed || presenter_window == nullptr) return;
        timer_armed = SetTimer(presenter_window, kPresentTimer, kPresentInterval, nullptr) != 0;
    }

    void OnTimer() {
        // A popup's message loop runs inside a member body: the panels are shown once the
        // body has returned, by the next Present.
        if (in_popup || presenting) return;
        KillTimer(presenter_window, kPresentTimer);
        timer_armed = false;
        PresentNow();
    }

    void PresentNow();
    void SyncWindow(const PanelInfo& panel);
    // Enables the window while neither the panel nor a user lock keeps input from it.
    void ApplyInput(PanelWindow& window);

    // Handles the messages that came for the presenter's windows; the host's own messages stay
    // in the queue for the host.
    void Pump() {
        if (pumping) return;
        pumping = true;
        std::vector<HWND> targets;
        targets.reserve(windows.size() + 1);
        if (presenter_window != nullptr) targets.push_back(presenter_window);
        for (const auto& [panel, window] : windows)
            targets.push_back(window->hwnd);
        for (HWND hwnd : targets) {
            MSG message;
            int handled = 0;
            // Bounded, so that a flood of input cannot keep the script from running.
            while (handled < 256 && IsWindow(hwnd) &&
                   PeekMessageW(&message, hwnd, 0, 0, PM_REMOVE) != 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
                ++handled;
            }
        }
        pumping = false;
    }
};

namespace {

LRESULT CALLBACK PresenterWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER && wparam == kPresentTimer) {
        auto* impl =
            reinterpret_cast<Win32Presenter::Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (impl != nullptr) impl->OnTimer();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool RegisterWindowClass(HINSTANCE module, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = module;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.lpszClassName = name;
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::unique_ptr<Win32Presenter> Win32Presenter::Create(std::string* why) {
    auto impl = std::make_unique<Impl>();
    impl->module = ThisModule();
    if (!RegisterWindowClass(impl->module, kPanelClass, PanelWindowProc) ||
        !RegisterWindowClass(impl->module, kPresenterClass, PresenterWindowProc)) {
        if (why != nullptr) *why = "the window classes of the panels cannot be registered";
        return nullptr;
    }
    impl->presenter_window = CreateWindowExW(0, kPresenterClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                             nullptr, impl->module, nullptr);
    if (impl->presenter_window == nullptr) {
        if (why != nullptr) *why = "the presenter's window cannot be made";
        return nullptr;
    }
    SetWindowLongPtrW(impl->presenter_window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(impl.get()));
    return std::unique_ptr<Win32Presenter>(new Win32Presenter(std::move(impl)));
}

Win32Presenter::Win32Presenter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Win32Presenter::~Win32Presenter() = default;

intptr_t Win32Presenter::WindowOfPanel(int panel) const {
    const auto found = impl_->windows.find(panel);
    return found != impl_->windows.end() ? reinterpret_cast<intptr_t>(found->second->hwnd) : 0;
}

// --- Popups and input ------------------------------------------------------------------------

void Win32Presenter::MessagePopup(std::string_view title, std::string_view text) {
    UINT icon = MB_ICONINFORMATION;
    if (title == "fatal error" || title == "Error") {
        icon = MB_ICONERROR;
    } else if (title == "warning") {
        icon = MB_ICONWARNING;
    }
    const std::string caption(title);
    const std::string body(text);
    impl_->in_popup = true;
    // Texts are in the system code page, which is what the 8-bit message box takes.
    MessageBoxA(nullptr, body.c_str(), caption.c_str(),
                MB_OK | MB_TASKMODAL | MB_SETFOREGROUND | icon);
    impl_->in_popup = false;
}

MouseState Win32Presenter::Mouse() {
    MouseState state;
    POINT position{};
    if (GetCursorPos(&position) != 0) {
        state.x = position.x;
        state.y = position.y;
    }
    // The key state reads the physical buttons: a person who swapped them means the other.
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const auto down = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    state.left = down(swapped ? VK_RBUTTON : VK_LBUTTON);
    state.right = down(swapped ? VK_LBUTTON : VK_RBUTTON);
    state.middle = down(VK_MBUTTON);
    return state;
}

void Win32Presenter::ScreenSize(int* width, int* height) {
    if (width != nullptr) *width = GetSystemMetrics(SM_CXSCREEN);
    if (height != nullptr) *height = GetSystemMetrics(SM_CYSCREEN);
}

int Win32Presenter::ShowCursor(bool show) {
    return ::ShowCursor(show ? TRUE : FALSE);
}

void Win32Presenter::EnableWindow(intptr_t window, bool enable) {
    if (enable) {
        impl_->disabled.erase(window);
    } else {
        impl_->disabled.insert(window);
    }
    // A window that exists takes (or stops taking) input at once, not only at the next Present.
    for (auto& [panel, w] : impl_->windows) {
        if (w->system_handle != window) continue;
        w->panel_enabled = enable;  // the run-time records the same on the panel
        impl_->ApplyInput(*w);
    }
}

void Win32Presenter::Impl::ApplyInput(PanelWindow& window) {
    const bool enabled = window.panel_enabled && disabled.count(window.system_handle) == 0;
    if (enabled == window.enabled) return;
    ::EnableWindow(window.hwnd, enabled ? TRUE : FALSE);
    window.enabled = enabled;
}

// --- The clipboard ---------------------------------------------------------------------------

void Win32Presenter::ClipboardPutBitmap(const Bitmap& bitmap) {
    const Surface& image = bitmap.image;
    if (image.width < 1 || image.height < 1 ||
        image.pixels.size() < static_cast<size_t>(image.width) * image.height) {
        return;
    }
    const size_t row_bytes = static_cast<size_t>(PaddedBytesPerRow(image.width));
    const size_t size = sizeof(BITMAPINFOHEADER) + row_bytes * image.height;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (memory == nullptr) return;
    auto* data = static_cast<uint8_t*>(GlobalLock(memory));
    if (data == nullptr) {
        GlobalFree(memory);
        return;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = image.height;  // bottom row first, as a DIB on the clipboard has it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(row_bytes * image.height);
    std::memcpy(data, &header, sizeof header);
    uint8_t* rows = data + sizeof header;
    for (int y = 0; y < image.height; ++y) {
        uint8_t* out = rows + row_bytes * static_cast<size_t>(image.height - 1 - y);
        const uint32_t* in = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            out[3 * x] = static_cast<uint8_t>(in[x]);
            out[3 * x + 1] = static_cast<uint8_t>(in[x] >> 8);
            out[3 * x + 2] = static_cast<uint8_t>(in[x] >> 16);
        }
    }
    GlobalUnlock(memory);

    // Another program may hold the clipboard for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !open; ++attempt) {
        open = OpenClipboard(impl_->presenter_window) != 0;
        if (!open) Sleep(10);
    }
    if (!open) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_DIB, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

// --- Presenting ------------------------------------------------------------------------------

void Win32Presenter::Present(Runtime& runtime) {
    Impl& impl = *impl_;
    impl.runtime = &runtime;
    if (!impl.presenting && !impl.in_popup) {
        const auto now = std::chrono::steady_clock::now();
        if (impl.presented_once &&
            now - impl.last_present < std::chrono::milliseconds(kPresentInterval)) {
            impl.ArmTimer();
        } else {
            if (impl.timer_armed) {
                KillTimer(impl.presenter_window, kPresentTimer);
                impl.timer_armed = false;
            }
            impl.PresentNow();
        }
    }
    impl.Pump();
}

void Win32Presenter::Impl::PresentNow() {
    if (runtime == nullptr || presenting) return;
    presenting = true;
    std::vector<int>& shown = shown_panels;
    shown.clear();
    runtime->LivePanels(&panels);
    for (const PanelInfo& panel : panels) {
        if (panel.discarded || !panel.visible || panel.width < 1 || panel.height < 1) continue;
        shown.push_back(panel.handle);
        SyncWindow(panel);
    }
    // Panels that were discarded or hidden close their windows.
    for (auto it = windows.begin(); it != windows.end();) {
        if (std::find(shown.begin(), shown.end(), it->first) == shown.end()) {
            it = windows.erase(it);
        } else {
            ++it;
        }
    }
    last_present = std::chrono::steady_clock::now();
    presented_once = true;
    presenting = false;
}

void Win32Presenter::Impl::SyncWindow(const PanelInfo& panel) {
    std::unique_ptr<PanelWindow>& window = windows[panel.handle];
    if (!window) {
        auto made = std::make_unique<PanelWindow>();
        const RECT outer = OuterRect(panel.left, panel.top, panel.width, panel.height, panel.frame);
        made->hwnd = CreateWindowExW(
            kPanelExStyle, kPanelClass, kPanelTitle, PanelStyle(panel.frame), outer.left, outer.top,
            outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, module, nullptr);
        if (made->hwnd == nullptr) {
            windows.erase(panel.handle);
            return;
        }
        SetWindowLongPtrW(made->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made.get()));
        made->left = panel.left;
        made->top = panel.top;
        made->width = panel.width;
        made->height = panel.height;
        made->framed = panel.frame;
        ShowWindow(made->hwnd, SW_SHOWNOACTIVATE);
        window = std::move(made);
    } else if (panel.frame != window->framed || panel.left != window->left ||
               panel.top != window->top || panel.width != window->width ||
               panel.height != window->height) {
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (panel.frame != window->framed) {
            SetWindowLongPtrW(window->hwnd, GWL_STYLE,
                              static_cast<LONG_PTR>(PanelStyle(panel.frame) | WS_VISIBLE));
            flags |= SWP_FRAMECHANGED;
        }
        const RECT outer = OuterRect(panel.left, panel.top, panel.width, panel.height, panel.frame);
        SetWindowPos(window->hwnd, nullptr, outer.left, outer.top, outer.right - outer.left,
                     outer.bottom - outer.top, flags);
        window->left = panel.left;
        window->top = panel.top;
        window->width = panel.width;
        window->height = panel.height;
        window->framed = panel.frame;
    }

    int system_handle = 0;
    if (runtime->GetPanelAttribute(panel.handle, Attr::SystemWindowHandle, &system_handle) == 0) {
        window->system_handle = system_handle;
    }
    window->panel_enabled = panel.enabled;
    ApplyInput(*window);

    // Only what was composed again since the last frame is copied and painted; a new bitmap
    // takes all of the panel.
    Rect changed{};
    const Surface* pixels = runtime->ComposedPanelPixels(panel.handle, &changed);
    if (pixels == nullptr || pixels->width < 1 || pixels->height < 1 ||
        pixels->pixels.size() < static_cast<size_t>(pixels->width) * pixels->height) {
        return;
    }
    bool made = false;
    if (!window->SizeBitmap(pixels->width, pixels->height, &made)) return;
    const Rect whole = MakeRect(0, 0, pixels->height, pixels->width);
    changed = made ? whole : Intersect(changed, whole);
    if (IsEmpty(changed)) return;
    GdiFlush();  // the bitmap's memory is written directly
    for (int y = changed.top; y < changed.top + changed.height; ++y) {
        std::memcpy(window->bits + static_cast<size_t>(y) * pixels->width + changed.left,
                    pixels->Row(y) + changed.left,
                    static_cast<size_t>(changed.width) * sizeof(uint32_t));
    }
    const RECT area{changed.left, changed.top, changed.left + changed.width,
                    changed.top + changed.height};
    InvalidateRect(window->hwnd, &area, FALSE);
    UpdateWindow(window->hwnd);
}

}  // namespace tov::platform
