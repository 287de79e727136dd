// The gem picture panel.
#pragma once

namespace tov {

class Engine;

class GemPanel {
  public:
    explicit GemPanel(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
