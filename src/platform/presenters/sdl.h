// The SDL2 presenter: one window per top-level panel, at the panel's screen position and size,
// borderless while the panel's frame is off, showing the panel as the run-time composes it.
// Mouse state, screen size and the cursor come from SDL; popups are printed, or shown as modal
// message boxes that wait for the person to confirm them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/runtime.h"
#include "platform/surface.h"

struct SDL_Window;

namespace tov::platform {

enum class PopupStyle { Log, Modal };

class SdlPresenter : public Presenter {
  public:
    // Opens SDL's video. Returns null, with the reason in *why, when no display can be reached.
    static std::unique_ptr<SdlPresenter> Create(PopupStyle popups, std::string* why);
    ~SdlPresenter() override;
    SdlPresenter(const SdlPresenter&) = delete;
    SdlPresenter& operator=(const SdlPresenter&) = delete;

    void MessagePopup(std::string_view title, std::string_view text) override;
    MouseState Mouse() override;
    void ScreenSize(int* width, int* height) override;
    int ShowCursor(bool show) override;
    void EnableWindow(intptr_t window, bool enable) override;
    void ClipboardPutBitmap(const Bitmap& bitmap) override;
    // Brings the windows in line with the panels (made, moved, sized, framed, closed), shows
    // each panel's pixels and handles the events that came meanwhile.
    void Present(Runtime& runtime) override;

    // True once the person closed a window that takes input, or asked SDL to quit.
    bool QuitRequested() const { return quit_requested_; }
    // The SDL window of a panel, or null.
    SDL_Window* WindowOfPanel(int panel) const;

  private:
    explicit SdlPresenter(PopupStyle popups);
    struct Window;
    void HandleEvents();
    bool AcceptsInput(uint32_t window_id) const;

    PopupStyle popups_;
    std::map<int, std::unique_ptr<Window>> windows_;  // by panel handle
    std::set<intptr_t> disabled_;                     // system window handles without input
    // Kept between frames so that presenting allocates nothing.
    std::vector<PanelInfo> panels_;
    std::vector<int> shown_;
    int cursor_count_ = 0;
    bool quit_requested_ = false;
    Bitmap clipboard_;
};

}  // namespace tov::platform
