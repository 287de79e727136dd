// Fonts on Linux: fontconfig resolves a face name (with its aliases, so that "Arial" finds the
// metric-compatible Liberation Sans), FreeType renders it.
//
// Glyphs are loaded unhinted and rendered to 8-bit coverage, which gives the same pixels with
// the same font files everywhere. Each glyph is placed at its pen position rounded to a whole
// pixel; a line's width is its rounded final pen position. Faces are opened once per file and
// sizes once per pixel size. Measuring loads a glyph's outline for its advance only; painting
// renders it, and rendered glyphs are kept up to kMostRenderedBytes of coverage, so that a zoom
// through hundreds of sizes neither renders what it only measures nor keeps every size's
// pixels for good.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_SIZES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/font.h"

namespace tov::platform {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsGenericFamily(const std::string& lowered) {
    return lowered == "sans-serif" || lowered == "serif" || lowered == "monospace" ||
           lowered == "sans" || lowered == "mono" || lowered == "cursive" || lowered == "fantasy" ||
           lowered == "system-ui" || lowered == "emoji" || lowered == "math";
}

// What a glyph is needed for: measuring wants its advance, painting its pixels as well.
enum class GlyphUse { Advance, Pixels };

// The coverage kept of rendered glyphs, in bytes, before it is dropped as a whole (at the start
// of the next call, never while a line is being laid out or painted).
constexpr size_t kMostRenderedBytes = size_t{64} << 20;

struct Glyph {
    uint32_t index = 0;     // in the face
    int64_t advance = 0;    // 26.6 pixels
    bool rendered = false;  // whether the fields below hold the glyph's pixels
    int left = 0;           // bitmap offset from the pen position
    int top = 0;            // bitmap rows above the baseline
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;
};

// One file opened by FreeType.
struct FileFace {
    FT_Face face = nullptr;
};

// One face at one pixel size with its style synthesis and glyphs.
struct SizedFace {
    FT_Face face = nullptr;
    FT_Size size = nullptr;
    bool synthetic_bold = false;
    bool synthetic_italic = false;
    bool kerning = false;
    FontMetrics metrics;
    std::string family;
    std::unordered_map<uint32_t, Glyph> glyphs;  // by code point
    // The layout of the line rendered last, so that painting part of a long line again (a
    // ticker moves it a little each tick) finds its visible glyphs without walking them all.
    struct Placed {
        const Glyph* glyph;  // into glyphs, whose elements never move
        int64_t origin;      // pen position in whole pixels
    };
    std::string layout_line;
    bool layout_valid = false;
    std::vector<Placed> layout;    // the glyphs with pixels, in line order
    bool layout_ascending = true;  // origins never decrease along the line
    int64_t reach_left = 0;        // how far any glyph's pixels start left of its origin
    int64_t reach_right = 0;       // how far any glyph's pixels end right of its origin
};

class FreeTypeBackend final : public FontEngine::Backend {
  public:
    FreeTypeBackend() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
        config_ = FcInitLoadConfigAndFonts();
    }
    ~FreeTypeBackend() override {
        sized_.clear();
        for (auto& [key, file] : files_) {
            if (file.face != nullptr) FT_Done_Face(file.face);
        }
        if (library_ != nullptr) FT_Done_FreeType(library_);
        if (config_ != nullptr) FcConfigDestroy(config_);
    }

    FontMetrics Metrics(const FontSpec& spec) override {
        SizedFace* face = Find(spec);
        if (face == nullptr) return FallbackMetrics(spec);
        return face->metrics;
    }

    int LineWidth(const FontSpec& spec, std::string_view line) override {
        SizedFace* face = Find(spec);
        if (face == nullptr) return 0;
        int64_t pen = 0;
        uint32_t previous = 0;
        for (char c : line) {
            const Glyph* glyph =
                GlyphOf(*face, static_cast<uint8_t>(c), GlyphUse::Advance, &pen, &previous);
            if (glyph != nullptr) pen += glyph->advance;
        }
        return static_cast<int>((pen + 32) >> 6);
    }

    void RenderLine(const FontSpec& spec, std::string_view line, int clip_left, int clip_right,
                    LineCoverage* out) override {
        *out = LineCoverage{};
        SizedFace* face = Find(spec);
        if (face == nullptr) return;
        const int height = face->metrics.line_height;
        const int baseline = face->metrics.ascent;
        // First pass: which glyphs touch the range, and the columns they cover.
        struct Placed {
            const Glyph* glyph;
            int x;
        };
        std::vector<Placed> placed;
        int64_t min_x = INT64_MAX;
        int64_t max_x = INT64_MIN;
        const std::vector<SizedFace::Placed>& layout = LayoutOf(*face, line);
        auto first = layout.begin();
        if (face->layout_ascending) {
            // No glyph before this one reaches into the range.
            first = std::partition_point(layout.begin(), layout.end(), [&](const auto& p) {
                return p.origin + face->reach_right <= clip_left;
            });
        }
        for (auto it = first; it != layout.end(); ++it) {
            if (face->layout_ascending && it->origin - face->reach_left >= clip_right) break;
            const Glyph& glyph = *it->glyph;
            const int64_t x0 = it->origin + glyph.left;
            const int64_t x1 = x0 + glyph.width;
            if (x1 <= clip_left || x0 >= clip_right) continue;
            placed.push_back(Placed{&glyph, static_cast<int>(x0)});
            min_x = std::min(min_x, x0);
            max_x = std::max(max_x, x1);
        }
        if (placed.empty() || height <= 0) return;
        out->left = static_cast<int>(min_x);
        out->width = static_cast<int>(max_x - min_x);
        out->height = height;
        out->alpha.assign(static_cast<size_t>(out->width) * height, 0);
        // Overlapping glyphs add their coverage, saturating at full.
        for (const Placed& p : placed) {
            const Glyph& g = *p.glyph;
            const int dx = p.x - out->left;
            for (int row = 0; row < g.height; ++row) {
                const int y = baseline - g.top + row;
                if (y < 0 || y >= height) continue;
                const uint8_t* src = g.alpha.data() + static_cast<size_t>(row) * g.width;
                uint8_t* dst = out->alpha.data() + static_cast<size_t>(y) * out->width + dx;
                for (int col = 0; col < g.width; ++col) {
                    const int sum = dst[col] + src[col];
                    dst[col] = static_cast<uint8_t>(std::min(sum, 255));
                }
            }
        }
    }

    std::vector<std::string> Families() override {
        std::set<std::string> names;
        if (config_ != nullptr) {
            FcPattern* pattern = FcPatternCreate();
            FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
            FcFontSet* set = FcFontList(config_, pattern, objects);
            if (set != nullptr) {
                for (int i = 0; i < set->nfont; ++i) {
                    FcChar8* family = nullptr;
                    for (int k = 0;
                         FcPatternGetString(set->fonts[i], FC_FAMILY, k, &family) == FcResultMatch;
                         ++k) {
                        names.insert(reinterpret_cast<const char*>(family));
                    }
                }
                FcFontSetDestroy(set);
            }
            FcObjectSetDestroy(objects);
            FcPatternDestroy(pattern);
        }
        return std::vector<std::string>(names.begin(), names.end());
    }

    std::string ResolvedFamily(const FontSpec& spec) override {
        SizedFace* face = Find(spec);
        return face == nullptr ? std::string() : face->family;
    }

  private:
    struct Match {
        std::string file;
        int index = 0;
        std::string family;
        int weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
    };

    static FontMetrics FallbackMetrics(const FontSpec& spec) {
        FontMetrics m;
        m.ascent = spec.size * 4 / 5;
        m.descent = spec.size - m.ascent;
        m.line_height = spec.size;
        return m;
    }

    // fontconfig's answer for the name, accepted only when it is the name itself or one of the
    // aliases the configuration gives that name, not a generic default it fell through to.
    bool MatchFace(const std::string& face, bool bold, bool italic, bool accept_any, Match* out) {
        if (config_ == nullptr) return false;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(config_, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        std::set<std::string> wanted;
        FcChar8* name = nullptr;
        for (int k = 0; FcPatternGetString(pattern, FC_FAMILY, k, &name) == FcResultMatch; ++k) {
            const std::string lowered = Lower(reinterpret_cast<const char*>(name));
            if (IsGenericFamily(lowered)) break;
            wanted.insert(lowered);
        }
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config_, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) return false;
        bool accepted = false;
        FcChar8* family = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            for (int k = 0; FcPatternGetString(match, FC_FAMILY, k, &family) == FcResultMatch;
                 ++k) {
                if (accept_any || wanted.contains(Lower(reinterpret_cast<const char*>(family)))) {
                    accepted = true;
                    break;
                }
            }
        }
        if (accepted) {
            out->file = reinterpret_cast<const char*>(file);
            out->family = reinterpret_cast<const char*>(family);
            int index = 0;
            if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) {
                out->index = index;
            }
            FcPatternGetInteger(match, FC_WEIGHT, 0, &out->weight);
            FcPatternGetInteger(match, FC_SLANT, 0, &out->slant);
        }
        FcPatternDestroy(match);
        return accepted;
    }

    FT_Face OpenFile(const Match& match) {
        const auto key = std::make_pair(match.file, match.index);
        auto found = files_.find(key);
        if (found != files_.end()) return found->second.face;
        FileFace& file = files_[key];
        if (library_ == nullptr ||
            FT_New_Face(library_, match.file.c_str(), match.index, &file.face) != 0) {
            file.face = nullptr;
        }
        return file.face;
    }

    SizedFace* Find(const FontSpec& spec) {
        if (rendered_bytes_ > kMostRenderedBytes) DropRenderedGlyphs();
        const auto key = std::make_tuple(Lower(spec.face), spec.size, spec.bold, spec.italic);
        auto found = sized_.find(key);
        if (found != sized_.end()) return found->second.get();
        std::unique_ptr<SizedFace> sized = Load(spec);
        SizedFace* raw = sized.get();
        sized_.emplace(key, std::move(sized));
        return raw;
    }

    std::unique_ptr<SizedFace> Load(const FontSpec& spec) {
        Match match;
        if (!MatchFace(spec.face, spec.bold, spec.italic, false, &match) &&
            !MatchFace(std::string(kDefaultFace), spec.bold, spec.italic, false, &match) &&
            !MatchFace(std::string(kDefaultFace), spec.bold, spec.italic, true, &match)) {
            return nullptr;
        }
        FT_Face face = OpenFile(match);
        if (face == nullptr || !FT_IS_SCALABLE(face)) return nullptr;
        auto sized = std::make_unique<SizedFace>();
        sized->face = face;
        if (FT_New_Size(face, &sized->size) != 0) return nullptr;
        FT_Activate_Size(sized->size);
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(spec.size)) != 0) return nullptr;
        sized->family = match.family;
        sized->synthetic_bold = spec.bold && match.weight < FC_WEIGHT_DEMIBOLD;
        sized->synthetic_italic = spec.italic && match.slant == FC_SLANT_ROMAN;
        sized->kerning = FT_HAS_KERNING(face);
        // Metrics from the design units, so that they do not depend on hinting.
        const double scale = static_cast<double>(spec.size) / face->units_per_EM;
        sized->metrics.ascent = static_cast<int>(std::ceil(face->ascender * scale - 1e-9));
        sized->metrics.descent = static_cast<int>(std::ceil(-face->descender * scale - 1e-9));
        sized->metrics.line_height = sized->metrics.ascent + sized->metrics.descent;
        return sized;
    }

    // The glyph of an 8-bit character, rendered when its pixels are wanted, with the kerning
    // against the previous glyph added to the pen; nullptr for control characters.
    const Glyph* GlyphOf(SizedFace& face, uint8_t c, GlyphUse use, int64_t* pen,
                         uint32_t* previous) {
        if (c < 0x20 || c == 0x7F) return nullptr;
        const uint32_t code = CodePointOf(c);
        auto found = face.glyphs.find(code);
        if (found == face.glyphs.end()) {
            found = face.glyphs.emplace(code, LoadAdvance(face, FT_Get_Char_Index(face.face, code)))
                        .first;
        }
        Glyph* glyph = &found->second;
        if (use == GlyphUse::Pixels && !glyph->rendered) {
            Render(face, glyph);
            rendered_bytes_ += glyph->alpha.size();
        }
        const uint32_t index = glyph->index;
        if (face.kerning && *previous != 0 && index != 0) {
            FT_Activate_Size(face.size);
            FT_Vector delta{0, 0};
            if (FT_Get_Kerning(face.face, *previous, index, FT_KERNING_UNFITTED, &delta) == 0) {
                *pen += delta.x;
            }
        }
        *previous = index;
        return glyph;
    }

    // The glyphs of the line with their pen positions, laid out again only when the line
    // differs from the one laid out last in this size.
    const std::vector<SizedFace::Placed>& LayoutOf(SizedFace& face, std::string_view line) {
        if (face.layout_valid && face.layout_line == line) return face.layout;
        face.layout_line.assign(line);
        face.layout_valid = true;
        face.layout.clear();
        face.layout_ascending = true;
        face.reach_left = 0;
        face.reach_right = 0;
        int64_t pen = 0;
        uint32_t previous = 0;
        for (char c : line) {
            const Glyph* glyph =
                GlyphOf(face, static_cast<uint8_t>(c), GlyphUse::Pixels, &pen, &previous);
            if (glyph == nullptr) continue;
            const int64_t origin = (pen + 32) >> 6;
            pen += glyph->advance;
            if (glyph->width == 0 || glyph->height == 0) continue;
            if (!face.layout.empty() && origin < face.layout.back().origin) {
                face.layout_ascending = false;
            }
            face.reach_left = std::max<int64_t>(face.reach_left, -glyph->left);
            face.reach_right = std::max<int64_t>(face.reach_right, glyph->left + glyph->width);
            face.layout.push_back(SizedFace::Placed{glyph, origin});
        }
        return face.layout;
    }

    // The glyph's outline loaded into the face's slot, styled as the face synthesises it;
    // nullptr when it cannot be loaded.
    static FT_GlyphSlot LoadOutline(SizedFace& face, uint32_t index) {
        FT_Activate_Size(face.size);
        if (FT_Load_Glyph(face.face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
            return nullptr;
        }
        FT_GlyphSlot slot = face.face->glyph;
        if (face.synthetic_italic) FT_GlyphSlot_Oblique(slot);
        if (face.synthetic_bold) FT_GlyphSlot_Embolden(slot);
        return slot;
    }

    // A glyph with its advance, not yet rendered.
    static Glyph LoadAdvance(SizedFace& face, uint32_t index) {
        Glyph glyph;
        glyph.index = index;
        if (const FT_GlyphSlot slot = LoadOutline(face, index)) glyph.advance = slot->advance.x;
        return glyph;
    }

    // Renders the glyph's pixels; one that cannot be rendered has none.
    static void Render(SizedFace& face, Glyph* glyph) {
        glyph->rendered = true;
        const FT_GlyphSlot slot = LoadOutline(face, glyph->index);
        if (slot == nullptr || FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return;
        glyph->left = slot->bitmap_left;
        glyph->top = slot->bitmap_top;
        glyph->width = static_cast<int>(bitmap.width);
        glyph->height = static_cast<int>(bitmap.rows);
        glyph->alpha.resize(static_cast<size_t>(glyph->width) * glyph->height);
        for (int row = 0; row < glyph->height; ++row) {
            const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
            std::copy(src, src + glyph->width,
                      glyph->alpha.begin() + static_cast<ptrdiff_t>(row) * glyph->width);
        }
    }

    // Forgets the pixels of every rendered glyph and the layouts that point at them; the
    // glyphs keep their advances and render again when painted.
    void DropRenderedGlyphs() {
        for (auto& [key, face] : sized_) {
            if (face == nullptr) continue;
            for (auto& [code, glyph] : face->glyphs) {
                const uint32_t index = glyph.index;
                const int64_t advance = glyph.advance;
                glyph = Glyph{};
                glyph.index = index;
                glyph.advance = advance;
            }
            face->layout_valid = false;
            face->layout.clear();
        }
        rendered_bytes_ = 0;
    }

    FT_Library library_ = nullptr;
    FcConfig* config_ = nullptr;
    size_t rendered_bytes_ = 0;  // coverage bytes of the rendered glyphs kept
    std::map<std::pair<std::string, int>, FileFace> files_;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<SizedFace>> sized_;
};

}  // namespace

std::unique_ptr<FontEngine::Backend> FontEngine::MakeBackend() {
    return std::make_unique<SharedFontBackend<FreeTypeBackend>>();
}

}  // namespace tov::platform
