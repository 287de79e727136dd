#include "panels/watch_panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/dmd_fixture.h"
#include "platform/paths.h"
#include "support/golden.h"

namespace tov::testing {
namespace {

using platform::MakeRect;

constexpr uint32_t kDialLeft = 0x203040;  // the test dial: left half and right half
constexpr uint32_t kDialRight = 0x304050;
constexpr uint32_t kHrsMin = 0xFF0000;
constexpr uint32_t kSec = 0x00FF00;

// A watch dial: a pale face with twelve dark marks on a dark ground.
platform::Surface GoldenDial(int size) {
    platform::Surface s(size, size, 0x202830);
    const double c = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - c, dy = y - c;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > size * 0.47) continue;
            s.At(x, y) = 0xF0E8D0;
            const double a = std::atan2(dy, dx) * 6 / 3.141592653589793;
            if (r > size * 0.38 && std::abs(a - std::round(a)) < 0.06) s.At(x, y) = 0x303030;
        }
    return s;
}

class WatchPanelTest : public DmdFixture {
  protected:
    void SetUp() override {
        DmdFixture::SetUp();
        platform::Surface dial(100, 100, kDialLeft);
        for (int y = 0; y < 100; ++y)
            for (int x = 50; x < 100; ++x)
                dial.At(x, y) = kDialRight;
        ASSERT_EQ(platform::WritePng(dir_.File("dial.png"), dial), 0);
    }
    WatchPanel& W() { return engine_.WatchPanel(); }
    // A 200 x 200 watch at (700, 20), hands from (100, 100), pens 1 wide.
    int Install(int16_t hrs, int16_t min, int16_t sec, std::string_view file = "dial.png",
                uint8_t frame = 1) {
        return W().InstallWatchPanel(700, 20, 200, 200, frame, 100, 100, hrs, min, sec, kHrsMin,
                                     kSec, 1, 1, file);
    }
    platform::Surface Watch() {
        return ReadCanvas(Rt(), W().WatchPanelHandle, platform::watch_panel::kCanvas);
    }
};

TEST_F(WatchPanelTest, HandsPointAtTheTimeAndASecondCallErasesTheFirst) {
    ASSERT_EQ(Install(50, 50, 50), 0);
    // The dial is stretched over the whole canvas.
    platform::Surface s = Watch();
    EXPECT_EQ(s.At(99, 0), kDialLeft);
    EXPECT_EQ(s.At(100, 199), kDialRight);

    // 3:00:00: the hour hand ends at (150, 100); the minute hand at (100, 50) lies under the
    // second hand.
    EXPECT_EQ(W().SetWatchTime(3, 0, 0), 0);
    s = Watch();
    EXPECT_EQ(BoundsOf(s, kSec), MakeRect(50, 100, 51, 1));
    EXPECT_EQ(BoundsOf(s, kHrsMin), MakeRect(100, 101, 1, 50));

    // 6:30:15: hour hand at 195 degrees to (87, 148), minute hand at 180 degrees to (100, 150),
    // second hand at 90 degrees to (150, 100).
    EXPECT_EQ(W().SetWatchTime(6, 30, 15), 0);
    s = Watch();
    EXPECT_EQ(BoundsOf(s, kSec), MakeRect(100, 100, 1, 51));
    EXPECT_EQ(BoundsOf(s, kHrsMin), MakeRect(101, 87, 50, 14));
    EXPECT_EQ(s.At(87, 148), kHrsMin);
    EXPECT_EQ(s.At(100, 150), kHrsMin);
    // Nothing of 3:00:00's minute hand is left.
    EXPECT_EQ(s.At(100, 50), kDialRight);
    EXPECT_EQ(s.At(100, 99), kDialRight);
}

TEST_F(WatchPanelTest, HandsOfLengthZeroOrLessAreLeftOut) {
    ASSERT_EQ(Install(50, 50, 0), 0);
    W().SetWatchTime(3, 0, 0);
    EXPECT_EQ(CountOf(Watch(), kSec), 0);
    EXPECT_EQ(BoundsOf(Watch(), kHrsMin), MakeRect(50, 100, 51, 51));

    ASSERT_EQ(Install(-1, 50, -50), 0);
    W().SetWatchTime(3, 0, 0);
    EXPECT_EQ(CountOf(Watch(), kSec), 0);
    EXPECT_EQ(BoundsOf(Watch(), kHrsMin), MakeRect(50, 100, 51, 1));
}

TEST_F(WatchPanelTest, IsAFramedWindowOfItsOwnLockedAgainstInputAndReplacedByASecondInstall) {
    ASSERT_EQ(Install(50, 50, 50), 0);
    const int first = W().WatchPanelHandle;
    const int first_dial = W().WatchBitmapID;
    platform::PanelInfo info = Info(first);
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.frame);
    EXPECT_FALSE(info.enabled);
    EXPECT_EQ(MakeRect(info.top, info.left, info.height, info.width), MakeRect(20, 700, 200, 200));
    int window = 0;
    Rt().GetPanelAttribute(first, platform::Attr::SystemWindowHandle, &window);
    EXPECT_EQ(engine_.HWNDHandle, window);

    // Any frame value but 1 means no frame; the earlier panel and its dial are discarded.
    ASSERT_EQ(Install(50, 50, 50, "dial.png", 2), 0);
    EXPECT_FALSE(Info(W().WatchPanelHandle).frame);
    EXPECT_TRUE(Info(first).discarded);
    EXPECT_EQ(Rt().FindBitmap(first_dial), nullptr);

    EXPECT_EQ(W().DiscardWatchPanel(), 0);
    EXPECT_TRUE(Info(W().WatchPanelHandle).discarded);
    EXPECT_EQ(W().SetWatchTime(1, 2, 3), 0);
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(WatchPanelTest, AMissingDialIsReportedWithItsFullPathAndThePanelStaysHidden) {
    const std::string dir = engine_.MainPanel().loadedVPTDir;
    // Longer than any fixed path buffer: the message still names the whole path.
    const std::string long_name = std::string(300, 'w') + ".bmp";
    for (const std::string& name : {std::string("gone.bmp"), long_name}) {
        EXPECT_EQ(Install(50, 50, 50, name), -1);
        ASSERT_EQ(Rt().Popups().size(), 1u);
        EXPECT_EQ(Rt().Popups()[0].title, "fatal error");
        EXPECT_EQ(Rt().Popups()[0].text,
                  "private CVI-function 'InstallWatchPanel': file '" +
                      platform::JoinPath(dir, name) +
                      "': " + std::string(platform::GetUILErrorString(platform::kUIEFileNotFound)));
        Rt().ClearPopups();
        const platform::PanelInfo info = Info(W().WatchPanelHandle);
        EXPECT_FALSE(info.discarded);
        EXPECT_FALSE(info.visible);
        EXPECT_TRUE(info.enabled);
    }
}

TEST_F(WatchPanelTest, GoldenAtThreeAndAtHalfPastSix) {
    ASSERT_EQ(platform::WritePng(dir_.File("face.png"), GoldenDial(120)), 0);
    ASSERT_EQ(W().InstallWatchPanel(700, 20, 160, 160, 0, 80, 80, 40, 62, 66, 0x202020, 0xC02020, 5,
                                    2, "face.png"),
              0);
    W().SetWatchTime(3, 0, 0);
    EXPECT_MATCHES_GOLDEN(Watch(), "panels/watch_3_00_00");
    W().SetWatchTime(6, 30, 15);
    EXPECT_MATCHES_GOLDEN(Watch(), "panels/watch_6_30_15");
}

}  // namespace
}  // namespace tov::testing
