#include "platform/font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tov::platform {
namespace {

FontSpec Spec(const char* face, int size, bool bold = false, bool italic = false) {
    FontSpec spec;
    spec.face = face;
    spec.size = size;
    spec.bold = bold;
    spec.italic = italic;
    return spec;
}

TEST(Font, NamesResolveThroughTheSystemsAliasesOrFallBack) {
    FontEngine fonts;
    EXPECT_EQ(fonts.ResolvedFamily(Spec("Arial", 12)), "Liberation Sans");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("arial", 12)), "Liberation Sans");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("Times New Roman", 12)), "Liberation Serif");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("Courier New", 12, true)), "Liberation Mono");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("DejaVu Sans Mono", 12)), "DejaVu Sans Mono");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("No Such Font Anywhere", 12)), "DejaVu Sans");
    EXPECT_EQ(fonts.ResolvedFamily(Spec("", 12)), "DejaVu Sans");
}

TEST(Font, CatalogueNamesEachInstalledFamilyOnce) {
    FontEngine fonts;
    const std::vector<std::string> families = fonts.Families();
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    for (const char* name : {"DejaVu Sans", "Liberation Sans", "Liberation Serif"}) {
        EXPECT_NE(std::find(families.begin(), families.end(), name), families.end()) << name;
    }
}

// The columns [first, last] that the painted text touches, on a surface of its own.
std::pair<int, int> PaintedColumns(FontEngine& fonts, const FontSpec& spec, const std::string& text,
                                   int x) {
    Surface s(x + fonts.LineWidth(spec, text) + 2 * x, fonts.Metrics(spec).line_height, 0);
    fonts.DrawText(s, x, 0, spec, text, kWhite);
    int first = s.width;
    int last = -1;
    for (int row = 0; row < s.height; ++row) {
        for (int col = 0; col < s.width; ++col) {
            if (s.At(col, row) == 0) continue;
            first = std::min(first, col);
            last = std::max(last, col);
        }
    }
    return {first, last};
}

TEST(Font, MeasuredWidthIsThePaintedRunWithinTheSideBearings) {
    FontEngine fonts;
    for (const FontSpec& spec : {Spec("Arial", 24), Spec("Arial", 24, true, false),
                                 Spec("Times New Roman", 30, false, true),
                                 Spec("DejaVu Sans Mono", 18), Spec("DejaVu Sans", 9)}) {
        for (const std::string text : {"Hello World", "AVATAR", "iiii", "W", "Score: 1.234.567"}) {
            const int width = fonts.LineWidth(spec, text);
            const auto [first, last] = PaintedColumns(fonts, spec, text, 40);
            const int bearing = std::max(2, spec.size / 5);
            EXPECT_LE(std::abs(first - 40), bearing) << spec.face << " " << text;
            EXPECT_LE(std::abs(last + 1 - (40 + width)), bearing) << spec.face << " " << text;
        }
    }
}

TEST(Font, SizesAndLines) {
    FontEngine fonts;
    const FontSpec spec = Spec("Arial", 20);
    const FontMetrics m = fonts.Metrics(spec);
    EXPECT_EQ(m.line_height, m.ascent + m.descent);
    EXPECT_GE(m.line_height, 20);
    int w = -1;
    int h = -1;
    fonts.TextSize(spec, "", &w, &h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, m.line_height);
    fonts.TextSize(spec, "ab\nlonger line\n", &w, &h);
    EXPECT_EQ(w, fonts.LineWidth(spec, "longer line"));
    EXPECT_EQ(h, 2 * m.line_height);
    // Control characters take no room; a point size is the em height in pixels.
    EXPECT_EQ(fonts.LineWidth(spec, "a\tb\x01"), fonts.LineWidth(spec, "ab"));
    EXPECT_NEAR(fonts.LineWidth(Spec("Arial", 40), "Hello"), 2 * fonts.LineWidth(spec, "Hello"), 2);
    // Sizes beyond the limits are clamped, not refused.
    EXPECT_EQ(fonts.Metrics(Spec("Arial", 0)).line_height,
              fonts.Metrics(Spec("Arial", kMinFontSize)).line_height);
    EXPECT_EQ(fonts.Metrics(Spec("Arial", 100000)).line_height,
              fonts.Metrics(Spec("Arial", kMaxFontSize)).line_height);
    // The code page's euro sign has a glyph of its own.
    EXPECT_GT(fonts.LineWidth(spec, "\x80"), 0);
    EXPECT_NE(fonts.LineWidth(spec, "\x80"), fonts.LineWidth(spec, "\x81"));
}

TEST(Font, PaintingIsTheSameWhereverTheLineIsCut) {
    FontEngine fonts;
    const FontSpec spec = Spec("Times New Roman", 26, false, true);
    const std::string text = "A long ticker line, cut at both edges of the surface";
    const int height = fonts.Metrics(spec).line_height;
    const int width = fonts.LineWidth(spec, text);
    Surface whole(width + 20, height, 0x101010);
    fonts.DrawText(whole, 10, 0, spec, text, 0xFFE000);
    for (int offset : {-1, -37, -200, -(width - 30)}) {
        Surface part(120, height, 0x101010);
        fonts.DrawText(part, offset, 0, spec, text, 0xFFE000);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < part.width; ++x) {
                const int source = x - offset + 10;
                if (source < 0 || source >= whole.width) continue;
                ASSERT_EQ(part.At(x, y), whole.At(source, y)) << offset << " " << x << "," << y;
            }
        }
    }
    // Far away in any direction nothing is drawn and nothing breaks.
    Surface s(10, 10, 7);
    fonts.DrawText(s, INT32_MIN, 0, spec, text, kWhite);
    fonts.DrawText(s, INT32_MAX, INT32_MAX, spec, text, kWhite);
    fonts.DrawText(s, 0, INT32_MIN, spec, text, kWhite);
    EXPECT_EQ(s.pixels, std::vector<uint32_t>(100, 7u));
    // A transparent colour paints nothing.
    fonts.DrawText(s, 0, 0, spec, "WWW", kTransparent);
    EXPECT_EQ(s.pixels, std::vector<uint32_t>(100, 7u));
}

TEST(Font, PaintingIsDeterministic) {
    FontEngine a;
    FontEngine b;
    Surface sa(200, 40, 0);
    Surface sb(200, 40, 0);
    a.DrawText(sa, 3, 2, Spec("Arial", 28, true, true), "Jackpot 42", 0x80FF40);
    b.DrawText(sb, 3, 2, Spec("Arial", 28, true, true), "Jackpot 42", 0x80FF40);
    EXPECT_EQ(sa.pixels, sb.pixels);
    // Anti-aliased: edges blend the text colour with what was there.
    bool blended = false;
    for (uint32_t p : sa.pixels)
        blended = blended || (p != 0 && p != 0x80FF40u);
    EXPECT_TRUE(blended);
}

TEST(Font, PaintingIsTheSameAfterTheRenderedGlyphsWereDropped) {
    FontEngine fonts;
    const FontSpec spec = Spec("DejaVu Sans", 28);
    Surface before(200, 40, 0);
    fonts.DrawText(before, 3, 2, spec, "Jackpot 42", 0xFFFFFF);
    const int width = fonts.LineWidth(spec, "Jackpot 42");
    // Every printable character at the largest sizes: more coverage than the glyphs keep, so
    // the next call drops it all, the line painted above included.
    std::string printable;
    for (char c = 0x21; c < 0x7F; ++c)
        printable += c;
    Surface large(50, 50, 0);
    for (int size = kMaxFontSize; size > kMaxFontSize - 8; --size)
        fonts.DrawText(large, 0, 0, Spec("DejaVu Sans", size), printable, 0xFFFFFF);
    Surface after(200, 40, 0);
    fonts.DrawText(after, 3, 2, spec, "Jackpot 42", 0xFFFFFF);
    EXPECT_EQ(after.pixels, before.pixels);
    EXPECT_EQ(fonts.LineWidth(spec, "Jackpot 42"), width);
}

TEST(Font, UnderlineAndStrikeOut) {
    FontEngine fonts;
    FontSpec plain = Spec("Arial", 20);
    FontSpec lined = plain;
    lined.underline = true;
    lined.strikeout = true;
    const int width = fonts.LineWidth(plain, "___");
    Surface a(width + 10, 30, 0);
    Surface b(width + 10, 30, 0);
    fonts.DrawText(a, 0, 0, plain, "o o", kWhite);
    fonts.DrawText(b, 0, 0, lined, "o o", kWhite);
    int extra = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        extra += a.pixels[i] != b.pixels[i] ? 1 : 0;
    EXPECT_GT(extra, fonts.LineWidth(plain, "o o"));
}

}  // namespace
}  // namespace tov::platform
