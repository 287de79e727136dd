// A picture ring: a numbered list of images, each loaded from the file its item label names;
// the value selects the image shown, stretched to the control. The dimmed flag greys it.
#pragma once

#include <vector>

#include "platform/controls/list_control.h"

namespace tov::platform {

class PictureRing final : public ListControl {
  public:
    explicit PictureRing(int id);

    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.background != kTransparent; }

    // The image of item index, or nullptr.
    const tov::platform::Bitmap* ImageOf(int index) const;

  protected:
    int PrepareItem(std::string_view label) override;
    void StoreItem(int index, bool insert) override;
    void RemoveItems(int index, int count) override;

  private:
    std::vector<tov::platform::Bitmap> images_;
    tov::platform::Bitmap prepared_;
};

}  // namespace tov::platform
