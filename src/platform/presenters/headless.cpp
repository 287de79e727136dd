#include "platform/presenters/headless.h"

#include <algorithm>
#include <cstdio>

namespace tov::platform {

void HeadlessPresenter::MessagePopup(std::string_view title, std::string_view text) {
    popups_.push_back(PopupRecord{std::string(title), std::string(text)});
    if (!echo_) return;
    // One line per popup: line breaks inside the text are shown as " / ".
    std::string line;
    line.reserve(title.size() + text.size() + 16);
    line.append("popup [").append(title).append("] ");
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            line.append(" / ");
        } else {
            line.push_back(c);
        }
    }
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void HeadlessPresenter::ScreenSize(int* width, int* height) {
    if (width != nullptr) *width = screen_width_;
    if (height != nullptr) *height = screen_height_;
}

void HeadlessPresenter::SetScreenSize(int width, int height) {
    if (width < 1 || height < 1) return;
    screen_width_ = width;
    screen_height_ = height;
}

int HeadlessPresenter::ShowCursor(bool show) {
    cursor_count_ += show ? 1 : -1;
    return cursor_count_;
}

void HeadlessPresenter::EnableWindow(intptr_t window, bool enable) {
    auto found = std::find(disabled_.begin(), disabled_.end(), window);
    if (enable) {
        if (found != disabled_.end()) disabled_.erase(found);
    } else if (found == disabled_.end()) {
        disabled_.push_back(window);
    }
}

void HeadlessPresenter::ClipboardPutBitmap(const Bitmap& bitmap) {
    clipboard_ = bitmap;
}

MemoryStatus HeadlessPresenter::Memory() {
    return memory_ ? *memory_ : Presenter::Memory();
}

}  // namespace tov::platform
