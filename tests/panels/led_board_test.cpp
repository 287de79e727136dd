#include "panels/led_board.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/dmd_fixture.h"
#include "platform/paths.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

using platform::Attr;

constexpr uint32_t kBoardTop = 0x283848;  // the test board: upper and lower half
constexpr uint32_t kBoardBottom = 0x384858;

class LedBoardTest : public DmdFixture {
  protected:
    void SetUp() override {
        DmdFixture::SetUp();
        platform::Surface board(40, 30, kBoardTop);
        for (int y = 15; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                board.At(x, y) = kBoardBottom;
        ASSERT_EQ(platform::WritePng(dir_.File("board.png"), board), 0);
    }
    LedBoard& B() { return engine_.LedBoard(); }
    int Panel() { return B().BHGPanelHandle; }
    double ValueOf(int control) {
        double value = -1;
        Rt().GetCtrlVal(Panel(), control, &value);
        return value;
    }
    int IntAttr(int control, Attr attr) {
        int value = -1;
        Rt().GetCtrlAttribute(Panel(), control, attr, &value);
        return value;
    }
};

TEST_F(LedBoardTest, InstallStretchesTheBoardOverAShownLockedPanel) {
    ASSERT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "board.png"), 0);
    EXPECT_TRUE(Rt().Popups().empty());
    const platform::PanelInfo info = Info(Panel());
    EXPECT_EQ(platform::MakeRect(info.top, info.left, info.height, info.width),
              platform::MakeRect(300, 700, 160, 240));
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.frame);  // as the panel file has it
    EXPECT_FALSE(info.enabled);
    const platform::Surface canvas = ReadCanvas(Rt(), Panel(), platform::led_board_panel::kCanvas);
    ASSERT_EQ(canvas.width, 240);
    ASSERT_EQ(canvas.height, 160);
    EXPECT_EQ(canvas.At(0, 79), kBoardTop);
    EXPECT_EQ(canvas.At(239, 80), kBoardBottom);

    // A second install replaces the first panel and its picture.
    const int first = Panel();
    const int first_board = B().BHGBitmapID;
    ASSERT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "board.png"), 0);
    EXPECT_TRUE(Info(first).discarded);
    EXPECT_EQ(Rt().FindBitmap(first_board), nullptr);
    EXPECT_EQ(B().DiscardBHGPanel(), 0);
    EXPECT_TRUE(Info(Panel()).discarded);
    EXPECT_EQ(B().SwitchBHGLED(1, 1), 0);
    EXPECT_EQ(B().SetBHGLEDAttr(1, 1, 1, 1, 1, 1, 1), 0);
}

TEST_F(LedBoardTest, LampsOneToTwelveSwitchTheirControlsAndOtherNumbersNothing) {
    ASSERT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "board.png"), 0);
    EXPECT_EQ(B().SwitchBHGLED(1, 1), 0);
    EXPECT_EQ(ValueOf(11), 1);
    EXPECT_EQ(B().SwitchBHGLED(12, 1), 0);
    EXPECT_EQ(ValueOf(13), 1);
    for (int16_t lamp : {0, 13, -1}) {
        EXPECT_EQ(B().SwitchBHGLED(lamp, 1), 0);
        EXPECT_EQ(B().SetBHGLEDAttr(lamp, 5, 5, 5, 5, 5, 5), 0);
    }
    for (int control = 2; control <= 13; ++control) {
        EXPECT_EQ(ValueOf(control), control == 11 || control == 13 ? 1 : 0) << control;
        EXPECT_NE(IntAttr(control, Attr::Width), 5) << control;
    }
    // Any state but 0 lights the lamp; 0 puts it out.
    B().SwitchBHGLED(1, 2);
    EXPECT_EQ(ValueOf(11), 2);
    B().SwitchBHGLED(1, 0);
    EXPECT_EQ(ValueOf(11), 0);
}

TEST_F(LedBoardTest, LampNineTakesItsSquareAreaAndItsCaptionPlace) {
    ASSERT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "board.png"), 0);
    EXPECT_EQ(B().SetBHGLEDAttr(9, 30, 40, 20, 22, 64, 9), 0);
    EXPECT_EQ(IntAttr(2, Attr::Left), 30);
    EXPECT_EQ(IntAttr(2, Attr::Top), 40);
    EXPECT_EQ(IntAttr(2, Attr::Width), 20);
    EXPECT_EQ(IntAttr(2, Attr::Height), 20);
    EXPECT_EQ(IntAttr(2, Attr::LabelLeft), 22);
    EXPECT_EQ(IntAttr(2, Attr::LabelTop), 64);
    EXPECT_EQ(IntAttr(2, Attr::LabelPointSize), 9);
    std::string caption;
    Rt().GetCtrlAttribute(Panel(), 2, Attr::LabelText, &caption);
    EXPECT_EQ(caption, "Lamp 9");
}

TEST_F(LedBoardTest, AMissingBoardIsReportedWithItsFullPathAndThePanelStaysHidden) {
    EXPECT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "sub\\gone.bmp"), -1);
    ASSERT_EQ(Rt().Popups().size(), 1u);
    EXPECT_EQ(Rt().Popups()[0].title, "fatal error");
    EXPECT_EQ(Rt().Popups()[0].text,
              "private CVI-function 'InstallBHGPanel': file '" +
                  platform::JoinPath(engine_.MainPanel().loadedVPTDir, "sub\\gone.bmp") +
                  "': " + std::string(platform::GetUILErrorString(platform::kUIEFileNotFound)));
    EXPECT_FALSE(Info(Panel()).visible);
    EXPECT_EQ(B().BHGBitmapID, 0);
}

TEST_F(LedBoardTest, GoldenWithLampsOnAndOff) {
    ASSERT_EQ(B().InstallBHGPanel(700, 300, 240, 160, "board.png"), 0);
    for (int16_t lamp = 1; lamp <= 12; ++lamp) {
        const int column = (lamp - 1) % 4;
        const int row = (lamp - 1) / 4;
        B().SetBHGLEDAttr(
            lamp, static_cast<int16_t>(20 + column * 56), static_cast<int16_t>(15 + row * 50), 18,
            static_cast<int16_t>(12 + column * 56), static_cast<int16_t>(36 + row * 50), 10);
        B().SwitchBHGLED(lamp, static_cast<int16_t>(lamp % 3 == 1 ? 1 : 0));
    }
    platform::Surface s;
    ASSERT_TRUE(Rt().ComposePanel(Panel(), &s));
    EXPECT_MATCHES_GOLDEN(s, "panels/led_board");
}

}  // namespace
}  // namespace tov::testing
