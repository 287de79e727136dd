// The LED board panel with twelve lamps.
#pragma once

namespace tov {

class Engine;

class LedBoard {
  public:
    explicit LedBoard(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
