// A picture turning about an axis.
#pragma once

namespace tov {

class Engine;

class RotatingPic {
  public:
    explicit RotatingPic(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
