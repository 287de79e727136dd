// A band of a picture waving on a sine curve.
#pragma once

namespace tov {

class Engine;

class Wave {
  public:
    explicit Wave(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
