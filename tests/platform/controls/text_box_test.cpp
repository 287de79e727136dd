#include "platform/controls/text_box.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(TextBox, ShowsItsLinesAndGrowsWithItsVisibleLines) {
    Stage stage(ControlKind::TextBox, 160, 10, 2);
    stage.Set(Attr::TextFont, "Arial");
    stage.Set(Attr::TextPointSize, 14);
    stage.Set(Attr::TextColor, 0x000000);
    stage.Set(Attr::TextBgColor, 0xFFFFF0);
    stage.Value("first line\n");
    stage.Value("second line\n");
    stage.Value("third line\n");
    stage.Set(Attr::VisibleLines, 3);
    const int line_height =
        stage.Fonts().Engine().Metrics(stage.Get().TextFont(stage.Fonts())).line_height;
    EXPECT_EQ(stage.Get().Height(), 3 * line_height + 2 * TextBox::kInset);
    EXPECT_MATCHES_GOLDEN(stage.Shot(), "platform/controls/text_box_three_lines");

    // Deleting the middle line moves the third up.
    TextBox& box = stage.Get<TextBox>();
    EXPECT_EQ(box.DeleteLine(1), kUISuccess);
    EXPECT_EQ(box.Lines(), (std::vector<std::string>{"first line", "third line"}));
    EXPECT_EQ(box.DeleteLines(0, 5), kUISuccess);  // a count beyond the end stops there
    EXPECT_EQ(box.LineCount(), 0);
    EXPECT_EQ(box.DeleteLines(-1, 1), kUIEListIndexOutOfRange);
}

TEST(TextBox, ATransparentBoxWithoutFrameShowsOnlyItsText) {
    Stage stage(ControlKind::TextBox, 100, 10, 0);
    stage.Set(Attr::TextBgColor, kTransparent);
    stage.Set(Attr::FrameColor, kTransparent);
    stage.Set(Attr::TextColor, 0xFFFFFF);
    const Surface blank = stage.Shot();
    EXPECT_EQ(testing::CountColor(blank, Stage::kBackdrop), blank.width * blank.height);
    stage.Value("x\n");
    EXPECT_LT(testing::CountColor(stage.Shot(), Stage::kBackdrop), blank.width * blank.height);
}

}  // namespace
}  // namespace tov::platform
