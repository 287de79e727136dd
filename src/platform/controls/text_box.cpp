#include "platform/controls/text_box.h"

#include <algorithm>

namespace tov::platform {

TextBox::TextBox(int id)
    : Control(ControlKind::TextBox, id,
              TextAttrs() | LabelAttrs() | MakeAttrSet({Attr::VisibleLines, Attr::FrameColor})) {
    look_.text_background = kWhite;
    look_.frame_color = 0x808080;
}

int TextBox::SetValue(std::string_view value, FontBook&) {
    if (value.empty()) return kUISuccess;
    size_t start = 0;
    while (start < value.size()) {
        const size_t end = value.find('\n', start);
        const std::string_view piece = value.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (open_line_) {
            lines_.back().append(piece);
        } else {
            lines_.emplace_back(piece);
        }
        open_line_ = end == std::string_view::npos;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    MarkDirty();
    return kUISuccess;
}

int TextBox::GetValue(std::string* value) const {
    if (value == nullptr) return kUIENullPointer;
    value->clear();
    for (size_t i = 0; i < lines_.size(); ++i) {
        value->append(lines_[i]);
        if (i + 1 < lines_.size() || !open_line_) value->push_back('\n');
    }
    return kUISuccess;
}

int TextBox::DeleteLine(int line) {
    return DeleteLines(line, 1) == kUISuccess ? kUISuccess : kUIEListIndexOutOfRange;
}

int TextBox::DeleteLines(int first, int count) {
    if (first == 0 && count == -1 && lines_.empty()) return kUISuccess;
    if (first < 0 || first >= LineCount()) return kUIEListIndexOutOfRange;
    if (count < -1) return kUIEInvalidValue;
    const int available = LineCount() - first;
    const int removed = count == -1 ? available : std::min(count, available);
    if (removed == 0) return kUISuccess;
    if (first + removed == LineCount()) open_line_ = false;
    lines_.erase(lines_.begin() + first, lines_.begin() + first + removed);
    MarkDirty();
    return kUISuccess;
}

void TextBox::Changed(Attr attr, FontBook& fonts) {
    switch (attr) {
        case Attr::VisibleLines:
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

void TextBox::FitHeight(FontBook& fonts) {
    const int64_t line_height = fonts.Engine().Metrics(TextFont(fonts)).line_height;
    const int64_t height = look_.visible_lines * line_height + 2 * kInset;
    SetSize(Width(), static_cast<int>(std::min<int64_t>(height, kMaxExtent)));
}

void TextBox::Paint(Painter& painter) const {
    const Rect whole = MakeRect(0, 0, Height(), Width());
    if (look_.text_background != kTransparent) painter.Fill(whole, look_.text_background);
    painter.Rectangle(whole, DrawMode::Outline, MakePen(look_.frame_color), kTransparent);
    const FontSpec font = TextFont(painter.Fonts());
    const int line_height = painter.Fonts().Engine().Metrics(font).line_height;
    const int shown = std::min(LineCount(), look_.visible_lines);
    for (int i = 0; i < shown; ++i) {
        const int64_t y = kInset + static_cast<int64_t>(i) * line_height;
        if (y >= Height()) break;
        painter.Text(kInset, static_cast<int>(y), font, lines_[static_cast<size_t>(i)],
                     look_.text_color);
    }
}

void TextBox::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    out->emplace_back("lines", lines_);
    out->emplace_back("visible_lines", look_.visible_lines);
}

}  // namespace tov::platform
