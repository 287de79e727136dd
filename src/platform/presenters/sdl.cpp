#include "platform/presenters/sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/screen.h"

namespace tov::platform {

struct SdlPresenter::Window {
    SDL_Window* window = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool framed = false;
    bool accepts_input = true;
    // The window's pixels are lost or new: upload the whole panel, not only what changed.
    bool redraw = true;
    SDL_Surface* surface = nullptr;  // the window surface last uploaded to

    ~Window() {
        if (window != nullptr) SDL_DestroyWindow(window);
    }
};

std::unique_ptr<SdlPresenter> SdlPresenter::Create(PopupStyle popups, std::string* why) {
    // The engine's panels are windows of their own that the script places; SDL must neither
    // minimise them when another takes the focus nor end the run when the last one closes.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The panels are composed in memory and only their changed rectangles are uploaded: the
    // system's own window framebuffer takes exactly those rectangles, where a texture-backed one
    // would upload and draw the whole window through OpenGL every frame (without a GPU that is
    // a software rasterizer, several times the cost of the rest of a frame). An environment
    // variable of the same name still chooses otherwise.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (why != nullptr) *why = SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<SdlPresenter>(new SdlPresenter(popups));
}

SdlPresenter::SdlPresenter(PopupStyle popups) : popups_(popups) {}

SdlPresenter::~SdlPresenter() {
    windows_.clear();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlPresenter::MessagePopup(std::string_view title, std::string_view text) {
    const std::string title_text(title), body(text);
    if (popups_ == PopupStyle::Modal) {
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title_text.c_str(), body.c_str(),
                                     nullptr) == 0) {
            return;
        }
        // Nothing is lost: the message goes to standard error, with why no box showed.
        std::fprintf(stderr, "popup [%s] %s (no message box can be shown: %s)\n",
                     title_text.c_str(), body.c_str(), SDL_GetError());
        return;
    }
    std::fprintf(stderr, "popup [%s] %s\n", title_text.c_str(), body.c_str());
}

MouseState SdlPresenter::Mouse() {
    SDL_PumpEvents();
    MouseState state;
    const uint32_t buttons = SDL_GetGlobalMouseState(&state.x, &state.y);
    state.left = (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
    state.right = (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
    state.middle = (buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE)) != 0;
    return state;
}

void SdlPresenter::ScreenSize(int* width, int* height) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        mode.w = 0;
        mode.h = 0;
    }
    if (width != nullptr) *width = mode.w;
    if (height != nullptr) *height = mode.h;
}

int SdlPresenter::ShowCursor(bool show) {
    cursor_count_ += show ? 1 : -1;
    SDL_ShowCursor(cursor_count_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursor_count_;
}

void SdlPresenter::EnableWindow(intptr_t window, bool enable) {
    if (enable) {
        disabled_.erase(window);
    } else {
        disabled_.insert(window);
    }
}

void SdlPresenter::ClipboardPutBitmap(const Bitmap& bitmap) {
    // SDL's clipboard carries text only; the picture is kept for the host.
    clipboard_ = bitmap;
}

SDL_Window* SdlPresenter::WindowOfPanel(int panel) const {
    const auto found = windows_.find(panel);
    return found != windows_.end() ? found->second->window : nullptr;
}

bool SdlPresenter::AcceptsInput(uint32_t window_id) const {
    for (const auto& [panel, w] : windows_) {
        if (SDL_GetWindowID(w->window) == window_id) return w->accepts_input;
    }
    return true;
}

void SdlPresenter::HandleEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_QUIT:
                quit_requested_ = true;
                break;
            case SDL_WINDOWEVENT:
                // A disabled panel ignores the person, its close box included.
                if (event.window.event == SDL_WINDOWEVENT_CLOSE &&
                    AcceptsInput(event.window.windowID)) {
                    quit_requested_ = true;
                }
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    for (const auto& [panel, w] : windows_) {
                        if (SDL_GetWindowID(w->window) == event.window.windowID) w->redraw = true;
                    }
                }
                break;
            default:
                // Keys and clicks mean nothing to the panels; the engine reads the mouse
                // through Mouse().
                break;
        }
    }
}

void SdlPresenter::Present(Runtime& runtime) {
    // Events are taken once a frame, before the upload, so that a window exposed meanwhile is
    // drawn again in the same frame and a close request is seen right after it.
    HandleEvents();
    std::vector<int>& shown = shown_;
    shown.clear();
    runtime.LivePanels(&panels_);
    for (const PanelInfo& p : panels_) {
        if (p.discarded || !p.visible || p.width < 1 || p.height < 1) continue;
        shown.push_back(p.handle);
        std::unique_ptr<Window>& w = windows_[p.handle];
        if (!w) {
            w = std::make_unique<Window>();
            // The panel's own title, as a person sees it on the table's screen.
            const std::string title = p.title.empty() ? "tovserver" : p.title;
            uint32_t flags = SDL_WINDOW_SHOWN | SDL_WINDOW_SKIP_TASKBAR;
            if (!p.frame) flags |= SDL_WINDOW_BORDERLESS;
            w->window = SDL_CreateWindow(title.c_str(), p.left, p.top, p.width, p.height, flags);
            if (w->window == nullptr) {
                std::fprintf(stderr, "tov-play: cannot open a window: %s\n", SDL_GetError());
                windows_.erase(p.handle);
                continue;
            }
            w->left = p.left;
            w->top = p.top;
            w->width = p.width;
            w->height = p.height;
            w->framed = p.frame;
        }
        if (p.left != w->left || p.top != w->top) {
            SDL_SetWindowPosition(w->window, p.left, p.top);
            w->left = p.left;
            w->top = p.top;
        }
        if (p.width != w->width || p.height != w->height) {
            SDL_SetWindowSize(w->window, p.width, p.height);
            w->redraw = true;
            w->width = p.width;
            w->height = p.height;
        }
        if (p.frame != w->framed) {
            SDL_SetWindowBordered(w->window, p.frame ? SDL_TRUE : SDL_FALSE);
            w->framed = p.frame;
        }
        int system_handle = 0;
        const bool disabled =
            !p.enabled ||
            (runtime.GetPanelAttribute(p.handle, Attr::SystemWindowHandle, &system_handle) == 0 &&
             disabled_.count(system_handle) != 0);
        w->accepts_input = !disabled;

        // Only what was composed again since the last frame is converted and uploaded.
        Rect changed{};
        const Surface* pixels = runtime.ComposedPanelPixels(p.handle, &changed);
        if (pixels == nullptr) continue;
        SDL_Surface* target = SDL_GetWindowSurface(w->window);
        if (target == nullptr) continue;
        const Rect window_area =
            MakeRect(0, 0, std::min(pixels->height, target->h), std::min(pixels->width, target->w));
        if (w->redraw || target != w->surface) changed = window_area;
        w->redraw = false;
        w->surface = target;
        changed = Intersect(changed, window_area);
        if (IsEmpty(changed)) continue;
        if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
        const int bytes_per_pixel = target->format->BytesPerPixel;
        SDL_ConvertPixels(changed.width, changed.height, SDL_PIXELFORMAT_RGB888,
                          pixels->Row(changed.top) + changed.left, pixels->width * 4,
                          target->format->format,
                          static_cast<uint8_t*>(target->pixels) +
                              static_cast<ptrdiff_t>(changed.top) * target->pitch +
                              static_cast<ptrdiff_t>(changed.left) * bytes_per_pixel,
                          target->pitch);
        if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
        const SDL_Rect area{changed.left, changed.top, changed.width, changed.height};
        SDL_UpdateWindowSurfaceRects(w->window, &area, 1);
    }
    // Panels that were discarded or hidden close their windows.
    for (auto it = windows_.begin(); it != windows_.end();) {
        if (std::find(shown.begin(), shown.end(), it->first) == shown.end()) {
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace tov::platform
