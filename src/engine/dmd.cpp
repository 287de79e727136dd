#include "engine/dmd.h"

#include <cmath>
#include <string>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::MakeRect;

namespace {

// Canvas coordinates come from doubles that a script can make as large as it likes; beyond
// this they would overflow the raster's integer arithmetic, and nothing there is visible.
constexpr double kPixelLimit = 1 << 24;

// A position or size in pixels: truncated towards zero, NaN as 0, saturated far off the canvas.
int ToPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kPixelLimit) return static_cast<int>(kPixelLimit);
    if (value <= -kPixelLimit) return -static_cast<int>(kPixelLimit);
    return static_cast<int>(value);
}

// A size in pixels. Negative sizes draw nothing; they must not reach the run-time, where -1
// means "to the far edge".
int ToSize(double value) {
    const int size = ToPixel(value);
    return size < 0 ? 0 : size;
}

// Writes the decimal digits of value (0..kMaxNumber) into out without leading zeros; returns
// their count.
int FormatWhole(int64_t value, char (&out)[Dmd::kFieldPositions + 1]) {
    char reversed[Dmd::kFieldPositions + 1];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < Dmd::kFieldPositions);
    for (int i = 0; i < count; ++i)
        out[i] = reversed[count - 1 - i];
    out[count] = '\0';
    return count;
}

}  // namespace

int Dmd::SetDMDAttr(int16_t _DMDXPos, int16_t _DMDYPos, double _DMDXZoom, double _DMDYZoom,
                    int16_t _DMDBitmapIDIndex, int16_t _DMDZeros, int16_t _DMDCommas) {
    DMDXPos = _DMDXPos;
    DMDYPos = _DMDYPos;
    DMDXZoom = _DMDXZoom;
    DMDYZoom = _DMDYZoom;
    DMDBitmapIDIndex = _DMDBitmapIDIndex;
    DMDZeros = _DMDZeros;
    DMDCommas = _DMDCommas;
    return 0;
}

int Dmd::ShowDMDNumeric(double _DMDNumericValue) {
    return Numeric("ShowDMDNumeric", MainCanvas(), _DMDNumericValue);
}

int Dmd::ShowExtraNumeric(double _DMDNumericValue) {
    return Numeric("ShowExtraNumeric", ExtraCanvas(), _DMDNumericValue);
}

int Dmd::ShowDMDValue(double _DMDNumericValue) {
    return Value("ShowDMDValue", MainCanvas(), _DMDNumericValue);
}

int Dmd::ShowExtraValue(double _DMDNumericValue) {
    return Value("ShowExtraValue", ExtraCanvas(), _DMDNumericValue);
}

int Dmd::ShowDMDText(std::string_view _DMDText) {
    DrawText(Layout(), MainCanvas(), _DMDText);
    return 0;
}

int Dmd::ShowExtraText(std::string_view _DMDText) {
    DrawText(Layout(), ExtraCanvas(), _DMDText);
    return 0;
}

int Dmd::Numeric(std::string_view member, DmdCanvas canvas, double value) {
    const std::optional<int64_t> whole = RoundToField(value);
    if (!whole) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function '" + std::string(member) +
                                  "': argument '_DMDNumericValue' out of range (must be "
                                  "0..9999999999)");
    }
    DrawNumeric(Layout(), canvas, *whole);
    return 0;
}

int Dmd::Value(std::string_view member, DmdCanvas canvas, double value) {
    const std::optional<int64_t> whole = RoundToField(value);
    if (!whole && !std::isnan(value) && value > 0) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function '" + std::string(member) +
                                  "': argument '_DMDNumericValue' overflow error (value > "
                                  "9.999.999.999)");
    }
    if (!whole) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function '" + std::string(member) +
                                  "': argument '_DMDNumericValue' out of range (must be "
                                  "0..9999999999)");
    }
    DrawValue(Layout(), canvas, *whole);
    return 0;
}

std::optional<int64_t> Dmd::RoundToField(double value) {
    if (std::isnan(value)) return std::nullopt;
    const double rounded = std::round(value);
    if (rounded < 0.0 || rounded > static_cast<double>(kMaxNumber)) return std::nullopt;
    // -0.4 rounds to -0, which is the whole number 0.
    return static_cast<int64_t>(rounded);
}

DmdLayout Dmd::Layout() const {
    return DmdLayout{DMDXPos,          DMDYPos,       DMDXZoom,      DMDYZoom,
                     DMDBitmapIDIndex, DMDZeros != 0, DMDCommas == 1};
}

DmdCanvas Dmd::MainCanvas() const {
    return DmdCanvas{engine_.MainPanel().PanelHandle, platform::main_panel::kDmdCanvas};
}

DmdCanvas Dmd::ExtraCanvas() const {
    return DmdCanvas{engine_.ExtraPanel().ExtraPanelHandle, platform::extra_panel::kExtraDmdCanvas};
}

void Dmd::DrawNumeric(const DmdLayout& layout, DmdCanvas canvas, int64_t value) {
    const Font font = FontOf(layout);
    char digits[kFieldPositions + 1];
    const int count = FormatWhole(value, digits);
    // The ten-position field, zero-padded on the left.
    char field[kFieldPositions];
    for (int p = 0; p < kFieldPositions; ++p) {
        const int from = p - (kFieldPositions - count);
        field[p] = from >= 0 ? digits[from] : '0';
    }
    // Right to left; without leading zeros the first position beyond the number's own digits
    // ends the line, so at least one digit (the 0 of the value 0) is drawn.
    int64_t m = 1;
    for (int p = kFieldPositions - 1; p >= 0; --p) {
        DrawCell(layout, font, canvas, field[p] - '0', p);
        if (layout.separators && (p == 6 || p == 3 || p == 0))
            DrawSeparator(layout, font, canvas, p);
        m *= 10;
        if (value < m && !layout.leading_zeros) break;
    }
}

void Dmd::DrawValue(const DmdLayout& layout, DmdCanvas canvas, int64_t value) {
    const Font font = FontOf(layout);
    char text[kFieldPositions + 1];
    const int length = FormatWhole(value, text);
    for (int p = length - 1; p >= 0; --p) {
        DrawCell(layout, font, canvas, text[p] - '0', p);
        // The separator that has p characters to its right: before the last 3, 6 and 9 digits.
        if (layout.separators && (p == 9 || p == 6 || p == 3)) {
            DrawSeparator(layout, font, canvas, length - p - 1);
        }
    }
}

void Dmd::DrawText(const DmdLayout& layout, DmdCanvas canvas, std::string_view text) {
    const Font font = FontOf(layout);
    for (int p = 0; p < static_cast<int>(text.size()) && p < kMaxTextLength; ++p) {
        // The text ends at a zero character, as a zero-terminated text does.
        if (text[p] == '\0') break;
        const int code = static_cast<unsigned char>(text[p]);
        if (code == ' ') {
            DrawCell(layout, font, canvas, kSpaceCell, p);
            continue;
        }
        // Codes below the digit 0 have no cell, and neither have codes 128..255: the scripts'
        // hosts hand them over as negative characters. Their position stays empty.
        if (code < '0' || code >= kFirstCharacterWithoutCell) continue;
        DrawCell(layout, font, canvas, code - '0', p);
    }
}

Dmd::Font Dmd::FontOf(const DmdLayout& layout) const {
    const BitmapSelection& selection = engine_.BitmapSelection();
    const int slot = layout.font_slot;
    if (!BitmapSelection::IsSlot(slot)) return Font{};
    return Font{selection.Handle(slot), selection.BitmapFrameWidth[slot],
                selection.BitmapFrameHeight[slot]};
}

void Dmd::DrawCell(const DmdLayout& layout, const Font& font, DmdCanvas canvas, int cell, int p) {
    // A frame size of 0 or less cuts no cell (and -1 would mean the whole strip to the run-time).
    if (font.fw <= 0 || font.fh <= 0) return;
    const platform::Rect src = MakeRect(0, cell * font.fw, font.fh, font.fw);
    // Each position is computed from the left edge, so rounding never accumulates.
    const platform::Rect dst =
        MakeRect(layout.y, ToPixel(layout.x + (font.fw * p) * layout.x_zoom),
                 ToSize(font.fh * layout.y_zoom), ToSize(font.fw * layout.x_zoom));
    engine_.Runtime().CanvasDrawBitmap(canvas.panel, canvas.control, font.bitmap, src, dst);
}

void Dmd::DrawSeparator(const DmdLayout& layout, const Font& font, DmdCanvas canvas, int p) {
    if (font.fw <= 0 || font.fh <= 0) return;
    const int half_width = font.fw / 2;
    const int half_height = font.fh / 2;
    if (half_width <= 0 || half_height <= 0) return;
    const platform::Rect src = MakeRect(0, kSeparatorCell * font.fw, half_height, half_width);
    // It starts 5 glyph pixels before the right edge of the character it follows and hangs
    // below the line of characters.
    const platform::Rect dst =
        MakeRect(ToPixel(layout.y + font.fh * layout.y_zoom),
                 ToPixel(layout.x + (font.fw * (p + 1) - 5) * layout.x_zoom),
                 ToSize(half_height * layout.y_zoom), ToSize(half_width * layout.x_zoom));
    engine_.Runtime().CanvasDrawBitmap(canvas.panel, canvas.control, font.bitmap, src, dst);
}

}  // namespace tov
