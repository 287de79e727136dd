// Fonts of the run-time: resolving a face name to an installed font, measuring and painting
// text, and the catalogue of installed families.
//
// A font is a face name, a size in pixels (a point size is taken as the em height in pixels)
// and a style. Texts are 8-bit strings in the Windows-1252 code page, as scripts pass them; a
// line feed starts a new line, other control characters draw nothing and take no room.
//
// Text is painted with anti-aliasing but deterministically: the same fonts give the same pixels
// on every machine. The measured width of a line is the distance its pen advances, so the
// painted pixels of a line lie within its measured width up to the font's side bearings.
//
// The platform part (font_freetype.cpp with fontconfig on Linux, font_gdi.cpp on Windows)
// resolves faces and renders lines to coverage; font.cpp lays out lines and blends coverage.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

namespace tov::platform {

// Sizes outside 1..kMaxFontSize are refused where a script sets them and clamped where a font
// is drawn.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1000;

// The face a name falls back to when no installed font answers it.
constexpr std::string_view kDefaultFace = "DejaVu Sans";

struct FontSpec {
    std::string face = "Arial";
    int size = 13;  // em height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Vertical metrics of a font, in pixels: a line is ascent + descent high, its baseline ascent
// below its top edge.
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int line_height = 0;
};

// One line rendered to 8-bit coverage (0 = untouched, 255 = full text colour). Column 0 of the
// coverage is pen position `left` of the line; row 0 is the line's top edge.
struct LineCoverage {
    int left = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;  // width * height, row after row
};

class FontEngine {
  public:
    FontEngine();
    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    FontMetrics Metrics(const FontSpec& spec);

    // Width in pixels of one line (no line feeds inside).
    int LineWidth(const FontSpec& spec, std::string_view line);

    // Width of the widest line and height of all lines (line count * line height; an empty text
    // is one line high and 0 wide).
    void TextSize(const FontSpec& spec, std::string_view text, int* width, int* height);

    // Paints the text with its first line's top-left corner at (x, y) of the surface, each
    // further line one line height lower, in the given colour, clipped to the surface. A
    // transparent colour paints nothing.
    void DrawText(Surface& surface, int x, int y, const FontSpec& spec, std::string_view text,
                  Color color);

    // The installed family names, each once, sorted.
    std::vector<std::string> Families();

    // The family that draws this font: the face itself, what the system maps it to, or the
    // default face.
    std::string ResolvedFamily(const FontSpec& spec);

    // The platform part (font_freetype.cpp, font_gdi.cpp).
    class Backend {
      public:
        virtual ~Backend() = default;
        virtual FontMetrics Metrics(const FontSpec& spec) = 0;
        virtual int LineWidth(const FontSpec& spec, std::string_view line) = 0;
        // Renders at least the pen positions [clip_left, clip_right) of the line; spec.size is
        // within kMinFontSize..kMaxFontSize.
        virtual void RenderLine(const FontSpec& spec, std::string_view line, int clip_left,
                                int clip_right, LineCoverage* out) = 0;
        virtual std::vector<std::string> Families() = 0;
        virtual std::string ResolvedFamily(const FontSpec& spec) = 0;
    };
    static std::unique_ptr<Backend> MakeBackend();

  private:
    void DrawLine(Surface& surface, int x, int y, const FontSpec& spec, std::string_view line,
                  uint32_t color);

    std::unique_ptr<Backend> backend_;
};

// Every run-time of the process shares one instance of a backend (the installed fonts are the
// same for all of them), with its opened faces and rendered glyphs; calls are serialised.
template <typename Impl>
class SharedFontBackend final : public FontEngine::Backend {
  public:
    FontMetrics Metrics(const FontSpec& spec) override {
        std::lock_guard lock(mutex_);
        return Shared().Metrics(spec);
    }
    int LineWidth(const FontSpec& spec, std::string_view line) override {
        std::lock_guard lock(mutex_);
        return Shared().LineWidth(spec, line);
    }
    void RenderLine(const FontSpec& spec, std::string_view line, int clip_left, int clip_right,
                    LineCoverage* out) override {
        std::lock_guard lock(mutex_);
        Shared().RenderLine(spec, line, clip_left, clip_right, out);
    }
    std::vector<std::string> Families() override {
        std::lock_guard lock(mutex_);
        return Shared().Families();
    }
    std::string ResolvedFamily(const FontSpec& spec) override {
        std::lock_guard lock(mutex_);
        return Shared().ResolvedFamily(spec);
    }

  private:
    static Impl& Shared() {
        static Impl backend;
        return backend;
    }
    static inline std::mutex mutex_;
};

// Windows-1252: the Unicode code point of an 8-bit character (undefined positions map to
// themselves).
uint32_t CodePointOf(uint8_t c);

// Blends coverage onto the surface with its top-left corner at (x, y): each channel becomes
// (old * (255 - a) + colour * a + 127) / 255.
void BlendCoverage(Surface& surface, int x, int y, const LineCoverage& coverage, uint32_t color);

}  // namespace tov::platform
