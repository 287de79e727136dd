// A string display: a text message in a box, a one-pixel frame in the frame colour around the
// text background, the text inset from the frame.
#pragma once

#include "platform/controls/text_message.h"

namespace tov::platform {

class StringDisplay final : public TextMessage {
  public:
    explicit StringDisplay(int id);

    void Paint(Painter& painter) const override;

  protected:
    int Inset() const override { return 3; }
};

}  // namespace tov::platform
