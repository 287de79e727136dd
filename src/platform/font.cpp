#include "platform/font.h"

#include <algorithm>
#include <array>

namespace tov::platform {

namespace {

FontSpec Clamped(const FontSpec& spec) {
    FontSpec clamped = spec;
    clamped.size = std::clamp(spec.size, kMinFontSize, kMaxFontSize);
    return clamped;
}

// Calls f(line) for every line of the text (split at line feeds; a trailing line feed ends the
// last line without starting an empty one, except that an empty text is one empty line).
template <typename F>
void ForEachLine(std::string_view text, F f) {
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size() || start == 0) f(text.substr(start));
            return;
        }
        f(text.substr(start, end - start));
        start = end + 1;
    }
}

// A horizontal bar of the text colour: underline and strike-out.
void FillBar(Surface& s, int x, int y, int width, int height, uint32_t color) {
    const int x0 = std::max(x, 0);
    const int x1 = std::min<int64_t>(static_cast<int64_t>(x) + width, s.width);
    const int y0 = std::max(y, 0);
    const int y1 = std::min<int64_t>(static_cast<int64_t>(y) + height, s.height);
    for (int row = y0; row < y1; ++row) {
        std::fill(s.Row(row) + x0, s.Row(row) + std::max(x0, x1), color);
    }
}

}  // namespace

uint32_t CodePointOf(uint8_t c) {
    static constexpr std::array<uint16_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (c >= 0x80 && c < 0xA0) return kHigh[c - 0x80];
    return c;
}

void BlendCoverage(Surface& surface, int x, int y, const LineCoverage& coverage, uint32_t color) {
    const int r = static_cast<int>((color >> 16) & 0xFF);
    const int g = static_cast<int>((color >> 8) & 0xFF);
    const int b = static_cast<int>(color & 0xFF);
    const int64_t x0 = std::max<int64_t>(0, -static_cast<int64_t>(x));
    const int64_t x1 = std::min<int64_t>(coverage.width, static_cast<int64_t>(surface.width) - x);
    const int64_t y0 = std::max<int64_t>(0, -static_cast<int64_t>(y));
    const int64_t y1 = std::min<int64_t>(coverage.height, static_cast<int64_t>(surface.height) - y);
    for (int64_t row = y0; row < y1; ++row) {
        const uint8_t* alpha = coverage.alpha.data() + row * coverage.width;
        uint32_t* out = surface.Row(static_cast<int>(y + row)) + x;
        for (int64_t col = x0; col < x1; ++col) {
            const int a = alpha[col];
            if (a == 0) continue;
            if (a == 255) {
                out[col] = color;
                continue;
            }
            const uint32_t old = out[col];
            const int inv = 255 - a;
            const int nr = (static_cast<int>((old >> 16) & 0xFF) * inv + r * a + 127) / 255;
            const int ng = (static_cast<int>((old >> 8) & 0xFF) * inv + g * a + 127) / 255;
            const int nb = (static_cast<int>(old & 0xFF) * inv + b * a + 127) / 255;
            out[col] = static_cast<uint32_t>((nr << 16) | (ng << 8) | nb);
        }
    }
}

FontEngine::FontEngine() : backend_(MakeBackend()) {}
FontEngine::~FontEngine() = default;

FontMetrics FontEngine::Metrics(const FontSpec& spec) {
    return backend_->Metrics(Clamped(spec));
}

int FontEngine::LineWidth(const FontSpec& spec, std::string_view line) {
    return backend_->LineWidth(Clamped(spec), line);
}

void FontEngine::TextSize(const FontSpec& spec, std::string_view text, int* width, int* height) {
    const FontSpec clamped = Clamped(spec);
    const int line_height = backend_->Metrics(clamped).line_height;
    int widest = 0;
    int lines = 0;
    ForEachLine(text, [&](std::string_view line) {
        widest = std::max(widest, backend_->LineWidth(clamped, line));
        ++lines;
    });
    if (width != nullptr) *width = widest;
    if (height != nullptr) *height = lines * line_height;
}

void FontEngine::DrawText(Surface& surface, int x, int y, const FontSpec& spec,
                          std::string_view text, Color color) {
    if (color == kTransparent || surface.width <= 0 || surface.height <= 0) return;
    const FontSpec clamped = Clamped(spec);
    const int line_height = backend_->Metrics(clamped).line_height;
    int64_t line_top = y;
    ForEachLine(text, [&](std::string_view line) {
        if (line_top < surface.height && line_top + line_height > 0) {
            DrawLine(surface, x, static_cast<int>(line_top), clamped, line,
                     static_cast<uint32_t>(color) & 0xFFFFFFu);
        }
        line_top += line_height;
    });
}

void FontEngine::DrawLine(Surface& surface, int x, int y, const FontSpec& spec,
                          std::string_view line, uint32_t color) {
    // Only the part of the line over the surface is rendered; a glyph may reach up to about
    // one em beyond its pen position, so the range is widened by that much.
    const int64_t margin = spec.size;
    const int64_t clip_left = std::max<int64_t>(-static_cast<int64_t>(x) - margin, INT32_MIN);
    const int64_t clip_right =
        std::min<int64_t>(static_cast<int64_t>(surface.width) - x + margin, INT32_MAX);
    if (clip_right <= 0) return;
    LineCoverage coverage;
    backend_->RenderLine(spec, line, static_cast<int>(std::max<int64_t>(clip_left, 0)),
                         static_cast<int>(clip_right), &coverage);
    if (coverage.width > 0 && coverage.height > 0) {
        BlendCoverage(surface, x + coverage.left, y, coverage, color);
    }
    if (!spec.underline && !spec.strikeout) return;
    const FontMetrics metrics = backend_->Metrics(spec);
    const int width = backend_->LineWidth(spec, line);
    const int thickness = std::max(1, spec.size / 14);
    if (spec.underline) {
        FillBar(surface, x, y + metrics.ascent + std::max(1, metrics.descent / 3), width, thickness,
                color);
    }
    if (spec.strikeout) {
        FillBar(surface, x, y + metrics.ascent - metrics.ascent * 3 / 10, width, thickness, color);
    }
}

std::vector<std::string> FontEngine::Families() {
    return backend_->Families();
}

std::string FontEngine::ResolvedFamily(const FontSpec& spec) {
    return backend_->ResolvedFamily(Clamped(spec));
}

}  // namespace tov::platform
