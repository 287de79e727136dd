// A picture appearing or vanishing in lamella strips.
#pragma once

namespace tov {

class Engine;

class Lamella {
  public:
    explicit Lamella(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
