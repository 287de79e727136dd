// Reading a fuzzer's bytes as a sequence of choices. Every read succeeds: past the end of the
// input each read gives 0 and empty texts, so a short input is a short program, never a fault.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace tov::fuzz {

class FuzzInput {
  public:
    explicit FuzzInput(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool Empty() const { return next_ >= bytes_.size(); }

    uint8_t Byte() { return Empty() ? 0 : bytes_[next_++]; }

    // An unsigned value of `count` bytes (at most 8), little-endian.
    uint64_t Bits(int count) {
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= uint64_t{Byte()} << (8 * i);
        return value;
    }

    // A value in 0..limit - 1 (0 when limit is 0).
    uint32_t Below(uint32_t limit) {
        return limit == 0 ? 0 : static_cast<uint32_t>(Bits(2) % limit);
    }

    double Real() {
        const uint64_t bits = Bits(8);
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // At most `limit` bytes of the input, as a text.
    std::string Text(size_t limit) {
        const size_t length = std::min<size_t>(Byte(), limit);
        const size_t available = std::min(length, bytes_.size() - std::min(next_, bytes_.size()));
        std::string text(reinterpret_cast<const char*>(bytes_.data()) + next_, available);
        next_ += available;
        return text;
    }

  private:
    std::span<const uint8_t> bytes_;
    size_t next_ = 0;
};

}  // namespace tov::fuzz
