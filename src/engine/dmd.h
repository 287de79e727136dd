// The DMD renderer: numbers and short texts in a bitmap font on the DMD canvas of the main panel
// and, through the twins, on the extra DMD canvas of the extra panel.
//
// The font is a selection slot holding a strip of equal glyph cells, cut by the slot's frame
// width fw and frame height fh; only the first row is used. Cell k (left k * fw, top 0) shows
// the character with code 48 + k: 0..9 the digits, 10 the colon, 16 the at sign, 17..42 A..Z,
// 49..74 a..z. The top-left quarter of cell 10 (fw / 2 by fh / 2) is the thousands separator. A
// space is drawn with cell 16, which a font therefore leaves blank.
//
// The renderers draw glyphs over what the canvas shows; they never erase. A script that shows a
// shorter value clears the area first (ClearArea) or asks for leading zeros.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tov {

class Engine;

// Where and how a DMD draws: the seven display settings of one DMD.
struct DmdLayout {
    int x = 0;            // left edge of field position 0 on the canvas, canvas pixels
    int y = 0;            // top edge of the line of characters
    double x_zoom = 0.0;  // glyph-cell pixels to canvas pixels, horizontally
    double y_zoom = 0.0;  // and vertically
    int font_slot = 0;    // selection slot of the font strip; outside 0..499 nothing is drawn
    bool leading_zeros = false;  // numeric field: draw all ten positions
    bool separators = false;     // number renderers: draw thousands separators
};

// The canvas a DMD draws on.
struct DmdCanvas {
    int panel = 0;
    int control = 0;
};

class Dmd {
  public:
    explicit Dmd(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Stores the seven settings unchecked; they are shared by the main and the extra DMD.
    int SetDMDAttr(int16_t _DMDXPos, int16_t _DMDYPos, double _DMDXZoom, double _DMDYZoom,
                   int16_t _DMDBitmapIDIndex, int16_t _DMDZeros, int16_t _DMDCommas);
    // A number, rounded to a whole one, right-aligned in a field of ten positions whose left
    // edge is DMDXPos. Refuses (fatal error, -1, nothing drawn) what does not round into
    // 0..9999999999, and a value that is not a number.
    int ShowDMDNumeric(double _DMDNumericValue);
    int ShowExtraNumeric(double _DMDNumericValue);
    // A number, rounded to a whole one, left-aligned from DMDXPos with as many positions as it
    // needs. Refuses values above 9999999999 (overflow) and, since a minus sign has no cell,
    // values that round below 0 and values that are not a number (out of range).
    int ShowDMDValue(double _DMDNumericValue);
    int ShowExtraValue(double _DMDNumericValue);
    // A text, one cell per character from DMDXPos, at most 127 characters, up to the first
    // zero character. Characters without a cell (codes below 48 other than the space, and
    // 128..255) leave their position empty.
    int ShowDMDText(std::string_view _DMDText);
    int ShowExtraText(std::string_view _DMDText);

    // --- For the other DMDs (the simple panels keep settings of their own) ---------------
    static constexpr int64_t kMaxNumber = 9999999999;
    static constexpr int kFieldPositions = 10;
    static constexpr int kMaxTextLength = 127;
    static constexpr int kSeparatorCell = 10;
    static constexpr int kSpaceCell = 16;
    static constexpr int kFirstCharacterWithoutCell = 128;  // 128..255 draw nothing

    // The value rounded to a whole number (halves away from zero), or nothing when that is not
    // in 0..kMaxNumber or the value is not a number. Every number renderer rounds once with
    // this and then works on the whole number only.
    static std::optional<int64_t> RoundToField(double value);
    // The layout of the main DMD as SetDMDAttr set it.
    DmdLayout Layout() const;
    // Draws a whole number 0..kMaxNumber as ShowDMDNumeric does (right-aligned field).
    void DrawNumeric(const DmdLayout& layout, DmdCanvas canvas, int64_t value);
    // Draws a whole number 0..kMaxNumber as ShowDMDValue does (left-aligned).
    void DrawValue(const DmdLayout& layout, DmdCanvas canvas, int64_t value);
    // Draws a text as ShowDMDText does.
    void DrawText(const DmdLayout& layout, DmdCanvas canvas, std::string_view text);

    // --- State ---------------------------------------------------------------------------
    int16_t DMDXPos = 0;
    int16_t DMDYPos = 0;
    double DMDXZoom = 0.0;
    double DMDYZoom = 0.0;
    int16_t DMDBitmapIDIndex = 0;
    int16_t DMDZeros = 0;   // not 0: the numeric field draws leading zeros
    int16_t DMDCommas = 0;  // exactly 1: thousands separators

  private:
    // The font's geometry, read once per call.
    struct Font {
        int bitmap = 0;
        int fw = 0;
        int fh = 0;
    };
    Font FontOf(const DmdLayout& layout) const;
    // Cell `cell` at field position p.
    void DrawCell(const DmdLayout& layout, const Font& font, DmdCanvas canvas, int cell, int p);
    // The thousands separator that follows field position p.
    void DrawSeparator(const DmdLayout& layout, const Font& font, DmdCanvas canvas, int p);

    int Numeric(std::string_view member, DmdCanvas canvas, double value);
    int Value(std::string_view member, DmdCanvas canvas, double value);
    DmdCanvas MainCanvas() const;
    DmdCanvas ExtraCanvas() const;

    Engine& engine_;
};

}  // namespace tov
