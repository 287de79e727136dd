// Film-strip animation on the effect canvas.
#pragma once

namespace tov {

class Engine;

class FrameAnim {
  public:
    explicit FrameAnim(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
