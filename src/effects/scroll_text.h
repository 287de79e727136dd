// The ticker: a one-line text of up to 2500 characters on the text canvas that runs from the
// right edge of the main panel to the left, vertically centred, and starts over at the right
// edge as soon as its last character has left the panel. Up to 500 texts can be described; the
// running offset is one value shared by all of them. A step only moves the text canvas: the
// font is chosen and the text measured once, when the text is described.
//
// The text canvas is shared with the zoom text; HideText parks it for both.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tov {

class Engine;

class ScrollText {
  public:
    static constexpr int kTexts = 500;       // text numbers 0..499
    static constexpr int kMaxText = 2500;    // characters of one text
    static constexpr int kMaxFontName = 50;  // characters of a face name; longer ones are cut
    static constexpr std::string_view kMeasuringFont = "My_Temp_MetaFontName";

    explicit ScrollText(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Describes text _ScrollTextIndex and measures its width in its font. A text over 2500
    // characters, or a text number outside 0..499, is refused with a report and -1; the
    // earlier description of that number stays. Shows nothing.
    int GenerateTextLeftLoopScrollProc(int16_t _ScrollTextIndex, std::string_view _ScrollText,
                                       std::string_view _ScrollTextFontName,
                                       int16_t _ScrollTextBold, int16_t _ScrollTextItalic,
                                       int32_t _ScrollTextColor, int16_t _ScrollTextFontHeight,
                                       int16_t _ScrollTextSpeed);
    // Styles the text canvas for the text, sizes it to the text's width and puts it just
    // beyond the panel's right edge, vertically centred.
    int PrepareTextLeftLoopScrollProc(int16_t _ScrollTextIndex);
    // Moves the text left by its speed; once its right end has reached the panel's left edge
    // it waits beyond the right edge again. The index selects only speed and width.
    int ShowTextLeftLoopScrollNextStep(int16_t _ScrollTextIndex);
    // Recolours the text canvas now; the described colour comes back with the next Prepare.
    int ChangeTextLeftLoopColor(int32_t _TextLeftLoopColor);
    // Parks the text canvas (ticker or zoom text); the running offset stays.
    int HideText();
    // 1 brings the text canvas in front of every control of the main panel, 0 puts it back to
    // its place in the panel file; other values change nothing.
    int ChangeZPlanePosScrolltext(int16_t _ZPlanePos);

    // --- State, indexed by text number ---------------------------------------------------
    // The global ScrollText of each text (the class bears that name, so the field is
    // ScrollTextString).
    std::array<std::string, kTexts> ScrollTextString;
    std::array<std::string, kTexts> ScrollTextFontName;
    std::array<int32_t, kTexts> ScrollTextBold{};
    std::array<int32_t, kTexts> ScrollTextItalic{};
    std::array<int32_t, kTexts> ScrollTextColor{};
    std::array<int32_t, kTexts> ScrollTextFontHeight{};  // points; also the height for centring
    std::array<int32_t, kTexts> ScrollTextSpeed{};       // pixels per step, leftwards
    std::array<int32_t, kTexts> ScrollTextWidth{};       // pixels, measured by Generate

    // The text canvas's left edge on the main panel while the ticker runs. A text moving
    // rightwards (negative speed) never wraps; it stops at the largest 32-bit value rather than
    // overflowing.
    int32_t ScrollTextPixelOffset = 0;

  private:
    static bool IsText(int index) { return index >= 0 && index < kTexts; }
    int ReportBadIndex(const char* member);

    Engine& engine_;
};

// The offset after one step of a ticker or of the rolling credits: offset less speed, computed
// without overflow (held at the 32-bit range), and `restart` once the result is at or below
// -extent, the point where the last pixel has left the panel.
int32_t NextLoopOffset(int32_t offset, int32_t speed, int32_t extent, int32_t restart);

}  // namespace tov
