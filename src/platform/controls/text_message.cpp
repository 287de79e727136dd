#include "platform/controls/text_message.h"

#include <algorithm>

namespace tov::platform {

TextMessage::TextMessage(ControlKind kind, int id) : Control(kind, id, TextAttrs() | LabelAttrs()) {
    look_.text_color = kBlack;
    look_.text_background = kTransparent;
}

int TextMessage::SetValue(std::string_view value, FontBook& fonts) {
    if (value == text_) return kUISuccess;
    text_.assign(value);
    MarkDirty();
    FitHeight(fonts);
    return kUISuccess;
}

int TextMessage::GetValue(std::string* value) const {
    if (value == nullptr) return kUIENullPointer;
    *value = text_;
    return kUISuccess;
}

void TextMessage::Changed(Attr attr, FontBook& fonts) {
    switch (attr) {
        case Attr::TextFont:
        case Attr::TextPointSize:
        case Attr::TextBold:
        case Attr::TextItalic:
            FitHeight(fonts);
            break;
        default:
            break;
    }
}

void TextMessage::FitHeight(FontBook& fonts) {
    int height = 0;
    fonts.Engine().TextSize(TextFont(fonts), text_, nullptr, &height);
    SetSize(Width(), std::min(height + 2 * Inset(), kMaxExtent));
}

void TextMessage::Paint(Painter& painter) const {
    if (look_.text_background != kTransparent) {
        painter.Fill(MakeRect(0, 0, Height(), Width()), look_.text_background);
    }
    // The text is cut at the control's edges: it is drawn onto a view of just the control.
    painter.Text(Inset(), Inset(), TextFont(painter.Fonts()), text_, look_.text_color);
}

void TextMessage::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    out->emplace_back("value", text_);
}

}  // namespace tov::platform
