// The Win32 presenter of the Windows build: one top-level window per panel at the panel's screen
// position and size, with or without a frame, painted from the panel's pixels as the run-time
// composes them. Popups are modal message boxes; mouse state, screen size, the cursor display
// counter and the clipboard are the system's.
//
// All windows belong to the thread that made the presenter (the host script's thread) and are
// painted there: Present brings them in line with the panels and handles the messages that
// came for them meanwhile. Presents closer together than kPresentInterval are gathered into one
// that a timer makes when the thread next handles its messages, so a script that calls many
// members per tick pays for one composition per interval.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/runtime.h"

namespace tov::platform {

class Win32Presenter : public Presenter {
  public:
    static constexpr int kPresentInterval = 15;  // milliseconds

    // Registers the window class of the panels and makes the presenter's own hidden window.
    // Returns null, with the reason in *why, when the system refuses either.
    static std::unique_ptr<Win32Presenter> Create(std::string* why);
    ~Win32Presenter() override;
    Win32Presenter(const Win32Presenter&) = delete;
    Win32Presenter& operator=(const Win32Presenter&) = delete;

    // A message box with an icon after the title ("fatal error" and "Error" an error icon,
    // "warning" a warning icon), modal to the whole thread, waiting for the person.
    void MessagePopup(std::string_view title, std::string_view text) override;
    MouseState Mouse() override;
    void ScreenSize(int* width, int* height) override;
    // The system's cursor display counter of this thread.
    int ShowCursor(bool show) override;
    // `window` is the run-time's system window handle of a panel; its window takes no mouse or
    // keyboard input while disabled.
    void EnableWindow(intptr_t window, bool enable) override;
    // Puts the picture on the system clipboard as a device-independent bitmap (the mask is not
    // kept: the picture is opaque).
    void ClipboardPutBitmap(const Bitmap& bitmap) override;
    void Present(Runtime& runtime) override;

    // The window (an HWND) that shows a panel, or 0 when it has none.
    intptr_t WindowOfPanel(int panel) const;

    struct Impl;

  private:
    explicit Win32Presenter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace tov::platform
