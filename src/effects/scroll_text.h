// The ticker text that runs leftwards and starts over.
#pragma once

namespace tov {

class Engine;

class ScrollText {
  public:
    explicit ScrollText(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
