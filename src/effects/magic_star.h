// Four coloured stars sparkling over the main panel.
#pragma once

namespace tov {

class Engine;

class MagicStar {
  public:
    explicit MagicStar(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
