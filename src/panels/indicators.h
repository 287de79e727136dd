// Square LEDs, the strip chart and the dynamic pictures.
#pragma once

namespace tov {

class Engine;

class Indicators {
  public:
    explicit Indicators(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
