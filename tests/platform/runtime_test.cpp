#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "platform/presenters/headless.h"
#include "support/temp_dir.h"

namespace tov::platform {
namespace {

namespace ids = main_panel;

class RuntimeTest : public ::testing::Test {
  protected:
    RuntimeTest() {
        auto presenter = std::make_unique<HeadlessPresenter>();
        presenter->SetEcho(false);
        headless_ = presenter.get();
        rt_ = std::make_unique<Runtime>(std::move(presenter));
    }
    Runtime& Rt() { return *rt_; }
    HeadlessPresenter& Headless() { return *headless_; }
    int LoadMain() { return Rt().LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel); }

    // Writes a w x h BMP of one colour and returns its path.
    std::string WriteImage(const std::string& name, int w, int h, uint32_t color) {
        const std::string path = dir_.File(name);
        EXPECT_EQ(WritePng(path, Surface(w, h, color)), kUISuccess);
        return path;
    }

    testing::TempDir dir_;

  private:
    HeadlessPresenter* headless_ = nullptr;
    std::unique_ptr<Runtime> rt_;
};

TEST_F(RuntimeTest, HandlesAreNeverReused) {
    const int first = LoadMain();
    ASSERT_GT(first, 0);
    EXPECT_EQ(Rt().DiscardPanel(first), kUISuccess);
    const int second = LoadMain();
    EXPECT_GT(second, first);

    int a = 0;
    int b = 0;
    ASSERT_EQ(Rt().NewBitmap(Surface(2, 2, 0), &a), kUISuccess);
    EXPECT_EQ(Rt().DiscardBitmap(a), kUISuccess);
    ASSERT_EQ(Rt().NewBitmap(Surface(2, 2, 0), &b), kUISuccess);
    EXPECT_GT(b, a);
    EXPECT_EQ(Rt().DiscardBitmap(a), kUIEInvalidBitmap);
}

TEST_F(RuntimeTest, UnknownFilesAndResourcesAreRefused) {
    EXPECT_EQ(Rt().LoadPanelEx(0, "other.uir", 1), kUIEFileNotLoaded);
    EXPECT_EQ(Rt().LoadPanelEx(0, kPublicPanelFile, 10), kUIEInvalidResource);
    EXPECT_EQ(Rt().LoadPanelEx(0, kPrivatePanelFile, 0), kUIEInvalidResource);
    EXPECT_EQ(Rt().LoadPanelEx(99, kPublicPanelFile, 1), kUIEInvalidPanel);
    // The file is found by its plain name, whatever folder and letter case come with it.
    EXPECT_GT(Rt().LoadPanelEx(0, "C:\\Tables\\TOV_Private.UIR", 4), 0);
    EXPECT_GT(Rt().LoadPanelEx(0, "/some/where/tov_public.uir", 9), 0);
}

TEST_F(RuntimeTest, ADiscardedPanelRefusesEveryOperation) {
    const int panel = LoadMain();
    ASSERT_GT(panel, 0);
    ASSERT_EQ(Rt().DiscardPanel(panel), kUISuccess);
    const int c = ids::kDmdCanvas;
    int i = 0;
    double d = 0;
    std::string s;
    uint32_t pixel = 0;
    std::vector<uint32_t> pixels(4);
    const Point line[] = {{0, 0}, {5, 5}, {0, 5}};
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(Surface(2, 2, 0), &bitmap), kUISuccess);
    const std::vector<int> statuses = {
        Rt().DisplayPanel(panel),
        Rt().HidePanel(panel),
        Rt().DiscardPanel(panel),
        Rt().SetPanelAttribute(panel, Attr::Left, 1),
        Rt().GetPanelAttribute(panel, Attr::SystemWindowHandle, &i),
        Rt().SetCtrlAttribute(panel, c, Attr::Left, 1),
        Rt().SetCtrlAttribute(panel, c, Attr::MinValue, 1.0),
        Rt().SetCtrlAttribute(panel, c, Attr::LabelText, "x"),
        Rt().GetCtrlAttribute(panel, c, Attr::Left, &i),
        Rt().GetCtrlAttribute(panel, c, Attr::Left, &d),
        Rt().GetCtrlAttribute(panel, c, Attr::LabelText, &s),
        Rt().SetCtrlVal(panel, ids::kTextCanvas, "x"),
        Rt().SetCtrlVal(panel, ids::kDynPic0, 1.0),
        Rt().GetCtrlVal(panel, ids::kTextCanvas, &s),
        Rt().GetCtrlVal(panel, ids::kDynPic0, &d),
        Rt().SetCtrlBitmap(panel, ids::kXyzCanvas, bitmap),
        Rt().InsertListItem(panel, ids::kDynPic0, -1, "x.bmp", 0),
        Rt().ReplaceListItem(panel, ids::kDynPic0, 0, "x.bmp", 0),
        Rt().DeleteListItem(panel, ids::kDynPic0, 0, -1),
        Rt().GetNumListItems(panel, ids::kDynPic0, &i),
        Rt().DeleteTextBoxLine(panel, ids::kLinebox, 0),
        Rt().DeleteTextBoxLines(panel, ids::kLinebox, 0, -1),
        Rt().GetNumTextBoxLines(panel, ids::kLinebox, &i),
        Rt().CanvasDrawBitmap(panel, c, bitmap, kWholeArea, kWholeArea),
        Rt().CanvasDrawRect(panel, c, kWholeArea, DrawMode::Both),
        Rt().CanvasDrawOval(panel, c, kWholeArea, DrawMode::Both),
        Rt().CanvasDrawPoly(panel, c, line, true, DrawMode::Both),
        Rt().CanvasDrawLine(panel, c, line[0], line[1]),
        Rt().CanvasDrawPoint(panel, c, line[0]),
        Rt().CanvasClear(panel, c, kWholeArea),
        Rt().CanvasGetPixels(panel, c, MakeRect(0, 0, 2, 2), pixels),
        Rt().CanvasGetPixel(panel, c, line[0], &pixel),
        Rt().CanvasStartBatchDraw(panel, c),
        Rt().CanvasEndBatchDraw(panel, c),
        Rt().GetCtrlBitmap(panel, c, &i),
        Rt().GetCtrlDisplayBitmap(panel, c, &i),
        Rt().GetPanelDisplayBitmap(panel, kWholeArea, &i),
        Rt().LoadPanelEx(panel, kPublicPanelFile, 2),
        Rt().SnapshotPanel(panel, dir_.File("p.png")),
        Rt().SnapshotControl(panel, c, dir_.File("c.png")),
    };
    for (size_t k = 0; k < statuses.size(); ++k) {
        EXPECT_LT(statuses[k], 0) << "operation " << k;
    }
    Surface out;
    EXPECT_FALSE(Rt().ComposePanel(panel, &out));
    EXPECT_FALSE(Rt().ComposeControl(panel, c, &out));
    ControlDescription description;
    EXPECT_FALSE(Rt().DescribeControl(panel, c, &description));
    EXPECT_TRUE(Rt().ControlIds(panel).empty());
    // The panel is listed as discarded, and no longer among the live ones, whatever the list
    // held before.
    const std::vector<PanelInfo> panels = Rt().Panels();
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_TRUE(panels[0].discarded);
    std::vector<PanelInfo> live(3);
    Rt().LivePanels(&live);
    EXPECT_TRUE(live.empty());
    const int other = LoadMain();
    Rt().LivePanels(&live);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0].handle, other);
    EXPECT_FALSE(live[0].discarded);
}

TEST_F(RuntimeTest, AttributesAreCheckedAndTyped) {
    const int panel = LoadMain();
    // A kind refuses attributes it does not have, and values out of their range.
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::OnColor, 1),
              kUIEInvalidAttribute);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::PenWidth, 0), kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::PenColor, 0x1000001),
              kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Width, -1), kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kTextCanvas, Attr::TextPointSize, 0),
              kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kTextCanvas, Attr::TextFont, ""), kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, 99, Attr::Left, 0), kUIEInvalidControl);
    // A canvas of more pixels than the run-time keeps is refused, not allocated.
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Width, 1 << 19), kUIEOutOfMemory);
    // Numbers convert between int and double attributes; texts do not.
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Left, 12.9), kUISuccess);
    int left = 0;
    double left_as_double = 0;
    EXPECT_EQ(Rt().GetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Left, &left), kUISuccess);
    EXPECT_EQ(Rt().GetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Left, &left_as_double),
              kUISuccess);
    EXPECT_EQ(left, 12);
    EXPECT_EQ(left_as_double, 12.0);
    std::string text;
    EXPECT_EQ(Rt().GetCtrlAttribute(panel, ids::kDmdCanvas, Attr::Left, &text), kUIEInvalidValue);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kTextCanvas, Attr::TextFont, 3), kUIEInvalidValue);
    // The scale attributes of a gauge are its text attributes.
    const int extra = Rt().LoadPanelEx(0, kPrivatePanelFile, private_panels::kExtraPanel);
    EXPECT_EQ(Rt().SetCtrlAttribute(extra, extra_panel::kTank, Attr::ScaleColor, 0x123456),
              kUISuccess);
    int color = 0;
    EXPECT_EQ(Rt().GetCtrlAttribute(extra, extra_panel::kTank, Attr::TextColor, &color),
              kUISuccess);
    EXPECT_EQ(color, 0x123456);
}

TEST_F(RuntimeTest, PanelAttributes) {
    const int panel = LoadMain();
    int value = 0;
    EXPECT_EQ(Rt().GetPanelAttribute(panel, Attr::SystemWindowHandle, &value), kUISuccess);
    EXPECT_NE(value, 0);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::SystemWindowHandle, 5), kUIEInvalidAttribute);
    // The panel's sizable flag: the engine switches user resizing off.
    EXPECT_EQ(Rt().GetPanelAttribute(panel, Attr::Sizable, &value), kUISuccess);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Sizable, 0), kUISuccess);
    EXPECT_EQ(Rt().GetPanelAttribute(panel, Attr::Sizable, &value), kUISuccess);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Width, -3), kUIEInvalidValue);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::ZPlanePosition, 0), kUIEInvalidAttribute);
    // A panel as large as a 3840 x 2160 screen is kept; one of 32767 x 600 pixels is refused
    // and the panel keeps its size.
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Height, 2160), kUISuccess);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Width, 3840), kUISuccess);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Height, 600), kUISuccess);
    EXPECT_EQ(Rt().SetPanelAttribute(panel, Attr::Width, 32767), kUIEOutOfMemory);
    EXPECT_EQ(Rt().GetPanelAttribute(panel, Attr::Width, &value), kUISuccess);
    EXPECT_EQ(value, 3840);
}

TEST_F(RuntimeTest, ZPlanePositionsMoveOneControlAndKeepTheOthersInOrder) {
    const int panel = LoadMain();
    const std::vector<int> before = Rt().ControlIds(panel);
    int dmd = -1;
    ASSERT_EQ(Rt().GetCtrlAttribute(panel, ids::kDmdCanvas, Attr::ZPlanePosition, &dmd),
              kUISuccess);
    EXPECT_EQ(dmd, static_cast<int>(before.size()) - 1);  // the DMD canvas lies behind all
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::ZPlanePosition, 0), kUISuccess);
    std::vector<int> after = Rt().ControlIds(panel);
    EXPECT_EQ(after.front(), ids::kDmdCanvas);
    after.erase(after.begin());
    std::vector<int> rest = before;
    rest.pop_back();
    EXPECT_EQ(after, rest);
    // Back again; a position beyond the last is the back.
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::ZPlanePosition, 1000),
              kUISuccess);
    EXPECT_EQ(Rt().ControlIds(panel), before);
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, ids::kDmdCanvas, Attr::ZPlanePosition, -1),
              kUIEInvalidValue);
}

TEST_F(RuntimeTest, PopupsAreRecordedInOrderWithTitleAndText) {
    Rt().MessagePopup("warning", "first");
    Rt().MessagePopup("fatal error", "second\nline");
    ASSERT_EQ(Rt().Popups().size(), 2u);
    EXPECT_EQ(Rt().Popups()[0].title, "warning");
    EXPECT_EQ(Rt().Popups()[0].text, "first");
    EXPECT_EQ(Rt().Popups()[1].title, "fatal error");
    EXPECT_EQ(Rt().Popups()[1].text, "second\nline");
    ASSERT_EQ(Headless().Popups().size(), 2u);
    EXPECT_EQ(Headless().Popups()[1].text, "second\nline");
    Rt().ClearPopups();
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST(HeadlessPresenter, PrintsOneLinePerPopup) {
    HeadlessPresenter presenter;
    ::testing::internal::CaptureStderr();
    presenter.MessagePopup("Error", "two\r\nlines");
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "popup [Error] two / lines\n");
}

TEST_F(RuntimeTest, HeadlessInputCursorWindowsAndClipboard) {
    int w = 0;
    int h = 0;
    Rt().GetScreenSize(&h, &w);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    Headless().SetScreenSize(1280, 720);
    Rt().GetScreenSize(&h, &w);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    EXPECT_EQ(Rt().ComposeScreen().width, 1280);

    Headless().SetMouse(MouseState{10, 20, true, false, true});
    int x = 0;
    int y = 0;
    bool left = false;
    bool right = true;
    Rt().GetGlobalMouseState(&x, &y, &left, &right);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    EXPECT_TRUE(left);
    EXPECT_FALSE(right);
    EXPECT_TRUE(Rt().MiddleButtonDown());

    // The cursor counter nests: hidden twice, shown once, still hidden.
    EXPECT_EQ(Rt().ShowCursor(false), -1);
    EXPECT_EQ(Rt().ShowCursor(false), -2);
    EXPECT_EQ(Rt().ShowCursor(true), -1);
    EXPECT_EQ(Headless().CursorCount(), -1);

    const int panel = LoadMain();
    int window = 0;
    Rt().GetPanelAttribute(panel, Attr::SystemWindowHandle, &window);
    Rt().EnableWindow(window, false);
    Rt().EnableWindow(window, false);
    ASSERT_EQ(Headless().DisabledWindows().size(), 1u);
    EXPECT_EQ(Headless().DisabledWindows()[0], window);
    EXPECT_FALSE(Rt().Panels()[0].enabled);
    Rt().EnableWindow(window, true);
    EXPECT_TRUE(Headless().DisabledWindows().empty());
    EXPECT_TRUE(Rt().Panels()[0].enabled);

    int bitmap = 0;
    Rt().NewBitmap(Surface(3, 2, 0x112233), &bitmap);
    EXPECT_EQ(Rt().ClipboardPutBitmap(bitmap), kUISuccess);
    EXPECT_EQ(Headless().Clipboard().image.width, 3);
    EXPECT_EQ(Headless().Clipboard().image.At(2, 1), 0x112233u);
    EXPECT_EQ(Rt().ClipboardPutBitmap(bitmap + 1), kUIEInvalidBitmap);
}

TEST_F(RuntimeTest, PictureRingItems) {
    const int panel = LoadMain();
    const int ring = ids::kDynPic0;
    const std::string red = WriteImage("red.png", 4, 4, 0xFF0000);
    const std::string blue = WriteImage("blue.png", 4, 4, 0x0000FF);
    int count = -1;
    EXPECT_EQ(Rt().GetNumListItems(panel, ring, &count), kUISuccess);
    EXPECT_EQ(count, 0);
    // A position beyond the items is refused with -55, a missing file with -94.
    EXPECT_EQ(Rt().InsertListItem(panel, ring, 1, red, 1), kUIEListIndexOutOfRange);
    EXPECT_EQ(Rt().InsertListItem(panel, ring, 0, dir_.File("missing.bmp"), 0), kUIEFileNotFound);
    EXPECT_EQ(Rt().InsertListItem(panel, ring, 0, red, 0), kUISuccess);
    EXPECT_EQ(Rt().InsertListItem(panel, ring, 1, blue, 1), kUISuccess);
    EXPECT_EQ(Rt().ReplaceListItem(panel, ring, 2, red, 2), kUIEListIndexOutOfRange);
    EXPECT_EQ(Rt().GetNumListItems(panel, ring, &count), kUISuccess);
    EXPECT_EQ(count, 2);

    // The value selects the image; a value no item has is refused.
    Rt().SetCtrlAttribute(panel, ring, Attr::Visible, 1);
    Surface shown;
    ASSERT_TRUE(Rt().ComposeControl(panel, ring, &shown));
    EXPECT_EQ(shown.At(50, 50), 0xFF0000u);
    EXPECT_EQ(Rt().SetCtrlVal(panel, ring, 1.0), kUISuccess);
    ASSERT_TRUE(Rt().ComposeControl(panel, ring, &shown));
    EXPECT_EQ(shown.At(50, 50), 0x0000FFu);
    EXPECT_EQ(Rt().SetCtrlVal(panel, ring, 5.0), kUIEInvalidValue);
    double value = -1;
    Rt().GetCtrlVal(panel, ring, &value);
    EXPECT_EQ(value, 1.0);
    // Replacing the shown item shows the new image.
    EXPECT_EQ(Rt().ReplaceListItem(panel, ring, 1, red, 1), kUISuccess);
    ASSERT_TRUE(Rt().ComposeControl(panel, ring, &shown));
    EXPECT_EQ(shown.At(50, 50), 0xFF0000u);
    // A picture ring's path may use backslashes.
    std::string backslashed = blue;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(Rt().InsertListItem(panel, ring, -1, backslashed, 2), kUISuccess);
    EXPECT_EQ(Rt().DeleteListItem(panel, ring, 3, 1), kUIEListIndexOutOfRange);
    EXPECT_EQ(Rt().DeleteListItem(panel, ring, 1, -1), kUISuccess);
    EXPECT_EQ(Rt().GetNumListItems(panel, ring, &count), kUISuccess);
    EXPECT_EQ(count, 1);
    // Lists belong to list kinds only.
    EXPECT_EQ(Rt().InsertListItem(panel, ids::kDmdCanvas, 0, red, 0), kUIEWrongControlKind);
}

TEST_F(RuntimeTest, TextBoxLines) {
    const int panel = LoadMain();
    const int box = ids::kLinebox;
    int lines = -1;
    EXPECT_EQ(Rt().DeleteTextBoxLines(panel, box, 0, -1), kUISuccess);  // empty: nothing to do
    EXPECT_EQ(Rt().SetCtrlVal(panel, box, "one\n"), kUISuccess);
    EXPECT_EQ(Rt().SetCtrlVal(panel, box, "two\nthr"), kUISuccess);
    EXPECT_EQ(Rt().SetCtrlVal(panel, box, "ee\n"), kUISuccess);
    EXPECT_EQ(Rt().GetNumTextBoxLines(panel, box, &lines), kUISuccess);
    EXPECT_EQ(lines, 3);
    std::string text;
    Rt().GetCtrlVal(panel, box, &text);
    EXPECT_EQ(text, "one\ntwo\nthree\n");
    EXPECT_EQ(Rt().DeleteTextBoxLine(panel, box, 3), kUIEListIndexOutOfRange);
    EXPECT_EQ(Rt().DeleteTextBoxLine(panel, box, -1), kUIEListIndexOutOfRange);
    EXPECT_EQ(Rt().DeleteTextBoxLine(panel, box, 1), kUISuccess);
    Rt().GetCtrlVal(panel, box, &text);
    EXPECT_EQ(text, "one\nthree\n");

    // The visible-line count sets the height: lines of the font plus the insets.
    int one = 0;
    int three = 0;
    Rt().SetCtrlAttribute(panel, box, Attr::VisibleLines, 1);
    Rt().GetCtrlAttribute(panel, box, Attr::Height, &one);
    Rt().SetCtrlAttribute(panel, box, Attr::VisibleLines, 3);
    Rt().GetCtrlAttribute(panel, box, Attr::Height, &three);
    EXPECT_GT(one, 0);
    EXPECT_EQ(three - one, 2 * (one - 6));
    EXPECT_EQ(Rt().SetCtrlAttribute(panel, box, Attr::VisibleLines, 0), kUIEInvalidValue);

    EXPECT_EQ(Rt().DeleteTextBoxLines(panel, box, 0, -1), kUISuccess);
    EXPECT_EQ(Rt().GetNumTextBoxLines(panel, box, &lines), kUISuccess);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(Rt().DeleteTextBoxLine(panel, ids::kTextCanvas, 0), kUIEWrongControlKind);
}

TEST_F(RuntimeTest, MetaFontsMeasureText) {
    EXPECT_EQ(Rt().CreateMetaFont("Small", "Arial", 10, false, false, false, false), kUISuccess);
    EXPECT_EQ(Rt().CreateMetaFont("Large", "Arial", 40, false, false, false, false), kUISuccess);
    int small_w = 0;
    int small_h = 0;
    int large_w = 0;
    int large_h = 0;
    EXPECT_EQ(Rt().GetTextDisplaySize("Hello", "Small", &small_h, &small_w), kUISuccess);
    EXPECT_EQ(Rt().GetTextDisplaySize("Hello", "Large", &large_h, &large_w), kUISuccess);
    EXPECT_GT(small_w, 0);
    EXPECT_GT(large_w, 3 * small_w);
    EXPECT_GT(large_h, 3 * small_h);
    int empty_w = -1;
    EXPECT_EQ(Rt().GetTextDisplaySize("", "Large", nullptr, &empty_w), kUISuccess);
    EXPECT_EQ(empty_w, 0);
    // Redefining a meta font changes what it measures.
    EXPECT_EQ(Rt().CreateMetaFont("Small", "Arial", 40, false, false, false, false), kUISuccess);
    int redefined_w = 0;
    Rt().GetTextDisplaySize("Hello", "Small", nullptr, &redefined_w);
    EXPECT_EQ(redefined_w, large_w);
    EXPECT_EQ(Rt().CreateMetaFont("Bad", "Arial", 0, false, false, false, false), kUIEInvalidValue);
    EXPECT_EQ(Rt().CreateMetaFont("", "Arial", 10, false, false, false, false), kUIEInvalidValue);
}

TEST_F(RuntimeTest, CanvasBitmapsKeepTransparencyAsAMask) {
    const int panel = LoadMain();
    const int canvas = ids::kEffectCanvas;
    Rt().SetCtrlAttribute(panel, canvas, Attr::Width, 4);
    Rt().SetCtrlAttribute(panel, canvas, Attr::Height, 2);
    Rt().SetCtrlAttribute(panel, canvas, Attr::PictureBgColor, kTransparent);
    Rt().CanvasClear(panel, canvas, kWholeArea);
    Rt().SetCtrlAttribute(panel, canvas, Attr::PenColor, 0x00FF00);
    Rt().CanvasDrawPoint(panel, canvas, MakePoint(1, 0));
    int bitmap = 0;
    ASSERT_EQ(Rt().GetCtrlBitmap(panel, canvas, &bitmap), kUISuccess);
    const Bitmap* b = Rt().FindBitmap(bitmap);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->HasMask());
    EXPECT_TRUE(b->Opaque(1, 0));
    EXPECT_FALSE(b->Opaque(0, 0));
    EXPECT_EQ(b->image.At(1, 0), 0x00FF00u);
    // A picture without an image has no bitmap to give; a text message is no picture.
    EXPECT_EQ(Rt().GetCtrlBitmap(panel, ids::kXyzCanvas, &bitmap), kUIEInvalidBitmap);
    EXPECT_EQ(Rt().GetCtrlBitmap(panel, ids::kTextCanvas, &bitmap), kUIEWrongControlKind);
}

TEST_F(RuntimeTest, CanvasUpdateBitmapRenewsOnlyTheRectangle) {
    const int panel = LoadMain();
    const int canvas = ids::kEffectCanvas;
    Rt().SetCtrlAttribute(panel, canvas, Attr::Width, 5);
    Rt().SetCtrlAttribute(panel, canvas, Attr::Height, 3);
    Rt().SetCtrlAttribute(panel, canvas, Attr::PictureBgColor, 0x112233);
    Rt().CanvasClear(panel, canvas, kWholeArea);
    int bitmap = 0;
    ASSERT_EQ(Rt().GetCtrlBitmap(panel, canvas, &bitmap), kUISuccess);

    Rt().SetCtrlAttribute(panel, canvas, Attr::FillColor, 0x00FF00);
    Rt().CanvasDrawRect(panel, canvas, kWholeArea, DrawMode::Interior);
    // The rectangle reaches beyond the right edge: only columns 3 and 4 of rows 1 and 2 change.
    ASSERT_EQ(Rt().CanvasUpdateBitmap(panel, canvas, MakeRect(1, 3, kToFarEdge, 9), bitmap),
              kUISuccess);
    const Bitmap* b = Rt().FindBitmap(bitmap);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->HasMask());
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(b->image.At(x, y), y >= 1 && x >= 3 ? 0x00FF00u : 0x112233u) << x << y;
    }

    // Transparent canvas pixels become masked ones; opaque ones unmask again.
    Rt().SetCtrlAttribute(panel, canvas, Attr::PictureBgColor, kTransparent);
    Rt().CanvasClear(panel, canvas, MakeRect(0, 0, 1, 2));
    ASSERT_EQ(Rt().CanvasUpdateBitmap(panel, canvas, kWholeArea, bitmap), kUISuccess);
    ASSERT_TRUE(b->HasMask());
    EXPECT_FALSE(b->Opaque(1, 0));
    EXPECT_TRUE(b->Opaque(2, 0));
    Rt().CanvasDrawRect(panel, canvas, kWholeArea, DrawMode::Interior);
    ASSERT_EQ(Rt().CanvasUpdateBitmap(panel, canvas, MakeRect(0, 1, 1, 1), bitmap), kUISuccess);
    EXPECT_TRUE(b->Opaque(1, 0));
    EXPECT_FALSE(b->Opaque(0, 0));

    EXPECT_EQ(Rt().CanvasUpdateBitmap(panel, canvas, kWholeArea, bitmap + 100), kUIEInvalidBitmap);
    EXPECT_EQ(Rt().CanvasUpdateBitmap(panel, ids::kTextCanvas, kWholeArea, bitmap),
              kUIEWrongControlKind);
}

TEST_F(RuntimeTest, CanvasPixelsReadBack) {
    const int panel = LoadMain();
    const int canvas = ids::kEffectCanvas;
    Rt().SetCtrlAttribute(panel, canvas, Attr::Width, 3);
    Rt().SetCtrlAttribute(panel, canvas, Attr::Height, 2);
    Rt().SetCtrlAttribute(panel, canvas, Attr::FillColor, 0x010203);
    Rt().CanvasDrawRect(panel, canvas, MakeRect(0, 1, 2, 2), DrawMode::Interior);
    std::vector<uint32_t> pixels(6);
    ASSERT_EQ(Rt().CanvasGetPixels(panel, canvas, kWholeArea, pixels), kUISuccess);
    EXPECT_EQ(pixels, (std::vector<uint32_t>{0, 0x010203, 0x010203, 0, 0x010203, 0x010203}));
    std::vector<uint32_t> small(5);
    EXPECT_EQ(Rt().CanvasGetPixels(panel, canvas, kWholeArea, small), kUIEBufferTooSmall);
    uint32_t pixel = 7;
    EXPECT_EQ(Rt().CanvasGetPixel(panel, canvas, MakePoint(3, 0), &pixel), kUIEInvalidValue);
    EXPECT_EQ(Rt().CanvasDrawRect(panel, canvas, kWholeArea, static_cast<DrawMode>(7)),
              kUIEInvalidValue);
    // Batches nest and must be opened before they are closed.
    EXPECT_EQ(Rt().CanvasEndBatchDraw(panel, canvas), kUIEInvalidValue);
    EXPECT_EQ(Rt().CanvasStartBatchDraw(panel, canvas), kUISuccess);
    EXPECT_EQ(Rt().CanvasEndBatchDraw(panel, canvas), kUISuccess);
}

// The batched drawing calls against one call a piece or a rectangle, on random pieces that
// stretch, shrink, overlap, clip at every edge and reach the far edges, from a masked bitmap:
// the batch's fill of one-pixel sources must give what the general copy gives.
TEST_F(RuntimeTest, BatchedCanvasDrawingEqualsOneCallEach) {
    const int panel = LoadMain();
    const int batched = ids::kEffectCanvas;
    const int single = ids::kConstructCanvas;
    for (int canvas : {batched, single}) {
        Rt().SetCtrlAttribute(panel, canvas, Attr::Width, 37);
        Rt().SetCtrlAttribute(panel, canvas, Attr::Height, 23);
        Rt().SetCtrlAttribute(panel, canvas, Attr::FillColor, 0x123456);
        Rt().SetCtrlAttribute(panel, canvas, Attr::PenColor, 0xABCDEF);
        Rt().SetCtrlAttribute(panel, canvas, Attr::PenWidth, 2);
    }
    std::mt19937 random(4);
    Surface picture(11, 7);
    for (uint32_t& pixel : picture.pixels)
        pixel = random() & 0xFFFFFF;
    int bitmap = 0;
    ASSERT_EQ(Rt().NewBitmap(picture, &bitmap), kUISuccess);
    std::vector<uint8_t> mask(static_cast<size_t>(MaskBytesPerRow(11)) * 7);
    for (uint8_t& byte : mask)
        byte = static_cast<uint8_t>(random());
    std::vector<uint8_t> bits;
    std::vector<uint8_t> no_mask;
    ASSERT_EQ(Rt().GetBitmapData(bitmap, &bits, &no_mask), kUISuccess);
    ASSERT_EQ(Rt().SetBitmapData(bitmap, PaddedBytesPerRow(11), 24, bits, mask), kUISuccess);

    const auto any = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    const auto rect = [&] { return MakeRect(any(-4, 25), any(-4, 40), any(-1, 12), any(-1, 12)); };
    for (int round = 0; round < 20; ++round) {
        std::vector<BitmapPiece> pieces(static_cast<size_t>(any(0, 30)));
        for (BitmapPiece& piece : pieces) {
            piece = {MakeRect(any(-2, 8), any(-2, 12), any(-1, 4), any(-1, 4)), rect()};
            // Half of them one source pixel, which the batch draws as a fill.
            if (any(0, 1) == 0) piece.src.height = piece.src.width = 1;
            if (any(0, 5) == 0) piece.dst.height = piece.dst.width = kKeepSameSize;
        }
        std::vector<Rect> rects(static_cast<size_t>(any(0, 8)));
        for (Rect& r : rects)
            r = rect();
        const auto mode = static_cast<DrawMode>(any(1, 3));

        ASSERT_EQ(Rt().CanvasDrawBitmapPieces(panel, batched, bitmap, pieces), kUISuccess);
        ASSERT_EQ(Rt().CanvasDrawRects(panel, batched, rects, mode), kUISuccess);
        for (const BitmapPiece& piece : pieces)
            Rt().CanvasDrawBitmap(panel, single, bitmap, piece.src, piece.dst);
        for (const Rect& r : rects)
            Rt().CanvasDrawRect(panel, single, r, mode);

        std::vector<uint32_t> want(37 * 23), got(37 * 23);
        ASSERT_EQ(Rt().CanvasGetPixels(panel, single, kWholeArea, want), kUISuccess);
        ASSERT_EQ(Rt().CanvasGetPixels(panel, batched, kWholeArea, got), kUISuccess);
        ASSERT_EQ(got, want) << "round " << round;
    }
    EXPECT_EQ(Rt().CanvasDrawBitmapPieces(panel, batched, 999999, {}), kUIEInvalidBitmap);
    EXPECT_EQ(Rt().CanvasDrawRects(panel, batched, {}, static_cast<DrawMode>(7)), kUIEInvalidValue);
}

TEST_F(RuntimeTest, MemoryStatusAndDirectory) {
    const MemoryStatus memory = Rt().GetMemoryStatus();
    EXPECT_GT(memory.total_physical, 0u);
    EXPECT_LE(memory.available_physical, memory.total_physical);
    EXPECT_LE(memory.available_virtual, memory.total_virtual);
    EXPECT_FALSE(Rt().GetDir().empty());
}

TEST_F(RuntimeTest, StartProgramDoesNotWait) {
    const std::string marker = dir_.File("started");
    Rt().StartProgram("touch \"" + marker + "\"");
    Rt().StartProgram("no-such-program-here");  // not reported
    Rt().StartProgram("");
    for (int i = 0; i < 200 && !std::ifstream(marker).good(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(std::ifstream(marker).good());
}

TEST_F(RuntimeTest, DescribeControlListsTheKindsProperties) {
    const int panel = LoadMain();
    Rt().SetCtrlVal(panel, ids::kLinebox, "a\nb\n");
    ControlDescription d;
    ASSERT_TRUE(Rt().DescribeControl(panel, ids::kLinebox, &d));
    EXPECT_EQ(d.kind, "text box");
    auto find = [&](const std::string& key) -> const ControlValue* {
        for (const auto& [k, v] : d.properties) {
            if (k == key) return &v;
        }
        return nullptr;
    };
    ASSERT_NE(find("lines"), nullptr);
    EXPECT_EQ(std::get<std::vector<std::string>>(*find("lines")),
              (std::vector<std::string>{"a", "b"}));
    ASSERT_NE(find("zplane"), nullptr);
    EXPECT_EQ(std::get<int>(*find("zplane")), 1);
    EXPECT_NE(find("font"), nullptr);
    EXPECT_EQ(find("on_color"), nullptr);
}

// Every attribute of every control of every panel set to edge values, then everything
// composed: nothing may crash, and every refusal is a negative status.
TEST_F(RuntimeTest, EdgeValuesOnEveryControlBreakNothing) {
    std::vector<int> panels;
    for (int r = 1; r <= 9; ++r)
        panels.push_back(Rt().LoadPanelEx(0, kPublicPanelFile, r));
    for (int r = 1; r <= 4; ++r)
        panels.push_back(Rt().LoadPanelEx(0, kPrivatePanelFile, r));
    const int ints[] = {INT32_MIN, INT32_MIN + 15, -2, -1, 0, 1, 3, 32767, INT32_MAX, kTransparent};
    const double doubles[] = {std::nan(""), INFINITY, -1e300, -0.5, 1e9};
    const std::string long_text(3000, 'W');
    for (int panel : panels) {
        ASSERT_GT(panel, 0);
        Rt().DisplayPanel(panel);
        for (int control : Rt().ControlIds(panel)) {
            for (int a = 0; a <= static_cast<int>(Attr::Value); ++a) {
                const Attr attr = static_cast<Attr>(a);
                for (int v : ints)
                    EXPECT_LE(Rt().SetCtrlAttribute(panel, control, attr, v), 0);
                for (double v : doubles) {
                    EXPECT_LE(Rt().SetCtrlAttribute(panel, control, attr, v), 0);
                }
                EXPECT_LE(Rt().SetCtrlAttribute(panel, control, attr, ""), 0);
                EXPECT_LE(Rt().SetCtrlAttribute(panel, control, attr, long_text), 0);
                // Back to sizes and places that show, so that composing paints something.
                Rt().SetCtrlAttribute(panel, control, Attr::Width, 50);
                Rt().SetCtrlAttribute(panel, control, Attr::Height, 40);
                Rt().SetCtrlAttribute(panel, control, Attr::Left, 5);
                Rt().SetCtrlAttribute(panel, control, Attr::Top, 5);
                Rt().SetCtrlAttribute(panel, control, Attr::Visible, 1);
            }
            for (double v : doubles)
                EXPECT_LE(Rt().SetCtrlVal(panel, control, v), 0);
            EXPECT_LE(Rt().SetCtrlVal(panel, control, long_text), 0);
            Rt().CanvasDrawRect(panel, control, MakeRect(INT32_MIN, INT32_MAX, -5, INT32_MAX),
                                DrawMode::Both);
            Rt().CanvasDrawBitmap(panel, control, 1, MakeRect(INT32_MAX, INT32_MIN, -1, -1),
                                  MakeRect(-1, -1, INT32_MAX, INT32_MAX));
            Surface shown;
            Rt().ComposeControl(panel, control, &shown);
        }
        for (int v : ints) {
            for (Attr attr : {Attr::Left, Attr::Top, Attr::Width, Attr::Height}) {
                Rt().SetPanelAttribute(panel, attr, v);
                Rt().ComposeScreen();
            }
        }
    }
}

}  // namespace
}  // namespace tov::platform
