// A picture: one bitmap, stretched to the control, on the picture background. Masked pixels of
// the bitmap show the background; a transparent background shows what lies behind.
#pragma once

#include <optional>

#include "platform/controls/control.h"

namespace tov::platform {

class Picture final : public Control {
  public:
    explicit Picture(int id);

    // Shows a copy of the bitmap; nullptr empties the picture.
    void SetImage(const tov::platform::Bitmap* bitmap);
    const tov::platform::Bitmap* Image() const { return image_ ? &*image_ : nullptr; }

    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.background != kTransparent; }

  private:
    std::optional<tov::platform::Bitmap> image_;
};

// Draws the bitmap stretched over the whole control, on the background (shared by the picture
// kinds).
void PaintStretched(Painter& painter, const tov::platform::Bitmap* bitmap, Color background,
                    bool dimmed);

}  // namespace tov::platform
