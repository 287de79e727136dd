// Captures of screen content, the DMD layer and font text into selection slots; masks; the
// clipboard.
#pragma once

namespace tov {

class Engine;

class Capture {
  public:
    explicit Capture(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
