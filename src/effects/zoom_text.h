// Text that zooms out and back over 160 steps.
#pragma once

namespace tov {

class Engine;

class ZoomText {
  public:
    explicit ZoomText(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
