// The TNT counter: a number between a fixed text before it and one after it, as one line on the
// TNT text of the main panel. The number has a fixed (1..10) or an automatic (-1) count of
// digits, or none (0), in groups of three joined by a full stop, each group padded with zeros to
// its minimum width. SetTNTAttr styles the control once and fixes its width and place by the
// widest sample; ShowTNT then only changes the string and shows the control.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

// Writes pre-text, number and post-text for value v and digit setting d (0..10; for -1 see
// TntDigitCount) into out, cut to out's size less one (the zero terminator), and returns the
// length written. Groups: d = 1..3 print v mod 1000 with at least d digits; 4..6 add
// (v mod 10^6) div 1000 with at least d - 3 digits in front; 7..9 add (v mod 10^9) div 10^6 with
// d - 6; 10 adds v div 10^9 with 1. Digits above the leading group are dropped; a leading group
// with more digits than its minimum prints them all (d = 1, v = 57 gives 57). A negative value
// prints a minus sign and then its absolute value as above. d outside 0..10 prints no number.
size_t FormatTntText(std::string_view pre_text, int64_t v, int d, std::string_view post_text,
                     char* out, size_t out_size);

// The number of decimal digits of |v|: 1 for 0, 10 for INT32_MIN.
int TntDigitCount(int64_t v);

class TntCounter {
  public:
    static constexpr int kMaxText = 75;  // characters of the pre-text and of the post-text
    static constexpr int kAutomaticDigits = -1;
    static constexpr int kMaxDigits = 10;
    // The counter's own measuring font: the zoom text measures in "My_Temp_MetaFont", and a
    // shared name would let one effect measure with the font the other made.
    static constexpr std::string_view kMeasuringFont = "My_Temp_MetaFontTNT";

    explicit TntCounter(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Parks the TNT text, then stores and checks the texts (over 75 characters: report, -1)
    // and the digit setting (outside -1..10: report, -1; the texts stay stored), styles the
    // control, sizes it to the sample for the value 0 (-1 counts as 10 digits) and fixes its
    // place: -1 centres it on the main panel by that width, or by the point size vertically.
    int SetTNTAttr(std::string_view _TNTPreText, std::string_view _TNTPostText,
                   std::string_view _TNTFontType, int16_t _TNTBold, int16_t _TNTItalic,
                   int32_t _TNTColor, int16_t _TNTFontHeight, int16_t _TNTXPos, int16_t _TNTYPos,
                   int16_t _TNTDigits);
    // Shows pre-text, the value and post-text at the place SetTNTAttr fixed. With the automatic
    // setting the value prints with as many digits as it has (those of its absolute value).
    int ShowTNT(int32_t _TNTValue);
    int ChangeTNTColor(int32_t _TNTColor);
    // Parks the TNT text beyond the panel's right edge.
    int HideTNT();

    // --- State ---------------------------------------------------------------------------
    std::array<char, kMaxText + 1> TNTPreText{};  // zero-terminated
    std::array<char, kMaxText + 1> TNTPostText{};
    int32_t TNTDigits = 0;  // -1..10
    int32_t TNTXPos = 0;
    int32_t TNTYPos = 0;

  private:
    // Pre-text, a sign and 13 characters of number, post-text, terminator.
    static constexpr size_t kShownSize = 2 * kMaxText + 16;

    // Builds the string for value v and digit setting d into shown_; returns it.
    std::string_view Compose(int64_t v, int d);

    std::array<char, kShownSize> shown_{};
    Engine& engine_;
};

}  // namespace tov
