// The 500 slots of bitmaps every effect draws from (entry 500: the fade working bitmap).
#pragma once

namespace tov {

class Engine;

class BitmapSelection {
  public:
    explicit BitmapSelection(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
