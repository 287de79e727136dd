// Clearing and painting rectangles of the two DMD layers.
#pragma once

namespace tov {

class Engine;

class AreaDrawing {
  public:
    explicit AreaDrawing(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
