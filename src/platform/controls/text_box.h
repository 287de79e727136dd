// A text box: lines of text in one font, in a frame of the frame colour (transparent: none).
// SetCtrlVal appends to the text; a line feed ends a line. The visible-line count sets the
// height: that many lines of the text font plus the inset above and below.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace tov::platform {

class TextBox final : public Control {
  public:
    static constexpr int kInset = 3;

    explicit TextBox(int id);

    // Appends the text.
    int SetValue(std::string_view value, FontBook& fonts) override;
    // All lines, each ended by a line feed as it was appended.
    int GetValue(std::string* value) const override;

    int LineCount() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // kUIEListIndexOutOfRange for a line that does not exist.
    int DeleteLine(int line);
    // count -1 deletes to the end; first 0 with count -1 empties even an empty box.
    int DeleteLines(int first, int count);

    void Loaded(FontBook& fonts) override { FitHeight(fonts); }
    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.text_background != kTransparent; }
    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

  protected:
    void Changed(Attr attr, FontBook& fonts) override;

  private:
    void FitHeight(FontBook& fonts);

    // The finished lines, and whether the last one still waits for its line feed.
    std::vector<std::string> lines_;
    bool open_line_ = false;
};

}  // namespace tov::platform
