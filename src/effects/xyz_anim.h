// Pictures scrolling along an angle or zooming towards the viewer.
#pragma once

namespace tov {

class Engine;

class XyzAnim {
  public:
    explicit XyzAnim(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
