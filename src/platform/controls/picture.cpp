#include "platform/controls/picture.h"

namespace tov::platform {

Picture::Picture(int id)
    : Control(ControlKind::Picture, id, MakeAttrSet({Attr::PictureBgColor}) | LabelAttrs()) {
    look_.background = kTransparent;
}

void Picture::SetImage(const tov::platform::Bitmap* bitmap) {
    if (bitmap == nullptr) {
        image_.reset();
    } else {
        image_ = *bitmap;
    }
    MarkDirty();
}

void Picture::Paint(Painter& painter) const {
    PaintStretched(painter, Image(), look_.background, look_.dimmed);
}

void PaintStretched(Painter& painter, const tov::platform::Bitmap* bitmap, Color background,
                    bool dimmed) {
    const Rect whole = MakeRect(0, 0, painter.Height(), painter.Width());
    if (background != kTransparent) painter.Fill(whole, background);
    if (bitmap == nullptr) return;
    if (!dimmed) {
        painter.Image(*bitmap, kWholeArea, whole);
        return;
    }
    // Dimmed: the image's own pixels greyed, what shows through its mask untouched.
    tov::platform::Bitmap grey = *bitmap;
    for (uint32_t& c : grey.image.pixels)
        c = DimmedColor(c);
    painter.Image(grey, kWholeArea, whole);
}

}  // namespace tov::platform
