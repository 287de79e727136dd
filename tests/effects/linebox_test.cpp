#include "effects/linebox.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kLinebox = platform::main_panel::kLinebox;

class LineboxTest : public TextEffectTestBase<> {
  protected:
    tov::Linebox& Box() { return engine_.Linebox(); }
    void SetUpScroll(int16_t speed) {
        ASSERT_EQ(Box().SetUpLoopScrollAttr(100, 400, kTestFace, 20, 0xFFFFFF, 0, 0, speed), 0);
    }
    int Lines() {
        int count = -1;
        EXPECT_EQ(Rt().GetNumTextBoxLines(Panel(), kLinebox, &count), 0);
        return count;
    }
    int Top() { return Attribute(kLinebox, Attr::Top); }
};

TEST_F(LineboxTest, SetUpStylesPlacesAndWaitsBelowThePanel) {
    ASSERT_EQ(Box().SetUpLoopScrollAttr(120, 360, kTestFace, 22, 0x80FF80, 1, 1, 3), 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::Left), 120);
    EXPECT_EQ(Attribute(kLinebox, Attr::Width), 360);
    EXPECT_EQ(TextAttribute(kLinebox, Attr::TextFont), kTestFace);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextPointSize), 22);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextColor), 0x80FF80);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextBold), 1);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextItalic), 1);
    EXPECT_EQ(Top(), 600);
    EXPECT_EQ(Box().LineboxScrollUpPixelOffset, 600);
    EXPECT_EQ(Box().LineboxScrollUpSpeed, 3);
    EXPECT_EQ(Box().LineboxHeight, Attribute(kLinebox, Attr::Height));
}

TEST_F(LineboxTest, MinusTwoAndEmptyFaceChangeOnlyTheSpeed) {
    ASSERT_EQ(Box().SetUpLoopScrollAttr(120, 360, kTestFace, 22, 0x80FF80, 1, 0, 3), 0);
    Box().AddLineboxLine("line");
    Box().ShowUpLoopScrollNextStep();
    ASSERT_EQ(Box().SetUpLoopScrollAttr(-2, -2, "", -2, -2, -2, -2, -2), 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::Left), 120);
    EXPECT_EQ(Attribute(kLinebox, Attr::Width), 360);
    EXPECT_EQ(TextAttribute(kLinebox, Attr::TextFont), kTestFace);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextPointSize), 22);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextColor), 0x80FF80);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextBold), 1);
    EXPECT_EQ(Attribute(kLinebox, Attr::TextItalic), 0);
    EXPECT_EQ(Top(), 600);  // the roll starts over
    // -2 is a speed like any other: the lines move down and never wrap.
    Box().ShowUpLoopScrollNextStep();
    Box().ShowUpLoopScrollNextStep();
    EXPECT_EQ(Top(), 604);
}

TEST_F(LineboxTest, EveryLineAddedIsShownAndTheBoxGrows) {
    SetUpScroll(2);
    int previous_height = 0;
    for (int n = 1; n <= 3; ++n) {
        ASSERT_EQ(Box().AddLineboxLine("Line " + std::to_string(n)), 0);
        EXPECT_EQ(Box().LineboxLines, n);
        EXPECT_EQ(Attribute(kLinebox, Attr::VisibleLines), n);
        EXPECT_EQ(Lines(), n);
        EXPECT_EQ(Box().LineboxHeight, Attribute(kLinebox, Attr::Height));
        EXPECT_GT(Box().LineboxHeight, previous_height);
        previous_height = Box().LineboxHeight;
    }
}

TEST_F(LineboxTest, LinesAreCutTo250Characters) {
    SetUpScroll(2);
    ASSERT_EQ(Box().AddLineboxLine(std::string(300, 'w')), 0);
    ASSERT_EQ(Box().AddLineboxLine(std::string(250, 'v')), 0);
    EXPECT_EQ(Lines(), 2);
    const std::string text = Value(kLinebox);
    EXPECT_NE(text.find(std::string(250, 'w')), std::string::npos);
    EXPECT_EQ(text.find(std::string(251, 'w')), std::string::npos);
    EXPECT_NE(text.find(std::string(250, 'v')), std::string::npos);
}

TEST_F(LineboxTest, StepsRollUpAndWrapOnceTheLastLineHasLeft) {
    SetUpScroll(2);
    Box().AddLineboxLine("one");
    Box().LineboxHeight = 100;  // as if the box were 100 pixels high
    for (int top = 598; top >= -98; top -= 2) {
        ASSERT_EQ(Box().ShowUpLoopScrollNextStep(), 0);
        ASSERT_EQ(Top(), top);
    }
    Box().ShowUpLoopScrollNextStep();  // -100: the last line has reached the top edge
    EXPECT_EQ(Top(), 600);
    Box().ShowUpLoopScrollNextStep();
    EXPECT_EQ(Top(), 598);
}

TEST_F(LineboxTest, DeletingLines) {
    SetUpScroll(2);
    for (const char* line : {"a", "b", "c"})
        Box().AddLineboxLine(line);
    ASSERT_EQ(Box().DeleteLineboxLine(1), 0);
    EXPECT_EQ(Box().LineboxLines, 2);
    EXPECT_EQ(Attribute(kLinebox, Attr::VisibleLines), 2);
    EXPECT_EQ(Lines(), 2);
    EXPECT_EQ(Box().LineboxHeight, Attribute(kLinebox, Attr::Height));

    const size_t popups = PopupCount();
    for (int16_t index : {int16_t{2}, int16_t{-2}, int16_t{32767}, int16_t{-32768}}) {
        EXPECT_EQ(Box().DeleteLineboxLine(index), -1);
        EXPECT_EQ(LastPopup().title, "Error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'KillLineboxLine': argument '_LineIndex' out of range!");
    }
    EXPECT_EQ(PopupCount(), popups + 4);
    EXPECT_EQ(Box().LineboxLines, 2);
    EXPECT_EQ(Lines(), 2);

    ASSERT_EQ(Box().DeleteLineboxLine(0), 0);
    ASSERT_EQ(Box().DeleteLineboxLine(0), 0);  // the last line: the visible count stays
    EXPECT_EQ(Box().LineboxLines, 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::VisibleLines), 1);
    EXPECT_EQ(Box().DeleteLineboxLine(0), -1);
}

TEST_F(LineboxTest, DeletingAllLinesAlsoOnAnEmptyBox) {
    SetUpScroll(2);
    ASSERT_EQ(Box().DeleteLineboxLine(-1), 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::VisibleLines), 1);
    EXPECT_EQ(Box().LineboxLines, 0);
    Box().AddLineboxLine("x");
    Box().AddLineboxLine("y");
    ASSERT_EQ(Box().DeleteLineboxLine(-1), 0);
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::VisibleLines), 1);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(LineboxTest, HiddenBoxKeepsRollingAndComesBackWithAPosition) {
    SetUpScroll(5);
    Box().AddLineboxLine("x");
    Box().ShowUpLoopScrollNextStep();
    ASSERT_EQ(Box().HideLinebox(), 0);
    EXPECT_EQ(Attribute(kLinebox, Attr::Left), 800);
    Box().ShowUpLoopScrollNextStep();
    EXPECT_EQ(Top(), 590);
    Box().SetUpLoopScrollAttr(50, -2, "", -2, -2, -2, -2, 5);
    EXPECT_EQ(Attribute(kLinebox, Attr::Left), 50);
    EXPECT_EQ(Top(), 600);
}

TEST_F(LineboxTest, DownwardsRollStopsAtTheLargestOffset) {
    SetUpScroll(-32768);
    Box().LineboxScrollUpPixelOffset = std::numeric_limits<int32_t>::max() - 1;
    Box().ShowUpLoopScrollNextStep();
    EXPECT_EQ(Top(), std::numeric_limits<int32_t>::max());
}

class LineboxPictureTest : public TextEffectTestBase<240, 120> {};

TEST_F(LineboxPictureTest, ThreeLinesOfCredits) {
    tov::Linebox& box = engine_.Linebox();
    ASSERT_EQ(box.SetUpLoopScrollAttr(20, 200, kTestFace, 16, 0xC0E0FF, 0, 0, 10), 0);
    for (const char* line : {"Credits", "Design: TOV", "Thanks for playing"})
        box.AddLineboxLine(line);
    for (int i = 0; i < 9; ++i)
        box.ShowUpLoopScrollNextStep();
    EXPECT_EQ(box.LineboxScrollUpPixelOffset, 30);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/linebox_three_lines");
}

}  // namespace
}  // namespace tov::testing
