// Zoom text: a text of up to 200 characters that grows from a small size to a large one in the
// centre of the main panel and shrinks back over 160 steps, each colour component fading in and
// out with the size where its blend flag is set. Describing a text makes all 160 fonts and
// measurements at once and keeps size, width and colour per step; a step then only changes five
// attributes of the text canvas (shared with the ticker, parked by ScrollText::HideText).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tov {

class Engine;

class ZoomText {
  public:
    static constexpr int kTexts = 500;       // text numbers 0..499
    static constexpr int kSteps = 160;       // steps 0..159
    static constexpr int kMaxText = 200;     // characters of one text
    static constexpr int kMaxFontName = 50;  // characters of a face name; longer ones are cut
    static constexpr std::string_view kMeasuringFont = "My_Temp_MetaFont";
    // Blend flags of _ZoomTextColorBlend: the component follows the zoom.
    static constexpr int kBlendRed = 0x100;
    static constexpr int kBlendGreen = 0x010;
    static constexpr int kBlendBlue = 0x001;

    explicit ZoomText(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Describes text _ZoomTextIndex: per step s the size min + 1 + (max - min) * k / 80 and the
    // colour with each blended component scaled by k / D, where k runs 0..79 with D = 79 over
    // steps 0..79 and 79..0 with D = 80 over steps 80..159; the text is measured at every size.
    // A text over 200 characters or a text number outside 0..499 is refused with a report and
    // -1; the earlier description of that number stays.
    int GenerateTextZoomProc(int16_t _ZoomTextIndex, std::string_view _ZoomText,
                             std::string_view _ZoomTextFontType, int16_t _ZoomTextBold,
                             int16_t _ZoomTextItalic, int32_t _ZoomTextColor,
                             int16_t _ZoomTextColorBlend, int16_t _ZoomTextFontMin,
                             int16_t _ZoomTextFontMax);
    // Puts the text and its face and style on the text canvas and parks it beyond the panel's
    // right edge; size, width, colour and top edge come with the first step.
    int PrepareTextZoomProc(int16_t _ZoomTextIndex);
    // Shows step _ZommTextStep (0..159) centred on the panel: horizontally by its measured
    // width, vertically by its size. A text number or step out of range is refused with a
    // report and -1.
    int ShowTextZoomStep(int16_t _ZoomTextIndex, int16_t _ZommTextStep);

    // --- State, indexed by text number (and step) ----------------------------------------
    using StepTable = std::array<std::array<int32_t, kSteps>, kTexts>;

    // The global ZoomText of each text (the class bears that name, so the field is
    // ZoomTextString).
    std::array<std::string, kTexts> ZoomTextString;
    std::array<std::string, kTexts> ZoomTextFontType;
    std::array<int32_t, kTexts> ZoomTextBold{};
    std::array<int32_t, kTexts> ZoomTextItalic{};
    std::array<int32_t, kTexts> ZoomTextFontMin{};  // kept as given; the steps use the tables
    std::array<int32_t, kTexts> ZoomTextFontMax{};
    StepTable ZoomTextFontHeight{};  // points
    StepTable ZoomTextWidth{};       // pixels
    StepTable ZoomTextColor{};       // 0xRRGGBB

  private:
    static bool IsText(int index) { return index >= 0 && index < kTexts; }
    int ReportBadIndex(const char* member);

    Engine& engine_;
};

}  // namespace tov
