// The engine's random generator: the classic C runtime rand(), so that every build on every
// platform draws the same sequence. It starts at state 1 and is never seeded.
#pragma once

#include <cstdint>

namespace tov {

class Random {
  public:
    static constexpr int kMax = 0x7FFF;

    // The next value, 0..kMax.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

  private:
    uint32_t state_ = 1;
};

}  // namespace tov
