#include "platform/controls/text_message.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

Surface Text(const char* font, int size, bool bold, bool italic) {
    Stage stage(ControlKind::TextMessage, 200, 10, 0);
    stage.Set(Attr::TextFont, font);
    stage.Set(Attr::TextPointSize, size);
    stage.Set(Attr::TextBold, bold ? 1 : 0);
    stage.Set(Attr::TextItalic, italic ? 1 : 0);
    stage.Set(Attr::TextColor, 0xFFFF00);
    stage.Set(Attr::TextBgColor, 0x000080);
    stage.Value("Tilt! 1,234 pts");
    return stage.Shot();
}

TEST(TextMessage, FontsBoldAndItalic) {
    const Surface sans = Text("Arial", 20, false, false);
    const Surface serif = Text("Times New Roman", 20, false, false);
    const Surface bold = Text("Arial", 20, true, false);
    const Surface italic = Text("Arial", 20, false, true);
    EXPECT_MATCHES_GOLDEN(sans, "platform/controls/text_message_sans");
    EXPECT_MATCHES_GOLDEN(serif, "platform/controls/text_message_serif");
    EXPECT_MATCHES_GOLDEN(bold, "platform/controls/text_message_bold");
    EXPECT_MATCHES_GOLDEN(italic, "platform/controls/text_message_italic");
    EXPECT_NE(sans.pixels, serif.pixels);
    EXPECT_NE(sans.pixels, bold.pixels);
    EXPECT_NE(sans.pixels, italic.pixels);
    // Bold text puts more of the text colour down.
    EXPECT_GT(testing::CountColor(bold, 0xFFFF00), testing::CountColor(sans, 0xFFFF00));
}

TEST(TextMessage, HeightFollowsTheFontAndTextIsCutAtTheWidth) {
    Stage stage(ControlKind::TextMessage, 30, 5, 10);
    stage.Set(Attr::TextColor, 0xFFFFFF);
    stage.Set(Attr::TextPointSize, 20);
    const int one_line = stage.Get().Height();
    EXPECT_GT(one_line, 20);
    stage.Value("two\nlines");
    EXPECT_EQ(stage.Get().Height(), 2 * one_line);
    stage.Value("WWWWWWWWWWWW");
    EXPECT_EQ(stage.Get().Height(), one_line);
    // Nothing of the text shows beyond the control's 30 pixels (plus the 10 of margin).
    const Surface shot = stage.Shot();
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 40; x < shot.width; ++x)
            ASSERT_EQ(shot.At(x, y), Stage::kBackdrop);
    }
    // On a transparent background the text blends with what lies behind.
    EXPECT_GT(testing::CountColor(shot, 0xFFFFFF), 0);
}

TEST(StringDisplay, FramedText) {
    Stage stage(ControlKind::StringDisplay, 120, 10, 2);
    stage.Set(Attr::TextPointSize, 14);
    stage.Set(Attr::FrameColor, 0x808080);
    stage.Value("01.234.567");
    const Surface shot = stage.Shot();
    EXPECT_EQ(shot.At(2, 2), 0x808080u);
    EXPECT_EQ(shot.At(4, 4), 0xFFFFFFu);
    EXPECT_MATCHES_GOLDEN(shot, "platform/controls/string_display");
}

}  // namespace
}  // namespace tov::platform
