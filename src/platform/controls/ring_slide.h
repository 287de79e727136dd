// A ring slide drawn as a thermometer: its scale is its list of text items, the first at the
// bottom, and the column rises to the item the value selects.
#pragma once

#include "platform/controls/list_control.h"

namespace tov::platform {

class RingSlide final : public ListControl {
  public:
    explicit RingSlide(int id);

    void Paint(Painter& painter) const override;
};

}  // namespace tov::platform
