// Rolling credits: the lines of the linebox, a text box of the main panel, roll upwards from the
// bottom edge by a fixed number of pixels per step and start over at the bottom once the last
// line has left the top edge. The linebox always shows all its lines: after every change of the
// lines its visible-line count follows the line count and its new height is read back for the
// wrap test.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

class Linebox {
  public:
    static constexpr int kMaxLine = 250;  // characters of one line; longer lines are cut

    explicit Linebox(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Styles and places the linebox; -2 in a numeric argument and an empty face name leave
    // that setting as it is. The speed is always stored (-2 included). Restarts the roll just
    // below the panel's bottom edge.
    int SetUpLoopScrollAttr(int16_t _XPos, int16_t _Width, std::string_view _FontStyle,
                            int16_t _FontHeight, int32_t _FontColor, int16_t _Bold, int16_t _Italic,
                            int16_t _ScrollSpeed);
    // Appends one line (cut to 250 characters) and lets the linebox grow to show it.
    int AddLineboxLine(std::string_view _Text);
    // Deletes line _LineIndex (0-based), or every line for -1. Any other index is refused with
    // a report and -1, and nothing changes.
    int DeleteLineboxLine(int16_t _LineIndex);
    // Moves the lines up by the speed, and back below the bottom edge once the last line has
    // reached the top edge. A negative speed moves them down; they then never wrap and stop at
    // the largest 32-bit offset rather than overflowing.
    int ShowUpLoopScrollNextStep();
    // Parks the linebox beyond the panel's right edge; lines, style and offset stay.
    int HideLinebox();

    // --- State ---------------------------------------------------------------------------
    int32_t LineboxLines = 0;
    int32_t LineboxHeight = 0;  // pixels, read back after every change
    int32_t LineboxScrollUpSpeed = 0;
    int32_t LineboxScrollUpPixelOffset = 0;  // the linebox's top edge on the main panel

  private:
    static constexpr int kUnchanged = -2;

    void ReadHeight();

    // One line and its line feed, built without allocating.
    std::array<char, kMaxLine + 2> line_{};
    Engine& engine_;
};

}  // namespace tov
