#include "effects/linebox.h"

#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kBox = platform::main_panel::kLinebox;

class LineboxTest : public TextEffectTestBase<> {
  protected:
    void SetUp() override {
        TextEffectTestBase::SetUp();
        ASSERT_EQ(Box().SetUpLoopScrollAttr(120, 360, kTestFace, 22, 0x80FF80, 1, 0, 2), 0);
    }
    tov::Linebox& Box() { return engine_.Linebox(); }
    int Top() { return Attribute(kBox, Attr::Top); }
};

TEST_F(LineboxTest, EveryLineIsShownAndTheBoxGrows) {
    EXPECT_EQ(Top(), 600);
    int height = 0;
    for (int n = 1; n <= 3; ++n) {
        ASSERT_EQ(Box().AddLineboxLine(n == 3 ? std::string(300, 'w') : "line"), 0);
        EXPECT_EQ(Attribute(kBox, Attr::VisibleLines), n);
        EXPECT_EQ(Box().LineboxHeight, Attribute(kBox, Attr::Height));
        EXPECT_GT(Box().LineboxHeight, height);
        height = Box().LineboxHeight;
    }
    EXPECT_EQ(Value(kBox), "line\nline\n" + std::string(250, 'w') + "\n");  // cut to 250
}

TEST_F(LineboxTest, RollsUpAndWrapsOnceTheLastLineHasLeft) {
    Box().AddLineboxLine("one");
    Box().LineboxHeight = 100;  // as if the box were 100 pixels high
    for (int top = 598; top >= -98; top -= 2) {
        Box().ShowUpLoopScrollNextStep();
        ASSERT_EQ(Top(), top);
    }
    Box().ShowUpLoopScrollNextStep();  // -100 would leave nothing on the panel
    EXPECT_EQ(Top(), 600);

    Box().HideLinebox();  // hidden, the box keeps rolling
    Box().ShowUpLoopScrollNextStep();
    EXPECT_EQ(Attribute(kBox, Attr::Left), 800);
    EXPECT_EQ(Top(), 598);
}

TEST_F(LineboxTest, MinusTwoAndEmptyFaceChangeOnlyTheSpeed) {
    Box().ShowUpLoopScrollNextStep();
    ASSERT_EQ(Box().SetUpLoopScrollAttr(-2, -2, "", -2, -2, -2, -2, -2), 0);
    EXPECT_EQ(Attribute(kBox, Attr::Left), 120);
    EXPECT_EQ(Attribute(kBox, Attr::Width), 360);
    EXPECT_EQ(Attribute(kBox, Attr::TextPointSize), 22);
    EXPECT_EQ(Attribute(kBox, Attr::TextColor), 0x80FF80);
    EXPECT_EQ(Attribute(kBox, Attr::TextBold), 1);
    EXPECT_EQ(Top(), 600);
    Box().ShowUpLoopScrollNextStep();  // speed -2: down, never wrapping
    EXPECT_EQ(Top(), 602);
}

TEST_F(LineboxTest, DeletingLines) {
    ASSERT_EQ(Box().DeleteLineboxLine(-1), 0);  // an empty box, too
    EXPECT_EQ(Attribute(kBox, Attr::VisibleLines), 1);
    for (const char* line : {"a", "b", "c"})
        Box().AddLineboxLine(line);
    ASSERT_EQ(Box().DeleteLineboxLine(1), 0);
    EXPECT_EQ(Value(kBox), "a\nc\n");
    EXPECT_EQ(Attribute(kBox, Attr::VisibleLines), 2);
    EXPECT_EQ(Box().LineboxHeight, Attribute(kBox, Attr::Height));

    for (int16_t index : {2, -2, -32768}) {
        EXPECT_EQ(Box().DeleteLineboxLine(index), -1);
        ExpectPopups(1, "Error",
                     "CVI-function 'KillLineboxLine': argument '_LineIndex' out of range!");
    }
    EXPECT_EQ(Value(kBox), "a\nc\n");
    ASSERT_EQ(Box().DeleteLineboxLine(0), 0);
    ASSERT_EQ(Box().DeleteLineboxLine(0), 0);  // the last line: the visible count stays
    EXPECT_EQ(Attribute(kBox, Attr::VisibleLines), 1);
    EXPECT_EQ(Box().LineboxLines, 0);
}

class LineboxPictureTest : public TextEffectTestBase<240, 120> {};

TEST_F(LineboxPictureTest, ThreeLinesOfCredits) {
    tov::Linebox& box = engine_.Linebox();
    ASSERT_EQ(box.SetUpLoopScrollAttr(20, 200, kTestFace, 16, 0xC0E0FF, 0, 0, 10), 0);
    for (const char* line : {"Credits", "Design: TOV", "Thanks for playing"})
        box.AddLineboxLine(line);
    for (int i = 0; i < 9; ++i)
        box.ShowUpLoopScrollNextStep();
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/linebox_three_lines");
}

}  // namespace
}  // namespace tov::testing
