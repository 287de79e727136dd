// The headless presenter: no window and no person. Popups are recorded and printed on standard
// error, never waited on; mouse, screen size and the cursor counter are whatever a test sets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/runtime.h"

namespace tov::platform {

class HeadlessPresenter : public Presenter {
  public:
    // The virtual screen of a headless run.
    static constexpr int kDefaultScreenWidth = 1920;
    static constexpr int kDefaultScreenHeight = 1080;

    void MessagePopup(std::string_view title, std::string_view text) override;
    MouseState Mouse() override { return mouse_; }
    void ScreenSize(int* width, int* height) override;
    int ShowCursor(bool show) override;
    void EnableWindow(intptr_t window, bool enable) override;
    void ClipboardPutBitmap(const Bitmap& bitmap) override;
    MemoryStatus Memory() override;
    void Present(Runtime&) override { ++presented_; }

    // --- What a test drives ---------------------------------------------------------------
    void SetMouse(const MouseState& mouse) { mouse_ = mouse; }
    // Sizes below 1 are refused (the screen keeps its size).
    void SetScreenSize(int width, int height);
    // Whether each popup is also printed on standard error (on by default).
    void SetEcho(bool echo) { echo_ = echo; }
    // The memory figures Memory() reports from now on instead of the system's.
    void SetMemory(const MemoryStatus& memory) { memory_ = memory; }

    // --- What a test reads ----------------------------------------------------------------
    const std::vector<PopupRecord>& Popups() const { return popups_; }
    void ClearPopups() { popups_.clear(); }
    // The cursor display counter: starts at 0, +1 per show, -1 per hide; the cursor shows
    // while it is 0 or more.
    int CursorCount() const { return cursor_count_; }
    // The windows currently disabled, each once, in the order they were disabled.
    const std::vector<intptr_t>& DisabledWindows() const { return disabled_; }
    // The last picture put on the clipboard; empty (0 x 0) before any.
    const Bitmap& Clipboard() const { return clipboard_; }
    int PresentCount() const { return presented_; }

  private:
    std::vector<PopupRecord> popups_;
    MouseState mouse_;
    int screen_width_ = kDefaultScreenWidth;
    int screen_height_ = kDefaultScreenHeight;
    int cursor_count_ = 0;
    std::vector<intptr_t> disabled_;
    Bitmap clipboard_;
    std::optional<MemoryStatus> memory_;
    int presented_ = 0;
    bool echo_ = true;
};

}  // namespace tov::platform
