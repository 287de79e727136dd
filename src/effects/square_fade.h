// A picture appearing or vanishing square by square.
#pragma once

namespace tov {

class Engine;

class SquareFade {
  public:
    explicit SquareFade(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
