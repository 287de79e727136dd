#include "platform/controls/string_display.h"

namespace tov::platform {

StringDisplay::StringDisplay(int id) : TextMessage(ControlKind::StringDisplay, id) {
    look_.text_background = kWhite;
    look_.frame_color = 0x808080;
}

void StringDisplay::Paint(Painter& painter) const {
    const Rect whole = MakeRect(0, 0, Height(), Width());
    if (look_.text_background != kTransparent) painter.Fill(whole, look_.text_background);
    painter.Rectangle(whole, DrawMode::Outline, MakePen(look_.frame_color), kTransparent);
    painter.Text(Inset(), Inset(), TextFont(painter.Fonts()), text_, look_.text_color);
}

}  // namespace tov::platform
