// A text message: a text in one font, size, colour, bold and italic setting, on its text
// background (transparent: on what lies behind). Its height follows the text: one line height
// of its font per line; its width is whatever is set, and text beyond it is cut off.
#pragma once

#include <string>

#include "platform/controls/control.h"

namespace tov::platform {

class TextMessage : public Control {
  public:
    explicit TextMessage(int id) : TextMessage(ControlKind::TextMessage, id) {}

    int SetValue(std::string_view value, FontBook& fonts) override;
    int GetValue(std::string* value) const override;

    void Loaded(FontBook& fonts) override { FitHeight(fonts); }
    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.text_background != kTransparent; }
    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

    const std::string& Text() const { return text_; }

  protected:
    TextMessage(ControlKind kind, int id);
    void Changed(Attr attr, FontBook& fonts) override;
    // The height for the text: its lines in the text font plus the kind's inset.
    virtual void FitHeight(FontBook& fonts);
    // Pixels between the control's edges and its text.
    virtual int Inset() const { return 0; }

    std::string text_;
};

}  // namespace tov::platform
