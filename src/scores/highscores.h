// The 100-entry high-score table and its file.
#pragma once

namespace tov {

class Engine;

class Highscores {
  public:
    explicit Highscores(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
